// The picture of sarnix-cli render: the same as the window's, step by step as the user would go.

#include "TestHilfen.h"
#include "flight/CSarnixDoc.h"
#include "pipeline/Befehle.h"
#include "view/CSarnixView.h"
#include "pipeline/FensterBild.h"

#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FensterBildTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().clear();
        ASSERT_TRUE(doc.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
    }
    void TearDown() override { QSettings().clear(); }

    // Non-white pixels inside a rectangle.
    static int Farbig(const QImage& bild, const QRect& r)
    {
        return test::NichtWeiss(bild.copy(r));
    }

    CSarnixDoc doc;
};

TEST_F(FensterBildTest, GleichesBildWieDasFensterBeimErstenStart)
{
    CSarnixDoc fensterDoc;
    ASSERT_TRUE(fensterDoc.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
    CSarnixView view(fensterDoc);
    view.resize(800, 600);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.DokumentGeoeffnet();
    view.Befehl(Befehl::GeteilteGrafik);

    BildWahl wahl;
    wahl.breite = 800;
    wahl.hoehe = 600;
    wahl.grafikanzahl = 2;
    EXPECT_EQ(FensterBild(doc, wahl), view.leinwand());
}

TEST_F(FensterBildTest, StandardIstEinGrundrissIn1280Mal800)
{
    const QImage bild = FensterBild(doc, BildWahl{});
    EXPECT_EQ(bild.size(), QSize(1280, 800));
    EXPECT_EQ(bild.pixel(0, 799), qRgb(0, 50, 255));
    EXPECT_GT(Farbig(bild, QRect(60, 60, 1060, 680)), 1000);
}

TEST_F(FensterBildTest, TemperaturverlaufLinksZeigtWasDerGrundrissMarkierte)
{
    BildWahl wahl;
    wahl.linkeArt = Temperaturverlauf;
    wahl.linkeFarbe = Temperaturgradient;
    const QImage bild = FensterBild(doc, wahl);
    int markiert = 0;
    for (const CDaten& fix : doc.datenListe)
        markiert += fix.imAusschnitt;
    EXPECT_GT(markiert, 3000);
    EXPECT_NE(bild, FensterBild(doc, BildWahl{}));
    EXPECT_GT(Farbig(bild, QRect(61, 61, 1058, 678)), 1000);
}

TEST_F(FensterBildTest, ZoomUndVerkleinernAendernDasBild)
{
    const QImage ganz = FensterBild(doc, BildWahl{});
    BildWahl wahl;
    Fenster mitte = doc.ausdehnung;
    const int32_t viertelL = (mitte.laengeMax - mitte.laengeMin) / 4;
    const int32_t viertelB = (mitte.breiteMax - mitte.breiteMin) / 4;
    mitte.laengeMin += viertelL;
    mitte.laengeMax -= viertelL;
    mitte.breiteMin += viertelB;
    mitte.breiteMax -= viertelB;
    wahl.zoom = mitte;
    const QImage gezoomt = FensterBild(doc, wahl);
    EXPECT_NE(gezoomt, ganz);

    wahl.verkleinern = 1;  // three times out from the zoomed window
    const QImage zurueck = FensterBild(doc, wahl);
    EXPECT_NE(zurueck, gezoomt);
    EXPECT_NE(zurueck, ganz);
}

TEST_F(FensterBildTest, OhneFlugLeerUndUnmoeglicheGroesseNull)
{
    CSarnixDoc leer;
    EXPECT_EQ(test::NichtWeiss(FensterBild(leer, BildWahl{})), 0);
    BildWahl wahl;
    wahl.breite = 0;
    EXPECT_TRUE(FensterBild(doc, wahl).isNull());
}

}  // namespace
