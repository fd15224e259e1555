// SPDX-License-Identifier: MIT
#include "forms/CommandButton.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "Accessibility.h"
#include "Native.h"
#include "Picture.h"
#include "Utf8.h"
#include "Widgets.h"
#include "forms/Drawing.h"
#include "forms/Focus.h"
#include "forms/Platform.h"
#include "forms/Twips.h"

namespace forms {

NativePtr platform::NewButton(CommandButton& button, Container& container) {
    return qt::NewWidget<qt::ButtonWidget>(button, container);
}

platform::PictureSize platform::SizeOfPicture(std::string_view name) {
    const QSize size = qt::PictureSize(name);
    return {std::max(0, size.width()), std::max(0, size.height())};
}

void CommandButton::SetDescription(std::string_view description) {
    qt::WidgetAs<qt::ButtonWidget>(*this).setAccessibleDescription(qt::FromUtf8(description));
}

void CommandButton::SetFont(const DesignFont& design) {
    font_ = design;
    qt::WidgetAs<qt::ButtonWidget>(*this).setFont(qt::RenderFont(design));
}

void CommandButton::SetPicture(std::string_view name, float widthTwips, float heightTwips) {
    picture_ = name;
    qt::WidgetAs<qt::ButtonWidget>(*this).SetPicture(qt::Picture(name), widthTwips, heightTwips);
}

namespace qt {

namespace {

// Room between the caption and the button's lower edge, in pixels.
constexpr int kCaptionMargin = 2;

int MouseButtons(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftKeys(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

ButtonWidget::ButtonWidget(CommandButton& owner, QWidget* container)
    : QPushButton(container)
    , owner_(owner) {
    // Every movement over the button counts, not only with a button held.
    setMouseTracking(true);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        owner_.Click.Raise();
        SettleFocus(owner_.Window(), &owner_);
    });
}

void ButtonWidget::SetPicture(const QPixmap& picture, float widthTwips, float heightTwips) {
    picture_ = picture;
    pictureWidth_ = widthTwips;
    pictureHeight_ = heightTwips;
    update();
}

QRect ButtonWidget::CaptionRect() const {
    if (text().isEmpty())
        return {};
    const int lineHeight = fontMetrics().height();
    return {0, height() - kCaptionMargin - lineHeight, width(), lineHeight};
}

QRect ButtonWidget::PictureRect() const {
    if (picture_.isNull())
        return {};
    // The picture stands above the top of the caption's letters.
    int bottom = height();
    if (!text().isEmpty()) {
        const QFontMetricsF metrics(font());
        const qreal inkTop =
            CaptionRect().top() + metrics.ascent() + metrics.tightBoundingRect(text()).top();
        bottom = static_cast<int>(std::floor(inkTop));
    }
    const PixelRect box =
        PictureBox(width(), bottom, ToPixelsX(pictureWidth_), ToPixelsY(pictureHeight_));
    return {box.left, box.top, box.width, box.height};
}

void ButtonWidget::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const int shift = isDown() ? 1 : 0; // a pressed button's face sinks a little
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture_.isNull())
        painter.drawPixmap(PictureRect().translated(shift, shift), picture_);
    if (!text().isEmpty()) {
        QTextOption textOption(Qt::AlignHCenter | Qt::AlignTop);
        textOption.setTextDirection(Qt::RightToLeft);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.drawText(QRectF(CaptionRect().translated(shift, shift)), text(), textOption);
    }
}

void ButtonWidget::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    const QPointF at = event->position();
    owner_.MouseMove.Raise(MouseButtons(event->buttons()), ShiftKeys(event->modifiers()),
                           static_cast<float>(at.x()) * TwipsPerPixelX(),
                           static_cast<float>(at.y()) * TwipsPerPixelY());
}

void ButtonWidget::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    owner_.GotFocus.Raise();
    // A handler that handed the focus on did so while this button was still
    // taking it, and Qt tells screen readers of this button after the one the
    // focus went on to: they hear again where the focus ended.
    if (!hasFocus())
        qt::accessibility::RestateFocusLater();
}

// Space presses the button with the focus, as do Return and Enter; a hidden
// button takes no key.
void ButtonWidget::keyPressEvent(QKeyEvent* event) {
    if (!isVisible()) {
        event->ignore();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ButtonWidget::keyReleaseEvent(QKeyEvent* event) {
    if (!isVisible()) {
        event->ignore();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

} // namespace qt
} // namespace forms
