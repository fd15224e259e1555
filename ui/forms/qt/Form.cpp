// SPDX-License-Identifier: MIT
#include "Form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <qdrawutil.h>

#include "Timer.h"
#include "Twips.h"

namespace forms {

namespace {

// Width of the dialog frame that a window without title bar draws itself.
constexpr int kDialogFrame = 3;

QList<Form*>& LiveForms() {
    static QList<Form*> forms;
    return forms;
}

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

// Qt 6.4 tells the application object, not its windows, that the
// application's palette has changed; windows and controls made before it keep
// the old one. Passed on to every window, it reaches them all.
class PaletteRelay : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() &&
            event->type() == QEvent::ApplicationPaletteChange)
            for (Form* form : LiveForms())
                QCoreApplication::sendEvent(form, event);
        return false;
    }
};

void RelayPaletteChanges() {
    static bool relayed = false;
    if (relayed || !QCoreApplication::instance())
        return;
    relayed = true;
    QCoreApplication::instance()->installEventFilter(
        new PaletteRelay(QCoreApplication::instance()));
}

bool CanTakeFocus(const QWidget& control, const QWidget& form) {
    return control.isVisibleTo(&form) && control.isEnabled() &&
           (control.focusPolicy() & Qt::TabFocus);
}

} // namespace

Form::Form(BorderStyle border, float clientWidth, float clientHeight)
    : QWidget(nullptr, Flags(border))
    , border_(border)
    , clientWidth_(clientWidth)
    , clientHeight_(clientHeight) {
    LiveForms().append(this);
    RelayPaletteChanges();
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends by End() alone
    const int frame = border == BorderStyle::FixedDialogNoTitle ? kDialogFrame : 0;
    setContentsMargins(frame, frame, frame, frame);
    setFixedSize(QSize(ToPixelsX(clientWidth), ToPixelsY(clientHeight)).grownBy(contentsMargins()));
    // The native window exists from here on, so that the platform can tell
    // its frame before the first show. An X11 window manager frames a window
    // only once it is shown, so there the frame is nothing either way, and an
    // early native window would only send the title, the icon and each move
    // to the server one by one instead of with the window.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        create();
}

Form::~Form() {
    LiveForms().removeOne(this);
}

void Form::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    setAccessibleName(caption);
}

void Form::SetLeft(float twips) {
    left_ = twips;
    Place();
}

void Form::SetTop(float twips) {
    top_ = twips;
    Place();
}

// The position is that of the outer box, frame included.
void Form::Place() {
    move(ToPixelsX(left_), ToPixelsY(top_));
}

// The frame as the platform reports it for the native window. Before the
// first show this is the best figure there is: the real frame on Windows, the
// fixed 2-pixel frame of the offscreen platform, and nothing on X11, whose
// window manager frames the window only some hundred milliseconds after it
// is shown; there the window is centred on its client area. After that it is
// the window manager's figure.
QMargins Form::FrameMargins() {
    const QWindow* window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

float Form::OuterWidth() {
    const QMargins frame = FrameMargins();
    return ToTwipsX(width() + frame.left() + frame.right());
}

float Form::OuterHeight() {
    const QMargins frame = FrameMargins();
    return ToTwipsY(height() + frame.top() + frame.bottom());
}

void Form::SetBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void Form::SetIcon(const QIcon& icon) {
    setWindowIcon(icon);
}

void Form::SetTabOrder(std::initializer_list<QWidget*> controls) {
    const QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(const_cast<QWidget*>(previous), control);
        previous = control;
    }
}

void Form::Show() {
    show();
    raise();
    activateWindow();
}

void Form::Form_Unload(int&) {}

void Form::closeEvent(QCloseEvent* event) {
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    // With no window left the program has nothing more to do.
    const bool anotherShown =
        std::any_of(LiveForms().cbegin(), LiveForms().cend(),
                    [this](const Form* f) { return f != this && f->isVisible(); });
    if (!anotherShown)
        End();
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // On the first showing the focus goes to the first control in the tab
    // chain that can take it.
    if (!shown_ && !focusWidget())
        focusNextPrevChild(true);
    shown_ = true;
}

void Form::paintEvent(QPaintEvent* event) {
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

void Form::mousePressEvent(QMouseEvent* event) {
    click_.Press(event);
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.Release(event, *this))
        emit Click();
}

// Qt moves the focus the moment a control that has it is hidden or disabled,
// and leaves it on a hidden one when no other is shown yet; the focus waits
// instead until the handler has finished.
bool Form::focusNextPrevChild(bool next) {
    const QWidget* focus = focusWidget();
    if (focus && !CanTakeFocus(*focus, *this)) {
        QMetaObject::invokeMethod(this, &Form::SettleFocus, Qt::QueuedConnection);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void Form::SettleFocus() {
    QWidget* focus = focusWidget();
    if (!focus || CanTakeFocus(*focus, *this))
        return;
    for (QWidget* next = focus->nextInFocusChain(); next != focus; next = next->nextInFocusChain())
        if (isAncestorOf(next) && CanTakeFocus(*next, *this)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    focus->clearFocus();
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit KeyPress(event->text().at(0).unicode());
}

float Centred(float screen, float outer) {
    return (screen - outer) / 2;
}

void Centre(Form& form) {
    form.SetTop(Centred(ScreenHeight(), form.OuterHeight()));
    form.SetLeft(Centred(ScreenWidth(), form.OuterWidth()));
}

void PreparePlatform() {
    // With shared-memory images every repaint on X11 waits for the server's
    // answer to the one before; the greeting repaints a hundred times a second
    // and costs half as much without them. The windows are small: their pixels
    // go over the connection. Whoever sets the variable keeps their choice.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

void End() {
    for (Form* form : LiveForms()) {
        for (Timer* timer : form->findChildren<Timer*>())
            timer->stop();
        form->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace forms
