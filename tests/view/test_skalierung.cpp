// The window's picture at a screen ratio: device pixels for every logical one, the same layout,
// and the window showing exactly what sarnix-cli render --skalierung draws.

#include "TestHilfen.h"
#include "flight/CSarnixDoc.h"
#include "pipeline/Befehle.h"
#include "pipeline/BildWahl.h"
#include "view/CSarnixView.h"

#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb blau = qRgb(0, 50, 255);

class Skalierung : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().clear();
        ASSERT_TRUE(doc.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
    }
    void TearDown() override { QSettings().clear(); }

    QImage Bild(double skalierung, int grafiken = 1)
    {
        BildWahl wahl;
        wahl.breite = 640;
        wahl.hoehe = 400;
        wahl.grafikanzahl = static_cast<int8_t>(grafiken);
        wahl.rechteArt = BarogrammWest;
        wahl.zeitmarken = 1;
        wahl.wegpunkte = 1;
        wahl.skalierung = skalierung;
        return WahlBild(doc, wahl);
    }

    CSarnixDoc doc;
};

using SarnixViewVerhaeltnis = Skalierung;

}  // namespace

TEST_F(Skalierung, DoppeltSoVielePixelGleicheAufteilung)
{
    const QImage eins = Bild(1.0, 2);
    const QImage zwei = Bild(2.0, 2);
    ASSERT_EQ(zwei.size(), QSize(1280, 800));
    EXPECT_EQ(zwei.devicePixelRatio(), 2.0);
    // Flat areas (the selection strip, the white margins) lie on the same logical pixels.
    for (const QPoint p : {QPoint(0, 399), QPoint(300, 398), QPoint(10, 10), QPoint(630, 390), QPoint(320, 200)}) {
        if (eins.pixel(p) != blau && eins.pixel(p) != qRgb(255, 255, 255))
            continue;
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                EXPECT_EQ(zwei.pixel(2 * p.x() + dx, 2 * p.y() + dy), eins.pixel(p)) << p.x() << "," << p.y();
    }
    // Lines twice as wide and long, texts twice as large: about four times the ink.
    const double verhaeltnis = double(test::NichtWeiss(zwei)) / test::NichtWeiss(eins);
    EXPECT_GT(verhaeltnis, 3.2);
    EXPECT_LT(verhaeltnis, 4.8);
}

TEST_F(Skalierung, KeinGanzzahligesVerhaeltnis)
{
    for (const double r : {1.25, 1.5, 1.75}) {
        const QImage bild = Bild(r);
        EXPECT_EQ(bild.size(), QSize(qRound(640 * r), qRound(400 * r))) << r;
        EXPECT_EQ(bild.pixel(0, bild.height() - 1), blau) << r;
        EXPECT_GT(test::NichtWeiss(bild), test::NichtWeiss(Bild(1.0))) << r;
    }
}

TEST_F(SarnixViewVerhaeltnis, FensterZeigtWasDieKommandozeileZeichnet)
{
    CSarnixDoc fensterDoc;
    ASSERT_TRUE(fensterDoc.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
    CSarnixView view(fensterDoc);
    view.resize(640, 400);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.DokumentGeoeffnet();
    view.Befehl(Befehl::GeteilteGrafik);
    view.Befehl(Befehl::RechtsOsten);  // looking west
    view.Befehl(Befehl::Zeitmarken);
    view.Befehl(Befehl::Routenpunkte);
    const QImage bild = Bild(view.devicePixelRatioF(), 2);
    EXPECT_EQ(bild.size(), view.leinwand().size());
    EXPECT_EQ(bild, view.leinwand());
}

// The window after the user's steps shows what the command line works out without replaying
// them: each zoom-out widens what the draw before showed, and a temperature profile put on the
// left shows the fixes of the plan view that was there before.
TEST_F(SarnixViewVerhaeltnis, FensterNachSchrittenWieAusgerechnet)
{
    struct Fall {
        int8_t anzahl;
        int rechts;
        int8_t rechteArt;
        int links;
        int8_t linkeArt;
        int verkleinern;
    };
    for (const Fall& fall : {Fall{2, Befehl::RechtsOben, Grundriss, Befehl::LinksTemperatur, Temperaturverlauf, 2},
                             Fall{1, Befehl::RechtsOben, Grundriss, Befehl::LinksTemperatur, Temperaturverlauf, 1},
                             Fall{2, Befehl::RechtsTemperatur, Temperaturverlauf, Befehl::LinksSueden, BarogrammNord, 3}}) {
        QSettings().clear();
        CSarnixDoc fensterDoc;
        ASSERT_TRUE(fensterDoc.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
        CSarnixView view(fensterDoc);
        view.resize(640, 400);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.DokumentGeoeffnet();
        if (fall.anzahl == 2)
            view.Befehl(Befehl::GeteilteGrafik);
        view.Befehl(fall.rechts);
        for (int i = 0; i < fall.verkleinern; ++i)
            view.Befehl(Befehl::Verkleinern);
        view.Befehl(fall.links);

        BildWahl wahl;
        wahl.breite = 640;
        wahl.hoehe = 400;
        wahl.grafikanzahl = fall.anzahl;
        wahl.linkeArt = fall.linkeArt;
        wahl.rechteArt = fall.rechteArt;
        wahl.verkleinern = fall.verkleinern;
        wahl.skalierung = view.devicePixelRatioF();
        EXPECT_EQ(WahlBild(doc, wahl), view.leinwand()) << int(fall.linkeArt) << " " << fall.verkleinern;
    }
}
