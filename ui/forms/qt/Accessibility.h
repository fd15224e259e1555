// SPDX-License-Identifier: MIT
// What screen readers are told beyond what Qt tells them of each control:
// words spoken at once while the focus stays where it is, and where the focus
// ends when a control hands it on while it is still taking it.
#pragma once

class QString;
class QWidget;

namespace forms::qt::accessibility {

// Makes the program's own accessible objects known to Qt; every window calls
// it, and only the first call, made once the application object exists,
// does anything (Qt's own objects must not take their place).
void Install();

// Speaks the text at once, once, over whatever has the focus, through a
// notification object of the window; a window that is not the active one
// yet speaks it when it becomes active.
void Announce(QWidget& window, const QString& text);

// Once the focus change under way is complete, tells screen readers again
// which control has the focus. A control that hands the focus on while it is
// still taking it is reported by Qt after the control that took it over.
void RestateFocusLater();

} // namespace forms::qt::accessibility
