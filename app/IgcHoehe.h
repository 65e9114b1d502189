#pragma once
// Which altitude IGC logs take and in which time their times are shown: settings kept with the
// view's, chosen in the "Datei" menu.

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

// Whether IGC logs show the local time their header names (the default) or UTC.
bool IgcOrtszeitLesen();
void IgcOrtszeitSchreiben(bool ortszeit);

// The submenu "IGC-Uhrzeit" beside the altitude's: local time of the flight or UTC.
QMenu* BaueIgcZeitMenue(QMenu& menue, QAction* vor, bool ortszeit, std::function<void(bool)> gewaehlt);
