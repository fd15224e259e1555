// SPDX-License-Identifier: MIT
// A frame: a box with a background of its own that holds other controls.
#pragma once

#include <QFrame>

#include "Control.h"

namespace forms {

class Frame : public QFrame, public Control {
    Q_OBJECT
public:
    explicit Frame(QWidget* container);

    void SetBackColor(const QColor& color);
    // The colour of the frame's edge (a frame has no caption here).
    void SetForeColor(const QColor& color);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker click_;

    FORMS_HIDE_QT_PROPERTIES(QFrame);
};

} // namespace forms
