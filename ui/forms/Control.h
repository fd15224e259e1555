// SPDX-License-Identifier: MIT
// What every control of a window has: a box in twips that reads back exactly
// as it was set, visibility, enabled state and the keyboard focus.
#pragma once

#include <QPoint>

class QMouseEvent;
class QString;
class QWidget;

// Qt's members that say in pixels, or in Qt's own way, what a control's forms
// properties say in twips and as designed (width() beside Width(), move()
// beside Move(), isVisible() beside Visible() ...). A control class hides
// them from its users with this line, so that window code has one vocabulary;
// the control's own code still reaches them.
#define FORMS_HIDE_QT_PROPERTIES(QtWidget)                                                         \
private:                                                                                           \
    using QtWidget::width;                                                                         \
    using QtWidget::height;                                                                        \
    using QtWidget::move;                                                                          \
    using QtWidget::resize;                                                                        \
    using QtWidget::isVisible;                                                                     \
    using QtWidget::setVisible;                                                                    \
    using QtWidget::show;                                                                          \
    using QtWidget::hide;                                                                          \
    using QtWidget::isEnabled;                                                                     \
    using QtWidget::setEnabled;                                                                    \
    using QtWidget::setFocus;                                                                      \
    using QtWidget::setFont;                                                                       \
    using QtWidget::raise;                                                                         \
    using QtWidget::setObjectName;                                                                 \
    using QtWidget::setAccessibleName

namespace forms {

class Control {
public:
    explicit Control(QWidget& widget)
        : widget_(widget) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetLeft(float twips);
    void SetTop(float twips);
    void Move(float left, float top, float width, float height);

    // The control's own setting, as the window code set it; a shown control
    // on a hidden window still reads as visible.
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetFocus();

    // The control's name in its window's design.
    void SetName(const char* name);
    // Brings the control in front of the other controls of its container.
    void ZOrder();
    // What a screen reader says for the control where its caption says
    // nothing (a caption is spoken as it is).
    void SetSpokenName(const QString& name);

    // The Qt widget that draws the control, for what is measured in pixels.
    QWidget& Widget() { return widget_; }
    const QWidget& Widget() const { return widget_; }

protected:
    // Places the widget on the pixels of its twips box, measured from the
    // inside of its container.
    void Place();

private:
    QWidget& widget_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// Where a control's twips positions start: the inside of its container
// (inside a window's own frame, if it draws one).
QPoint ClientOrigin(const QWidget& control);

// A click: the left button pressed and released over the same widget.
class ClickTracker {
public:
    void Press(QMouseEvent* event);
    // True when this release completes a click on the widget.
    bool Release(QMouseEvent* event, const QWidget& widget);

private:
    bool pressed_ = false;
};

} // namespace forms
