// SPDX-License-Identifier: MIT
// A line drawn on its window between two points given in twips. It takes no
// clicks: they go to the window beneath.
#pragma once

#include <QColor>
#include <QWidget>

namespace forms {

class Line : public QWidget {
    Q_OBJECT
public:
    explicit Line(QWidget* container);

    void SetPoints(float x1, float y1, float x2, float y2);
    void SetBorderColor(const QColor& color);
    void SetBorderWidth(int pixels);
    // Brings the line in front of the other controls of its window.
    void ZOrder() { raise(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();

    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor color_ = Qt::black;
    int width_ = 1;
    QPoint from_, to_; // the end points in the widget's pixels
};

} // namespace forms
