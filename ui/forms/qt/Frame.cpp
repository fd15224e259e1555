// SPDX-License-Identifier: MIT
#include "forms/Frame.h"

#include <QMouseEvent>
#include <QPainter>

#include "Native.h"
#include "Utf8.h"
#include "Widgets.h"
#include "forms/Platform.h"

namespace forms {

NativePtr platform::NewFrame(Frame& frame, Container& container) {
    return qt::NewWidget<qt::FrameWidget>(frame, container);
}

namespace {
void SetColor(const Frame& frame, QPalette::ColorRole role, Color color) {
    QWidget& widget = qt::Widget(frame);
    QPalette p = widget.palette();
    p.setColor(role, qt::ToQColor(color));
    widget.setPalette(p);
}
} // namespace

void Frame::SetBackColor(Color color) {
    SetColor(*this, QPalette::Window, color);
}

void Frame::SetForeColor(Color color) {
    SetColor(*this, QPalette::WindowText, color);
}

namespace qt {

FrameWidget::FrameWidget(Frame& owner, QWidget* container)
    : QFrame(container)
    , owner_(owner) {
    setAutoFillBackground(true);
    new ClickTracker(*this, [this] { owner_.Click.Raise(); });
}

void FrameWidget::paintEvent(QPaintEvent*) {
    // An etched edge: the frame's colour with a darker line inside it.
    QPainter painter(this);
    const QColor edge = palette().color(QPalette::WindowText);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.setPen(edge.darker(160));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(edge);
    painter.drawRect(box.adjusted(1, 1, 0, 0));
}

} // namespace qt
} // namespace forms
