// SPDX-License-Identifier: MIT
// Checks made before the GUI application object exists, on settings that Qt would take and then
// hang or crash on.
#pragma once

#include <QString>

namespace app {

// Qt's scale settings (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS, QT_FONT_DPI) with a value Qt
// cannot draw with (zero, negative, not a number, or so small or large that the window is not
// seen or not drawn) are removed from the environment, each with one warning line.
void IgnoreUnusableScaleSettings();

// For the X11 platform (named by -platform, by QT_QPA_PLATFORM or by default): when the display
// (-display, else DISPLAY) names a screen number that X cannot have, prints one line and
// returns false.
bool DisplayScreenIsPossible(const QString& platform, const QString& display);

} // namespace app
