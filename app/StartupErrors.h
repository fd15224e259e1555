// SPDX-License-Identifier: MIT
// Start-up errors in one line: while the GUI application object is made, a platform that cannot
// start (no display, a display that does not answer) ends the program with one clear line on
// standard error and exit code 1, instead of Qt's abort.
#pragma once

#include <QtGlobal>

namespace app {

// Watches Qt's messages from construction to Done() (or destruction). Qt's platform messages are
// held back meanwhile and passed on at Done() when the platform started.
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
