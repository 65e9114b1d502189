#include "pipeline/SpurCursor.h"

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"

#include "TestHilfen.h"
#include "ZeichenHilfen.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int32_t L0 = 500000000;  // 0° east
constexpr int32_t B0 = 500000000;  // 0° north
constexpr QRgb Grau = 0xFFD2D2D2u;
constexpr QRgb Rot = 0xFFFF0000u;

// The window's timers as the cursor leaves them: the periods of those running, which is what
// the user sees as the speed of a held arrow.
class MerkUhr final : public CursorUhr {
public:
    void Starte(int id, int periodeMs) override { laufend[id] = periodeMs; }
    void Stoppe(int id) override { laufend.erase(id); }
    std::vector<int> Perioden() const
    {
        std::vector<int> p;
        for (const auto& [id, periode] : laufend)
            p.push_back(periode);
        return p;
    }
    std::map<int, int> laufend;
};

using test::Muster;

QRgb Invertiert(QRgb c)
{
    return c ^ 0x00FFFFFFu;
}

CDaten Fix(int32_t dl, int32_t db, int32_t hatPosition = 1)
{
    CDaten d;
    d.laenge = L0 + dl;
    d.breite = B0 + db;
    d.hoehe = 500;
    d.hatPosition = hatPosition;
    return d;
}

// One plan view 180 x 180 pixels at (60, 60) in a 400 x 300 client area, over a window of
// 180 x 180 units, one metre each: one unit is one pixel, fix (dl, db) lies at (60 + dl, 240 - db).
class SpurCursorTest : public ::testing::Test {
protected:
    SpurCursorTest()
    {
        doc.geladen = 1;
        doc.meterProBreite = 1.0f;
        doc.meterProLaenge = 1.0f;
        Fenster w;
        w.hoeheMax = 1000;
        w.hoeheMin = 0;
        w.laengeMin = L0;
        w.laengeMax = L0 + 180;
        w.breiteMin = B0;
        w.breiteMax = B0 + 180;
        doc.ausdehnung = w;  // no hit farther than 1800 m
        ansicht.zoomFenster = w;
        ansicht.anzeigeFenster = w;
        ansicht.client = {0, 0, 400, 300};
        ansicht.ansicht.grafik[0].ecke = {60, 60, 240, 240};
    }

    Zeichenflaeche& F()
    {
        if (!flaeche) {
            maler = std::make_unique<QPainter>(&bild);
            flaeche = std::make_unique<Zeichenflaeche>(*maler);
        }
        return *flaeche;
    }
    QImage Bild() const { return bild.copy(); }
    void NeuesBild(QImage neu)
    {
        flaeche.reset();
        maler.reset();
        bild = std::move(neu);
    }

    void Geteilt()  // the split layout of an 800 x 600 client area
    {
        NeuesBild(Muster(800, 600));
        ansicht.client = {0, 0, 800, 600};
        ansicht.grafikanzahl = 2;
        ansicht.ansicht.grafik[0].ecke = {60, 220, 397, 540};
        ansicht.ansicht.grafik[1].ecke = {457, 220, 795, 540};
    }

    void VieleFixe(int anzahl)
    {
        for (int i = 0; i < anzahl; ++i)
            doc.datenListe.push_back(Fix(10 + i % 160, 90));
    }

    // Arrow key pressed and, after the given timer ticks, released.
    void Taste(int taste, const std::vector<int>& ticks = {})
    {
        cursor.TasteRunter(taste, F());
        for (const int id : ticks)
            cursor.Timer(id, F());
        cursor.TasteHoch(taste, F());
    }

    CSarnixDoc doc;
    CAnsicht ansicht;
    MerkUhr uhr;
    QImage bild = Muster(400, 300);
    std::unique_ptr<QPainter> maler;
    std::unique_ptr<Zeichenflaeche> flaeche;
    CursorZustand z;
    CSpurCursor cursor{doc, ansicht, z, uhr};
};

}  // namespace

// ---- placing by double-click ----

