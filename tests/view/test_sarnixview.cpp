// The graph view widget driven through real events: first draw, commands, pane selection,
// the rubber band, settings written at the end, the configuration dialog.

#include "TestHilfen.h"
#include "view/CFlugInfoDlg.h"
#include "flight/CSarnixDoc.h"
#include "flight/Flugphasen.h"
#include "render/Abbildung.h"
#include "pipeline/Befehle.h"
#include "view/CKonfigDlg.h"
#include "view/CSarnixView.h"

#include <QApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr QRgb blau = qRgb(0, 50, 255);
constexpr QRgb weiss = qRgb(255, 255, 255);

class SarnixView : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().clear();
        ASSERT_TRUE(doc.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
    }
    void TearDown() override
    {
        view.reset();
        QSettings().clear();
    }

    // Shows the view at 800 x 600 and lets it draw the open flight.
    void Zeige()
    {
        view = std::make_unique<CSarnixView>(doc);
        view->resize(800, 600);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->DokumentGeoeffnet();
    }

    QRgb Pixel(int x, int y) const { return view->leinwand().pixel(x, y); }
    const CAnsicht& Zustand() const { return view->ansicht(); }

    CSarnixDoc doc;
    std::unique_ptr<CSarnixView> view;
};

TEST_F(SarnixView, ErstesBildZeigtDenGrundrissAufWeiss)
{
    Zeige();
    EXPECT_EQ(view->leinwand().size(), QSize(800, 600));
    EXPECT_EQ(Zustand().einstellungenLaden, 0);
    EXPECT_EQ(Zustand().ansicht.grafik[0].art, Grundriss);
    EXPECT_EQ(Zustand().ansicht.grafik[0].ecke, (Rechteck{60, 60, 640, 540}));
    EXPECT_EQ(Pixel(0, 0), weiss);
    EXPECT_EQ(Pixel(0, 599), blau);
    EXPECT_EQ(view->focusPolicy(), Qt::StrongFocus);
}

TEST_F(SarnixView, SchonDasZeigenZeichnet)
{
    view = std::make_unique<CSarnixView>(doc);
    QSignalSpy geaendert(view.get(), &CSarnixView::ansichtGeaendert);
    view->resize(640, 480);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    EXPECT_EQ(view->leinwand().size(), QSize(640, 480));
    EXPECT_EQ(Zustand().einstellungenLaden, 0);
    EXPECT_GE(geaendert.count(), 1);  // the stored settings may change the menus' marks
    EXPECT_EQ(Pixel(0, 479), blau);
}

TEST_F(SarnixView, GroesseAendernZeichntFuerDieNeueGroesse)
{
    Zeige();
    view->resize(1000, 500);
    QTest::qWait(20);
    EXPECT_EQ(view->leinwand().size(), QSize(1000, 500));
    EXPECT_EQ(Zustand().ansicht.grafik[0].ecke, (Rechteck{60, 60, 840, 440}));
    EXPECT_EQ(Pixel(839, 499), blau);
}

TEST_F(SarnixView, BefehleAendernZustandUndBild)
{
    Zeige();
    QSignalSpy geaendert(view.get(), &CSarnixView::ansichtGeaendert);
    const QImage einzeln = view->leinwand();

    EXPECT_TRUE(view->Befehl(Befehl::GeteilteGrafik));
    EXPECT_EQ(Zustand().grafikanzahl, 2);
    EXPECT_TRUE(view->BefehlMarkiert(Befehl::GeteilteGrafik));
    EXPECT_NE(view->leinwand(), einzeln);
    EXPECT_EQ(Zustand().ansicht.grafik[1].ecke, (Rechteck{457, 220, 795, 540}));
    EXPECT_GE(geaendert.count(), 1);

    EXPECT_TRUE(view->Befehl(Befehl::Einzelgrafik));
    EXPECT_EQ(view->leinwand(), einzeln);

    EXPECT_FALSE(view->Befehl(Befehl::Oeffnen));  // the main window's
}

TEST_F(SarnixView, ZeitmarkenZweimalGebenDasAlteBild)
{
    Zeige();
    const QImage vorher = view->leinwand();
    view->Befehl(Befehl::Zeitmarken);
    EXPECT_NE(view->leinwand(), vorher);
    EXPECT_TRUE(view->BefehlMarkiert(Befehl::Zeitmarken));
    view->Befehl(Befehl::Zeitmarken);
    EXPECT_EQ(view->leinwand(), vorher);
}

TEST_F(SarnixView, KlickRechtsDerLinkenGrafikWaehltDieRechte)
{
    Zeige();
    view->Befehl(Befehl::GeteilteGrafik);
    EXPECT_EQ(Pixel(100, 599), blau);
    EXPECT_EQ(Pixel(500, 599), weiss);

    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(397, 300));
    EXPECT_EQ(Zustand().aktiveGrafik, 1);
    EXPECT_EQ(Pixel(100, 599), weiss);
    EXPECT_EQ(Pixel(500, 599), blau);

    // The next colour button changes only the right pane.
    view->Befehl(Befehl::AktivWind);
    EXPECT_EQ(Zustand().ansicht.grafik[1].farbe, Wind);
    EXPECT_EQ(Zustand().ansicht.grafik[0].farbe, KeineFaerbung);

    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(396, 300));
    EXPECT_EQ(Zustand().aktiveGrafik, 0);
    EXPECT_EQ(Pixel(100, 599), blau);
}

