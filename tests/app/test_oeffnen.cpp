// Opening recordings: title, error messages, the flight kept after a failure, the file already
// shown, dropped files, the open dialog, and the keys that must not change anything.

#include "AppHilfen.h"

#include "TestHilfen.h"
#include "pipeline/Befehle.h"
#include "view/CSarnixView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

void SendeDrop(QWidget* ziel, const QList<QUrl>& urls)
{
    QMimeData daten;
    daten.setUrls(urls);
    QDragEnterEvent betreten(QPoint(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &betreten);
    QDropEvent fallen(QPointF(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &fallen);
}

}  // namespace

TEST(Titel, OhneDateiUnbenannt)
{
    test::Fenster f;
    EXPECT_EQ(f.rahmen->windowTitle(), "Unbenannt - Sarnix");
}

TEST(Titel, DateinameOhneOrdner)
{
    test::Fenster f;
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("Flug vom Sonntag.vrl");
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(test::Flug(900).c_str());
    datei.close();

    ASSERT_TRUE(f.rahmen->OeffneDatei(pfad));
    EXPECT_EQ(f.rahmen->windowTitle(), "Flug vom Sonntag.vrl - Sarnix");
    EXPECT_EQ(f.doc.geladen, 1);
    EXPECT_EQ(f.doc.datenListe.size(), 20u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the wait cursor is gone again
}

TEST(Oeffnen, KeineAufzeichnungWirdAbgelehntUndDerFlugBleibt)
{
    test::Fenster f;
    const QString gut = test::FlugDatei(1200);
    ASSERT_TRUE(f.rahmen->OeffneDatei(gut));
    const QStringList zuletzt = f.rahmen->zuletzt().pfade();

    for (const std::string& inhalt : {std::string("kein Flug\n"), std::string("\x89PNG\r\n\x1a\n", 8), std::string()}) {
        const QString pfad = QString::fromStdString(test::TempDatei(inhalt));
        const auto meldung = test::FangeMeldung();
        EXPECT_FALSE(f.rahmen->OeffneDatei(pfad));
        ASSERT_TRUE(meldung->gesehen);
        EXPECT_EQ(meldung->text, QDir::toNativeSeparators(pfad) + " ist keine Flugaufzeichnung.");
        EXPECT_EQ(meldung->symbol, QMessageBox::Warning);
    }
    EXPECT_EQ(f.rahmen->windowTitle(), QFileInfo(gut).fileName() + " - Sarnix");
    EXPECT_EQ(f.rahmen->zuletzt().pfade(), zuletzt);
    EXPECT_EQ(f.doc.geladen, 1);
    EXPECT_EQ(f.doc.datenListe.size(), 20u);
}

TEST(Oeffnen, FehlendeDateiMeldetUndBehaeltDenFlug)
{
    test::Fenster f;
    const QString gut = test::FlugDatei(1200);
    ASSERT_TRUE(f.rahmen->OeffneDatei(gut));
    const QString fehlt = QDir::temp().filePath("gibt-es-nicht-4711.vrl");

    const auto meldung = test::FangeMeldung();
    EXPECT_FALSE(f.rahmen->OeffneDatei(fehlt));
    ASSERT_TRUE(meldung->gesehen);
    EXPECT_EQ(meldung->titel, "sarnix");
    EXPECT_EQ(meldung->text, QDir::toNativeSeparators(fehlt) + " wurde nicht gefunden.");
    EXPECT_EQ(meldung->symbol, QMessageBox::Warning);

    EXPECT_EQ(f.doc.geladen, 1);
    ASSERT_FALSE(f.doc.datenListe.empty());
    EXPECT_EQ(f.doc.datenListe.front().hoehe, 1200);
    EXPECT_EQ(f.rahmen->windowTitle(), QFileInfo(gut).fileName() + " - Sarnix");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Oeffnen, OrdnerIstUngueltigerPfad)
{
    test::Fenster f;
    QTemporaryDir ordner;
    const auto meldung = test::FangeMeldung();
    EXPECT_FALSE(f.rahmen->OeffneDatei(ordner.path()));
    ASSERT_TRUE(meldung->gesehen);
    EXPECT_EQ(meldung->text, QDir::toNativeSeparators(ordner.path()) + " enthält eine ungültige Pfadangabe.");
    EXPECT_EQ(f.rahmen->windowTitle(), "Unbenannt - Sarnix");
}

TEST(Oeffnen, GleicheDateiWirdNichtNochmalGelesen)
{
    test::Fenster f;
    const QString pfad = test::FlugDatei(900, 20);
    ASSERT_TRUE(f.rahmen->OeffneDatei(pfad));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    datei.write(test::Flug(2000, 5).c_str());
    datei.close();

    // The same file by another spelling of its path.
    const QString umweg = QFileInfo(pfad).absolutePath() + "/./" + QFileInfo(pfad).fileName();
    EXPECT_TRUE(f.rahmen->OeffneDatei(umweg));
    EXPECT_EQ(f.doc.datenListe.size(), 20u);
    EXPECT_EQ(f.doc.datenListe.front().hoehe, 900);

    // After "new" the window no longer names the file: choosing it reads it.
    f.rahmen->Ausfuehren(Befehl::Neu);
    EXPECT_TRUE(f.rahmen->OeffneDatei(pfad));
    EXPECT_EQ(f.doc.datenListe.size(), 5u);
    EXPECT_EQ(f.doc.datenListe.front().hoehe, 2000);
}

TEST(Oeffnen, NeuBehaeltDenFlug)
{
    test::Fenster f;
    ASSERT_TRUE(f.rahmen->OeffneDatei(test::FlugDatei(700)));
    f.rahmen->show();
    f.rahmen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.rahmen.get()));
    QTest::keyClick(f.rahmen.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(f.rahmen->windowTitle(), "Unbenannt - Sarnix");
    EXPECT_EQ(f.doc.geladen, 1);
    EXPECT_EQ(f.doc.datenListe.size(), 20u);
}

TEST(Oeffnen, BearbeitungstastenAendernNichts)
{
    test::Fenster f;
    const QString pfad = test::FlugDatei(800);
    ASSERT_TRUE(f.rahmen->OeffneDatei(pfad));
    f.rahmen->resize(800, 600);
    f.rahmen->show();
    f.rahmen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.rahmen.get()));
    QTest::qWait(50);

    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray vorher = datei.readAll();
    datei.close();
    const QDateTime geaendert = QFileInfo(pfad).lastModified();
    const QImage bildVorher = f.rahmen->grab().toImage();
    const QString titelVorher = f.rahmen->windowTitle();

    QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : f.rahmen.get();
    for (const auto& [taste, mod] :
         {std::pair{Qt::Key_S, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
          {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
          {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier},
          {Qt::Key_Delete, Qt::ShiftModifier}, {Qt::Key_Backspace, Qt::AltModifier},
          {Qt::Key_F6, Qt::NoModifier}})
        QTest::keyClick(ziel, taste, mod);
    QTest::qWait(50);

    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), vorher);
    EXPECT_EQ(QFileInfo(pfad).lastModified(), geaendert);
    EXPECT_EQ(f.rahmen->windowTitle(), titelVorher);
    EXPECT_EQ(f.rahmen->grab().toImage(), bildVorher);
}

