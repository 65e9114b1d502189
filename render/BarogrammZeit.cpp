// The barogram over time: altitude against the time of day, with its time axis and time marks.

#include "flight/CSarnixDoc.h"
#include "render/Abbildung.h"
#include "render/Gelaende.h"
#include "render/Gitter.h"
#include "render/Graphen.h"
#include "render/Stil.h"
#include "render/Strich.h"
#include "render/ZeitAbbildung.h"
#include "render/Zeitmarken.h"

#include <array>
#include <climits>

namespace {

constexpr int64_t tag = 86400;

int64_t AbgerundetAuf(int64_t wert, int64_t schritt)
{
    const int64_t rest = ((wert % schritt) + schritt) % schritt;
    return wert - rest;
}

// After midnight the clock starts again at 00:00.
QString UhrText(int64_t zeit) { return ZeitText(static_cast<int32_t>(((zeit % tag) + tag) % tag)); }

}  // namespace

int64_t ZeitGitterSchritt(int64_t sekunden)
{
    // Whole minutes and hours a pilot reads at a glance, at most twelve lines across.
    static constexpr std::array<int64_t, 14> minuten{1, 2, 5, 10, 15, 20, 30, 60, 120, 180, 240, 360, 720, 1440};
    for (const int64_t m : minuten)
        if (sekunden <= 12 * 60 * m)
            return 60 * m;
    return AbgerundetAuf(sekunden / 12, tag) + tag;
}

void ZeichneZeitachse(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return;
    ZeichneHoehenachse(doc, ansicht, f, pane);

    const ZeitAbbildung abbildung(ansicht, doc, pane);
    const ZeitFenster& z = abbildung.Fenster();
    const int64_t schritt = ZeitGitterSchritt(int64_t{z.bis} - z.von);
    const Zeichenflaeche::StiftWahl stift(f, Stift{1, stil::gitterGrau});
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Beschriftung(f.AktuelleSchrift(), true));
    // The lines fall on round times of day as shown, local or UTC.
    const int64_t versatz = doc.zeitBezug.versatz;
    for (int64_t t = AbgerundetAuf(z.von + versatz, schritt) - versatz; t <= z.bis; t += schritt) {
        if (t < z.von)
            continue;
        SenkrechteGitterlinie(f, grafik->ecke, abbildung.Spalte(t), UhrText(t + versatz));
    }
}

void ZeichneZeitlinien(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return;
    const ZeitAbbildung abbildung(ansicht, doc, pane);
    const ZeitFenster& z = abbildung.Fenster();
    // The spacing of the other graphs' marks, from the time shown rather than the fix count, so
    // that logs of several seconds a fix get the same marks.
    const int64_t sekunden = 60 * int64_t{ZeitmarkenAbstand(int64_t{z.bis} - z.von)};
    const Rechteck& ecke = grafik->ecke;
    const Zeichenflaeche::StiftWahl stift(f, Stift{1, doc.farbTabelle[stil::symbolFarbe]});
    // The time axis above already names them.
    for (int64_t t = AbgerundetAuf(z.von, sekunden); t <= z.bis; t += sekunden) {
        if (t < z.von)
            continue;
        const int32_t x = abbildung.Spalte(t);
        f.MoveToEx(x, ecke.top);
        f.LineTo(x, ecke.bottom);
    }
}

void ZeichneBarogrammZeit(const CSarnixDoc& doc, CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (doc.datenListe.empty() || !grafik)
        return;
    ZeichneGelaende(doc, ansicht, f, pane);
    ZeichneZeitachse(doc, ansicht, f, pane);
    if (ansicht.zeitmarken)
        ZeichneZeitlinien(doc, ansicht, f, pane);

    // Every fix carries its altitude, with or without a position. A clock that runs back breaks
    // the track rather than drawing a line back across the pane.
    const ZeitAbbildung abbildung(ansicht, doc, pane);
    ansicht.zeitAnzeige = abbildung.Fenster();
    Strich strich(f);
    int32_t vorher = INT32_MIN;
    for (const CDaten& fix : doc.datenListe) {
        const bool weiter = fix.zeit >= vorher;
        vorher = fix.zeit;
        if (!weiter || !abbildung.Innen(fix.zeit)) {
            strich.Unterbrechen();
            continue;
        }
        const Punkt p = abbildung.Pixel(fix.zeit, fix.hoehe);
        if (strich.Wiederholt(p.x, p.y))
            continue;
        strich.Zeichne(p.x, p.y, FixFarbe(doc, grafik->farbe, ansicht.temperaturReferenz, fix));
    }
}
