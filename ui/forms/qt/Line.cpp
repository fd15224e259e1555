// SPDX-License-Identifier: MIT
#include "Line.h"

#include <QPainter>

#include "Control.h"
#include "Twips.h"

namespace forms {

Line::Line(QWidget* container)
    : QWidget(container) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    color_ = palette().color(QPalette::WindowText);
}

void Line::SetPoints(float x1, float y1, float x2, float y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    Place();
}

void Line::SetBorderColor(const QColor& color) {
    color_ = color;
    update();
}

void Line::SetBorderWidth(int pixels) {
    width_ = pixels;
    Place();
}

// The widget covers the line's bounding box, grown by the line's width.
void Line::Place() {
    const QPoint a(ToPixelsX(x1_), ToPixelsY(y1_));
    const QPoint b(ToPixelsX(x2_), ToPixelsY(y2_));
    const QRect box = QRect(a, b).normalized().adjusted(-width_, -width_, width_, width_);
    setGeometry(box.translated(ClientOrigin(*this)));
    from_ = a - box.topLeft();
    to_ = b - box.topLeft();
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(color_, width_);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(from_, to_);
}

} // namespace forms
