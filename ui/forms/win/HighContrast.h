// SPDX-License-Identifier: MIT
// High contrast: while the desktop's high contrast theme is on, the windows
// are drawn in the system's colours instead of their designed ones.
#pragma once

#include "WinForms.h"
#include "forms/Types.h"

namespace forms::win {

// Whether high contrast is on now (the desktop's setting, or the test's).
bool HighContrast();
// The desktop's settings or colours have changed: asked again when next wanted.
void SettingsChanged();
// For tests: -1 follows the desktop, 0 and 1 set high contrast off and on;
// the windows are drawn again.
void SetHighContrastForTest(int state);

// The colour to draw: the designed one, or in high contrast the system's
// colour of that element (COLOR_WINDOW, COLOR_WINDOWTEXT, ...).
COLORREF Drawn(Color designed, int systemElement);

} // namespace forms::win
