// The draw pipeline on an image: nothing without a flight, the plan view after every open, the
// stored settings' layout, the selection strip, colour changes drawn over the picture, and the
// temperature profile showing what the plan view drawn before it showed.

#include "TestHilfen.h"
#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "render/Zeichenflaeche.h"
#include "pipeline/Einstellungen.h"
#include "pipeline/Zeichnen.h"
#include "pipeline/Zoom.h"

#include <QPainter>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

constexpr QRgb blau = qRgb(0, 50, 255);
constexpr QRgb weiss = qRgb(255, 255, 255);
constexpr QRgb rot = qRgb(255, 0, 0);

class Pipeline : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().clear();
        a.einstellungenLaden = 0;
    }
    void TearDown() override { QSettings().clear(); }

    void Oeffne() { ASSERT_TRUE(doc.OnOpenDocument(test::Sample("lokalflug-1h.vrl"))); }

    // Draws over the image without erasing, as a colour change does.
    void DrueberZeichnen()
    {
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        Zeichnen(doc, a, f);
    }

    CSarnixDoc doc;
    CAnsicht a;
    QImage bild = test::LeeresBild(800, 600);
};

TEST_F(Pipeline, OhneFlugBleibtDasBildLeer)
{
    a.grafikanzahl = 2;
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(test::NichtWeiss(bild), 0);
}

TEST_F(Pipeline, NachDemOeffnenIstLinksDerGrundrissDesGanzenFlugs)
{
    Oeffne();
    a.ansicht.grafik[0].art = Temperaturverlauf;
    a.zoomFenster = Fenster{1, 2, 3, 4, 5, 6};
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(a.ansicht.grafik[0].art, Grundriss);
    EXPECT_EQ(a.zoomFenster, doc.ausdehnung);
    EXPECT_GT(test::NichtWeiss(bild), 1000);

    // Later draws keep the kind the user chose.
    a.ansicht.grafik[0].art = BarogrammWest;
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(a.ansicht.grafik[0].art, BarogrammWest);
}

TEST_F(Pipeline, AnpassenSetztLinksWiederDenGrundriss)
{
    Oeffne();
    NeuZeichnen(doc, a, bild);
    a.ansicht.grafik[0].art = BarogrammNord;
    a.zoomFenster.breiteMax += 5000;
    Anpassen(a);
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(a.ansicht.grafik[0].art, Grundriss);
    EXPECT_EQ(a.zoomFenster, doc.ausdehnung);
}

TEST_F(Pipeline, GespeicherteEinstellungenGeltenAbDemErstenBild)
{
    QSettings s;
    s.setValue(QStringLiteral("Settings/Grafikanzahl"), 2);
    s.setValue(QStringLiteral("Settings/LinkeAnsicht"), 4);
    s.setValue(QStringLiteral("Settings/RechteAnsicht"), 4);
    s.sync();
    Oeffne();
    EinstellungenLesen(a);
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(a.grafikanzahl, 2);
    EXPECT_EQ(a.ansicht.grafik[1].art, Temperaturverlauf);
    EXPECT_EQ(a.ansicht.grafik[0].art, Grundriss);  // a new flight starts with the plan view
    // The picture is laid out for two panes.
    EXPECT_EQ(a.ansicht.grafik[1].ecke, (Rechteck{457, 220, 795, 540}));
    EXPECT_EQ(bild.pixel(0, 599), blau);
    EXPECT_EQ(bild.pixel(397, 599), weiss);
}

TEST_F(Pipeline, AuswahlstreifenUnterDerGewaehltenGrafik)
{
    Oeffne();
    a.grafikanzahl = 2;
    a.aktiveGrafik = 1;
    bild.fill(Qt::red);
    NeuZeichnen(doc, a, bild);
    for (int y = 594; y < 600; ++y) {
        EXPECT_EQ(bild.pixel(0, y), weiss) << y;
        EXPECT_EQ(bild.pixel(396, y), weiss) << y;
        EXPECT_EQ(bild.pixel(397, y), blau) << y;
        EXPECT_EQ(bild.pixel(794, y), blau) << y;
    }
}