TEST_F(SpurCursorTest, DoppelklickGenauAufEinenFixSetztDenCursorDorthin)
{
    doc.datenListe = {Fix(40, 50), Fix(100, 100), Fix(150, 30)};
    cursor.Doppelklick({160, 140}, F());
    EXPECT_EQ(z.pos, 1);
    EXPECT_EQ(z.alt, 1);  // the marker is on screen now
    cursor.Doppelklick({100, 190}, F());
    EXPECT_EQ(z.pos, 0);
}

TEST_F(SpurCursorTest, BeiGleichemAbstandGewinntDerFruehereFix)
{
    // 10 m west and 10 m east of the click.
    doc.datenListe = {Fix(20, 20), Fix(90, 100), Fix(110, 100)};
    cursor.Doppelklick({160, 140}, F());
    EXPECT_EQ(z.pos, 1);
    // 5 m north plus 5 m east against 10 m south: the same distance again.
    doc.datenListe = {Fix(20, 20), Fix(100, 90), Fix(105, 105)};
    cursor.Doppelklick({160, 140}, F());
    EXPECT_EQ(z.pos, 1);
}

TEST_F(SpurCursorTest, NurFixeMitPositionImFensterKommenInFrage)
{
    doc.datenListe = {Fix(100, 100, 0), Fix(0, 100), Fix(110, 100)};
    cursor.Doppelklick({160, 140}, F());
    // The exact hit has no position of its own, the one at 0 lies on the window's edge.
    EXPECT_EQ(z.pos, 2);
}

TEST_F(SpurCursorTest, KlickWeiterAlsZehnfacheNordSuedAusdehnungLaesstDenCursor)
{
    doc.ausdehnung.breiteMax = B0 + 2;  // limit 20 m
    doc.datenListe = {Fix(40, 50), Fix(120, 100), Fix(150, 30)};
    z.pos = 2;
    cursor.Doppelklick({160, 140}, F());  // 20 m from fix 1: not closer than the limit
    EXPECT_EQ(z.pos, 2);
    cursor.Doppelklick({161, 140}, F());  // 19 m
    EXPECT_EQ(z.pos, 1);
}

TEST_F(SpurCursorTest, DoppelklickImLegendenstreifenEntferntDenCursor)
{
    doc.datenListe = {Fix(40, 50)};
    z.pos = 0;
    cursor.Doppelklick({240, 150}, F());  // on the pane's edge: ignored
    EXPECT_EQ(z.pos, 0);
    cursor.Doppelklick({241, 150}, F());  // beyond client right - 160
    EXPECT_EQ(z.pos, keinePosition);

    Geteilt();
    z.pos = 0;
    cursor.Doppelklick({600, 160}, F());  // below the strip, above the panes: ignored
    EXPECT_EQ(z.pos, 0);
    cursor.Doppelklick({600, 159}, F());
    EXPECT_EQ(z.pos, keinePosition);
}

TEST_F(SpurCursorTest, DoppelklickOhneFlugOderAusserhalbEinesGrundrissesSetztNichts)
{
    doc.datenListe = {Fix(40, 50), Fix(100, 100)};
    z.pos = 0;
    ansicht.ansicht.grafik[0].art = BarogrammWest;
    // The right pane keeps its old rectangle while one pane is shown; it must not take clicks.
    ansicht.ansicht.grafik[1].art = Grundriss;
    ansicht.ansicht.grafik[1].ecke = {60, 60, 240, 240};
    cursor.Doppelklick({160, 140}, F());
    EXPECT_EQ(z.pos, 0);

    ansicht.ansicht.grafik[0].art = Grundriss;
    doc.geladen = 0;
    cursor.Doppelklick({160, 140}, F());
    EXPECT_EQ(z.pos, keinePosition);
}

TEST_F(SpurCursorTest, DoppelklickInGeteilterAnsichtNimmtDenRechtenGrundriss)
{
    Geteilt();
    ansicht.ansicht.grafik[0].art = Temperaturverlauf;
    // Right pane 338 x 320 pixels over 338 x 320 units.
    ansicht.anzeigeFenster.laengeMax = L0 + 338;
    ansicht.anzeigeFenster.breiteMax = B0 + 320;
    doc.datenListe = {Fix(100, 100), Fix(200, 160), Fix(300, 300)};
    cursor.Doppelklick({657, 380}, F());
    EXPECT_EQ(z.pos, 1);
}

