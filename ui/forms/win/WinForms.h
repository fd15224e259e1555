// SPDX-License-Identifier: MIT
// What the Windows program and its tests ask of the forms layer beyond the
// windows' vocabulary: the message loop, and the native handles behind the
// controls.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

namespace forms {
class Control;
class Form;
class Label;
class Line;
} // namespace forms

namespace forms::win {

// Runs the message loop until End(); the exit code End() gave.
int RunMessageLoop();
// Handles the messages waiting now; false once End() has run.
bool ProcessPending();
// Destroys every window still there, as the program does once it has ended.
void DestroyWindows();

HWND Handle(const Control& control);
HWND Handle(const Form& form);

// How a label draws its caption now: the font after narrowing or shrinking,
// its lines with where each begins and its baseline (label coordinates), the
// box the letters take, and whether they fit.
struct LabelLayout {
    LOGFONTW font{};
    std::vector<std::wstring> lines;
    std::vector<POINT> origins;
    RECT ink{};
    bool fits = false;
};
LabelLayout LayoutOf(const Label& label);

} // namespace forms::win
