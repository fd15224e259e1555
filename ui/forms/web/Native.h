// SPDX-License-Identifier: MIT
// The DOM element behind a window or a control, known to the page by its
// number, and the events the page sends to it. For the forms layer's web
// code; window code never includes it.
#pragma once

#include <functional>
#include <string>
#include <vector>

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

// A line's points in twips and its width in pixels.
struct LineGeometry {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 1;
};

class NativeWidget {
public:
    // A window's element, or a control's in its container's.
    explicit NativeWidget(int id);
    ~NativeWidget();
    NativeWidget(const NativeWidget&) = delete;
    NativeWidget& operator=(const NativeWidget&) = delete;

    int Id() const { return id_; }

    // What the page's events for this element do.
    std::function<void(const PageEvent&)> onEvent;
    // Lays a label's caption out again; Refit() asks for it once the event
    // has been handled.
    std::function<void()> refit;
    void Refit();

    // The control's own settings, as the window code made them.
    bool visible = true, enabled = true;
    bool button = false;
    // The container's element (0 for a window) and the window's, which
    // holds the tab chain and the control that has the focus.
    NativeWidget* container = nullptr;
    std::vector<Control*> chain;
    Control* focus = nullptr;
    bool shown = false, closed = false;
    // What a window announces before it is shown, said when it is.
    std::string pending;
    LineGeometry line;

private:
    int id_;
};

namespace web {

// The element of that number, or null when it is gone.
NativeWidget* Find(int id);
// A new element's place in the stacking order: above every other.
int NextZ();
// The windows that exist now, in the order they were made.
std::vector<Form*>& LiveForms();
// Whether the control shows, with its frame and window, and takes keys.
bool CanTakeFocus(const Control& control);
// The focus moves to this control of its window; the window remembers it.
void GiveFocus(Control& control);
// Every timer stops: the program has ended.
void StopTimers();

} // namespace web
} // namespace forms
