// SPDX-License-Identifier: MIT
// What Windows screen readers read of the windows: an accessible object of
// the layer's own for each window and control, and a live text that says a
// window's announcements. The accessibility libraries load only once a
// screen reader asks for an object.
#pragma once

#include <string_view>

#include "WinForms.h"

namespace forms::win {

// What an object is to a screen reader.
enum class AccessibleRole { Window, StaticText, PushButton };

// Answers WM_GETOBJECT: for OBJID_CLIENT, the layer's own object, which
// wraps the system's and gives the role, the window text as the name and a
// button's description. False where the system's answer stands.
bool AnswerGetObject(HWND hwnd, AccessibleRole role, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Whether a screen reader has asked for an object of the program.
bool ReaderAsked();

// A window's live text: a hidden-from-sight text that screen readers follow
// as a polite live region. Made once per window.
HWND MakeLiveText(HWND window);
// Says the words through the window's live text: its new name, and a live
// region change; where the live setting could not be given (Windows before
// 8, or a stub), a UI Automation notification too, where Windows has one.
void SayLive(HWND liveText, std::string_view text);

// Orders a container's controls, as screen readers walk them (the window's
// children in z-order), for reading: texts and frames top to bottom, then
// buttons right to left. Controls that overlap keep the order they are drawn
// in.
void OrderForReading(HWND container);

} // namespace forms::win
