// SPDX-License-Identifier: MIT
// A window: its client area designed in twips, its position and outer size
// in twips, a caption, click and key events, and the unload event.
//
// Forms live on the heap: a form that closes is destroyed with its state.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "Control.h"
#include "Event.h"
#include "Types.h"

namespace forms {

class Form : public Container {
public:
    Form(BorderStyle border, float clientWidth, float clientHeight);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The window's name in the program's design.
    const std::string& Name() const { return name_; }
    void SetName(std::string_view name);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    // What a screen reader calls a window that shows no caption (a caption
    // is spoken as it is).
    void SetSpokenName(std::string_view name);

    // What a screen reader says at once, once, whatever has the focus: what
    // a change of screen shows where the focus stays. A window that is not
    // the active one yet says it when it becomes active.
    void Announce(std::string_view text);

    float Left() const { return left_; }
    float Top() const { return top_; }
    void SetLeft(float twips);
    void SetTop(float twips);

    float ClientWidth() const { return clientWidth_; }
    float ClientHeight() const { return clientHeight_; }
    // Client area plus frame and title bar, as the platform knows them now.
    float OuterWidth() const;
    float OuterHeight() const;

    void SetBackColor(Color color);
    // The desktop's face of buttons, which the window's background follows
    // where it can; SystemColorsChange tells when it may have changed.
    Color ButtonFace() const;
    // The program's icon of that name, in the title bar and the taskbar.
    void SetIcon(std::string_view name);
    // The keyboard's tab chain, tab index 0 first.
    void SetTabOrder(std::initializer_list<Control*> controls);
    // The tab chain: the controls set in SetTabOrder, then the others in the
    // order they were made.
    std::vector<Control*> TabOrder() const;

    // Shows the window without an owner and makes it the active one.
    void Show();
    bool Visible() const;
    // Asks the window to close, as its close box does: Form_Unload decides.
    void Close();

    Form& Window() override { return *this; }
    NativeWidget& Native() const override { return *native_; }

    Event<> Click;
    // A key that types a character; the character's code.
    Event<int> KeyPress;
    // The desktop's colours or the program's palette have changed.
    Event<> SystemColorsChange;

    BorderStyle Border() const { return border_; }

protected:
    // The window is being closed; set Cancel to keep it.
    virtual void Form_Unload(int& Cancel);

private:
    friend bool CloseWindow(Form& form, const std::function<void()>& close);
    friend class Control;
    void Place();

    BorderStyle border_;
    float clientWidth_, clientHeight_;
    float left_ = 0, top_ = 0;
    std::string name_, caption_;
    std::vector<Control*> tabOrder_;
    // Every control of the window, in the order they were made.
    std::vector<Control*> controls_;
    NativePtr native_;
};

// Every window that exists, oldest first.
const std::vector<Form*>& LiveWindows();

// Closes a window, as its close box does: Form_Unload decides; then `close`
// lets the platform close (or destroy) it, and where no other window is
// shown the program ends. False when Form_Unload kept the window, or the
// program has ended.
bool CloseWindow(Form& form, const std::function<void()>& close);

// Where a window of the outer size stands in the middle of the screen.
float Centred(float screen, float outer);

// The window's top, then its left, set so that its outer box stands in the
// middle of the screen, unrounded, even where that is off the screen.
void Centre(Form& form);

} // namespace forms
