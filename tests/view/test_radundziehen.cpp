// Wheel zoom, + and - and dragging the view in the window, through real events. The same tests
// run again at screen ratios 2 and 1.5, where the canvas has that many device pixels.

#include "TestHilfen.h"
#include "flight/CSarnixDoc.h"
#include "pipeline/Befehle.h"
#include "render/Abbildung.h"
#include "view/CSarnixView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RadUndZiehen : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().clear();
        ASSERT_TRUE(doc.OnOpenDocument(test::Sample("streckenflug-6h.vrl")));
        view = std::make_unique<CSarnixView>(doc);
        view->resize(800, 600);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->DokumentGeoeffnet();
    }
    void TearDown() override
    {
        view.reset();
        QSettings().clear();
    }

    void Rad(QPoint p, int winkel)
    {
        QWheelEvent e(QPointF(p), QPointF(view->mapToGlobal(p)), QPoint(), QPoint(0, winkel), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.get(), &e);
    }

    void Maus(QEvent::Type typ, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons gedrueckt)
    {
        QMouseEvent e(typ, QPointF(p), QPointF(view->mapToGlobal(p)), knopf, gedrueckt, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &e);
    }

    void Ziehe(Qt::MouseButton knopf, QPoint von, QPoint bis)
    {
        Maus(QEvent::MouseButtonPress, von, knopf, knopf);
        Maus(QEvent::MouseMove, (von + bis) / 2, Qt::NoButton, knopf);
        Maus(QEvent::MouseMove, bis, Qt::NoButton, knopf);
        Maus(QEvent::MouseButtonRelease, bis, knopf, Qt::NoButton);
    }

    void Taste(int taste)
    {
        QTest::keyClick(view.get(), static_cast<Qt::Key>(taste));
    }

    // Where a ground position lies in the left pane now.
    Punkt PixelVonOrt(int32_t laenge, int32_t breite) const
    {
        return PixelVon(view->ansicht(), doc, 0, Grundriss, laenge, breite, 0);
    }

    // The ground position under pixel p of the left pane now.
    std::pair<int32_t, int32_t> OrtBei(QPoint p) const
    {
        const Rechteck& e = view->ansicht().ansicht.grafik[0].ecke;
        const Fenster& f = view->ansicht().anzeigeFenster;
        const double quer = double(p.x() - e.left) / (e.right - e.left);
        const double hoch = double(e.bottom - p.y()) / (e.bottom - e.top);
        return {int32_t(f.laengeMin + quer * (double(f.laengeMax) - f.laengeMin)),
                int32_t(f.breiteMin + hoch * (double(f.breiteMax) - f.breiteMin))};
    }

    static int64_t Breite(const Fenster& f) { return int64_t{f.laengeMax} - f.laengeMin; }

    CSarnixDoc doc;
    std::unique_ptr<CSarnixView> view;
};

}  // namespace

TEST_F(RadUndZiehen, RadZoomtUmDenZeigerUndZurueck)
{
    const Fenster ganz = view->ansicht().zoomFenster;
    const QPoint zeiger(250, 200);
    const auto [laenge, breite] = OrtBei(zeiger);
    const QImage vorher = view->leinwand();

    Rad(zeiger, 240);  // two notches away from the user: twice as large
    EXPECT_NEAR(double(Breite(view->ansicht().zoomFenster)), Breite(ganz) / 2.0, 2.0);
    EXPECT_NE(view->leinwand(), vorher);
    const Punkt p = PixelVonOrt(laenge, breite);
    EXPECT_NEAR(p.x, 250, 2);
    EXPECT_NEAR(p.y, 200, 2);

    // Turned back the same way, the whole flight is shown as before.
    Rad(zeiger, -120);
    Rad(zeiger, -120);
    EXPECT_NEAR(view->ansicht().zoomFenster.laengeMin, ganz.laengeMin, 64);
    EXPECT_NEAR(view->ansicht().zoomFenster.breiteMax, ganz.breiteMax, 64);

    // "Anpassen" fits the flight exactly again.
    Rad(zeiger, 360);
    view->Befehl(Befehl::Anpassen);
    EXPECT_EQ(view->ansicht().zoomFenster, doc.ausdehnung);
    EXPECT_EQ(view->leinwand(), vorher);
}