TEST_F(Pipeline, FarbwechselZeichnetUeberDasBildOhneZuLoeschen)
{
    Oeffne();
    NeuZeichnen(doc, a, bild);
    // A mark in the top left corner, where no step draws.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            bild.setPixel(x, y, rot);
    const QImage vorher = bild;

    a.ansicht.grafik[0].farbe = Variowerte;
    DrueberZeichnen();
    EXPECT_EQ(bild.pixel(1, 1), rot);
    EXPECT_NE(bild, vorher);  // the legend and the track changed colour

    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(bild.pixel(1, 1), weiss);
}

TEST_F(Pipeline, EinzelgrafikZeichnetNurDieLinkeGrafik)
{
    Oeffne();
    a.ansicht.grafik[1].ecke = Rechteck{500, 300, 600, 400};
    a.ansicht.grafik[1].art = BarogrammWest;
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(a.ansicht.grafik[1].ecke, (Rechteck{500, 300, 600, 400}));
    EXPECT_EQ(bild.pixel(0, 599), blau);
    EXPECT_EQ(bild.pixel(639, 599), blau);
    EXPECT_EQ(bild.pixel(640, 599), weiss);
}

TEST_F(Pipeline, UnbekannteArtZeichnetKeinenGraphen)
{
    Oeffne();
    NeuZeichnen(doc, a, bild);
    const int mitGraph = test::NichtWeiss(bild);
    a.ansicht.grafik[0].art = 0;
    NeuZeichnen(doc, a, bild);
    EXPECT_LT(test::NichtWeiss(bild), mitGraph);
    EXPECT_EQ(bild.pixel(0, 599), blau);  // the strip is still drawn
}

TEST_F(Pipeline, ZoomfensterFernAbDesFlugsZeichnetOhneSpur)
{
    Oeffne();
    NeuZeichnen(doc, a, bild);
    a.zoomFenster.breiteMin += 6'000'000;  // ten degrees north
    a.zoomFenster.breiteMax += 6'000'000;
    NeuZeichnen(doc, a, bild);
    EXPECT_GT(test::NichtWeiss(bild), 0);
}

// With the profile on the left it is drawn before the plan view: it shows the fixes of the window
// the plan view showed in the draw before, however that window changed since.
TEST_F(Pipeline, TemperaturprofilZeigtDieFixeDesZuletztGezeichnetenGrundrisses)
{
    Oeffne();
    a.grafikanzahl = 2;
    a.ansicht.grafik[1].art = Temperaturverlauf;
    NeuZeichnen(doc, a, bild);
    const auto profil = [&](int pane) {  // the green dots of the fixes in the pane
        const Rechteck& e = a.ansicht.grafik[static_cast<size_t>(pane)].ecke;
        int dots = 0;
        for (int y = e.top; y <= e.bottom; ++y)
            for (int x = e.left; x <= e.right; ++x)
                dots += bild.pixel(x, y) == qRgb(0, 255, 0);
        return dots;
    };
    const int ganzerFlug = profil(1);
    EXPECT_GT(ganzerFlug, 2000);

    a.ansicht.grafik[0].art = Temperaturverlauf;
    a.ansicht.grafik[1].art = Grundriss;
    a.zoomFenster.breiteMin += 6'000'000;  // ten degrees north: no fix in the plan view
    a.zoomFenster.breiteMax += 6'000'000;
    NeuZeichnen(doc, a, bild);
    const int vorher = profil(0);
    EXPECT_GT(vorher, ganzerFlug * 9 / 10);
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(profil(0), 0);
}

TEST_F(Pipeline, OftVerkleinertUndWinzigeFensterStuerzenNichtAb)
{
    Oeffne();
    a.grafikanzahl = 2;
    a.ansicht.grafik[1].art = BarogrammNord;
    NeuZeichnen(doc, a, bild);
    for (int i = 0; i < 40; ++i) {
        Verkleinern(a);
        NeuZeichnen(doc, a, bild);
    }
    EXPECT_LT(a.zoomFenster.breiteMin, a.zoomFenster.breiteMax);
    for (const QSize groesse : {QSize(1, 1), QSize(10, 10), QSize(64, 300), QSize(300, 50)}) {
        for (int8_t anzahl : {int8_t{1}, int8_t{2}}) {
            a.grafikanzahl = anzahl;
            Anpassen(a);
            QImage klein = test::LeeresBild(groesse.width(), groesse.height());
            NeuZeichnen(doc, a, klein);
        }
    }
}

}  // namespace
