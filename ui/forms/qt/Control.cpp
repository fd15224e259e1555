// SPDX-License-Identifier: MIT
#include "forms/Control.h"

#include <QMouseEvent>

#include "Native.h"
#include "Utf8.h"
#include "Widgets.h"
#include "forms/Twips.h"

namespace forms {

void NativeDeleter::operator()(NativeWidget* native) const {
    // A window deleted by the program rather than by Qt: the widget goes
    // with it, and must not delete the window again.
    if (native->HasWidget())
        if (auto* form = qobject_cast<qt::FormWidget*>(&native->Widget()))
            form->Disown();
    delete native;
}

bool Control::Visible() const {
    return !native_->Widget().isHidden();
}
void Control::SetVisible(bool visible) {
    native_->Widget().setVisible(visible);
}
bool Control::Enabled() const {
    return native_->Widget().isEnabled();
}
void Control::SetEnabled(bool enabled) {
    native_->Widget().setEnabled(enabled);
}
void Control::SetFocus() {
    native_->Widget().setFocus(Qt::OtherFocusReason);
}

void Control::SetName(std::string_view name) {
    name_ = name;
    native_->Widget().setObjectName(qt::FromUtf8(name));
}
void Control::ZOrder() {
    native_->Widget().raise();
}
void Control::SetSpokenName(std::string_view name) {
    native_->Widget().setAccessibleName(qt::FromUtf8(name));
}

void Control::Place() {
    QWidget& widget = native_->Widget();
    const PixelRect box = ToPixels(left_, top_, width_, height_);
    widget.setGeometry(
        QRect(box.left, box.top, box.width, box.height).translated(qt::ClientOrigin(widget)));
}

namespace qt {

Control* ControlOf(const QWidget& widget) {
    const auto* control = dynamic_cast<const ControlWidget*>(&widget);
    return control ? &control->Owner() : nullptr;
}

Form* FormOf(const QWidget& widget) {
    const auto* form = qobject_cast<const FormWidget*>(&widget);
    return form ? form->Owner() : nullptr;
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

} // namespace qt
} // namespace forms
