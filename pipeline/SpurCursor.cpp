#include "pipeline/SpurCursor.h"

#include "flight/FarbIndex.h"
#include "flight/Flugphasen.h"
#include "render/Abbildung.h"
#include "render/Ansicht.h"
#include "render/Gelaende.h"
#include "render/KoordinatenText.h"
#include "render/Stil.h"
#include "render/Zeitmarken.h"
#include "render/ZeitAbbildung.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>

namespace {

constexpr int legendenBreite = 160;  // the legend strip beside (or above) the panes
constexpr int markerRadius = 4;
constexpr COLORREF ohnePositionRot = RGB(255, 0, 0);

enum Uhr : int { langsamStart = 1, langsam = 2, schnell = 3 };
constexpr int periodeLangsam = 200;
constexpr int periodeSchnell = 1;
constexpr int schritteBisSchnell = 15;
constexpr int wiederholSchritt = 9;  // an auto-repeat step passes ten seconds of visible fixes

bool Bodenansicht(int8_t art)
{
    return art == Grundriss || art == BarogrammWest || art == BarogrammNord;
}

// Only panes 0 and 1 exist on screen, whatever pane count the settings held.
int GezeigteGrafiken(const CAnsicht& ansicht)
{
    return std::clamp<int>(ansicht.grafikanzahl, 0, 2);
}

bool Innen(const Rechteck& e, Punkt p) { return e.left < p.x && p.x < e.right && e.top < p.y && p.y < e.bottom; }

// The fix nearest in time to zeit among those the time barogram shows; the earlier one on a tie.
ListenPos NaechsterZeit(const CSarnixDoc& doc, const ZeitAbbildung& abbildung, int32_t zeit)
{
    ListenPos beste = keinePosition;
    int64_t abstand = 0;
    for (ListenPos i = 0; i < std::ssize(doc.datenListe); ++i) {
        const int32_t t = doc.datenListe[static_cast<size_t>(i)].zeit;
        if (!abbildung.Innen(t))
            continue;
        const int64_t d = std::llabs(int64_t{t} - zeit);
        if (beste == keinePosition || d < abstand) {
            beste = i;
            abstand = d;
        }
    }
    return beste;
}

// A distance in metres truncated toward zero; far enough from the int64 limits that two of them
// still add up.
int64_t Meter(float wert)
{
    constexpr float grenze = 4.0e18f;
    if (std::isnan(wert))
        return 0;
    return static_cast<int64_t>(std::clamp(wert, -grenze, grenze));
}

// spanne * teil / ganz, truncated toward zero. In 64 bits: a wide window on a wide pane
// overflows 32, and within 32 bits the results agree. Beyond even 64 bits (pixels billions
// apart) the quotient is taken in double.
int64_t Anteil(int64_t spanne, int64_t teil, int64_t ganz)
{
    if (teil == 0 || std::llabs(spanne) <= std::numeric_limits<int64_t>::max() / std::llabs(teil))
        return spanne * teil / ganz;
    return static_cast<int64_t>(static_cast<double>(spanne) * static_cast<double>(teil) / static_cast<double>(ganz));
}

// The window a pane was drawn with. A full draw leaves the fit of the last plan view or barogram
// in anzeigeFenster; an earlier ground pane of another aspect is fitted again on a copy, so its
// marker lands on its own track.
CAnsicht FensterDerGrafik(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane)
{
    int letzte = -1;
    for (int i = 0; i < GezeigteGrafiken(ansicht); ++i)
        if (Bodenansicht(ansicht.ansicht.grafik[static_cast<size_t>(i)].art))
            letzte = i;
    CAnsicht kopie = ansicht;
    if (pane != letzte)
        FensterAnpassen(kopie, doc, pane);
    return kopie;
}

}  // namespace

