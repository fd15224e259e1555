// SPDX-License-Identifier: MIT
// Start-up errors in one line: from before the GUI application object is made until the first
// window is shown, a platform that cannot start (no display, a display that does not answer, no
// screen) ends the program with one clear line on standard error and exit code 1, instead of
// Qt's abort.
#pragma once

#include <QtGlobal>

namespace app {

// Watches Qt's messages from construction to Done() (or destruction). Qt's messages are held
// back meanwhile and passed on at Done(), when the start succeeded; a fatal one becomes the line.
class StartupErrors {
public:
    StartupErrors();
    ~StartupErrors();
    StartupErrors(const StartupErrors&) = delete;
    StartupErrors& operator=(const StartupErrors&) = delete;

    void Done();

private:
    QtMessageHandler previous_;
    bool done_ = false;
};

} // namespace app
