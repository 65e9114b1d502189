// The barograms: altitude axis, ground axes and the track seen from the side.

#include "render/Graphen.h"

#include "GraphHilfen.h"

#include <gtest/gtest.h>

#include <vector>

using namespace graph;

namespace {

std::vector<int> GraueZeilen(const QImage& bild, int x)
{
    std::vector<int> zeilen;
    for (int y = 0; y < bild.height(); ++y)
        if (bild.pixel(x, y) == grau)
            zeilen.push_back(y);
    return zeilen;
}

QImage Hoehenachse(int32_t hoeheMax, int32_t hoeheMin = 0)
{
    CSarnixDoc doc;
    Fenster fenster = FensterAus(1000000, 1004000, 2000000, 2002005, hoeheMax);
    fenster.hoeheMin = hoeheMin;
    Einrichten(doc, fenster);
    const CAnsicht ansicht = AnsichtMit({60, 50, 460, 250}, BarogrammNord, doc.ausdehnung);
    return Zeichne(500, 300, [&](Zeichenflaeche& f) { ZeichneHoehenachse(doc, ansicht, f, 0); });
}

// The pane and window of the plan-view tests: 10 units a pixel across, fit leaves it alone.
struct Barogramm : ::testing::Test {
    static constexpr int32_t l0 = 1000000;
    static constexpr int32_t b0 = 2000000;
    CSarnixDoc doc;
    CAnsicht ansicht;

    void SetUp() override
    {
        Einrichten(doc, FensterAus(l0, l0 + 4000, b0, b0 + 2005, 1000));
        ansicht = AnsichtMit({20, 20, 420, 220}, BarogrammNord, doc.ausdehnung);
    }
    QImage Bild(int8_t art)
    {
        ansicht.ansicht.grafik[0].art = art;
        return Zeichne(460, 260, [&](Zeichenflaeche& f) {
            if (art == BarogrammWest)
                ZeichneBarogrammWest(doc, ansicht, f, 0);
            else
                ZeichneBarogrammNord(doc, ansicht, f, 0);
        });
    }
};

}  // namespace

TEST(Hoehenachse, SchrittWaechstAlle500Meter)
{
    // 1000 m: step 150, lines at 0, 150, ..., 900 m, 0.2 pixels a metre.
    EXPECT_EQ(GraueZeilen(Hoehenachse(1000), 300), (std::vector<int>{70, 100, 130, 160, 190, 220, 250}));
    EXPECT_EQ(GraueZeilen(Hoehenachse(999), 300).size(), 10u);  // step 100: 0 to 900 m
    EXPECT_EQ(GraueZeilen(Hoehenachse(499), 300).size(), 10u);  // step 50: 0 to 450 m
    EXPECT_EQ(GraueZeilen(Hoehenachse(500), 300), (std::vector<int>{50, 90, 130, 170, 210, 250}));
    EXPECT_EQ(GraueZeilen(Hoehenachse(2999), 300).size(), 10u);  // step 300: 0 to 2700 m
}

TEST(Hoehenachse, BeschriftungRechtsBuendigAmLinienende)
{
    const QImage bild = Hoehenachse(1000);
    const LogFont schrift = Beschriftung(false);
    Groesse g;
    Zeichne(1, 1, [&](Zeichenflaeche& f) {
        const Zeichenflaeche::SchriftWahl wahl(f, schrift);
        g = f.GetTextExtentPoint(QStringLiteral("150 m"));
    });
    const QImage vorlage = Text(500, 300, schrift, 60 - g.cx, 220 - g.cy / 2, QStringLiteral("150 m"));
    EXPECT_TRUE(WieVorlage(bild, vorlage, QRect(0, 212, 60, 17)));
    const QRect tinte = Tinte(bild, QRect(0, 212, 60, 17));
    EXPECT_GE(tinte.right(), 56);
    EXPECT_NEAR(tinte.center().y(), 220, 3);
}

TEST(Hoehenachse, NullMeterHoechsteHoehe)
{
    // Only the 0 m line on the bottom edge, with its label.
    const QImage bild = Hoehenachse(0);
    EXPECT_EQ(GraueZeilen(bild, 300), (std::vector<int>{250}));
    EXPECT_FALSE(Tinte(bild, QRect(0, 240, 60, 20)).isEmpty());
    EXPECT_EQ(test::NichtWeiss(Hoehenachse(-5)), 0);
}