TEST_F(SpurCursorTest, BreitesFensterAufBreiterGrafikRechnetOhneUeberlauf)
{
    // After zooming far out: a window of 10^9 units on a pane 3780 pixels wide.
    NeuesBild(Muster(4000, 300));
    ansicht.client = {0, 0, 4000, 300};
    ansicht.ansicht.grafik[0].ecke = {60, 60, 3840, 240};
    ansicht.anzeigeFenster.laengeMin = 0;
    ansicht.anzeigeFenster.laengeMax = 1000000000;
    doc.ausdehnung.breiteMax = B0 + 100000;
    doc.datenListe = {Fix(-400000000, 90), Fix(0, 90)};
    cursor.Doppelklick({1950, 150}, F());  // the middle of the pane: 5 * 10^8
    EXPECT_EQ(z.pos, 1);

    // Even a pane billions of pixels wide under the widest window finds the fix.
    ansicht.client.right = 2100000000;
    ansicht.ansicht.grafik[0].ecke = {-2000000000, 60, 2000000000, 240};
    ansicht.anzeigeFenster.laengeMin = -2000000000;
    ansicht.anzeigeFenster.laengeMax = 2000000000;
    doc.datenListe = {Fix(-400000000, 90), Fix(500000000, 90)};
    cursor.Doppelklick({1000000000, 150}, F());
    EXPECT_EQ(z.pos, 1);
}

// ---- stepping ----

TEST_F(SpurCursorTest, EinzelschritteVorUndZurueck)
{
    VieleFixe(5);
    z.pos = 2;
    Taste(VK_RIGHT);
    EXPECT_EQ(z.pos, 3);
    Taste(VK_LEFT);
    Taste(VK_LEFT);
    EXPECT_EQ(z.pos, 1);
    EXPECT_EQ(z.laeuft, 0);
}

TEST_F(SpurCursorTest, UeberEinEndeHinausVerschwindetDerCursor)
{
    VieleFixe(3);
    z.pos = 2;
    Taste(VK_RIGHT);
    EXPECT_EQ(z.pos, keinePosition);
    z.pos = 0;
    Taste(VK_LEFT);
    EXPECT_EQ(z.pos, keinePosition);
    // Without a cursor the arrows start nothing.
    cursor.TasteRunter(VK_RIGHT, F());
    EXPECT_TRUE(uhr.Perioden().empty());
    cursor.TasteHoch(VK_RIGHT, F());
    EXPECT_EQ(z.pos, keinePosition);
}

TEST_F(SpurCursorTest, VerborgeneFixeWerdenUebersprungen)
{
    // Fixes 0 and 1 outside the window (after a zoom), 2 and 3 inside.
    doc.datenListe = {Fix(200, 90), Fix(-5, 90), Fix(50, 90), Fix(60, 90), Fix(70, 90)};
    z.pos = 0;
    Taste(VK_RIGHT);
    EXPECT_EQ(z.pos, 3);  // the fix after the first visible one
    // Backwards from a hidden fix (on the window's edge) past the visible fix 1.
    doc.datenListe[1] = Fix(50, 90);
    doc.datenListe[2] = Fix(50, 180);
    z.pos = 2;
    Taste(VK_LEFT);
    EXPECT_EQ(z.pos, 0);
}

TEST_F(SpurCursorTest, WiederholschrittUeberspringtZehnSichtbareFixe)
{
    VieleFixe(30);
    z.pos = 3;
    z.schritt = 9;
    cursor.CursorBewegen(VK_RIGHT, F());
    EXPECT_EQ(z.pos, 13);
    cursor.CursorBewegen(VK_LEFT, F());
    EXPECT_EQ(z.pos, 3);
    cursor.CursorBewegen(VK_LEFT, F());  // only 3 fixes before it
    EXPECT_EQ(z.pos, keinePosition);
}

