// SPDX-License-Identifier: MIT
// The DOM element behind a window or a control, known to the page by its
// number, and the events the page sends to it. For the forms layer's web
// code; window code never includes it.
#pragma once

#include <functional>
#include <string>

#include "Dom.h"
#include "forms/Control.h"
#include "forms/Form.h"

namespace forms {

// An event from the page: mouse buttons and shift keys (or a key's code),
// and the pointer's place in the element in CSS pixels.
struct PageEvent {
    web::DomEvent kind;
    int a = 0, b = 0;
    double x = 0, y = 0;
};

class NativeWidget {
public:
    enum class Kind { Window, Control, Timer };
    NativeWidget(int id, Kind kind);
    // A window's element leaves the page; a control's goes with its window.
    ~NativeWidget();
    NativeWidget(const NativeWidget&) = delete;
    NativeWidget& operator=(const NativeWidget&) = delete;

    int Id() const { return id_; }

    // What the page's events for this element do.
    std::function<void(const PageEvent&)> onEvent;
    // Lays the element's insides out again (a label's caption, a button's
    // picture and caption); LayOutLater() has it done once the event in hand
    // has been handled, before the page paints.
    std::function<void()> layOut;
    void LayOutLater();

    // A control's own settings, as the window code made them.
    bool visible = true, enabled = true;
    bool button = false;
    Control* owner = nullptr;
    // The control's container's element and its window's.
    NativeWidget* container = nullptr;
    NativeWidget* window = nullptr;

    // A window's: the control that has its focus, whether it has been shown
    // or closed, what it announced before it was shown.
    Control* focus = nullptr;
    bool shown = false, closed = false;
    std::string pending;

    // The size the control was last placed at, in pixels: moving it alone
    // leaves its insides as they are.
    int width = -1, height = -1;
    // A button's picture's size as shown, in pixels.
    struct {
        int width = 0, height = 0;
    } picture;

private:
    int id_;
    Kind kind_;
};

namespace web {

// The element of that number, or null when it is gone.
NativeWidget* Find(int id);
// A new element's place in the stacking order: above every other.
int NextZ();
// A control's element in its container, made for its owner.
NativePtr NewControlElement(ControlKind kind, Control* owner, Container& container);
// Every timer stops: the program has ended.
void StopTimers();

} // namespace web
} // namespace forms
