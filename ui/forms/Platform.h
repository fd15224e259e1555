// SPDX-License-Identifier: MIT
// The whole contract of a platform's implementation of the forms layer. The
// shared code (Geometry.cpp, Fit.cpp, Focus.cpp, Fonts.cpp, Lifetime.cpp)
// holds every rule that is the same everywhere and asks the platform, through
// the functions below, only what the platform alone knows or does.
//
// Besides these functions a platform defines:
// - `NativeWidget` (a control's or window's widget) and `NativeTimer`, and
//   `NativeDeleter::operator()` and `NativeTimerDeleter::operator()`, which
//   destroy them;
// - the members of the vocabulary that reach the widget: Control's Visible,
//   SetVisible, Enabled, SetEnabled, SetFocus, SetName, ZOrder, SetSpokenName
//   and Place; Label's SetAlignment, SetFontSize, SetFont, SetForeColor and
//   SetShrinkToFit; CommandButton's SetDescription, SetFont and
//   SetPicture(name, width, height); Frame's SetBackColor and SetForeColor;
//   Line's constructor, destructor, SetBorderColor and ZOrder; Form's SetName, SetCaption,
//   SetSpokenName, Announce, Place, OuterWidth, OuterHeight, SetBackColor,
//   ButtonFace, SetIcon, Show, Visible and Close.
// Not for window code.
#pragma once

#include <functional>
#include <string_view>

#include "Control.h"
#include "Timer.h"

namespace forms {

class CaptionedControl;
class CommandButton;
class Frame;
class Label;
class Line;

namespace platform {

// --- The screen -----------------------------------------------------------------------------
// The primary screen's logical resolution in dots per inch; 0 where none is
// known. Twips per pixel follow from it (Twips.h).
double DotsPerInchX();
double DotsPerInchY();
// The primary screen's size in pixels; 0 where there is no screen.
float ScreenPixelsWide();
float ScreenPixelsHigh();

// --- Fonts ----------------------------------------------------------------------------------
// Whether a font family of that name is installed.
bool FamilyInstalled(std::string_view family);

// --- Making the widgets ---------------------------------------------------------------------
// The widget of a window, made with its border and client size; the widget
// of a control in its container. Each is made hidden or shown as the
// platform's windows are made, and owns nothing of the forms layer's.
NativePtr NewWindow(Form& form);
NativePtr NewLabel(Label& label, Container& container);
NativePtr NewButton(CommandButton& button, Container& container);
NativePtr NewFrame(Frame& frame, Container& container);

// --- Lines --------------------------------------------------------------------------------
// The line's points or width have changed (Line.h): draw it there.
void PlaceLine(Line& line);

// --- Captions -------------------------------------------------------------------------------
// The control's caption has changed: draw it, and tell screen readers.
void ShowCaption(CaptionedControl& control);
// The size of a picture of the program's, in pixels as drawn; 0 x 0 for an
// unknown name.
struct PictureSize {
    int width = 0, height = 0;
};
PictureSize SizeOfPicture(std::string_view name);

// --- The keyboard focus (Focus.h) -----------------------------------------------------------
// Whether the control can take the keyboard focus now: shown, enabled, and
// one that takes the focus at all.
bool CanTakeFocus(const Control& control);
// The control of the window that has the focus; null where none has.
Control* FocusedControl(const Form& form);
// Gives the focus to the control, as Tab would; null: to no control.
void MoveFocus(Form& form, Control* control);
// The window's tab chain has changed (Form::TabOrder()).
void TabOrderChanged(Form& form);

// --- Timers (Timer.h) -------------------------------------------------------------------
// The platform's timer of a window, made stopped; its ticks raise the
// timer's Tick.
std::unique_ptr<NativeTimer, NativeTimerDeleter> NewTimer(Timer& timer, Form& owner);
// Starts the timer's ticks at its interval, or stops them.
void RunTimer(Timer& timer, bool running);

// --- The program (Application.h) ------------------------------------------------------------
// Shows the first window, calls `shown` (where given), and runs the event
// loop until the program ends; then destroys every window left and returns
// the exit code.
int RunProgram(Form& first, const std::function<void()>& shown);
// Ends the program now: every window hidden, every timer stopped, and the
// event loop told to return. Called once by End().
void EndProgram();

} // namespace platform

} // namespace forms