TEST_F(SpurCursorTest, SchritteZaehlenAufgezeichneteSekunden)
{
    // A log of one fix every four seconds: the repeat step passes ten seconds or just over,
    // a single step one fix, and a long gap counts as one step too.
    VieleFixe(30);
    for (size_t i = 0; i < doc.datenListe.size(); ++i)
        doc.datenListe[i].zeit = 36000 + 4 * static_cast<int32_t>(i) + (i >= 20 ? 59 : 0);
    z.pos = 3;
    z.schritt = 9;
    cursor.CursorBewegen(VK_RIGHT, F());
    EXPECT_EQ(z.pos, 6);
    cursor.CursorBewegen(VK_LEFT, F());
    EXPECT_EQ(z.pos, 3);
    z.schritt = 0;
    cursor.CursorBewegen(VK_RIGHT, F());
    EXPECT_EQ(z.pos, 4);
    z.pos = 19;
    z.schritt = 9;
    cursor.CursorBewegen(VK_RIGHT, F());  // over the gap in one
    EXPECT_EQ(z.pos, 20);
}

// Held down, the arrow waits one tick, then steps ten seconds per slow tick; after fifteen of
// them it steps on the fast timer, and letting go stops every timer after one last step.
TEST_F(SpurCursorTest, GehaltenePfeiltasteWirdSchneller)
{
    VieleFixe(200);
    z.pos = 0;
    cursor.TasteRunter(VK_RIGHT, F());
    cursor.Timer(1, F());
    EXPECT_EQ(z.pos, 0);
    for (int i = 1; i < 15; ++i)
        cursor.Timer(2, F());
    EXPECT_EQ(z.pos, 140);
    EXPECT_EQ(uhr.Perioden(), std::vector<int>{200});
    cursor.Timer(2, F());
    EXPECT_EQ(z.pos, 150);
    EXPECT_EQ(uhr.Perioden(), std::vector<int>{1});
    cursor.Timer(3, F());
    EXPECT_EQ(z.pos, 160);

    cursor.TasteHoch(VK_RIGHT, F());
    EXPECT_TRUE(uhr.Perioden().empty());
    EXPECT_EQ(z.pos, 161);
}

TEST_F(SpurCursorTest, AndereTasteWaehrendDerPfeilGehaltenWirdHaeltDenCursorAn)
{
    VieleFixe(100);
    z.pos = 0;
    cursor.TasteRunter(VK_RIGHT, F());
    cursor.Timer(1, F());
    cursor.Timer(2, F());
    EXPECT_EQ(z.pos, 10);

    cursor.TasteRunter(0x41, F());  // 'A'
    EXPECT_EQ(z.taste, 0);
    cursor.Timer(2, F());
    cursor.Timer(2, F());
    EXPECT_EQ(z.pos, 10);

    cursor.TasteHoch(0x41, F());  // stops the repeat; its single step goes nowhere
    EXPECT_EQ(z.pos, 10);
    EXPECT_TRUE(uhr.Perioden().empty());
    cursor.TasteHoch(VK_RIGHT, F());
    EXPECT_EQ(z.pos, 10);
}

TEST_F(SpurCursorTest, ZeitgeberNachNeuemFlugHaeltSichSelbstAn)
{
    VieleFixe(100);
    z.pos = 0;
    cursor.TasteRunter(VK_RIGHT, F());
    cursor.Timer(1, F());
    doc.Leeren();  // a flight opened while the key is held
    NeuerFlug(z);
    VieleFixe(100);
    cursor.Timer(2, F());
    EXPECT_TRUE(uhr.Perioden().empty());
    EXPECT_EQ(z.pos, keinePosition);
}

// ---- markers ----

TEST_F(SpurCursorTest, MarkerInvertiertEinenKreisUmDenFix)
{
    const QImage vorher = Bild();
    doc.datenListe = {Fix(40, 50), Fix(100, 100)};
    z.pos = 0;
    cursor.ZeichneCursor(0, F());
    const QImage nachher = Bild();
    // Fix at pixel (100, 190); the marker covers 96..103 in its middle row and column.
    for (const QPoint p : {QPoint(100, 190), QPoint(96, 190), QPoint(103, 190), QPoint(100, 186),
                           QPoint(100, 193)})
        EXPECT_EQ(nachher.pixel(p), Invertiert(vorher.pixel(p))) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(95, 190), QPoint(104, 190), QPoint(100, 185), QPoint(100, 194), QPoint(96, 186)})
        EXPECT_EQ(nachher.pixel(p), vorher.pixel(p)) << p.x() << "," << p.y();
    // Nothing else in the pane changed.
    for (int y = 60; y < 240; ++y)
        for (int x = 60; x < 240; ++x)
            if (x < 96 || x > 103 || y < 186 || y > 193) {
                ASSERT_EQ(nachher.pixel(x, y), vorher.pixel(x, y)) << x << "," << y;
            }
}

