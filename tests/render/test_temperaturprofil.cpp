// The temperature profile: the range, the temperature axis and the dots of the section.

#include "render/Graphen.h"

#include "GraphHilfen.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace graph;

namespace {

// A fix in the plan view's window, or east of it.
CDaten Messung(int32_t temperatur, int16_t hoehe, bool imAusschnitt = true)
{
    CDaten fix = Fix(imAusschnitt ? 1002000 : 1005000, 2001000, hoehe);
    fix.temperatur = temperatur;
    return fix;
}

// A pane 244 pixels wide and 200 high at (60, 50); a range of 122 gives 2 pixels per 0.1 K.
struct Temperatur : ::testing::Test {
    CSarnixDoc doc;
    CAnsicht ansicht;
    void SetUp() override
    {
        Einrichten(doc, FensterAus(1000000, 1004000, 2000000, 2002005, 1000));
        ansicht = AnsichtMit({60, 50, 304, 250}, Temperaturverlauf, doc.ausdehnung);
        ansicht.grundrissFenster = doc.ausdehnung;
    }
    QImage Bild()
    {
        return Zeichne(360, 300, [&](Zeichenflaeche& f) { ZeichneTemperaturverlauf(doc, ansicht, f, 0); });
    }
};

std::vector<int> GraueSpalten(const QImage& bild, int y)
{
    std::vector<int> spalten;
    for (int x = 0; x < bild.width(); ++x)
        if (bild.pixel(x, y) == grau)
            spalten.push_back(x);
    return spalten;
}

}  // namespace

TEST_F(Temperatur, BereichUndPunkte)
{
    // 2832 to 2932 widen to 2821 (left edge) and 2943 (right edge).
    doc.datenListe = {Messung(2932, 1000), Messung(2832, 500), Messung(2882, 0, false)};
    const QImage bild = Bild();
    EXPECT_EQ(bild.pixel(282, 50), gruen);   // 1.1 K left of the right edge, at the top
    EXPECT_EQ(bild.pixel(82, 150), gruen);   // halfway up
    EXPECT_EQ(bild.pixel(182, 250), grau);   // outside the section: no dot
    EXPECT_EQ(Anzahl(bild, gruen), 10);
}

TEST_F(Temperatur, SkalaUmfasstDenGanzenFlug)
{
    // The coldest fix lies outside the section and still sets the left end of the scale.
    doc.datenListe = {Messung(2932, 1000), Messung(2832, 500, false)};
    const QImage bild = Bild();
    EXPECT_EQ(bild.pixel(282, 50), gruen);
    EXPECT_EQ(Anzahl(bild, gruen), 5);
}

TEST_F(Temperatur, AchseInSchrittenVonNullGradAus)
{
    // Range 122: step 1.5 K, lines from 9.0 °C (2822) to 21.0 °C (2942), 30 pixels apart.
    doc.datenListe = {Messung(2932, 1000), Messung(2832, 500)};
    EXPECT_EQ(GraueSpalten(Bild(), 165), (std::vector<int>{62, 92, 122, 152, 182, 212, 242, 272, 302}));
}

TEST_F(Temperatur, BeschriftungUnterNull)
{
    // -14.1 °C to -4.1 °C widen to 2621 and 2743: labels at -10.5, -9.0, ..., -1.5, 0.0 °C.
    doc.datenListe = {Messung(2632, 1000), Messung(2732, 500)};
    const QImage bild = Bild();
    EXPECT_EQ(GraueSpalten(bild, 165), (std::vector<int>{72, 102, 132, 162, 192, 222, 252, 282}));
    const LogFont schrift = Beschriftung(true);
    int cy = 0;
    Zeichne(1, 1, [&](Zeichenflaeche& f) {
        const Zeichenflaeche::SchriftWahl wahl(f, schrift);
        cy = f.GetTextExtentPoint(QStringLiteral("-1.5 °C")).cy;
    });
    const QImage vorlage = Text(360, 300, schrift, 252 - cy / 2, 50, QStringLiteral("-1.5 °C"));
    const QRect ueber(252 - 12, 0, 25, 50);
    EXPECT_TRUE(WieVorlage(bild, vorlage, ueber));
    EXPECT_FALSE(Tinte(bild, ueber).isEmpty());
}

TEST_F(Temperatur, EineTemperaturLiegtInDerMitte)
{
    doc.datenListe = {Messung(2800, 1000), Messung(2800, 500)};
    const QImage bild = Bild();
    EXPECT_EQ(bild.pixel(182, 50), gruen);
    EXPECT_EQ(bild.pixel(182, 150), gruen);
}

TEST_F(Temperatur, OhneHoeheAllesAufDemUnterrand)
{
    doc.ausdehnung.hoeheMax = 0;
    doc.datenListe = {Messung(2932, 0), Messung(2832, 0)};
    const QImage bild = Bild();
    EXPECT_EQ(bild.pixel(282, 250), gruen);
    EXPECT_EQ(bild.pixel(82, 250), gruen);
}

TEST_F(Temperatur, UnterNullBeginntDieHoeheBeiDerGitterlinieDarunter)
{
    // Lowest -40 m, highest 0 m: the step is 50 m, so the pane spans -50 m to 0 m.
    doc.ausdehnung.hoeheMax = 0;
    doc.ausdehnung.hoeheMin = -40;
    doc.datenListe = {Messung(2932, 0), Messung(2832, -40)};
    const QImage bild = Bild();
    EXPECT_EQ(bild.pixel(282, 50), gruen);
    EXPECT_EQ(bild.pixel(82, 210), gruen);
    // Nothing below the pane.
    EXPECT_TRUE(Tinte(bild, QRect(60, 252, 245, 48)).isEmpty());
}

TEST_F(Temperatur, OhneFixesWirdNichtsGezeichnet)
{
    EXPECT_EQ(test::NichtWeiss(Bild()), 0);
}

TEST_F(Temperatur, ExtremeTemperaturenBleibenImBild)
{
    doc.datenListe = {Messung(std::numeric_limits<int32_t>::max(), 1000),
                      Messung(std::numeric_limits<int32_t>::min(), 0)};
    const QImage bild = Bild();
    EXPECT_EQ(Anzahl(bild, gruen, QRect(280, 40, 40, 20)), 5);  // warmest at the top right
    EXPECT_EQ(Anzahl(bild, gruen, QRect(50, 240, 20, 20)), 5);  // coldest at the bottom left
    EXPECT_LE(GraueSpalten(bild, 165).size(), 12u);
}
