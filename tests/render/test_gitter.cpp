// The plan view's coordinate grid: step, lines and their degree-and-minute labels.

#include "render/Graphen.h"

#include "GraphHilfen.h"

#include <gtest/gtest.h>

using namespace graph;

namespace {

int Texthoehe(const LogFont& schrift)
{
    int cy = 0;
    Zeichne(1, 1, [&](Zeichenflaeche& f) {
        const Zeichenflaeche::SchriftWahl wahl(f, schrift);
        cy = f.GetTextExtentPoint(QStringLiteral("E 58°20.00'")).cy;
    });
    return cy;
}

QImage Netz(const CSarnixDoc& doc, const CAnsicht& ansicht, float sx, float sy, int w = 620,
            int h = 300)
{
    return Zeichne(w, h, [&](Zeichenflaeche& f) { ZeichneKoordinatennetz(doc, ansicht, f, 0, sx, sy); });
}

}  // namespace

TEST(Koordinatennetz, SchmalesFensterHatSchritt100)
{
    // 800 units across (a tenth is 80): lines every 100 units, 50 pixels apart.
    CSarnixDoc doc;
    Einrichten(doc, FensterAus(500000050, 500000850, 500000010, 500000090));
    const CAnsicht ansicht = AnsichtMit({50, 50, 450, 250}, Grundriss, doc.ausdehnung);
    const QImage bild = Netz(doc, ansicht, 0.5f, 2.5f);
    EXPECT_EQ(Anzahl(bild, grau, QRect(0, 150, bild.width(), 1)), 8);
    for (int x = 75; x <= 425; x += 50) {
        EXPECT_EQ(bild.pixel(x, 51), grau) << x;
        EXPECT_EQ(bild.pixel(x, 249), grau) << x;
    }
    // The latitude range lies between two multiples of 100: no line, no label.
    EXPECT_EQ(Anzahl(bild, grau, QRect(300, 0, 1, bild.height())), 0);
    EXPECT_EQ(Tinte(bild, QRect(0, 51, 50, 250)), QRect());
}

TEST(Koordinatennetz, FensterZwischenZweiVielfachenBleibtLeer)
{
    CSarnixDoc doc;
    Einrichten(doc, FensterAus(500000010, 500000090, 500000110, 500000190));
    const CAnsicht ansicht = AnsichtMit({50, 50, 450, 250}, Grundriss, doc.ausdehnung);
    EXPECT_EQ(test::NichtWeiss(Netz(doc, ansicht, 5.0f, 2.5f)), 0);
}

TEST(Koordinatennetz, BeschriftungenStehenAnIhrenLinien)
{
    // 8192 units each way on 512 by 200 pixels: step 800, the lines through 58°20' E and 1° S
    // fall on x = 306 and y = 150.
    CSarnixDoc doc;
    Einrichten(doc, FensterAus(534995904, 535004096, 499395904, 499404096));
    const CAnsicht ansicht = AnsichtMit({50, 50, 562, 250}, Grundriss, doc.ausdehnung);
    const QImage bild = Netz(doc, ansicht, 0.0625f, 200.0f / 8192.0f);
    EXPECT_EQ(bild.pixel(306, 100), grau);
    EXPECT_EQ(bild.pixel(356, 100), grau);  // 800 units further east
    EXPECT_EQ(bild.pixel(100, 150), grau);

    // The turned east label stands centred on its line above the pane, reading upward.
    const int cy = Texthoehe(Beschriftung(true));
    const QImage ost = Text(bild.width(), bild.height(), Beschriftung(true), 306 - cy / 2, 50,
                            QStringLiteral("E 58°20.00'"));
    const QRect ueber(306 - 20, 0, 41, 51);
    EXPECT_TRUE(WieVorlage(bild, ost, ueber));
    const QRect ostTinte = Tinte(bild, ueber);
    EXPECT_LT(ostTinte.bottom(), 51);
    EXPECT_GT(ostTinte.height(), ostTinte.width());
    EXPECT_NEAR(ostTinte.center().x(), 306, 3);

    // The south label right-aligned against the pane's left edge, centred on its line.
    const LogFont gerade = Beschriftung(false);
    int cx = 0;
    Zeichne(1, 1, [&](Zeichenflaeche& f) {
        const Zeichenflaeche::SchriftWahl wahl(f, gerade);
        cx = f.GetTextExtentPoint(QStringLiteral("S 1°0.00'")).cx;
    });
    const QImage sued = Text(bild.width(), bild.height(), gerade, 50 - cx, 150 - Texthoehe(gerade) / 2,
                             QStringLiteral("S 1°0.00'"));
    const QRect links(0, 140, 50, 21);
    EXPECT_TRUE(WieVorlage(bild, sued, links));
    const QRect suedTinte = Tinte(bild, links);
    EXPECT_GE(suedTinte.right(), 46);
    EXPECT_LE(suedTinte.right(), 49);
    EXPECT_NEAR(suedTinte.center().y(), 150, 3);
}

TEST(Koordinatennetz, RiesigesFensterBleibtBeiWenigenLinien)
{
    CSarnixDoc doc;
    Einrichten(doc, FensterAus(-2100000000, 2100000000, -2100000000, 2100000000));
    const CAnsicht ansicht = AnsichtMit({50, 50, 450, 250}, Grundriss, doc.ausdehnung);
    const QImage bild = Netz(doc, ansicht, 400.0f / 4.2e9f, 200.0f / 4.2e9f);
    const int linien = Anzahl(bild, grau, QRect(0, 150, bild.width(), 1));
    EXPECT_GE(linien, 9);
    EXPECT_LE(linien, 12);
}

TEST(Koordinatennetz, UnzaehligeLinienWerdenWeggelassen)
{
    // Step 100 from the narrow longitude range over 20 000 000 units of latitude, as near the
    // pole: 200 000 lines would merge into grey, so that direction gets none.
    CSarnixDoc doc;
    Einrichten(doc, FensterAus(500000050, 500000850, 490000000, 510000000));
    const CAnsicht ansicht = AnsichtMit({50, 50, 450, 250}, Grundriss, doc.ausdehnung);
    const QImage bild = Netz(doc, ansicht, 0.5f, 200.0f / 2.0e7f);
    EXPECT_EQ(Anzahl(bild, grau, QRect(300, 51, 1, 199)), 0);
    EXPECT_EQ(Anzahl(bild, grau, QRect(0, 150, bild.width(), 1)), 8);
}