TEST_F(SpurCursorTest, ZweimalGezeichnetBleibtDasBildUndEntferntIstEsWiederhergestellt)
{
    doc.datenListe = {Fix(40, 50), Fix(100, 100)};
    cursor.ZeichneAnzeige(F());  // the empty readout: the picture without any marker
    const QImage ohneMarker = Bild();

    z.pos = 1;
    cursor.ZeichneCursor(0, F());
    const QImage einmal = Bild();
    EXPECT_NE(einmal, ohneMarker);
    cursor.ZeichneCursor(0, F());  // removes the marker at cursorAlt and draws it again there
    EXPECT_EQ(Bild(), einmal);

    Taste(VK_LEFT);  // moved: one marker only, at the new place
    EXPECT_EQ(z.pos, 0);
    EXPECT_EQ(Bild().pixel(160, 140), ohneMarker.pixel(160, 140));
    EXPECT_EQ(Bild().pixel(100, 190), Invertiert(ohneMarker.pixel(100, 190)));

    cursor.Doppelklick({241, 150}, F());  // removed
    EXPECT_EQ(Bild(), ohneMarker);
}

TEST_F(SpurCursorTest, NachVollemNeuzeichnenWirdDerAlteMarkerNichtEntfernt)
{
    const QImage vorher = Bild();
    doc.datenListe = {Fix(40, 50), Fix(100, 100)};
    z.alt = 0;  // was on screen before the repaint, which wiped it
    z.pos = 1;
    cursor.ZeichneCursor(5, F());
    EXPECT_EQ(Bild().pixel(100, 190), vorher.pixel(100, 190));
    EXPECT_EQ(Bild().pixel(160, 140), Invertiert(vorher.pixel(160, 140)));
    EXPECT_EQ(z.alt, 1);
}

TEST_F(SpurCursorTest, KeinMarkerImTemperaturverlauf)
{
    Geteilt();
    ansicht.ansicht.grafik[1].art = Temperaturverlauf;
    // Left pane 337 x 320 pixels over 337 x 320 units.
    ansicht.anzeigeFenster.laengeMax = L0 + 337;
    ansicht.anzeigeFenster.breiteMax = B0 + 320;
    doc.datenListe = {Fix(100, 100)};
    z.pos = 0;
    const QImage vorher = Bild();
    cursor.ZeichneCursor(0, F());
    const QImage nachher = Bild();
    EXPECT_EQ(nachher.pixel(160, 440), Invertiert(vorher.pixel(160, 440)));
    EXPECT_EQ(nachher.copy(457, 220, 339, 321), vorher.copy(457, 220, 339, 321));
}

TEST_F(SpurCursorTest, MarkerImBarogramm)
{
    ansicht.ansicht.grafik[0].art = BarogrammNord;
    doc.datenListe = {Fix(40, 50)};  // 500 m of 1000: half way up
    z.pos = 0;
    const QImage vorher = Bild();
    cursor.ZeichneCursor(0, F());
    EXPECT_EQ(Bild().pixel(100, 150), Invertiert(vorher.pixel(100, 150)));
    EXPECT_EQ(Bild().pixel(100, 190), vorher.pixel(100, 190));
}