TEST_F(RadUndZiehen, RadAusserhalbDerGrafikTutNichts)
{
    const Fenster ganz = view->ansicht().zoomFenster;
    Rad({720, 300}, 120);  // the legend strip
    Rad({250, 200}, 0);    // a sideways wheel has no vertical turn
    EXPECT_EQ(view->ansicht().zoomFenster, ganz);
    // Over a temperature profile the wheel does nothing either.
    view->Befehl(Befehl::LinksTemperatur);
    Rad({250, 200}, 120);
    EXPECT_EQ(view->ansicht().zoomFenster, ganz);
}

TEST_F(RadUndZiehen, VerkleinernNachDemRadZeigtDasDreifache)
{
    Rad({300, 300}, 480);
    const Fenster z = view->ansicht().zoomFenster;
    const Fenster an = view->ansicht().anzeigeFenster;
    view->Befehl(Befehl::Verkleinern);
    const int64_t d = int64_t{an.breiteMax} - an.breiteMin;
    EXPECT_EQ(view->ansicht().zoomFenster.breiteMax, z.breiteMax + d);
    EXPECT_EQ(view->ansicht().zoomFenster.breiteMin, z.breiteMin - d);
}

TEST_F(RadUndZiehen, MittlereTasteZiehtDenFlugMitUndZeigtDieHand)
{
    const QPoint von(300, 250);
    const QPoint bis(380, 200);
    const auto [laenge, breite] = OrtBei(von);
    Maus(QEvent::MouseButtonPress, von, Qt::MiddleButton, Qt::MiddleButton);
    EXPECT_EQ(view->cursor().shape(), Qt::ClosedHandCursor);
    Maus(QEvent::MouseMove, bis, Qt::NoButton, Qt::MiddleButton);
    const Punkt p = PixelVonOrt(laenge, breite);
    EXPECT_NEAR(p.x, bis.x(), 2);
    EXPECT_NEAR(p.y, bis.y(), 2);
    Maus(QEvent::MouseButtonRelease, bis, Qt::MiddleButton, Qt::NoButton);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(RadUndZiehen, LinksZiehenVerschiebtKlickenWaehltWeiterAus)
{
    view->Befehl(Befehl::GeteilteGrafik);
    const Fenster ganz = view->ansicht().zoomFenster;
    // A click (with a little wobble) in the right pane selects it and moves nothing.
    const QPoint rechts(view->ansicht().ansicht.grafik[1].ecke.left + 50, 300);
    Maus(QEvent::MouseButtonPress, rechts, Qt::LeftButton, Qt::LeftButton);
    Maus(QEvent::MouseMove, rechts + QPoint(1, 1), Qt::NoButton, Qt::LeftButton);
    Maus(QEvent::MouseButtonRelease, rechts + QPoint(1, 1), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(view->ansicht().aktiveGrafik, 1);
    EXPECT_EQ(view->ansicht().zoomFenster, ganz);

    // A drag in the left pane moves the view and leaves the selection as it was.
    Ziehe(Qt::LeftButton, {150, 300}, {100, 340});
    EXPECT_NE(view->ansicht().zoomFenster, ganz);
    EXPECT_EQ(Breite(view->ansicht().zoomFenster), Breite(ganz));
    EXPECT_EQ(view->ansicht().aktiveGrafik, 1);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(RadUndZiehen, ZiehenAusDemFensterHinausUndVerloreneTaste)
{
    const Fenster ganz = view->ansicht().zoomFenster;
    Maus(QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton, Qt::LeftButton);
    Maus(QEvent::MouseMove, {-30000, 90000}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Breite(view->ansicht().zoomFenster), Breite(ganz));
    EXPECT_GT(view->ansicht().zoomFenster.laengeMin, ganz.laengeMin);  // dragged west: the east shows
    // The release went to another window. The next press starts afresh: a click, no drag.
    const Fenster weg = view->ansicht().zoomFenster;
    Maus(QEvent::MouseButtonPress, {400, 300}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
    Maus(QEvent::MouseButtonRelease, {400, 300}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(view->ansicht().zoomFenster, weg);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(RadUndZiehen, MitGespanntemBandZiehtLinksDasBand)
{
    const Fenster ganz = view->ansicht().zoomFenster;
    view->Befehl(Befehl::Vergroessern);
    Maus(QEvent::MouseButtonPress, {200, 200}, Qt::LeftButton, Qt::LeftButton);
    Maus(QEvent::MouseMove, {300, 260}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(view->ansicht().zoomFenster, ganz);  // the band is drawn, the view stays
    Rad({250, 230}, 120);                          // the wheel waits for the band
    EXPECT_EQ(view->ansicht().zoomFenster, ganz);
    Maus(QEvent::MouseButtonRelease, {300, 260}, Qt::LeftButton, Qt::NoButton);
    EXPECT_LT(Breite(view->ansicht().zoomFenster), Breite(ganz) / 3);
}

TEST_F(RadUndZiehen, PlusUndMinusZoomenUmDieMitte)
{
    const Fenster ganz = view->ansicht().zoomFenster;
    Taste(Qt::Key_Plus);
    Taste(Qt::Key_Plus);
    const Fenster z = view->ansicht().zoomFenster;
    EXPECT_NEAR(double(Breite(z)), Breite(ganz) / 2.0, 2.0);
    EXPECT_NEAR(double(z.laengeMin) + z.laengeMax, double(ganz.laengeMin) + ganz.laengeMax, 2.0);
    EXPECT_NEAR(double(z.breiteMin) + z.breiteMax, double(ganz.breiteMin) + ganz.breiteMax, 2.0);
    Taste(Qt::Key_Minus);
    Taste(Qt::Key_Minus);
    EXPECT_NEAR(double(Breite(view->ansicht().zoomFenster)), double(Breite(ganz)), 4.0);
}

TEST_F(RadUndZiehen, LeinwandHatDasPixelverhaeltnisDesBildschirms)
{
    const qreal r = view->devicePixelRatioF();
    const QImage& bild = view->leinwand();
    EXPECT_EQ(bild.devicePixelRatio(), r);
    EXPECT_EQ(bild.width(), qRound(800 * r));
    EXPECT_EQ(bild.height(), qRound(600 * r));
    // The layout stays in logical pixels at every ratio.
    EXPECT_EQ(view->ansicht().ansicht.grafik[0].ecke, (Rechteck{60, 60, 640, 540}));
    // The selection strip under the pane covers its whole device rows.
    const int unten = bild.height() - 1;
    EXPECT_EQ(bild.pixel(0, unten), qRgb(0, 50, 255));
    EXPECT_EQ(bild.pixel(int(639 * r), unten), qRgb(0, 50, 255));
}

TEST_F(RadUndZiehen, SpurcursorUndBandStellenDasBildWiederHer)
{
    const QImage vorher = view->leinwand();
    // The band drawn out and taken back over the same ground leaves the picture as it was.
    view->Befehl(Befehl::Vergroessern);
    Maus(QEvent::MouseButtonPress, {200, 200}, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint p : {QPoint(260, 250), QPoint(330, 300), QPoint(210, 205), QPoint(200, 200)})
        Maus(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(view->leinwand(), vorher);
    Maus(QEvent::MouseButtonRelease, {200, 200}, Qt::LeftButton, Qt::NoButton);
    view->Befehl(Befehl::Anpassen);

    // The track cursor placed on the track and removed again in the legend strip.
    const QImage ohneCursor = view->leinwand();
    const CDaten& fix = doc.datenListe[doc.datenListe.size() / 2];
    const Punkt p = PixelVon(view->ansicht(), doc, 0, Grundriss, fix.laenge, fix.breite, fix.hoehe);
    QTest::mouseDClick(view.get(), Qt::LeftButton, {}, QPoint(p.x, p.y));
    ASSERT_NE(view->leinwand(), ohneCursor);
    QTest::mouseDClick(view.get(), Qt::LeftButton, {}, QPoint(780, 300));
    // The readout panel is cleared to its grey; the pane itself is restored pixel for pixel.
    const qreal r = view->devicePixelRatioF();
    const QRect pane(0, 0, qRound(641 * r), view->leinwand().height());
    EXPECT_EQ(view->leinwand().copy(pane), ohneCursor.copy(pane));
}
