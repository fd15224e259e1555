// SPDX-License-Identifier: MIT
// The program around the windows: preparing the platform, running the event
// loop, and ending the program from an event handler.
#pragma once

#include <functional>

namespace forms {

class Form;

// Chooses how the platform draws the windows; called before anything is
// shown, by the program and by anything that shows its windows.
void PreparePlatform();

// Shows the program's first window, calls `shown`, and runs the event loop
// until End(); then every window left is destroyed. The program's exit code.
int Run(Form& first, const std::function<void()>& shown = {});

// Ends the program at once: every window is hidden, every timer stops and
// the event loop returns. No further event handler runs.
void End();
// Whether End() has run.
bool Ended();
// Lets event handlers run again after End(), for a test that ends the
// program more than once.
void Restart();

} // namespace forms
