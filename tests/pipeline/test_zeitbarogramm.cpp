// The barogram over time in the pipeline: where a fix lands, the time axis steps, zooming in time
// with the band, three times out and back to the whole flight, the status text of a span, the
// track cursor, the stored kind, the commands and the thermal overlay.

#include "TestHilfen.h"
#include "flight/CSarnixDoc.h"
#include "flight/FarbIndex.h"
#include "pipeline/Befehle.h"
#include "pipeline/Einstellungen.h"
#include "pipeline/SpurCursor.h"
#include "pipeline/ZeitSpanne.h"
#include "pipeline/Zeichnen.h"
#include "pipeline/Zoom.h"
#include "pipeline/ZoomSchwenk.h"
#include "render/Ansicht.h"
#include "render/Graphen.h"
#include "render/Thermiken.h"

#include <QPainter>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

constexpr int32_t mittag = 12 * 3600;

class KeineUhr final : public CursorUhr {
public:
    void Starte(int, int) override {}
    void Stoppe(int) override {}
};

class Zeitbarogramm : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().clear();
        a.einstellungenLaden = 0;
        // Ten minutes from noon, one fix a second, climbing 1 m/s from 1000 m, flying north.
        for (int i = 0; i <= 600; ++i) {
            CDaten f;
            f.zeit = mittag + i;
            f.hoehe = static_cast<int16_t>(1000 + i);
            f.vario = 10;
            f.hatPosition = 1;
            f.breite = 528000000 + 60 * i;
            f.laenge = 506000000;
            doc.datenListe.push_back(f);
        }
        doc.geladen = 1;
        doc.BerechneAusdehnung();
        doc.BerechneMassstab();
        NeuZeichnen(doc, a, bild);  // the first draw of a flight: the plan view
        a.ansicht.grafik[0].art = BarogrammZeit;
        NeuZeichnen(doc, a, bild);
    }
    void TearDown() override { QSettings().clear(); }

    const Rechteck& Ecke(int pane = 0) const { return a.ansicht.grafik[static_cast<size_t>(pane)].ecke; }
    // The column of a time in the pane as drawn.
    int32_t X(int32_t zeit, int pane = 0) const
    {
        const Rechteck& e = Ecke(pane);
        return e.left + static_cast<int32_t>(static_cast<int64_t>(zeit - a.zeitAnzeige.von) * (e.right - e.left)
                                             / (a.zeitAnzeige.bis - a.zeitAnzeige.von));
    }
    void Band(int32_t von, int32_t bis)
    {
        a.bandStart = {X(von), Ecke().top + 10};
        a.bandEnde = {X(bis), Ecke().bottom - 10};
        ASSERT_TRUE(BandZuFenster(a, 0));
        NeuZeichnen(doc, a, bild);
    }

    CSarnixDoc doc;
    CAnsicht a;
    QImage bild = test::LeeresBild(1000, 700);
};

TEST_F(Zeitbarogramm, FixeLiegenBeiIhrerZeitUndHoehe)
{
    EXPECT_EQ(a.zeitAnzeige, (ZeitFenster{mittag, mittag + 600}));
    const Rechteck& e = Ecke();
    // 12:05:30, 1330 m: 55 % across, 1330/1600 of the way up.
    const int32_t x = X(mittag + 330);
    const int32_t y = e.bottom - static_cast<int32_t>(1330.0 * (e.bottom - e.top) / 1600.0);
    int getroffen = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            getroffen += bild.pixel(x + dx, y + dy) != qRgb(255, 255, 255);
    EXPECT_GE(getroffen, 3);
    // Nothing of the track below 1000 m.
    const int32_t y900 = e.bottom - static_cast<int32_t>(900.0 * (e.bottom - e.top) / 1600.0);
    EXPECT_EQ(bild.pixel(x, y900), qRgb(255, 255, 255));
}

