#include "printmap/Seitenplan.h"

#include "flight/CSarnixDoc.h"
#include "printmap/KartenSeiten.h"

#include <cmath>

namespace {

bool Nutzbar(float wert)
{
    return std::isfinite(wert) && wert > 0.0f;
}

}  // namespace

std::optional<KartenPlan> KartePlanen(const CSarnixDoc& doc, const SeitenMass& mass, const MassstabFrage& frage)
{
    if (!doc.geladen)
        return std::nullopt;
    if (!Nutzbar(mass.pxMmX) || !Nutzbar(mass.pxMmY) || !Nutzbar(mass.breiteMm) || !Nutzbar(mass.hoeheMm))
        return std::nullopt;  // no scale to draw at

    const KartenEntwurf entwurf = Entwerfen(doc, mass.breiteMm, mass.hoeheMm);
    DruckWahl wahl{entwurf.vorschlag, 1};
    if (frage)
        wahl = frage(entwurf.vorschlag);
    // Only the standard scales have a grid interval and keep the page's numbers sane.
    const int massstab = IstDruckMassstab(wahl.massstab) ? wahl.massstab : entwurf.vorschlag;

    KartenPlan plan;
    plan.mitZeitmarken = wahl.mitZeitmarken;
    plan.mass = mass;
    plan.feld = mass.seite;
    const KartenSeiten seiten = SeitenAufteilung(doc, mass.breiteMm, mass.hoeheMm, entwurf.gedreht, massstab);
    if (seiten.Mehrseitig()) {
        plan.erste = KartenLage::Berechne(doc, mass, entwurf.gedreht, seiten.uebersichtMassstab);
        for (int zeile = 0; zeile < seiten.zeilen; ++zeile)
            for (int spalte = 0; spalte < seiten.spalten; ++spalte)
                plan.kacheln.push_back(
                    {KachelLage(doc, mass, entwurf.gedreht, massstab, seiten, spalte, zeile), spalte, zeile});
    } else {
        plan.erste = KartenLage::Berechne(doc, mass, entwurf.gedreht, massstab);
    }
    plan.info = KartenInfo{entwurf.vorschlag, massstab, entwurf.gedreht, GitterAbstand(massstab),
                           1 + static_cast<int>(plan.kacheln.size())};
    return plan;
}

int SeitenAnzahl(const CSarnixDoc& doc, const SeitenMass& mass, int s)
{
    const std::optional<KartenPlan> plan = KartePlanen(doc, mass, [s](int) { return DruckWahl{s, 1}; });
    return plan ? plan->info.seiten : 1;
}