ListenPos SprungZiel(const CSarnixDoc& doc, const Fenster& fenster, ListenPos von, Sprung sprung,
                     const std::vector<size_t>& phasenAnfaenge)
{
    const std::vector<CDaten>& fixe = doc.datenListe;
    const ListenPos ende = std::ssize(fixe);
    if (ende == 0)
        return keinePosition;
    if (sprung == Sprung::Anfang)
        return 0;
    if (sprung == Sprung::Ende)
        return ende - 1;
    if (von < 0 || von >= ende)
        return keinePosition;

    const auto zeit = [&fixe](ListenPos i) { return int64_t{fixe[static_cast<size_t>(i)].zeit}; };
    ListenPos p = von;
    switch (sprung) {
    case Sprung::MinuteVor:
        // Recorded time, not fixes: loggers write every one to eight seconds.
        while (p + 1 < ende && zeit(p) < zeit(von) + 60)
            ++p;
        break;
    case Sprung::MinuteZurueck:
        while (p > 0 && zeit(p) > zeit(von) - 60)
            --p;
        break;
    case Sprung::ZehnVor:
    case Sprung::ZehnZurueck: {
        const ListenPos richtung = sprung == Sprung::ZehnVor ? 1 : -1;
        for (int n = 0; n < 10;) {
            const ListenPos q = p + richtung;
            if (q < 0 || q >= ende)
                break;
            p = q;
            const CDaten& fix = fixe[static_cast<size_t>(p)];
            if (ImFenster(fenster, fix.laenge, fix.breite))
                ++n;
        }
        break;
    }
    case Sprung::PhaseVor: {
        const auto naechste = std::upper_bound(phasenAnfaenge.begin(), phasenAnfaenge.end(), static_cast<size_t>(von));
        if (naechste != phasenAnfaenge.end() && static_cast<ListenPos>(*naechste) < ende)
            p = static_cast<ListenPos>(*naechste);
        break;
    }
    case Sprung::PhaseZurueck: {
        const auto danach = std::lower_bound(phasenAnfaenge.begin(), phasenAnfaenge.end(), static_cast<size_t>(von));
        if (danach != phasenAnfaenge.begin())
            p = static_cast<ListenPos>(*std::prev(danach));
        break;
    }
    case Sprung::Anfang:
    case Sprung::Ende:
        break;
    }
    return p;
}

QStringList AnzeigeZeilen(const CDaten& fix, const ZeitBezug& bezug)
{
    return {
        QCoreApplication::translate("SpurCursor", "Zeit:") + QString::fromStdString(AnzeigeUhrzeit(fix.zeit, bezug, true)),
        KoordinatenText(fix.laenge, false, KoordinatenStil::Anzeige),
        KoordinatenText(fix.breite, true, KoordinatenStil::Anzeige),
        QCoreApplication::translate("SpurCursor", "Höhe: %1 Meter").arg(int{fix.hoehe}),
        QString::asprintf("Vario: %0.1f m/s", fix.vario * 0.1),
        QString::asprintf("Temp.: %0.1f °C", (int64_t{fix.temperatur} - 2732) * 0.1),
        QString::asprintf("SOG: %0.0f km/h", fix.sog * 0.1),
        QString::asprintf("TAS: %0.0f km/h", fix.tas * 0.1),
    };
}

Rechteck AnzeigeRechteck(const CAnsicht& ansicht)
{
    const Rechteck& client = ansicht.client;
    if (ansicht.grafikanzahl == 1) {
        const Rechteck& e = ansicht.ansicht.grafik[0].ecke;
        const int drittel = static_cast<int>(static_cast<float>((e.bottom - e.top) * 2) * 0.33333334f);
        return {e.right + 5, e.top + drittel + 10, client.right - 2, client.bottom - 2};
    }
    if (ansicht.grafikanzahl == 2)
        return {client.right / 2 - 80, 2, client.right / 2 + 80, 158};
    return {};
}

void NeuerFlug(CursorZustand& zustand)
{
    // The key pressed last stays known, as the keyboard's state does.
    zustand = CursorZustand{.taste = zustand.taste};
}

CSpurCursor::CSpurCursor(const CSarnixDoc& d, CAnsicht& a, CursorZustand& zu, CursorUhr& u)
    : doc(d), ansicht(a), z(zu), uhr(u)
{
}

ListenPos CSpurCursor::Geprueft(ListenPos p) const
{
    return p >= 0 && p < std::ssize(doc.datenListe) ? p : keinePosition;
}

