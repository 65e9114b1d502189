// The plan view's track: the stroke rule, the window test and the marks it leaves on the fixes.

#include "render/Graphen.h"

#include "GraphHilfen.h"

#include <gtest/gtest.h>

using namespace graph;

namespace {

// A pane of 400 by 200 pixels at (20, 20) over 4000 by 2005 units, one metre each: ten units a
// pixel across, so the fit leaves the window as it is. Every fix lies on row 120.
struct Spur : ::testing::Test {
    static constexpr int32_t l0 = 1000000;
    static constexpr int32_t b0 = 2000000;
    static constexpr int zeile = 120;
    CSarnixDoc doc;
    CAnsicht ansicht;

    void SetUp() override
    {
        Einrichten(doc, FensterAus(l0, l0 + 4000, b0, b0 + 2005));
        ansicht = AnsichtMit({20, 20, 420, 220}, Grundriss, doc.ausdehnung, Variowerte);
    }
    // A fix in the middle of pixel column 20 + k.
    void Hinzu(int k, int16_t vario = 0)
    {
        CDaten fix = Fix(l0 + 10 * k + 5, b0 + 1002);
        fix.vario = vario;
        doc.datenListe.push_back(fix);
    }
    void Hinzu(const CDaten& fix) { doc.datenListe.push_back(fix); }
    QImage Bild()
    {
        return Zeichne(460, 260, [&](Zeichenflaeche& f) { ZeichneGrundriss(doc, ansicht, f, 0); });
    }
};

}  // namespace

TEST_F(Spur, FensterBleibtBeimAnpassen)
{
    Hinzu(100);
    Bild();
    EXPECT_EQ(ansicht.anzeigeFenster, ansicht.zoomFenster);
}

TEST_F(Spur, GleicherPixelGibtEinenTupfen)
{
    Hinzu(100);
    doc.datenListe.push_back(Fix(l0 + 1000, b0 + 1002));
    doc.datenListe.push_back(Fix(l0 + 1009, b0 + 1000));
    const QImage bild = Bild();
    EXPECT_EQ(Anzahl(bild, gruen), 5);
    for (const QPoint p : {QPoint(120, zeile), QPoint(119, zeile), QPoint(121, zeile),
                           QPoint(120, zeile - 1), QPoint(120, zeile + 1)})
        EXPECT_EQ(bild.pixel(p), gruen) << p.x() << "," << p.y();
}

TEST_F(Spur, NachbarpixelBekommtEigenenTupfen)
{
    Hinzu(100);
    Hinzu(101, 60);  // red, one pixel to the right
    const QImage bild = Bild();
    EXPECT_EQ(bild.pixel(119, zeile), gruen);
    EXPECT_EQ(bild.pixel(122, zeile), rot);  // the right arm of its own dot
    EXPECT_EQ(bild.pixel(121, zeile - 1), rot);
    EXPECT_EQ(bild.pixel(120, zeile - 1), gruen);
    EXPECT_EQ(bild.pixel(122, zeile - 1), weiss);
    EXPECT_EQ(Anzahl(bild, gruen) + Anzahl(bild, rot), 8);
}

TEST_F(Spur, ZweiPixelWeitGibtDickenStrichInSeinerFarbe)
{
    Hinzu(100);
    Hinzu(102, 60);
    const QImage bild = Bild();
    // Three pixels wide, in the second fix's colour.
    for (int y = zeile - 1; y <= zeile + 1; ++y)
        EXPECT_EQ(bild.pixel(121, y), rot) << y;
    EXPECT_EQ(bild.pixel(121, zeile - 2), weiss);
    EXPECT_EQ(bild.pixel(121, zeile + 2), weiss);
}

TEST_F(Spur, LangerStrichVerbindetUndEndetVorDemPunkt)
{
    Hinzu(100);
    Hinzu(200, 60);
    Hinzu(300);
    const QImage bild = Bild();
    for (int x = 121; x < 300; x += 7)
        EXPECT_EQ(bild.pixel(x, zeile + 1), x < 220 ? rot : gruen) << x;
}

TEST_F(Spur, FixDraussenUnterbrichtDieSpur)
{
    Hinzu(100);
    Hinzu(Fix(l0 - 10, b0 + 1002));  // west of the window
    Hinzu(150);
    Hinzu(Fix(l0 + 1605, b0 + 1002));
    doc.datenListe.back().hatPosition = 0;  // no position of its own: breaks the track too
    Hinzu(200);
    const QImage bild = Bild();
    EXPECT_EQ(Anzahl(bild, gruen), 15);  // three dots, no segment
    EXPECT_EQ(bild.pixel(145, zeile), weiss);
    EXPECT_EQ(bild.pixel(195, zeile), weiss);
    EXPECT_EQ(bild.pixel(170, zeile), gruen);
}

TEST_F(Spur, FixAufDemRandGiltAlsDraussen)
{
    Hinzu(Fix(l0, b0 + 1002));         // west edge
    Hinzu(Fix(l0 + 4000, b0 + 1002));  // east edge
    Hinzu(Fix(l0 + 2005, b0));         // south edge
    Hinzu(Fix(l0 + 2005, b0 + 2005));  // north edge
    Hinzu(Fix(l0 + 1, b0 + 1));        // just inside the south-west corner
    const QImage bild = Bild();
    EXPECT_EQ(Anzahl(bild, gruen), 5);
    EXPECT_EQ(bild.pixel(20, 219), gruen);
}

TEST_F(Spur, OhneFixesWirdNichtsGezeichnet)
{
    EXPECT_EQ(test::NichtWeiss(Bild()), 0);
}

TEST_F(Spur, EinzigePositionLiegtInDerMitte)
{
    Einrichten(doc, FensterAus(l0, l0, b0, b0));
    ansicht.zoomFenster = doc.ausdehnung;
    Hinzu(Fix(l0, b0));
    Hinzu(Fix(l0, b0));
    const QImage bild = Bild();
    EXPECT_EQ(Anzahl(bild, gruen), 5);
    EXPECT_EQ(bild.pixel(220, 120), gruen);
}

TEST_F(Spur, ErsterFixAufPixelNullWirdGezeichnet)
{
    ansicht = AnsichtMit({0, 0, 400, 200}, Grundriss, doc.ausdehnung);
    Hinzu(Fix(l0 + 5, b0 + 2000));  // maps to (0, 0)
    const QImage bild = Bild();
    EXPECT_EQ(bild.pixel(0, 0), gruen);
    EXPECT_EQ(bild.pixel(1, 0), gruen);
}
