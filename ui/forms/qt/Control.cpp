// SPDX-License-Identifier: MIT
#include "forms/Control.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMouseEvent>

#include "Native.h"
#include "Utf8.h"
#include "Widgets.h"
#include "forms/Platform.h"
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

void platform::ShowCaption(CaptionedControl& control) {
    QWidget& widget = qt::Widget(control);
    const QString text = qt::FromUtf8(control.Caption());
    if (auto* label = qobject_cast<QLabel*>(&widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        button->setText(text);
    widget.setAccessibleName(text);
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

ClickTracker::ClickTracker(QWidget& widget, std::function<void()> clicked)
    : QObject(&widget)
    , widget_(widget)
    , clicked_(std::move(clicked)) {
    widget.installEventFilter(this);
}

bool ClickTracker::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &widget_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* release = static_cast<QMouseEvent*>(event);
        const bool click = pressed_ && release->button() == Qt::LeftButton &&
                           widget_.rect().contains(release->position().toPoint());
        pressed_ = false;
        if (click)
            clicked_();
        return true;
    }
    default:
        return false;
    }
}

} // namespace qt
} // namespace forms
