// Any bytes as a recording, scored under a rule set the last bytes choose, the whole log and
// its longest flight, with a time limit as the window and sarnix-cli set one: nothing may crash
// or hang, and a score has to be one a pilot could be shown.

#include "FuzzHilfen.h"

#include "flight/CSarnixDoc.h"
#include "flight/Wertung.h"

#include <cmath>
#include <cstdlib>

namespace {

void Pruefe(const Wertung& w, size_t fixe)
{
    if (!w.Gewertet())
        return;
    const bool dreieck = w.schliessung.has_value();
    const size_t legs = dreieck ? 3 : w.wendepunkte.size() + 1;
    if (!std::isfinite(w.punkte) || w.punkte < 0 || w.strecke < 0 || w.legs.size() != legs
        || (dreieck && w.wendepunkte.size() != 3) || w.start.index >= fixe || w.ziel.index >= fixe)
        std::abort();
    for (const WertungsPunkt& p : w.wendepunkte)
        if (p.index >= fixe)
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    CSarnixDoc doc;
    fuzz::Oeffnen(doc, daten, groesse);
    fuzz::Wahl wahl(daten, groesse);
    const std::string_view namen[] = {"xcontest", "ffvl", "olc"};
    const WertungsRegeln regeln = *RegelnFuer(namen[wahl.Zahl(3)]);
    WertungsOptionen optionen;
    optionen.zeitlimit = 0.5;
    const std::vector<CDaten>& fixe = doc.datenListe;
    if (!fixe.empty())
        Pruefe(Werte(fixe, 0, fixe.size() - 1, regeln, optionen), fixe.size());
    Pruefe(WerteFlug(fixe, regeln, optionen), fixe.size());
    return 0;
}