TEST(Hoehenachse, UnterNullAbDerGitterlinieDarunter)
{
    // -40 m to 1000 m: step 150 from the span of 1040 m, lines at -150, 0, 150, ..., 900 m.
    const QImage bild = Hoehenachse(1000, -40);
    EXPECT_EQ(GraueZeilen(bild, 300), (std::vector<int>{67, 93, 119, 145, 171, 197, 223, 250}));
    const LogFont schrift = Beschriftung(false);
    Groesse g;
    Zeichne(1, 1, [&](Zeichenflaeche& f) {
        const Zeichenflaeche::SchriftWahl wahl(f, schrift);
        g = f.GetTextExtentPoint(QStringLiteral("-150 m"));
    });
    const QImage vorlage = Text(500, 300, schrift, 60 - g.cx, 250 - g.cy / 2, QStringLiteral("-150 m"));
    EXPECT_TRUE(WieVorlage(bild, vorlage, QRect(0, 242, 60, 17)));
    // Entirely below sea level: from the grid line below up to 0 m.
    EXPECT_EQ(GraueZeilen(Hoehenachse(-20, -120), 300), (std::vector<int>{50, 116, 183, 250}));
    // At or above 0 m nothing moves.
    EXPECT_EQ(Hoehenachse(1000, 0), Hoehenachse(1000));
}

TEST_F(Barogramm, UnterNullBleibtDieSpurImFenster)
{
    doc.ausdehnung.hoeheMin = -100;
    ansicht.zoomFenster = ansicht.anzeigeFenster = doc.ausdehnung;
    doc.datenListe = {Fix(l0 + 1005, b0 + 1002, 500), Fix(l0 + 3005, b0 + 1002, 0),
                      Fix(l0 + 2005, b0 + 1002, -100)};
    for (const int8_t art : {BarogrammNord, BarogrammWest}) {
        const QImage bild = Bild(art);
        EXPECT_EQ(Anzahl(bild, gruen, QRect(0, 221, 460, 39)), 0) << int{art};
        EXPECT_GT(Anzahl(bild, gruen, QRect(20, 200, 400, 20)), 0) << int{art};
    }
}

TEST_F(Barogramm, LaengenachseMitSchrittAusDerOstWestAusdehnung)
{
    const QImage bild = Zeichne(460, 260, [&](Zeichenflaeche& f) { ZeichneLaengenachse(doc, ansicht, f, 0, 0.1f); });
    // 4000 units: step 400, ten lines 40 pixels apart from the west edge on.
    EXPECT_EQ(Anzahl(bild, grau, QRect(0, 150, 460, 1)), 10);
    for (int x = 20; x < 420; x += 40)
        EXPECT_EQ(bild.pixel(x, 150), grau) << x;
}

TEST_F(Barogramm, BreitenachseNimmtDenSchrittDerLaenge)
{
    // 2005 units of latitude alone would give 200; the east-west extent gives 400.
    const QImage bild = Zeichne(460, 260, [&](Zeichenflaeche& f) {
        ZeichneBreitenachse(doc, ansicht, f, 0, 400.0f / 2005.0f);
    });
    EXPECT_EQ(Anzahl(bild, grau, QRect(0, 150, 460, 1)), 6);
    for (const int x : {20, 99, 179, 259, 339, 419})
        EXPECT_EQ(bild.pixel(x, 150), grau) << x;
}

TEST_F(Barogramm, HoeheNachObenBodenAufDemUnterrand)
{
    doc.datenListe = {Fix(l0 + 1005, b0 + 1002, 500), Fix(l0 + 3005, b0 + 1002, 0),
                      Fix(l0 + 2005, b0 + 1002, -100)};
    const QImage nord = Bild(BarogrammNord);
    EXPECT_EQ(nord.pixel(120, 120), gruen);  // 500 m of 1000 m: halfway up
    EXPECT_EQ(nord.pixel(320, 220), gruen);  // 0 m: on the bottom edge
    EXPECT_EQ(nord.pixel(220, 240), gruen);  // below sea level: below the pane
    const QImage west = Bild(BarogrammWest);
    EXPECT_EQ(west.pixel(219, 120), gruen);  // north across: all three at the same column
    EXPECT_EQ(west.pixel(219, 220), gruen);
    EXPECT_EQ(west.pixel(219, 240), gruen);
}

TEST_F(Barogramm, FixAusserhalbDerAnderenRichtungUnterbricht)
{
    doc.datenListe = {Fix(l0 + 1005, b0 + 1002, 500), Fix(l0 + 1505, b0 + 3000, 500),
                      Fix(l0 + 2005, b0 + 1002, 500)};
    const QImage bild = Bild(BarogrammNord);
    EXPECT_EQ(Anzahl(bild, gruen), 10);  // two dots, no segment, nothing for the fix to the north
    EXPECT_EQ(bild.pixel(170, 120), weiss);
}

TEST_F(Barogramm, KeineHoeheUndEinzigePosition)
{
    Einrichten(doc, FensterAus(l0, l0, b0, b0, 0));
    ansicht.zoomFenster = doc.ausdehnung;
    doc.datenListe = {Fix(l0, b0, 0), Fix(l0, b0, 0)};
    const QImage bild = Bild(BarogrammWest);
    EXPECT_EQ(Anzahl(bild, gruen), 5);
    EXPECT_EQ(bild.pixel(220, 220), gruen);
}

TEST_F(Barogramm, OhneFixesWirdNichtsGezeichnet)
{
    EXPECT_EQ(test::NichtWeiss(Bild(BarogrammWest)), 0);
    EXPECT_EQ(test::NichtWeiss(Bild(BarogrammNord)), 0);
}
