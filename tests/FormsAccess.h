// SPDX-License-Identifier: MIT
// What the tests read of the forms layer's controls beyond what the player
// sees: their widgets, and where the widgets draw.
#pragma once

#include <QtTest>
#include <type_traits>

#include "forms/qt/Native.h"
#include "forms/qt/Widgets.h"

using forms::qt::Widget;

// A control of a window, by name: its widget, or the forms control itself.
template <typename T = QWidget> T& Control(const QWidget& window, const char* name) {
    QWidget* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
    T* control = nullptr;
    if (widget) {
        if constexpr (std::is_base_of_v<QWidget, T>)
            control = qobject_cast<T*>(widget);
        else
            control = dynamic_cast<T*>(forms::qt::ControlOf(*widget));
    }
    if (!control)
        qFatal("no control %s", name);
    return *control;
}
template <typename T = QWidget> T& Control(const forms::Form& window, const char* name) {
    return Control<T>(Widget(window), name);
}

// What the player reads, as Qt holds it.
template <typename T> QString Caption(const T& windowOrControl) {
    return QString::fromStdString(windowOrControl.Caption());
}

// What the widgets draw, in pixels.
inline QFont DrawnFont(const forms::Label& label) {
    return forms::qt::WidgetAs<forms::qt::LabelWidget>(label).DrawnFont();
}
inline QRect PictureRect(const forms::CommandButton& button) {
    return forms::qt::WidgetAs<forms::qt::ButtonWidget>(button).PictureRect();
}
inline QRect CaptionRect(const forms::CommandButton& button) {
    return forms::qt::WidgetAs<forms::qt::ButtonWidget>(button).CaptionRect();
}