TEST_F(SpurCursorTest, JedeGrafikZeigtDenMarkerInIhremEigenenFenster)
{
    // Two plan views 338 and 339 pixels wide (fitted with the + 1), both 321 high. The zoom window
    // of 338 x 321 times 32 units fits the left pane as it is; the right pane's fit is 16 units
    // wider on each side, and that is what the full draw leaves in anzeigeFenster.
    Geteilt();
    ansicht.zoomFenster.laengeMax = L0 + 10816;
    ansicht.zoomFenster.breiteMax = B0 + 10272;
    ansicht.anzeigeFenster = ansicht.zoomFenster;
    ansicht.anzeigeFenster.laengeMin -= 16;
    ansicht.anzeigeFenster.laengeMax += 16;
    doc.datenListe = {Fix(320, 5000)};
    z.pos = 0;
    const QImage vorher = Bild();
    cursor.ZeichneCursor(0, F());
    const QImage nachher = Bild();
    // Left: 60 + 320 * 337 / 10816 = 69.97, marker 65..72; with the right pane's window it would
    // be 60 + 336 * 337 / 10848 = 70.4. Right: 457 + 336 * 338 / 10848 = 467.5, marker 463..470.
    // Both rows: 540 - 5000 * 320 / 10272 = 384.2.
    EXPECT_EQ(nachher.pixel(65, 384), Invertiert(vorher.pixel(65, 384)));
    EXPECT_EQ(nachher.pixel(72, 384), Invertiert(vorher.pixel(72, 384)));
    EXPECT_EQ(nachher.pixel(64, 384), vorher.pixel(64, 384));
    EXPECT_EQ(nachher.pixel(73, 384), vorher.pixel(73, 384));
    EXPECT_EQ(nachher.pixel(463, 384), Invertiert(vorher.pixel(463, 384)));
    EXPECT_EQ(nachher.pixel(470, 384), Invertiert(vorher.pixel(470, 384)));
    EXPECT_EQ(nachher.pixel(462, 384), vorher.pixel(462, 384));
    EXPECT_EQ(nachher.pixel(471, 384), vorher.pixel(471, 384));
}

TEST_F(SpurCursorTest, PositionenAusserhalbDerListeGeltenAlsKeine)
{
    doc.datenListe = {Fix(40, 50)};
    z.pos = 7;
    z.alt = 3;
    const QImage vorher = Bild();
    cursor.ZeichneCursor(0, F());
    EXPECT_EQ(z.pos, keinePosition);
    EXPECT_EQ(z.alt, keinePosition);
    EXPECT_EQ(Bild().copy(0, 0, 245, 300), vorher.copy(0, 0, 245, 300));
    z.pos = 5;
    cursor.CursorBewegen(VK_RIGHT, F());
    EXPECT_EQ(z.pos, keinePosition);
}

// ---- readout ----

TEST(AnzeigeZeilen, WerteWieSieDerNutzerLiest)
{
    CDaten f;
    f.zeit = 12 * 3600 + 34 * 60 + 56;
    f.laenge = 500000000 - 5000;                 // half an arc minute west
    f.breite = 500000000 + 47 * 600000 + 305000;  // 47° 30.5' north
    f.hoehe = 900;
    f.vario = 15;
    f.temperatur = 2732 + 168;
    f.sog = 400;
    f.tas = 300;
    EXPECT_EQ(AnzeigeZeilen(f), (QStringList{"Zeit:12:34:56", "W 0°0.5000'", "N 47°30.5000'",
                                             "Höhe: 900 Meter", "Vario: 1.5 m/s", "Temp.: 16.8 °C",
                                             "SOG: 40 km/h", "TAS: 30 km/h"}));
}

TEST(AnzeigeZeilen, SuedenOstenSinkenUndFrost)
{
    CDaten f;
    f.zeit = 7 * 3600 + 5;
    f.laenge = 500000000 + 8 * 600000 + 123456;  // 8° 12.3456' east
    f.breite = 500000000 - 33 * 600000 - 10000;  // 33° 1' south
    f.hoehe = -12;
    f.vario = -23;
    f.temperatur = 2732 - 55;
    f.sog = 0;
    f.tas = 0;
    EXPECT_EQ(AnzeigeZeilen(f), (QStringList{"Zeit:07:00:05", "E 8°12.3456'", "S 33°1.0000'",
                                             "Höhe: -12 Meter", "Vario: -2.3 m/s", "Temp.: -5.5 °C",
                                             "SOG: 0 km/h", "TAS: 0 km/h"}));
}