TEST_F(Zeitbarogramm, ZeitachseInGanzenMinutenUndStunden)
{
    EXPECT_EQ(ZeitGitterSchritt(600), 60);
    EXPECT_EQ(ZeitGitterSchritt(721), 120);
    EXPECT_EQ(ZeitGitterSchritt(3600), 300);
    EXPECT_EQ(ZeitGitterSchritt(6 * 3600), 1800);
    EXPECT_EQ(ZeitGitterSchritt(24 * 3600), 7200);
    EXPECT_EQ(ZeitGitterSchritt(20 * 24 * 3600), 2 * 86400);
    EXPECT_GT(ZeitGitterSchritt(0), 0);
}

TEST_F(Zeitbarogramm, BandZoomtInDerZeitVerkleinernUndAnpassen)
{
    Band(mittag + 120, mittag + 240);
    EXPECT_NEAR(a.zeitAnzeige.von, mittag + 120, 1);
    EXPECT_NEAR(a.zeitAnzeige.bis, mittag + 240, 1);
    // The ground window is not touched by a band in time.
    EXPECT_EQ(a.zoomFenster, doc.ausdehnung);

    const ZeitFenster gewaehlt = a.zeitAnzeige;
    Verkleinern(a);
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(a.zeitAnzeige.von, gewaehlt.von - (gewaehlt.bis - gewaehlt.von));
    EXPECT_EQ(a.zeitAnzeige.bis, gewaehlt.bis + (gewaehlt.bis - gewaehlt.von));
    // Out again: held to the flight.
    Verkleinern(a);
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(a.zeitAnzeige, (ZeitFenster{mittag, mittag + 600}));

    Band(mittag + 100, mittag + 110);  // narrower than a minute: a minute about its middle
    EXPECT_NEAR(a.zeitAnzeige.bis - a.zeitAnzeige.von, 60, 1);
    Anpassen(a);
    NeuZeichnen(doc, a, bild);  // fitting shows the plan view on the left again, as after opening
    a.ansicht.grafik[0].art = BarogrammZeit;
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(a.zeitAnzeige, (ZeitFenster{mittag, mittag + 600}));
    EXPECT_FALSE(a.zeitFenster.Gesetzt());
}

TEST_F(Zeitbarogramm, NebenDemGrundrissNimmtJedeGrafikIhrBand)
{
    a.grafikanzahl = 2;
    a.ansicht.grafik[0].art = Grundriss;
    a.ansicht.grafik[1].art = BarogrammZeit;
    NeuZeichnen(doc, a, bild);
    const Fenster grund = a.zoomFenster;
    const auto ziehe = [&](Punkt von, Punkt bis) {
        a.zoomBereit = 1;
        ASSERT_TRUE(BandDruecken(a, doc, von));
        ASSERT_TRUE(BandLoslassen(a, bis));
        NeuZeichnen(doc, a, bild);
    };
    ziehe({X(mittag + 300, 1), Ecke(1).top + 10}, {X(mittag + 420, 1), Ecke(1).bottom - 10});
    EXPECT_EQ(a.bandGrafik, 1);
    EXPECT_NEAR(a.zeitAnzeige.von, mittag + 300, 1);
    EXPECT_NEAR(a.zeitAnzeige.bis, mittag + 420, 1);
    EXPECT_EQ(a.zoomFenster, grund);

    const ZeitFenster zeit = a.zeitAnzeige;
    ziehe({Ecke(0).left + 10, Ecke(0).top + 10}, {Ecke(0).left + 100, Ecke(0).top + 100});
    EXPECT_EQ(a.bandGrafik, 0);
    EXPECT_NE(a.zoomFenster, grund);
    EXPECT_EQ(a.zeitAnzeige, zeit);
}

