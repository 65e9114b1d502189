#pragma once
// What every document must satisfy after any open, whatever the file held: shared by the
// hostile-input tests and the fuzz harnesses. Returns the broken promises, empty when sane.

#include "flight/CSarnixDoc.h"
#include "flight/FarbIndex.h"
#include "flight/Flugphasen.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace robust {

// mitMagie: the file began with "@SX"; groesse: its length in bytes. An IGC log is a flight
// without the magic.
inline std::string DokumentFehler(const CSarnixDoc& doc, bool mitMagie, size_t groesse)
{
    std::string fehler;
    const auto melde = [&fehler](const std::string& text) { fehler += text + "; "; };
    const bool igc = doc.igc.istIgc;
    const bool flug = mitMagie || igc;

    if (doc.geladen != (flug ? 1 : 0))
        melde("geladen " + std::to_string(doc.geladen));
    if (!flug && (!doc.datenListe.empty() || !doc.wegpunktListe.empty()))
        melde("Inhalt ohne Magie");
    if (igc && mitMagie)
        melde("IGC mit Magie");
    // A fix record takes 31 bytes with its line feed, a B record 35 and one for the line end
    // (the last may have none).
    if (doc.datenListe.size() > (igc ? (groesse + 1) / 36 : groesse / 31))
        melde("mehr Fixe als Zeilen: " + std::to_string(doc.datenListe.size()));
    if (igc && doc.datenListe.empty())
        melde("IGC ohne Fix geladen");

    bool positionen = false;
    uint32_t erwarteteZeit = 0;
    for (size_t i = 0; i < doc.datenListe.size(); ++i) {
        const CDaten& fix = doc.datenListe[i];
        // IGC: the time of day, a day later after each step back by more than an hour.
        if (igc && (fix.zeit < 0 || fix.zeit >= 86400 * static_cast<int64_t>(doc.datenListe.size() + 1))) {
            melde("IGC-Zeit " + std::to_string(fix.zeit) + " bei Fix " + std::to_string(i));
            break;
        }
        if (igc && i > 0 && fix.zeit < doc.datenListe[i - 1].zeit - 3600) {
            melde("IGC-Zeit springt zurück bei Fix " + std::to_string(i));
            break;
        }
        // One second per fix record, counted on from the first.
        if (!igc && i > 0 && static_cast<uint32_t>(fix.zeit) != erwarteteZeit) {
            melde("Zeit springt bei Fix " + std::to_string(i));
            break;
        }
        erwarteteZeit = static_cast<uint32_t>(fix.zeit) + 1u;
        if (fix.hatPosition != 0 && fix.hatPosition != 1)
            melde("hatPosition " + std::to_string(fix.hatPosition));
        positionen = positionen || fix.hatPosition;
        for (int farbe = -2; farbe <= 6; ++farbe) {
            const int index = FarbIndex(static_cast<int8_t>(farbe), fix, doc, ReferenzExakt);
            if (index < 0 || index >= CSarnixDoc::anzahlFarben) {
                melde("FarbIndex " + std::to_string(index) + " bei Fix " + std::to_string(i)
                      + ", Farbart " + std::to_string(farbe));
                return fehler;
            }
        }
    }

    const Fenster& a = doc.ausdehnung;
    if (positionen) {
        if (a.hoeheMin > a.hoeheMax || a.breiteMin > a.breiteMax || a.laengeMin > a.laengeMax)
            melde("Ausdehnung verkehrt");
        for (const CDaten& fix : doc.datenListe)
            if (fix.hatPosition && (fix.hoehe > a.hoeheMax || fix.breite > a.breiteMax
                                    || fix.laenge > a.laengeMax || fix.hoehe < a.hoeheMin
                                    || fix.breite < a.breiteMin || fix.laenge < a.laengeMin)) {
                melde("Fix ausserhalb der Ausdehnung");
                break;
            }
    } else if (!(a == Fenster{0, 100000, 0, 0, 1000000000, 1000000000})) {
        melde("Ausdehnung ohne Positionen verändert");
    }

    if (flug) {
        if (!std::isfinite(doc.meterProLaenge) || std::fabs(doc.meterProLaenge) > 0.19f)
            melde("meterProLaenge " + std::to_string(doc.meterProLaenge));
        if (doc.meterProBreite != 0.18518518f)
            melde("meterProBreite " + std::to_string(doc.meterProBreite));
    }
    for (const TemperaturSlot& slot : doc.temperaturProfil)
        if (!std::isfinite(slot.steigung) || !std::isfinite(slot.basis)) {
            melde("Temperaturprofil nicht endlich");
            break;
        }

    // Each flight's phases lie within it, in time order, one after the other, with finite figures.
    const FlugAnalyse analyse = AnalysiereFlug(doc);
    const FlugStatistik& st = analyse.statistik;
    if (!st.geflogen && !analyse.phasen.empty())
        melde("Phasen ohne Flug");
    for (const FlugAuswertung& einer : analyse.fluege) {
        const FlugStatistik& f = einer.statistik;
        size_t weiter = f.start;
        for (const Flugphase& p : einer.phasen) {
            const bool endlich = std::isfinite(p.dauer) && std::isfinite(p.mittelSteigen) && std::isfinite(p.strecke)
                                 && std::isfinite(p.gleitzahl.value_or(0.0)) && std::isfinite(p.windGeschwindigkeit.value_or(0.0));
            if (p.von != weiter || p.bis <= p.von || p.bis > f.landung || p.dauer <= 0.0 || p.dauer > f.flugzeit || !endlich) {
                melde("Phase " + std::to_string(p.von) + ".." + std::to_string(p.bis) + " unstimmig");
                break;
            }
            weiter = p.bis;
        }
        if (f.geflogen && (weiter != f.landung || f.landung >= doc.datenListe.size()))
            melde("Phasen decken den Flug nicht");
    }
    if (!(st.anteilKreisen >= 0.0 && st.anteilKreisen <= 1.0) || !std::isfinite(st.mittelSteigen)
        || !std::isfinite(st.schnittGeschwindigkeit))
        melde("Flugstatistik unstimmig");

    int nummer = 0;
    for (const CWegPunkt& punkt : doc.wegpunktListe) {
        if (punkt.name.size() > (igc ? 40u : 11u))
            melde("Wegpunktname zu lang");
        if (punkt.art == 6 && punkt.nummer != static_cast<uint8_t>(++nummer))
            melde("Wegpunktnummer " + std::to_string(punkt.nummer));
        if (punkt.art != 6 && punkt.nummer != 0)
            melde("Nummer ohne Art 6");
    }
    return fehler;
}

}  // namespace robust
