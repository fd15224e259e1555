// SPDX-License-Identifier: MIT
// The command line, read before the GUI application object exists, so that --help and
// --version need no display.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace app {

// What the game starts with once the command line is read.
struct StartOptions {
    // The command line for QApplication: Qt's options as given, except that a value joined with
    // "=" (--display=:1) is passed as a separate argument, which is the only way Qt reads most
    // of them.
    std::vector<QByteArray> qtArguments;
    // The values of -platform and -display, empty when not given.
    QString platform;
    QString display;
};

// Reads the program's options: --help and --version print and give exit code 0; an unknown
// option or an argument prints one line and gives exit code 2. Returns nothing when the game
// should start, with options filled in. Qt's own options (-platform, -display, -style ...) are
// accepted in every form Qt or the usual conventions allow (-display x, --display x,
// --display=x) and left for QApplication.
std::optional<int> ReadCommandLine(int argc, char* argv[], StartOptions& options);

} // namespace app
