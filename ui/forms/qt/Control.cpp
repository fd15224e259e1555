// SPDX-License-Identifier: MIT
#include "Control.h"

#include <QMouseEvent>
#include <QWidget>

#include "Twips.h"

namespace forms {

void Control::SetLeft(float twips) {
    left_ = twips;
    Place();
}

void Control::SetTop(float twips) {
    top_ = twips;
    Place();
}

void Control::Move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Place();
}

bool Control::Visible() const {
    return !widget_.isHidden();
}
void Control::SetVisible(bool visible) {
    widget_.setVisible(visible);
}
bool Control::Enabled() const {
    return widget_.isEnabled();
}
void Control::SetEnabled(bool enabled) {
    widget_.setEnabled(enabled);
}
void Control::SetFocus() {
    widget_.setFocus(Qt::OtherFocusReason);
}

void Control::SetName(const char* name) {
    widget_.setObjectName(QString::fromLatin1(name));
}
void Control::ZOrder() {
    widget_.raise();
}
void Control::SetSpokenName(const QString& name) {
    widget_.setAccessibleName(name);
}

void Control::Place() {
    widget_.setGeometry(ToPixels(left_, top_, width_, height_).translated(ClientOrigin(widget_)));
}

QPoint ClientOrigin(const QWidget& control) {
    const QWidget* container = control.parentWidget();
    return container ? container->contentsRect().topLeft() : QPoint();
}

void ClickTracker::Press(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

bool ClickTracker::Release(QMouseEvent* event, const QWidget& widget) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       widget.rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    return click;
}

} // namespace forms
