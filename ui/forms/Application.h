// SPDX-License-Identifier: MIT
// The program around the windows: preparing the platform, running the event
// loop, and ending the program from an event handler.
#pragma once

namespace forms {

// Chooses how the platform draws the windows; called before anything is
// shown, by the program and by anything that shows its windows.
void PreparePlatform();

// Ends the program at once: every window is hidden, every timer stops and
// the event loop returns. No further event handler runs.
void End();

} // namespace forms
