// SPDX-License-Identifier: MIT
#include "forms/Line.h"

#include <QPainter>

#include "Native.h"
#include "Utf8.h"
#include "Widgets.h"
#include "forms/Twips.h"

namespace forms {

namespace {

// A line's widget covers the line's bounding box, grown by the line's width.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* container)
        : QWidget(container) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_TranslucentBackground);
        color_ = palette().color(QPalette::WindowText);
    }

    void SetPoints(float x1, float y1, float x2, float y2) {
        x1_ = x1;
        y1_ = y1;
        x2_ = x2;
        y2_ = y2;
        Place();
    }
    void SetColor(const QColor& color) {
        color_ = color;
        update();
    }
    void SetWidth(int pixels) {
        width_ = pixels;
        Place();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPen pen(color_, width_);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(from_, to_);
    }

private:
    void Place() {
        const QPoint a(ToPixelsX(x1_), ToPixelsY(y1_));
        const QPoint b(ToPixelsX(x2_), ToPixelsY(y2_));
        const QRect box = QRect(a, b).normalized().adjusted(-width_, -width_, width_, width_);
        setGeometry(box.translated(qt::ClientOrigin(*this)));
        from_ = a - box.topLeft();
        to_ = b - box.topLeft();
        update();
    }

    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor color_;
    int width_ = 1;
    QPoint from_, to_; // the end points in the widget's pixels
};

LineWidget& Drawn(const Line& line) {
    return static_cast<LineWidget&>(qt::Widget(line));
}

} // namespace

Line::Line(Container& container)
    : native_(NativeWidget::Of(new LineWidget(&container.Native().Widget()))) {}

Line::~Line() = default;

void Line::SetPoints(float x1, float y1, float x2, float y2) {
    Drawn(*this).SetPoints(x1, y1, x2, y2);
}
void Line::SetBorderColor(Color color) {
    Drawn(*this).SetColor(qt::ToQColor(color));
}
void Line::SetBorderWidth(int pixels) {
    Drawn(*this).SetWidth(pixels);
}
void Line::ZOrder() {
    Drawn(*this).raise();
}

} // namespace forms
