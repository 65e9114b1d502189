#pragma once
// Which altitude IGC logs take: a setting kept with the view's, chosen in the "Datei" menu.

#include "flight/Igc.h"

#include <functional>

class QAction;
class QMenu;

// The stored choice; anything unreadable counts as automatic.
HoehenQuelle IgcHoeheLesen();
void IgcHoeheSchreiben(HoehenQuelle quelle);

// The submenu "Höhe aus IGC-Dateien", inserted into menue before vor, with one radio entry per
// choice; gewaehlt runs when the user picks another one.
QMenu* BaueIgcHoehenMenue(QMenu& menue, QAction* vor, HoehenQuelle aktuell,
                          std::function<void(HoehenQuelle)> gewaehlt);
