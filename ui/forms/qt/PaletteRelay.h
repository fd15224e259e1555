// SPDX-License-Identifier: MIT
// Qt 6.4 tells the application object, not its windows, that the
// application's palette has changed; windows and controls made before it keep
// the old one. Passed on to every window, it reaches them all. Once Qt tells
// the windows itself, this file can go.
#pragma once

namespace forms::qt {

// Starts passing the application's palette changes on to every window, once
// the application object exists; asked again, does nothing.
void RelayPaletteChanges();

} // namespace forms::qt