TEST(Ziehen, FallengelasseneDateiWirdGeoeffnet)
{
    test::Fenster f;
    const QString pfad = test::FlugDatei(1500);
    SendeDrop(f.rahmen.get(), {QUrl::fromLocalFile(pfad)});
    ASSERT_TRUE(test::WarteBis([&] { return f.doc.geladen == 1; }, 5000, "the dropped flight"));
    EXPECT_EQ(f.doc.datenListe.front().hoehe, 1500);
    EXPECT_EQ(f.rahmen->windowTitle(), QFileInfo(pfad).fileName() + " - Sarnix");
}

TEST(Ziehen, AufDieAnsichtFallengelassenGehtAnsFenster)
{
    test::Fenster f;
    f.rahmen->resize(600, 400);
    f.rahmen->show();
    const QString pfad = test::FlugDatei(1600);
    QWidget* ansicht = f.rahmen->ansicht();
    SendeDrop(ansicht, {QUrl::fromLocalFile(pfad)});
    ASSERT_TRUE(test::WarteBis([&] { return f.doc.geladen == 1; }, 5000, "the dropped flight"));
}

TEST(Ziehen, OrdnerUndDateiZusammenOeffnetDieDatei)
{
    test::Fenster f;
    QTemporaryDir ordner;
    const QString pfad = test::FlugDatei(1700);
    SendeDrop(f.rahmen.get(), {QUrl::fromLocalFile(ordner.path()), QUrl::fromLocalFile(pfad),
                               QUrl::fromLocalFile(test::FlugDatei(100))});
    ASSERT_TRUE(test::WarteBis([&] { return f.doc.geladen == 1; }, 5000, "the dropped flight"));
    EXPECT_EQ(f.doc.datenListe.front().hoehe, 1700);
}