TEST_F(Zeitbarogramm, RadUndZiehenWirkenInDerZeit)
{
    // The time under the pointer keeps its column; the ground window stays as it was.
    const Punkt zeiger{X(mittag + 150), Ecke().top + 20};
    ASSERT_EQ(ZoomGrafikBei(a, zeiger), 0);
    ASSERT_TRUE(ZoomUmPunkt(a, doc, 0, zeiger, 0.5));
    NeuZeichnen(doc, a, bild);
    EXPECT_NEAR(a.zeitAnzeige.bis - a.zeitAnzeige.von, 300, 1);
    EXPECT_NEAR(X(mittag + 150), zeiger.x, 1);
    EXPECT_EQ(a.zoomFenster, doc.ausdehnung);

    // Dragging right brings earlier time into view, and stops at the flight's start.
    Schwenk schwenk;
    ASSERT_TRUE(schwenk.Beginnen(a, doc, zeiger));
    const int32_t vorher = a.zeitAnzeige.von;
    ASSERT_TRUE(schwenk.Ziehen(a, {zeiger.x + (Ecke().right - Ecke().left) / 10, zeiger.y}));
    NeuZeichnen(doc, a, bild);
    EXPECT_NEAR(a.zeitAnzeige.von, vorher - 30, 1);
    schwenk.Ziehen(a, {zeiger.x + 5000, zeiger.y});
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(a.zeitAnzeige.von, mittag);
    EXPECT_NEAR(a.zeitAnzeige.bis - a.zeitAnzeige.von, 300, 1);
    schwenk.Beenden();

    // No closer than a minute; the + key zooms the selected time pane about its middle.
    for (int i = 0; i < 10; ++i)
        ZoomUmPunkt(a, doc, 0, zeiger, 0.5);
    NeuZeichnen(doc, a, bild);
    EXPECT_NEAR(a.zeitAnzeige.bis - a.zeitAnzeige.von, 60, 1);
    a.aktiveGrafik = 0;
    EXPECT_FALSE(ZoomUmMitte(a, doc, 0.5));
    ASSERT_TRUE(ZoomUmMitte(a, doc, 4.0));
    NeuZeichnen(doc, a, bild);
    EXPECT_NEAR(a.zeitAnzeige.bis - a.zeitAnzeige.von, 240, 1);
    // Out beyond the flight is the whole flight, no longer a choice.
    ASSERT_TRUE(ZoomUmPunkt(a, doc, 0, zeiger, 100.0));
    EXPECT_FALSE(a.zeitFenster.Gesetzt());
    NeuZeichnen(doc, a, bild);
    EXPECT_EQ(a.zeitAnzeige, (ZeitFenster{mittag, mittag + 600}));
}

TEST_F(Zeitbarogramm, ThermikenAmSelbenOrtVerdeckenEinanderNicht)
{
    // Thermals flown at one spot: each gets its mark, but only two labels find room beside it.
    const auto rot = [&](size_t anzahl) {
        Flugphase thermik;
        thermik.art = PhasenArt::Thermik;
        thermik.zeitVon = mittag + 200;
        thermik.zeitBis = mittag + 300;
        thermik.hoeheVon = thermik.hoeheBis = 1250;
        thermik.mittelSteigen = 1.5;
        QImage leer = test::LeeresBild(1000, 700);
        QPainter maler(&leer);
        Zeichenflaeche f(maler);
        ZeichneThermiken(doc, std::vector<Flugphase>(anzahl, thermik), a, f, 0);
        maler.end();
        int n = 0;
        for (int y = 0; y < leer.height(); ++y)
            for (int x = 0; x < leer.width(); ++x)
                n += leer.pixel(x, y) == qRgb(200, 0, 0);
        return n;
    };
    const int eine = rot(1);
    EXPECT_GT(eine, 100);
    EXPECT_GT(rot(2), eine + 50);
    EXPECT_EQ(rot(3), rot(2));
}

TEST_F(Zeitbarogramm, StatuszeileNenntDauerHoehenunterschiedUndSteigen)
{
    EXPECT_EQ(ZeitSpannenText(doc, {mittag + 120, mittag + 240}),
              QStringLiteral("12:02:00 bis 12:04:00: Dauer 0:02:00, Höhenunterschied +120 m, mittleres Steigen 1.00 m/s"));
    EXPECT_TRUE(ZeitSpannenText(doc, {mittag + 700, mittag + 800}).isEmpty());
    EXPECT_TRUE(ZeitSpannenText(CSarnixDoc{}, {0, 100}).isEmpty());
}

