// SPDX-License-Identifier: MIT
#include "forms/Line.h"

#include <QPainter>

#include "Native.h"
#include "Utf8.h"
#include "Widgets.h"
#include "forms/Platform.h"
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

    void SetColor(const QColor& color) {
        color_ = color;
        update();
    }

    void Place(const Line& line) {
        width_ = line.BorderWidth();
        const QPoint a(ToPixelsX(line.X1()), ToPixelsY(line.Y1()));
        const QPoint b(ToPixelsX(line.X2()), ToPixelsY(line.Y2()));
        const QRect box = QRect(a, b).normalized().adjusted(-width_, -width_, width_, width_);
        setGeometry(box.translated(qt::ClientOrigin(*this)));
        from_ = a - box.topLeft();
        to_ = b - box.topLeft();
        update();
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

void platform::PlaceLine(Line& line) {
    Drawn(line).Place(line);
}
void Line::SetBorderColor(Color color) {
    Drawn(*this).SetColor(qt::ToQColor(color));
}
void Line::ZOrder() {
    Drawn(*this).raise();
}

} // namespace forms
