// SPDX-License-Identifier: MIT
#include "Frame.h"

#include <QMouseEvent>
#include <QPainter>

namespace forms {

Frame::Frame(QWidget* container)
    : QFrame(container)
    , Control(static_cast<QWidget&>(*this)) {
    setAutoFillBackground(true);
}

void Frame::SetBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void Frame::SetForeColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Frame::paintEvent(QPaintEvent*) {
    // An etched edge: the frame's colour with a darker line inside it.
    QPainter painter(this);
    const QColor edge = palette().color(QPalette::WindowText);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.setPen(edge.darker(160));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(edge);
    painter.drawRect(box.adjusted(1, 1, 0, 0));
}

void Frame::mousePressEvent(QMouseEvent* event) {
    click_.Press(event);
}

void Frame::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.Release(event, *this))
        emit Click();
}

} // namespace forms