TEST_F(Zeitbarogramm, DoppelklickSetztDenCursorAufDieZeitUndPfeileSchreiten)
{
    a.grafikanzahl = 2;
    a.ansicht.grafik[1].art = Grundriss;
    NeuZeichnen(doc, a, bild);
    KeineUhr uhr;
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    CursorZustand z;
    CSpurCursor cursor(doc, a, z, uhr);
    cursor.Doppelklick({X(mittag + 300), (Ecke().top + Ecke().bottom) / 2}, f);
    EXPECT_NEAR(z.pos, 300, 1);
    const ListenPos vorher = z.pos;
    cursor.CursorBewegen(VK_RIGHT, f);
    EXPECT_EQ(z.pos, vorher + 1);
    cursor.CursorBewegen(VK_LEFT, f);
    cursor.CursorBewegen(VK_LEFT, f);
    EXPECT_EQ(z.pos, vorher - 1);
}

TEST_F(Zeitbarogramm, GespeicherteArtUndBefehle)
{
    a.ansicht.grafik[1].art = BarogrammZeit;
    EinstellungenSchreiben(a);
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/LinkeAnsicht")).toInt(), 5);
    CAnsicht gelesen;
    EinstellungenLesen(gelesen);
    EXPECT_EQ(gelesen.ansicht.grafik[0].art, BarogrammZeit);
    EXPECT_EQ(gelesen.ansicht.grafik[1].art, BarogrammZeit);
    QSettings().setValue(QStringLiteral("Settings/LinkeAnsicht"), 6);
    EinstellungenLesen(gelesen);
    EXPECT_EQ(gelesen.ansicht.grafik[0].art, Grundriss);

    CAnsicht b;
    EXPECT_EQ(BefehlAnwenden(b, doc, Befehl::RechtsZeit), BefehlFolge::NeuZeichnen);
    EXPECT_EQ(b.ansicht.grafik[1].art, BarogrammZeit);
    b.aktiveGrafik = 0;
    BefehlAnwenden(b, doc, Befehl::AktivZeit);
    EXPECT_EQ(b.ansicht.grafik[0].art, BarogrammZeit);
    EXPECT_FALSE(BefehlMarkiert(b, Befehl::Thermiken));
    BefehlAnwenden(b, doc, Befehl::Thermiken);
    EXPECT_TRUE(BefehlMarkiert(b, Befehl::Thermiken));
    EXPECT_EQ(BefehlAnwenden(b, doc, Befehl::Flugphasen), BefehlFolge::Flugphasen);
    EXPECT_FALSE(BefehlAktiv(b, CSarnixDoc{}, Befehl::LinksZeit));
}

TEST(Thermiken, MarkenNurWennEingeschaltetUndNichtImTemperaturverlauf)
{
    QSettings().clear();
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
    const auto rote = [&](int8_t art, int32_t thermiken) {
        CAnsicht a;
        a.einstellungenLaden = 0;
        QImage bild = test::LeeresBild(1000, 700);
        NeuZeichnen(doc, a, bild);
        a.ansicht.grafik[0].art = art;
        a.thermiken = thermiken;
        NeuZeichnen(doc, a, bild);
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                n += bild.pixel(x, y) == qRgb(200, 0, 0);
        return n;
    };
    for (const int8_t art : {Grundriss, BarogrammWest, BarogrammNord, BarogrammZeit}) {
        SCOPED_TRACE(art);
        EXPECT_EQ(rote(art, 0), 0);
        EXPECT_GT(rote(art, 1), 100);
    }
    EXPECT_EQ(rote(Temperaturverlauf, 1), 0);
}

}  // namespace