TEST_F(SarnixView, FarbwechselZeichnetDieLegendeNeu)
{
    Zeige();
    const QImage vorher = view->leinwand();
    view->Befehl(Befehl::LinksVario);
    EXPECT_EQ(Zustand().ansicht.grafik[0].farbe, Variowerte);
    EXPECT_NE(view->leinwand(), vorher);
}

TEST_F(SarnixView, GummibandVergroessert)
{
    Zeige();
    const Fenster gezeigt = Zustand().anzeigeFenster;
    const QImage bildVorher = view->leinwand();

    EXPECT_TRUE(view->Befehl(Befehl::Vergroessern));
    EXPECT_EQ(Zustand().zoomBereit, 1);
    EXPECT_EQ(QWidget::mouseGrabber(), view.get());

    QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_EQ(Zustand().zoomZiehen, 1);
    QTest::mouseMove(view.get(), QPoint(320, 260));
    // The band is drawn by inverting: its top edge differs from the picture underneath.
    EXPECT_EQ(Zustand().bandAktuell, (Punkt{320, 260}));
    EXPECT_EQ(Pixel(260, 200), ~bildVorher.pixel(260, 200) | 0xFF000000);

    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(320, 260));
    EXPECT_EQ(Zustand().zoomBereit, 0);
    EXPECT_EQ(Zustand().zoomZiehen, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    // A band of 120 x 60 pixels in a pane of 580 x 480 shows a fifth of the shown width.
    const Fenster& neu = Zustand().zoomFenster;
    EXPECT_GT(neu.laengeMin, gezeigt.laengeMin);
    EXPECT_LT(neu.laengeMax, gezeigt.laengeMax);
    EXPECT_GT(neu.breiteMin, gezeigt.breiteMin);
    EXPECT_LT(neu.breiteMax, gezeigt.breiteMax);
    EXPECT_NEAR(double(neu.laengeMax - neu.laengeMin) / (gezeigt.laengeMax - gezeigt.laengeMin),
                120.0 / 580.0, 0.01);
    EXPECT_NE(view->leinwand(), bildVorher);
    EXPECT_EQ(Zustand().aktiveGrafik, 0);  // ending a zoom selects no pane

    view->Befehl(Befehl::Anpassen);
    EXPECT_EQ(Zustand().zoomFenster, doc.ausdehnung);
    EXPECT_EQ(view->leinwand(), bildVorher);
}

TEST_F(SarnixView, VerkleinernZeigtMehr)
{
    Zeige();
    const Fenster vorher = Zustand().zoomFenster;
    view->Befehl(Befehl::Verkleinern);
    EXPECT_GT(Zustand().zoomFenster.breiteMax, vorher.breiteMax);
    EXPECT_LT(Zustand().zoomFenster.breiteMin, vorher.breiteMin);
}

TEST_F(SarnixView, OhneFlugBleibtDasFensterLeerUndZoomtNicht)
{
    doc.Leeren();
    Zeige();
    EXPECT_EQ(test::NichtWeiss(view->leinwand()), 0);
    EXPECT_FALSE(view->BefehlAktiv(Befehl::Drucken));
    EXPECT_TRUE(view->BefehlAktiv(Befehl::FlugInformationen));
    view->Befehl(Befehl::Vergroessern);
    EXPECT_EQ(Zustand().zoomBereit, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(700, 300));
    EXPECT_EQ(Zustand().aktiveGrafik, 1);
    EXPECT_EQ(test::NichtWeiss(view->leinwand()), 0);
}

