// SPDX-License-Identifier: MIT
// The one line on standard error that a bad start ends with. Whatever it repeats from the command
// line or the environment is shown escaped and short, so that a control character in an argument
// cannot change the terminal and a huge argument cannot flood it.
#pragma once

#include <QString>

namespace app {

// text with every non-printing character written as a backslash escape (\033, \u202e), cut to
// its first 60 characters and "..." when longer.
QString Shown(const QString& text);

// Writes "velkaro: " and text, escaped as Shown() does but cut only past 300 characters.
void PrintErrorLine(const QString& text);

} // namespace app
