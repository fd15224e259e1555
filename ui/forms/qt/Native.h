// SPDX-License-Identifier: MIT
// The Qt widgets behind the forms layer's windows and controls: for the
// forms layer's Qt code, and for tests and benchmarks that measure pixels or
// drive the widgets as a player would. Window code never includes it.
#pragma once

#include <QWidget>

#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Line.h"

namespace forms {

// A control's or a window's widget, which it owns: deleted with it.
class NativeWidget {
public:
    explicit NativeWidget(QWidget* widget)
        : widget_(widget) {}
    ~NativeWidget() { delete widget_; }
    NativeWidget(const NativeWidget&) = delete;
    NativeWidget& operator=(const NativeWidget&) = delete;

    QWidget& Widget() const { return *widget_; }
    bool HasWidget() const { return widget_ != nullptr; }
    // The widget is being deleted by Qt: nothing is left to delete.
    void Forget() { widget_ = nullptr; }
    // Makes the widget of a control or a window.
    static NativePtr Of(QWidget* widget) { return NativePtr(new NativeWidget(widget)); }

private:
    QWidget* widget_;
};

namespace qt {

inline QWidget& Widget(const Control& control) {
    return control.Native().Widget();
}
inline QWidget& Widget(const Form& form) {
    return form.Native().Widget();
}
inline QWidget& Widget(const Line& line) {
    return line.Native().Widget();
}
template <typename W> W& WidgetAs(const Control& control) {
    return static_cast<W&>(Widget(control));
}

// The forms control or window a widget draws; null for any other widget.
Control* ControlOf(const QWidget& widget);
Form* FormOf(const QWidget& widget);

} // namespace qt
} // namespace forms