TEST(AnzeigeZeilen, NachMitternachtDieUhrzeit)
{
    CDaten f;
    f.zeit = 24 * 3600 + 4 * 3600 + 43 * 60 + 7;  // the recording began the day before
    EXPECT_EQ(AnzeigeZeilen(f).front(), "Zeit:04:43:07");
    f.zeit = 2 * 24 * 3600;
    EXPECT_EQ(AnzeigeZeilen(f).front(), "Zeit:00:00:00");
}

TEST_F(SpurCursorTest, AnzeigefeldGrauInBeidenAufteilungen)
{
    cursor.ZeichneAnzeige(F());
    // (240 + 5, 60 + 120 + 10, 400 - 2, 300 - 2)
    QImage b = Bild();
    EXPECT_EQ(b.pixel(245, 190), Grau);
    EXPECT_EQ(b.pixel(397, 297), Grau);
    EXPECT_NE(b.pixel(244, 190), Grau);
    EXPECT_NE(b.pixel(245, 189), Grau);
    EXPECT_NE(b.pixel(398, 297), Grau);
    EXPECT_NE(b.pixel(397, 298), Grau);

    Geteilt();
    cursor.ZeichneAnzeige(F());
    b = Bild();
    EXPECT_EQ(b.pixel(320, 2), Grau);
    EXPECT_EQ(b.pixel(479, 157), Grau);
    EXPECT_NE(b.pixel(319, 2), Grau);
    EXPECT_NE(b.pixel(320, 1), Grau);
    EXPECT_NE(b.pixel(480, 157), Grau);
    EXPECT_NE(b.pixel(479, 158), Grau);
}

TEST_F(SpurCursorTest, AnzeigeZentriertUndOhnePositionRot)
{
    NeuesBild(test::LeeresBild(400, 300));
    doc.datenListe = {Fix(40, 50, 1), Fix(40, 50, 0)};
    const Rechteck r{245, 190, 398, 298};
    const auto zaehle = [&](QRgb farbe) {
        const QImage b = Bild();
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += b.pixel(x, y) == farbe;
        return n;
    };
    const LogFont schriftVorher = F().AktuelleSchrift();

    z.pos = 0;
    cursor.ZeichneAnzeige(F());
    EXPECT_EQ(zaehle(Rot), 0);
    const int schwarz = zaehle(0xFF000000u);
    EXPECT_GT(schwarz, 200);
    // The first line is centred: as much grey left of its ink as right of it.
    const QImage b = Bild();
    int links = r.right;
    int rechts = r.left;
    for (int y = r.top; y < r.top + 12; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (b.pixel(x, y) != Grau) {
                links = std::min(links, x);
                rechts = std::max(rechts, x);
            }
    ASSERT_LT(links, rechts);
    EXPECT_NEAR(links - r.left, r.right - 1 - rechts, 3);

    z.pos = 1;
    cursor.ZeichneAnzeige(F());
    EXPECT_GT(zaehle(Rot), 50);
    EXPECT_GT(zaehle(0xFF000000u), 100);
    // Text colour, background mode and font are given back.
    EXPECT_EQ(F().GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(F().GetBkMode(), OPAQUE);
    EXPECT_EQ(F().AktuelleSchrift(), schriftVorher);

    z.pos = keinePosition;  // without a cursor the panel stays empty
    cursor.ZeichneAnzeige(F());
    EXPECT_EQ(zaehle(Grau), (r.right - r.left) * (r.bottom - r.top));
}

// ---- jumps over long flights ----

namespace {

// Fixes every `takt` seconds from 10:00:00, all inside the window but every fifth, which lies
// outside it.
CSarnixDoc SprungFlug(int anzahl, int takt)
{
    CSarnixDoc doc;
    doc.geladen = 1;
    for (int i = 0; i < anzahl; ++i) {
        CDaten d = Fix(10 + i % 100, i % 5 == 4 ? 500 : 90);
        d.zeit = 36000 + i * takt;
        doc.datenListe.push_back(d);
    }
    return doc;
}

Fenster SprungFenster()
{
    Fenster w;
    w.laengeMin = L0;
    w.laengeMax = L0 + 180;
    w.breiteMin = B0;
    w.breiteMax = B0 + 180;
    return w;
}

}  // namespace

TEST(Sprung, AnfangUndEndeAuchOhneCursor)
{
    const CSarnixDoc doc = SprungFlug(500, 1);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), keinePosition, Sprung::Anfang), 0);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 17, Sprung::Ende), 499);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), keinePosition, Sprung::MinuteVor), keinePosition);
    EXPECT_EQ(SprungZiel(CSarnixDoc{}, SprungFenster(), keinePosition, Sprung::Ende), keinePosition);
}

