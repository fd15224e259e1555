// SPDX-License-Identifier: MIT
#include "forms/Form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QWindow>
#include <qdrawutil.h>

#include "Accessibility.h"
#include "Native.h"
#include "PaletteRelay.h"
#include "Picture.h"
#include "Utf8.h"
#include "Widgets.h"
#include "X11Frame.h"
#include "forms/Application.h"
#include "forms/Focus.h"
#include "forms/Pictures.h"
#include "forms/Platform.h"
#include "forms/Twips.h"

namespace forms {

namespace {

// Width of the dialog frame that a window without title bar draws itself.
constexpr int kDialogFrame = 3;

Qt::WindowFlags Flags(BorderStyle border) {
    switch (border) {
    case BorderStyle::FixedSingle:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
               Qt::MSWindowsFixedSizeDialogHint;
    case BorderStyle::FixedDialogNoTitle:
        // A tool window stays out of the taskbar.
        return Qt::Tool | Qt::FramelessWindowHint;
    }
    return Qt::Window;
}

qt::FormWidget& Drawn(const Form& form) {
    return static_cast<qt::FormWidget&>(qt::Widget(form));
}

} // namespace

NativePtr platform::NewWindow(Form& form) {
    return NativeWidget::Of(new qt::FormWidget(form, form.Border()));
}

bool platform::CanTakeFocus(const Control& control) {
    const QWidget& widget = qt::Widget(control);
    return widget.isVisibleTo(widget.window()) && widget.isEnabled() &&
           (widget.focusPolicy() & Qt::TabFocus);
}

Control* platform::FocusedControl(const Form& form) {
    const QWidget* focus = Drawn(form).focusWidget();
    return focus ? qt::ControlOf(*focus) : nullptr;
}

void platform::MoveFocus(Form& form, Control* control) {
    if (control)
        qt::Widget(*control).setFocus(Qt::TabFocusReason);
    else if (QWidget* focus = Drawn(form).focusWidget())
        focus->clearFocus();
}

void platform::TabOrderChanged(Form& form) {
    QWidget* previous = nullptr;
    for (Control* control : form.TabOrder()) {
        QWidget* widget = &qt::Widget(*control);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void Form::SetName(std::string_view name) {
    name_ = name;
    Drawn(*this).setObjectName(qt::FromUtf8(name));
}

void Form::SetCaption(std::string_view caption) {
    caption_ = caption;
    const QString title = qt::FromUtf8(caption);
    Drawn(*this).setWindowTitle(title);
    Drawn(*this).setAccessibleName(title);
}

void Form::SetSpokenName(std::string_view name) {
    Drawn(*this).setAccessibleName(qt::FromUtf8(name));
}

void Form::Announce(std::string_view text) {
    qt::accessibility::Announce(Drawn(*this), qt::FromUtf8(text));
}

// The position is that of the outer box, frame included.
void Form::Place() {
    Drawn(*this).move(ToPixelsX(left_), ToPixelsY(top_));
}

float Form::OuterWidth() const {
    const QMargins frame = Drawn(*this).FrameMargins();
    return ToTwipsX(Drawn(*this).width() + frame.left() + frame.right());
}

float Form::OuterHeight() const {
    const QMargins frame = Drawn(*this).FrameMargins();
    return ToTwipsY(Drawn(*this).height() + frame.top() + frame.bottom());
}

void Form::SetBackColor(Color color) {
    QWidget& widget = Drawn(*this);
    QPalette p = widget.palette();
    p.setColor(QPalette::Window, qt::ToQColor(color));
    widget.setPalette(p);
    widget.setAutoFillBackground(true);
}

Color Form::ButtonFace() const {
    return qt::FromQColor(Drawn(*this).palette().color(QPalette::Button));
}

void Form::SetIcon(std::string_view name) {
    // From pixmaps: an icon made from a file name without suffix would load
    // the MIME database to find its format.
    QIcon icon(qt::Picture(name));
    icon.addPixmap(qt::Picture(SmallIconOf(name)));
    Drawn(*this).setWindowIcon(icon);
}

void Form::Show() {
    QWidget& widget = Drawn(*this);
    widget.show();
    widget.raise();
    widget.activateWindow();
}

bool Form::Visible() const {
    return Drawn(*this).isVisible();
}

void Form::Close() {
    Drawn(*this).close();
}

namespace qt {

FormWidget::FormWidget(Form& owner, BorderStyle border)
    : QWidget(nullptr, Flags(border))
    , owner_(&owner)
    , border_(border) {
    RelayPaletteChanges();
    new ClickTracker(*this, [this] {
        if (owner_)
            owner_->Click.Raise();
    });
    qt::accessibility::Install();
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends by End() alone
    const int frame = border == BorderStyle::FixedDialogNoTitle ? kDialogFrame : 0;
    setContentsMargins(frame, frame, frame, frame);
    setFixedSize(QSize(ToPixelsX(owner.ClientWidth()), ToPixelsY(owner.ClientHeight()))
                     .grownBy(contentsMargins()));
    // The native window exists from here on, so that the platform can tell
    // its frame before the first show. An X11 window manager frames a window
    // only once it is shown; there it is asked for the frame it will draw
    // instead, and an early native window would only send the title, the icon
    // and each move to the server one by one instead of with the window.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        create();
    announcedFrame_.Ask(*this);
}

FormWidget::~FormWidget() {
    // Closed and deleted by Qt: the window goes with its widget.
    if (Form* form = owner_) {
        owner_ = nullptr;
        form->Native().Forget();
        delete form;
    }
}

// The frame as the platform reports it for the native window: the fixed
// 2-pixel frame of the offscreen platform, say. An X11 window manager frames
// the window only some hundred milliseconds after it is shown; until then the
// frame it announced stands in. Where it announced none, the frame is nothing
// and the window is centred on its client area.
QMargins FormWidget::FrameMargins() const {
    const QWindow* window = windowHandle();
    const QMargins frame = window ? window->frameMargins() : QMargins();
    return frame.isNull() ? announcedFrame_.Frame() : frame;
}

void FormWidget::closeEvent(QCloseEvent* event) {
    if (!owner_ || !CloseWindow(*owner_, [event] { event->accept(); }))
        event->ignore();
}

void FormWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // On the first showing the focus goes to the first control in the tab
    // chain that can take it.
    if (!shown_ && !focusWidget())
        focusNextPrevChild(true);
    shown_ = true;
}

void FormWidget::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The frame lies outside the client area: a repaint inside it (the
    // greeting moving along) leaves the frame alone.
    if (border_ != BorderStyle::FixedDialogNoTitle || contentsRect().contains(event->rect()))
        return;
    // Drawn once into a picture, which the repaints copy from (only within
    // the repainted part).
    const qreal ratio = devicePixelRatioF();
    if (frame_.size() != size() * ratio || frame_.devicePixelRatio() != ratio ||
        framePalette_ != palette().cacheKey()) {
        frame_ = QPixmap(size() * ratio);
        frame_.setDevicePixelRatio(ratio);
        frame_.fill(Qt::transparent);
        QPainter painter(&frame_);
        QPalette frame = palette();
        frame.setColor(QPalette::Window, frame.color(QPalette::Button));
        qDrawWinPanel(&painter, rect(), frame, false, nullptr);
        painter.setPen(frame.color(QPalette::Button));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
        framePalette_ = palette().cacheKey();
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, frame_);
}

// A new palette, the desktop's or the program's, brings a new button face.
void FormWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (owner_ && (event->type() == QEvent::PaletteChange ||
                   event->type() == QEvent::ApplicationPaletteChange))
        owner_->SystemColorsChange.Raise();
}

// Qt moves the focus the moment a control that has it is hidden or
// disabled, and leaves it on a hidden one when no other is shown yet; the
// focus waits instead until the handler has finished.
bool FormWidget::focusNextPrevChild(bool next) {
    const QWidget* focus = focusWidget();
    if (const Control* control = focus ? ControlOf(*focus) : nullptr;
        control && owner_ && !platform::CanTakeFocus(*control)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                const QWidget* focus = focusWidget();
                if (owner_ && focus)
                    SettleFocus(*owner_, ControlOf(*focus));
            },
            Qt::QueuedConnection);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (owner_)
        owner_->KeyPress.Raise(event->text().at(0).unicode());
}

} // namespace qt
} // namespace forms