void CSpurCursor::Doppelklick(Punkt p, Zeichenflaeche& f)
{
    const Rechteck& client = ansicht.client;
    if ((ansicht.grafikanzahl == 1 && p.x > client.right - legendenBreite) ||
        (ansicht.grafikanzahl == 2 && p.y < client.top + legendenBreite)) {
        z.pos = keinePosition;
        ZeichneCursor(0, f);
        return;
    }

    // Only shown panes count: the right pane keeps a stale rectangle while one pane is shown.
    int pane = -1;
    for (int i = 0; i < GezeigteGrafiken(ansicht) && pane < 0; ++i) {
        const Grafik& g = ansicht.ansicht.grafik[static_cast<size_t>(i)];
        const Rechteck& e = g.ecke;
        if ((g.art == Grundriss || g.art == BarogrammZeit) && Innen(e, p))
            pane = i;
    }
    if (pane < 0)
        return;
    if (!doc.geladen) {
        z.pos = keinePosition;
        return;
    }
    if (ansicht.ansicht.grafik[static_cast<size_t>(pane)].art == BarogrammZeit) {
        const ZeitAbbildung abbildung(ansicht, doc, pane);
        if (const ListenPos fix = NaechsterZeit(doc, abbildung, abbildung.ZeitBei(p.x)); fix != keinePosition)
            z.pos = fix;
        ZeichneCursor(pane, f);
        return;
    }

    // The point lies strictly inside, so the pane is at least two pixels wide and high.
    const Rechteck& e = ansicht.ansicht.grafik[static_cast<size_t>(pane)].ecke;
    const Fenster& w = ansicht.anzeigeFenster;
    const int64_t lK = Anteil(int64_t{w.laengeMax} - w.laengeMin, int64_t{p.x} - e.left, int64_t{e.right} - e.left)
                       + w.laengeMin;
    const int64_t bK = Anteil(int64_t{w.breiteMin} - w.breiteMax, int64_t{p.y} - e.top, int64_t{e.bottom} - e.top)
                       + w.breiteMax;

    // Farther than ten times the flight's north-south extent counts as no hit.
    const Fenster& aus = doc.ausdehnung;
    int64_t beste = Meter(static_cast<float>(int64_t{aus.breiteMax} - aus.breiteMin) * doc.meterProBreite * 10.0f);
    for (ListenPos i = 0; i < std::ssize(doc.datenListe); ++i) {
        const CDaten& fix = doc.datenListe[static_cast<size_t>(i)];
        if (!fix.hatPosition || !ImFenster(w, fix.laenge, fix.breite))
            continue;
        const int64_t d = std::llabs(Meter(static_cast<float>(fix.breite - bK) * doc.meterProBreite))
                          + std::llabs(Meter(static_cast<float>(fix.laenge - lK) * doc.meterProLaenge));
        if (d < beste) {  // strictly: on a tie the earlier fix stays
            beste = d;
            z.pos = i;
        }
    }
    ZeichneCursor(pane, f);
}

void CSpurCursor::CursorBewegen(int taste, Zeichenflaeche& f)
{
    const int richtung = taste == VK_RIGHT ? 1 : taste == VK_LEFT ? -1 : 0;
    ListenPos p = Geprueft(z.pos);
    // Without a direction (another key came between) the cursor stays where it is.
    if (richtung != 0) {
        const ListenPos ende = std::ssize(doc.datenListe);
        // A time barogram shows every fix of its span, with or without a position.
        std::optional<ZeitAbbildung> zeit;
        for (int i = 0; i < GezeigteGrafiken(ansicht) && !zeit; ++i)
            if (ansicht.ansicht.grafik[static_cast<size_t>(i)].art == BarogrammZeit)
                zeit.emplace(ansicht, doc, i);
        for (int32_t n = 0; n <= z.schritt && p != keinePosition;) {
            const CDaten& fix = doc.datenListe[static_cast<size_t>(p)];
            p += richtung;
            if (p < 0 || p >= ende)
                p = keinePosition;
            // Fixes outside the shown window are passed without counting; the others count the
            // seconds to the next fix, so a step means the same time in every log.
            if (ImFenster(ansicht.anzeigeFenster, fix.laenge, fix.breite) || (zeit && zeit->Innen(fix.zeit)))
                n += p == keinePosition
                         ? 1
                         : static_cast<int32_t>(std::clamp<int64_t>(
                               std::llabs(int64_t{doc.datenListe[static_cast<size_t>(p)].zeit} - fix.zeit), 1, 60));
        }
    }
    z.pos = p;
    ZeichneCursor(0, f);
}

void CSpurCursor::Springe(Sprung sprung, Zeichenflaeche& f)
{
    if (!doc.geladen)
        return;
    std::vector<size_t> anfaenge;
    if (sprung == Sprung::PhaseVor || sprung == Sprung::PhaseZurueck)
        for (const Flugphase& phase : AnalysiereFlug(doc).phasen)
            anfaenge.push_back(phase.von);
    const ListenPos ziel = SprungZiel(doc, ansicht.anzeigeFenster, Geprueft(z.pos), sprung, anfaenge);
    if (ziel == keinePosition)
        return;
    z.pos = ziel;
    ZeichneCursor(0, f);
}

void CSpurCursor::Setze(ListenPos pos, Zeichenflaeche& f)
{
    z.pos = Geprueft(pos);
    ZeichneCursor(0, f);
}

void CSpurCursor::TasteRunter(int taste, Zeichenflaeche&)
{
    if (Geprueft(z.pos) != keinePosition && (taste == VK_LEFT || taste == VK_RIGHT)) {
        z.laeuft = 1;
        z.taste = taste;
        uhr.Starte(langsamStart, periodeLangsam);
        z.schritt = 0;
    } else {
        z.taste = 0;
    }
}

void CSpurCursor::TasteHoch(int, Zeichenflaeche& f)
{
    if (z.laeuft) {
        // Stopping a timer that does not run is harmless; this way none is left behind.
        uhr.Stoppe(langsamStart);
        uhr.Stoppe(langsam);
        uhr.Stoppe(schnell);
        z.schritt = 0;
        CursorBewegen(z.taste, f);
    }
    z.laeuft = 0;
}