TEST_F(SarnixView, EinstellungenWerdenAmEndeGeschriebenUndBeimNaechstenStartGelesen)
{
    Zeige();
    view->Befehl(Befehl::GeteilteGrafik);
    view->Befehl(Befehl::RechtsTemperatur);
    view->Befehl(Befehl::LinksOsten);
    view.reset();
    QSettings s;
    EXPECT_EQ(s.value(QStringLiteral("Settings/Grafikanzahl")).toInt(), 2);
    EXPECT_EQ(s.value(QStringLiteral("Settings/RechteAnsicht")).toInt(), 4);
    EXPECT_EQ(s.value(QStringLiteral("Settings/LinkeAnsicht")).toInt(), 2);

    // The next start: two panes, the right one the temperature profile, the left a plan view.
    ASSERT_TRUE(doc.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
    Zeige();
    EXPECT_EQ(Zustand().grafikanzahl, 2);
    EXPECT_EQ(Zustand().ansicht.grafik[1].art, Temperaturverlauf);
    EXPECT_EQ(Zustand().ansicht.grafik[0].art, Grundriss);
}

TEST_F(SarnixView, NieGezeichneteAnsichtUeberschreibtKeineEinstellungen)
{
    QSettings().setValue(QStringLiteral("Settings/Grafikanzahl"), 2);
    {
        CSarnixView unsichtbar(doc);
    }
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/Grafikanzahl")).toInt(), 2);
    EXPECT_FALSE(QSettings().contains(QStringLiteral("Settings/RechteFarbe")));
}

TEST_F(SarnixView, KonfigurationUebernimmtDieWahl)
{
    Zeige();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CKonfigDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->anzahl, 1);
        EXPECT_EQ(dialog->rechteFarbe, Variowerte);
        dialog->anzahl = 2;
        dialog->rechteAnsicht = BarogrammNord;
        dialog->accept();
    });
    EXPECT_TRUE(view->Befehl(Befehl::Einstellungen));
    EXPECT_EQ(Zustand().grafikanzahl, 2);
    EXPECT_EQ(Zustand().ansicht.grafik[1].art, BarogrammNord);
    EXPECT_EQ(Zustand().ansicht.grafik[1].ecke, (Rechteck{457, 220, 795, 540}));
}

TEST_F(SarnixView, FlugInformationenZeigtDieTexteDesDokuments)
{
    Zeige();
    QString gezeigt;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CFlugInfoDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        gezeigt = dialog->dateiname;
        dialog->accept();
    });
    EXPECT_TRUE(view->Befehl(Befehl::FlugInformationen));
    EXPECT_EQ(gezeigt, QString::fromStdString(test::Sample("lokalflug-1h.vrl")));
}

TEST_F(SarnixView, DoppelklickUndPfeiltastenFuehrenDenSpurCursor)
{
    Zeige();
    const ListenPos ziel = 1800;
    const CDaten& fix = doc.datenListe[static_cast<size_t>(ziel)];
    ASSERT_EQ(fix.hatPosition, 1);
    const Punkt p = Abbildung(Zustand(), doc, 0, Grundriss).Pixel(fix.laenge, fix.breite, fix.hoehe);
    QTest::mouseDClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(p.x, p.y));
    ASSERT_NE(view->spurcursor().pos, keinePosition);
    const ListenPos start = view->spurcursor().pos;
    const QImage mitCursor = view->leinwand();

    // A tap moves one fix on at the release.
    QTest::keyPress(view.get(), Qt::Key_Right);
    QTest::keyRelease(view.get(), Qt::Key_Right);
    EXPECT_GT(view->spurcursor().pos, start);
    EXPECT_NE(view->leinwand(), mitCursor);

    // The system's repeated key-downs are not steps: the cursor repeats with its own timers.
    const ListenPos vorher = view->spurcursor().pos;
    QKeyEvent wiederholt(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(view.get(), &wiederholt);
    EXPECT_EQ(view->spurcursor().pos, vorher);

    // Held down, the timers move it ten visible fixes a step.
    QTest::keyPress(view.get(), Qt::Key_Right);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->spurcursor().pos >= vorher + 10; }, 5000));
    QTest::keyRelease(view.get(), Qt::Key_Right);
    // Released, it stays where the last step put it.
    const ListenPos losgelassen = view->spurcursor().pos;
    QTest::qWait(300);
    EXPECT_EQ(view->spurcursor().pos, losgelassen);
}

}  // namespace

TEST_F(SarnixView, TastenSpringenMitDemSpurCursor)
{
    Zeige();
    const ListenPos letzte = std::ssize(doc.datenListe) - 1;
    QTest::keyClick(view.get(), Qt::Key_End);
    EXPECT_EQ(view->spurcursor().pos, letzte);
    QTest::keyClick(view.get(), Qt::Key_PageUp);
    EXPECT_EQ(doc.datenListe[static_cast<size_t>(letzte)].zeit - doc.datenListe[static_cast<size_t>(view->spurcursor().pos)].zeit, 60);
    QTest::keyClick(view.get(), Qt::Key_Home);
    EXPECT_EQ(view->spurcursor().pos, 0);
    QTest::keyClick(view.get(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_GE(view->spurcursor().pos, 10);

    // Ctrl+Right lands on the start of a thermal or glide, Ctrl+Left goes back to the one before.
    const std::vector<Flugphase> phasen = AnalysiereFlug(doc).phasen;
    ASSERT_GE(phasen.size(), 3u);
    QTest::keyClick(view.get(), Qt::Key_Home);
    QTest::keyClick(view.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(view->spurcursor().pos, static_cast<ListenPos>(phasen[0].von));
    QTest::keyClick(view.get(), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(view.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(view->spurcursor().pos, static_cast<ListenPos>(phasen[2].von));
    QTest::keyClick(view.get(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(view->spurcursor().pos, static_cast<ListenPos>(phasen[1].von));
}
