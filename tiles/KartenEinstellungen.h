#pragma once
// The map's settings, kept with the view's in the group "Settings": whether the map is shown (off
// until the pilot turns it on, so that no request leaves the computer before), which source,
// the sources added besides the standard one, and the disk cache's size limit.

#include "tiles/KartenQuelle.h"

#include <cstdint>
#include <vector>

struct KartenEinstellungen {
    bool an = false;
    QString quelle;                     // a name among quellen; the first when unknown
    std::vector<KartenQuelle> quellen;  // the standard source first
    int speicherMb = 200;

    const KartenQuelle& Gewaehlt() const;
};

KartenEinstellungen KartenEinstellungenLesen();
void KartenEinstellungenSchreiben(const KartenEinstellungen& e);
