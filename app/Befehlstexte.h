#pragma once
// Status-bar texts and tool tips of the window's commands, one place for all German texts that
// the menus and the toolbar share.

#include <QString>

namespace Befehl {
// Shell commands that have no view counterpart.
inline constexpr int Druckvorschau = 57609;
inline constexpr int Exportieren = 57611;
}  // namespace Befehl

// The text shown in the status bar while the entry or button is highlighted; empty if none.
QString StatusText(int id);
// The short tool tip of a toolbar button.
QString TippText(int id);
