// SPDX-License-Identifier: MIT
// The command line, read before the GUI application object exists, so that --help and
// --version need no display.
#pragma once

#include <optional>

namespace app {

// Reads the program's options: --help and --version print and give exit code 0; an unknown
// option or an argument prints one line and gives exit code 2. Returns nothing when the game
// should start. Qt's own options (-platform, -display, -style ...) are accepted and left for
// QApplication, which reads the same command line.
std::optional<int> ReadCommandLine(int argc, char* argv[]);

} // namespace app
