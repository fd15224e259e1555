// SPDX-License-Identifier: MIT
// What every control of a window has: a box in twips that reads back exactly
// as it was set, visibility, enabled state and the keyboard focus.
//
// Each control holds the platform's widget privately: window code reaches it
// through this vocabulary alone.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Types.h"

namespace forms {

class Form;
// The platform's widget behind a control or a window; each platform defines
// it, and how it is destroyed.
class NativeWidget;
struct NativeDeleter {
    void operator()(NativeWidget* native) const;
};
using NativePtr = std::unique_ptr<NativeWidget, NativeDeleter>;

// What holds controls: a window, or a frame inside one.
class Container {
public:
    // The window the container belongs to (itself, for a window).
    virtual Form& Window() = 0;
    virtual NativeWidget& Native() const = 0;

protected:
    ~Container() = default;
};

class Control {
public:
    virtual ~Control();
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
    const std::string& Name() const { return name_; }
    void SetName(std::string_view name);
    // Brings the control in front of the other controls of its container.
    void ZOrder();
    // What a screen reader says for the control where its caption says
    // nothing (a caption is spoken as it is).
    void SetSpokenName(std::string_view name);

    // The window the control belongs to.
    Form& Window() const { return window_; }
    // The platform's widget, for the forms layer's own code and its tests.
    NativeWidget& Native() const { return *native_; }

protected:
    Control(Container& container, NativePtr native);

private:
    // Places the widget on the pixels of its twips box, measured from the
    // inside of its container.
    void Place();

    Form& window_;
    NativePtr native_;
    std::string name_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// A control that shows a caption: a label, a button.
class CaptionedControl : public Control {
public:
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);

protected:
    using Control::Control;

private:
    std::string caption_;
};

} // namespace forms