TEST(Sprung, EineMinuteAufgezeichneteZeit)
{
    // One fix a second: sixty fixes; one every 4 s: fifteen; the last minute stops at the end.
    const CSarnixDoc sekunde = SprungFlug(500, 1);
    EXPECT_EQ(SprungZiel(sekunde, SprungFenster(), 100, Sprung::MinuteVor), 160);
    EXPECT_EQ(SprungZiel(sekunde, SprungFenster(), 100, Sprung::MinuteZurueck), 40);
    EXPECT_EQ(SprungZiel(sekunde, SprungFenster(), 470, Sprung::MinuteVor), 499);
    EXPECT_EQ(SprungZiel(sekunde, SprungFenster(), 30, Sprung::MinuteZurueck), 0);
    const CSarnixDoc vierSekunden = SprungFlug(500, 4);
    EXPECT_EQ(SprungZiel(vierSekunden, SprungFenster(), 100, Sprung::MinuteVor), 115);
    EXPECT_EQ(SprungZiel(vierSekunden, SprungFenster(), 100, Sprung::MinuteZurueck), 85);
    // A gap in the recording: the first fix a minute or more later.
    CSarnixDoc luecke = SprungFlug(10, 1);
    luecke.datenListe[5].zeit += 3600;
    EXPECT_EQ(SprungZiel(luecke, SprungFenster(), 0, Sprung::MinuteVor), 5);
}

TEST(Sprung, ZehnSchritteZaehlenNurFixeImFenster)
{
    // Every fifth fix lies outside: ten visible steps pass twelve fixes or more.
    const CSarnixDoc doc = SprungFlug(500, 1);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 0, Sprung::ZehnVor), 12);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 12, Sprung::ZehnZurueck), 0);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 495, Sprung::ZehnVor), 499);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 3, Sprung::ZehnZurueck), 0);
}

TEST_F(SpurCursorTest, SprungZeigtDieAnzeigeDesZiels)
{
    for (int i = 0; i < 200; ++i) {
        doc.datenListe.push_back(Fix(10 + i % 160, 90));
        doc.datenListe.back().zeit = 36000 + i;
    }
    cursor.Springe(Sprung::Ende, F());
    EXPECT_EQ(z.pos, 199);
    cursor.Springe(Sprung::MinuteZurueck, F());
    EXPECT_EQ(z.pos, 139);
    cursor.Springe(Sprung::ZehnZurueck, F());
    EXPECT_EQ(z.pos, 129);
    EXPECT_EQ(AnzeigeZeilen(doc.datenListe[129]).front(), "Zeit:10:02:09");
    // The readout panel shows the fix now: text in the panel that was grey before.
    const Rechteck r = AnzeigeRechteck(ansicht);
    const QImage b = Bild();
    bool text = false;
    for (int y = r.top; y < r.bottom && !text; ++y)
        for (int x = r.left; x < r.right && !text; ++x)
            text = b.pixel(x, y) != Grau;
    EXPECT_TRUE(text);
}

TEST(Sprung, ZumAnfangDerNaechstenOderVorigenPhase)
{
    const CSarnixDoc doc = SprungFlug(500, 1);
    const std::vector<size_t> anfaenge{40, 120, 300};
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 0, Sprung::PhaseVor, anfaenge), 40);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 40, Sprung::PhaseVor, anfaenge), 120);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 200, Sprung::PhaseZurueck, anfaenge), 120);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 120, Sprung::PhaseZurueck, anfaenge), 40);
    // Past the last and before the first phase the cursor stays.
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 350, Sprung::PhaseVor, anfaenge), 350);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 40, Sprung::PhaseZurueck, anfaenge), 40);
    EXPECT_EQ(SprungZiel(doc, SprungFenster(), 7, Sprung::PhaseVor), 7);
}