TEST(Ziehen, NurEinOrdnerMeldetDenPfad)
{
    test::Fenster f;
    QTemporaryDir ordner;
    const auto meldung = test::FangeMeldung();
    SendeDrop(f.rahmen.get(), {QUrl::fromLocalFile(ordner.path())});
    ASSERT_TRUE(test::WarteBis([&] { return meldung->gesehen; }, 5000, "the message box"));
    EXPECT_TRUE(meldung->text.endsWith("enthält eine ungültige Pfadangabe."));
    EXPECT_EQ(f.doc.geladen, 0);
}

TEST(OeffnenDialog, TitelUndFilter)
{
    test::Fenster f;
    QString titel;
    QStringList filter;
    test::BeiModalemFenster([&](QWidget* fenster) {
        auto* dialog = qobject_cast<QFileDialog*>(fenster);
        if (dialog == nullptr)
            return false;
        titel = dialog->windowTitle();
        filter = dialog->nameFilters();
        dialog->reject();
        return true;
    });
    f.rahmen->Ausfuehren(Befehl::Oeffnen);
    EXPECT_EQ(titel, "Öffnen");
    EXPECT_EQ(filter, QStringList({"Flugaufzeichnungen (*.vrl *.igc *.IGC)", "IGC-Dateien (*.igc *.IGC)",
                                   "Dateityp Sarnix (*.vrl)", "Alle Dateien (*.*)"}));
    EXPECT_EQ(f.rahmen->windowTitle(), "Unbenannt - Sarnix");
}

TEST(IgcLog, OeffnetImFensterUndWechseltDieHoehe)
{
    test::Fenster f;
    const QString log = QString::fromStdString(test::Testdaten("igc/sp-quebec-pik20-ausschnitt.igc"));
    ASSERT_TRUE(f.rahmen->OeffneDatei(log));
    EXPECT_EQ(f.rahmen->windowTitle(), "sp-quebec-pik20-ausschnitt.igc - Sarnix");
    EXPECT_TRUE(f.doc.igc.istIgc);
    EXPECT_EQ(f.doc.datenListe.front().hoehe, -103);

    // Choosing GNSS altitude reads the log shown again and keeps the choice.
    QMenu* hoehe = nullptr;
    for (QAction* a : f.rahmen->menuBar()->actions().front()->menu()->actions())
        if (a->menu() && a->text() == "&Höhe aus IGC-Dateien")
            hoehe = a->menu();
    ASSERT_NE(hoehe, nullptr);
    ASSERT_EQ(hoehe->actions().size(), 3);
    EXPECT_TRUE(hoehe->actions()[0]->isChecked());
    hoehe->actions()[2]->trigger();
    EXPECT_TRUE(hoehe->actions()[2]->isChecked());
    EXPECT_EQ(f.doc.datenListe.front().hoehe, 39);
    EXPECT_EQ(f.doc.igc.hoehe, "gnss");
    EXPECT_EQ(f.rahmen->windowTitle(), "sp-quebec-pik20-ausschnitt.igc - Sarnix");
    EXPECT_EQ(QSettings().value("Settings/IgcHoehe").toInt(), 2);

    // A new window starts with the stored choice; back to automatic for the other tests.
    test::Fenster zweites;
    EXPECT_EQ(zweites.doc.hoehenQuelle, HoehenQuelle::Gnss);
    hoehe->actions()[0]->trigger();
    EXPECT_EQ(f.doc.datenListe.front().hoehe, -103);
}

TEST(IgcLog, KopfOhneFixBehaeltDenFlug)
{
    test::Fenster f;
    ASSERT_TRUE(f.rahmen->OeffneDatei(test::FlugDatei(900)));
    const auto meldung = test::FangeMeldung();
    const QString leer = QString::fromStdString(test::TempDatei("AXXX001\r\nHFDTE150726\r\n", ".igc"));
    EXPECT_FALSE(f.rahmen->OeffneDatei(leer));
    ASSERT_TRUE(test::WarteBis([&] { return meldung->gesehen; }, 5000, "the message"));
    EXPECT_TRUE(meldung->text.endsWith("ist keine Flugaufzeichnung."));
    EXPECT_EQ(f.doc.datenListe.size(), 20u);
    EXPECT_FALSE(f.doc.igc.istIgc);
}

TEST(IgcLog, ZiehenOeffnetEinenLog)
{
    test::Fenster f;
    SendeDrop(f.rahmen.get(), {QUrl::fromLocalFile(QString::fromStdString(test::Testdaten("igc/hg-wales-u2-1h.igc")))});
    ASSERT_TRUE(test::WarteBis([&] { return f.doc.geladen == 1; }, 5000, "the dropped log"));
    EXPECT_EQ(f.doc.datenListe.size(), 2001u);
}
