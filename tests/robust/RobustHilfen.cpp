#include "RobustHilfen.h"

#include "flight/CSarnixDoc.h"
#include "printmap/KarteDrucken.h"
#include "render/Ansicht.h"
#include "render/Zeichenflaeche.h"
#include "pipeline/Layout.h"
#include "pipeline/SpurCursor.h"
#include "pipeline/Zeichnen.h"

#include <QPainter>
#include <cstdio>

namespace robust {

namespace {

class KeineUhr final : public CursorUhr {
public:
    void Starte(int, int) override {}
    void Stoppe(int) override {}
};

void Zeichne(CSarnixDoc& doc, CAnsicht& a, QImage& bild, CursorZustand* cursor = nullptr)
{
    bild.fill(Qt::white);
    BerechneLayout(a, Rechteck{0, 0, bild.width(), bild.height()});
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    Zeichnen(doc, a, f, cursor);
}

// One window size and layout: the first draw of the flight, the cursor placed in the plan view,
// then every kind and colour mode. In split view the right pane takes the mirrored choice, so
// every kind and mode appears on both sides.
int Durchgang(CSarnixDoc& doc, int breite, int hoehe, int8_t anzahl, Umfang umfang, QImage* bild)
{
    QImage leinwand(breite, hoehe, QImage::Format_RGB32);
    CAnsicht a;
    a.einstellungenLaden = 0;
    a.grafikanzahl = anzahl;
    a.zeitmarken = 1;
    a.wegpunkte = 1;
    CursorZustand cursor;
    Zeichne(doc, a, leinwand);
    {
        KeineUhr uhr;
        QPainter maler(&leinwand);
        Zeichenflaeche f(maler);
        const Rechteck& e = a.ansicht.grafik[0].ecke;
        CSpurCursor(doc, a, cursor, uhr).Doppelklick(Punkt{(e.left + e.right) / 2, (e.top + e.bottom) / 2}, f);
    }

    int zuege = 1;
    for (int8_t art = Grundriss; art <= BarogrammZeit; ++art)
        for (int8_t farbe = KeineFaerbung; farbe <= Temperaturgradient; ++farbe) {
            if (umfang == Umfang::Knapp && farbe != (art + anzahl) % 5)
                continue;
            a.ansicht.grafik[0].art = art;
            a.ansicht.grafik[0].farbe = farbe;
            a.ansicht.grafik[1].art = static_cast<int8_t>(BarogrammZeit + Grundriss - art);
            a.ansicht.grafik[1].farbe = static_cast<int8_t>(Temperaturgradient - farbe);
            a.zeitmarken = farbe % 2;
            a.thermiken = (art + farbe) % 2;
            Zeichne(doc, a, leinwand, &cursor);
            ++zuege;
        }
    if (bild)
        *bild = leinwand;
    return zuege;
}

}  // namespace

std::string FixZeile(const Fix& f)
{
    char zeile[40];
    std::snprintf(zeile, sizeof zeile, "%06X%06X%04X%02X%02X%02X00%03X%c%c%c\n", f.breite & 0xFFFFFFu,
                  f.laenge & 0xFFFFFFu, static_cast<unsigned>(f.hoehe) & 0xFFFFu,
                  static_cast<unsigned>(f.vario) & 0xFFu, static_cast<unsigned>(f.tas) & 0xFFu,
                  static_cast<unsigned>(f.sog) & 0xFFu, static_cast<unsigned>(f.temperatur) & 0xFFFu,
                  f.a, f.b, f.flag);
    return zeile;
}

std::string ZeitZeile(int stunden, int minuten, int sekunden)
{
    char zeile[24];
    std::snprintf(zeile, sizeof zeile, "%02d%02d%02dABCDEFGH\n", stunden, minuten, sekunden);
    return zeile;
}

std::string KopfZeile()
{
    // Date 15-07-26, 13:05 to 14:35, SCHWARZENBG, 800 m, 400 m, 2900 m, 3.0 and 4.5 m/s, 50.0 km.
    return "@SX" + std::string(12, 'X') + "150726" + "1305" + "1435" + "  " + "SCHWARZENBG" + "0000"
           + "0320" + "0190" + "0B54" + "00000000" + "1E" + "2D" + "0000" + "01F4" + "\n";
}

int AllesZeichnen(CSarnixDoc& doc, Umfang umfang, QImage* bild)
{
    int zuege = 0;
    for (int8_t anzahl = 1; anzahl <= 2; ++anzahl) {
        zuege += Durchgang(doc, 1, 1, anzahl, umfang, nullptr);
        zuege += Durchgang(doc, 220, 120, anzahl, umfang, anzahl == 1 ? bild : nullptr);
        if (umfang == Umfang::Voll)
            zuege += Durchgang(doc, 1920, 1080, anzahl, umfang, nullptr);
    }
    return zuege;
}

int KarteAufBild(const CSarnixDoc& doc, int massstab, bool zeitmarken, QImage* seite)
{
    constexpr int breite = 300;
    constexpr int hoehe = 420;
    constexpr float pxMm = 1.5f;
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    int ergebnis = 0;
    {
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        const MassstabFrage frage = [&](int vorschlag) {
            return DruckWahl{massstab != 0 ? massstab : vorschlag, zeitmarken ? 1 : 0};
        };
        ergebnis = KarteDrucken(doc, f, pxMm, pxMm, breite / pxMm, hoehe / pxMm,
                                Rechteck{0, 0, breite, hoehe}, frage);
    }
    if (seite)
        *seite = bild;
    return ergebnis;
}

}  // namespace robust