void CSpurCursor::Timer(int id, Zeichenflaeche& f)
{
    if (id != langsamStart && id != langsam && id != schnell)
        return;
    // A tick without a held key is left over (opening a flight clears the key state while the
    // timers run): stop it instead of stepping.
    if (!z.laeuft) {
        uhr.Stoppe(id);
        return;
    }

    if (id == langsamStart) {
        uhr.Starte(langsam, periodeLangsam);
        uhr.Stoppe(langsamStart);
        z.zaehler = 0;
    } else if (id == langsam) {
        z.zaehler += 1;
        z.schritt = wiederholSchritt;
        CursorBewegen(z.taste, f);
    } else {
        z.zaehler = 0;
        z.schritt = wiederholSchritt;
        CursorBewegen(z.taste, f);
    }
    if (z.zaehler >= schritteBisSchnell) {
        uhr.Stoppe(langsam);
        uhr.Starte(schnell, periodeSchnell);
    }
}

void CSpurCursor::ZeichneCursor(int modus, Zeichenflaeche& f)
{
    z.pos = Geprueft(z.pos);
    const ListenPos pos = z.pos;
    const ListenPos alt = modus == 5 ? keinePosition : Geprueft(z.alt);
    if (pos != keinePosition || alt != keinePosition) {
        const Zeichenflaeche::RasterWahl invertieren(f, R2_NOT);
        for (int i = 0; i < GezeigteGrafiken(ansicht); ++i) {
            const int8_t art = ansicht.ansicht.grafik[static_cast<size_t>(i)].art;
            if (art == BarogrammZeit) {
                ZeitMarker(i, alt, pos, f);
                continue;
            }
            if (!Bodenansicht(art))
                continue;
            const Abbildung abbildung(FensterDerGrafik(ansicht, doc, i), doc, i, art);
            // Drawn twice at the same place, the marker is gone again.
            for (const ListenPos q : {alt, pos}) {
                if (q == keinePosition)
                    continue;
                const CDaten& fix = doc.datenListe[static_cast<size_t>(q)];
                if (!abbildung.Innen(fix.laenge, fix.breite))
                    continue;
                const Punkt m = abbildung.Pixel(fix.laenge, fix.breite, fix.hoehe);
                f.Ellipse(m.x - markerRadius, m.y - markerRadius, m.x + markerRadius, m.y + markerRadius);
            }
        }
    }
    z.alt = pos;
    ZeichneAnzeige(f);
}

void CSpurCursor::ZeitMarker(int pane, ListenPos alt, ListenPos pos, Zeichenflaeche& f) const
{
    const ZeitAbbildung abbildung(ansicht, doc, pane);
    for (const ListenPos q : {alt, pos}) {
        if (q == keinePosition)
            continue;
        const CDaten& fix = doc.datenListe[static_cast<size_t>(q)];
        if (!abbildung.Innen(fix.zeit))
            continue;
        const Punkt m = abbildung.Pixel(fix.zeit, fix.hoehe);
        f.Ellipse(m.x - markerRadius, m.y - markerRadius, m.x + markerRadius, m.y + markerRadius);
    }
}

void CSpurCursor::ZeichneAnzeige(Zeichenflaeche& f)
{
    const Zeichenflaeche::SchriftWahl fett(f, stil::Schrift(f.AktuelleSchrift(), 12, 0, 800, 0));

    const Rechteck r = AnzeigeRechteck(ansicht);
    f.FillRect(r, stil::legendenGrau);
    const ListenPos pos = Geprueft(z.pos);
    if (pos == keinePosition || r.left >= r.right)
        return;

    const CDaten& fix = doc.datenListe[static_cast<size_t>(pos)];
    const Zeichenflaeche::HintergrundWahl transparent(f, TRANSPARENT);
    QStringList zeilen = AnzeigeZeilen(fix, doc.zeitBezug);
    if (!doc.hatTemperatur)
        zeilen[5] = QCoreApplication::translate("SpurCursor", "Temp.: keine");
    zeilen += GelaendeZeilen(ansicht, pos, fix.hoehe);
    if (!HatFahrtmessung(doc))
        zeilen[7] = QCoreApplication::translate("SpurCursor", "Ohne Fahrtmessung");
    for (int n = 0; n < zeilen.size(); ++n) {
        // A position carried over from the fix before is shown in red.
        std::optional<Zeichenflaeche::TextFarbWahl> rot;
        if ((n == 1 || n == 2) && !fix.hatPosition)
            rot.emplace(f, ohnePositionRot);
        const Groesse g = f.GetTextExtentPoint(zeilen[n]);
        f.TextOut(r.left + (r.right - r.left) / 2 - g.cx / 2, r.top + n * (g.cy + 2), zeilen[n]);
    }
}
