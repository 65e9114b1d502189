// Zooming without end in both directions and windows too small for any pane: the view keeps a
// drawable state, and the window survives every command, click and key on hostile flights.

#include "RobustHilfen.h"
#include "TestHilfen.h"

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "render/Zeichenflaeche.h"
#include "pipeline/Befehle.h"
#include "view/CSarnixView.h"
#include "pipeline/Layout.h"
#include "pipeline/Zeichnen.h"
#include "pipeline/Zoom.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using robust::Fix;
using robust::FixZeile;

struct Flug {
    std::string name;
    std::string inhalt;
    bool mitPosition = true;  // without any, the extent keeps its reversed start values
};

std::vector<Flug> Fluege()
{
    std::string normal = robust::KopfZeile() + FixZeile(Fix{.a = '1', .b = '1'});
    for (uint32_t i = 0; i < 300; ++i)
        normal += FixZeile(Fix{.breite = 0x045948u + i % 50, .laenge = 0x0107DEu + i, .hoehe = 500 + static_cast<int>(i)});
    std::string grenzen = "@SX\n";
    for (const uint32_t wert : {0x7FFFFFu, 0x800000u, 0x000000u, 0xFFFFFFu})
        grenzen += FixZeile(Fix{.breite = wert, .laenge = wert ^ 0x800000u, .hoehe = -32768});
    return {{"gewöhnlicher Flug", normal},
            {"eine Position", "@SX\n" + FixZeile(Fix{})},
            {"Koordinaten an den Grenzen", grenzen},
            {"keine Position", "@SX\n" + FixZeile(Fix{.flag = '0'}) + FixZeile(Fix{.flag = '2'}), false}};
}

void Zeichne(CSarnixDoc& doc, CAnsicht& a, QImage& bild)
{
    bild.fill(Qt::white);
    BerechneLayout(a, Rechteck{0, 0, bild.width(), bild.height()});
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    Zeichnen(doc, a, f);
}

bool Geordnet(const Fenster& f)
{
    return f.breiteMin <= f.breiteMax && f.laengeMin <= f.laengeMax;
}

TEST(ZoomOhneEnde, HundertMalVerkleinernUndDreissigMalHineinklickenBleibtZeichenbar)
{
    for (const Flug& flug : Fluege()) {
        SCOPED_TRACE(flug.name);
        CSarnixDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::TempDatei(flug.inhalt)));
        CAnsicht a;
        a.einstellungenLaden = 0;
        QImage bild = test::LeeresBild(400, 300);
        Zeichne(doc, a, bild);

        for (int schritt = 0; schritt < 100; ++schritt) {
            Verkleinern(a);
            ASSERT_TRUE(Geordnet(a.zoomFenster) || !flug.mitPosition) << schritt;
            if (schritt % 10 == 9)
                for (int8_t art = Grundriss; art <= Temperaturverlauf; ++art) {
                    a.ansicht.grafik[0].art = art;
                    Zeichne(doc, a, bild);
                }
        }

        // A bare click in the middle of the plan view: a window 300 units wide about the point.
        a.ansicht.grafik[0].art = Grundriss;
        const Rechteck& ecke = a.ansicht.grafik[0].ecke;
        const Punkt mitte{(ecke.left + ecke.right) / 2, (ecke.top + ecke.bottom) / 2};
        for (int schritt = 0; schritt < 30; ++schritt) {
            a.bandStart = a.bandEnde = mitte;
            ASSERT_TRUE(BandZuFenster(a, 0));
            EXPECT_EQ(int64_t{a.zoomFenster.laengeMax} - a.zoomFenster.laengeMin, 300);
            ASSERT_TRUE(Geordnet(a.zoomFenster) || !flug.mitPosition);
            Zeichne(doc, a, bild);
        }

        // Fit brings the whole flight back.
        Anpassen(a);
        Zeichne(doc, a, bild);
        EXPECT_EQ(a.zoomFenster, doc.ausdehnung);
    }
}

// Every command, a double-click, the arrow keys and a rubber band in a window of this size;
// returns the zoom window the view ends with.
Fenster AllesImFenster(CSarnixDoc& doc, int breite, int hoehe)
{
    CSarnixView view(doc);
    view.resize(breite, hoehe);
    view.show();
    view.DokumentGeoeffnet();
    using namespace Befehl;
    for (const int id : {GeteilteGrafik, Einzelgrafik, GeteilteGrafik, RechtsOsten, LinksSueden,
                         LinksTemperatur, RechtsTemperaturgradient, LinksWind, Zeitmarken,
                         Routenpunkte, Befehl::Verkleinern, LinksOben, Befehl::Anpassen, AktivVario,
                         AktivFlughoehe}) {
        view.Befehl(id);
        QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(breite / 2, hoehe / 2));
        QTest::keyPress(&view, Qt::Key_Right);
        QTest::keyRelease(&view, Qt::Key_Right);
        QTest::keyPress(&view, Qt::Key_Left);
        QTest::keyRelease(&view, Qt::Key_Left);
        view.Befehl(Vergroessern);
        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(0, 0));
        QTest::mouseMove(&view, QPoint(breite, hoehe));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(breite + 50, hoehe + 50));
    }
    return view.ansicht().zoomFenster;
}

TEST(KleineFenster, JedeFenstergroesseUeberstehtBefehleKlicksUndTasten)
{
    const std::vector<QSize> groessen{{1, 1}, {2, 2}, {59, 59}, {64, 300}, {66, 221}, {221, 61}, {300, 66}};
    for (const Flug& flug : Fluege()) {
        SCOPED_TRACE(flug.name);
        CSarnixDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::TempDatei(flug.inhalt)));
        for (const QSize& groesse : groessen) {
            SCOPED_TRACE(groesse.width());
            const Fenster zoom = AllesImFenster(doc, groesse.width(), groesse.height());
            EXPECT_TRUE(Geordnet(zoom) || !flug.mitPosition);
        }
    }
}

}  // namespace
