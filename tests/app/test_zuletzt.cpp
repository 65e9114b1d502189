// The recent-file list: newest first, six at most, kept over a restart, garbage in the settings
// skipped, and its entries in the file menu.

#include "AppHilfen.h"

#include "pipeline/Befehle.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList Dateien(int anzahl)
{
    QStringList pfade;
    for (int i = 0; i < anzahl; ++i)
        pfade << test::FlugDatei(100 * (i + 1));
    return pfade;
}

QStringList Umgekehrt(QStringList liste)
{
    std::reverse(liste.begin(), liste.end());
    return liste;
}

// The recent-file entries of the file menu as shown.
QStringList Eintraege(const CMainFrame& rahmen)
{
    QStringList texte;
    const QMenu* datei = rahmen.menuBar()->actions().first()->menu();
    bool drin = false;
    int trenner = 0;
    for (const QAction* a : datei->actions()) {
        if (a->isSeparator()) {
            ++trenner;
            drin = trenner == 2;
            continue;
        }
        if (drin)
            texte << a->text() + (a->isEnabled() ? "" : " (grau)");
    }
    return texte;
}

}  // namespace

class ZuletztListe : public ::testing::Test {
protected:
    void SetUp() override { test::ZuletztLeeren(); }
    void TearDown() override { test::ZuletztLeeren(); }
};

TEST_F(ZuletztListe, LeerZeigtGrauePlatzhalter)
{
    test::Fenster f;
    EXPECT_EQ(Eintraege(*f.rahmen), QStringList({"Letzte Datei (grau)"}));
}

TEST_F(ZuletztListe, SechsDateienNeuesteZuerst)
{
    test::Fenster f;
    const QStringList pfade = Dateien(7);
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(f.rahmen->OeffneDatei(pfade[i]));
    EXPECT_EQ(f.rahmen->zuletzt().pfade(), Umgekehrt(pfade.mid(0, 6)));

    QStringList erwartet;
    for (int i = 0; i < 6; ++i)
        erwartet << QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(pfade[5 - i]));
    EXPECT_EQ(Eintraege(*f.rahmen), erwartet);

    // The seventh pushes the oldest out.
    ASSERT_TRUE(f.rahmen->OeffneDatei(pfade[6]));
    EXPECT_EQ(f.rahmen->zuletzt().pfade(), Umgekehrt(pfade.mid(1, 6)));
}

TEST_F(ZuletztListe, WiedergeoeffneterEintragRuecktNachOben)
{
    test::Fenster f;
    const QStringList pfade = Dateien(3);
    for (const QString& p : pfade)
        ASSERT_TRUE(f.rahmen->OeffneDatei(p));
    // Entry 3 is the oldest file; choosing it from the menu opens it and moves it up.
    f.rahmen->Ausfuehren(Befehl::LetzteDatei1 + 2);
    EXPECT_EQ(f.doc.datenListe.front().hoehe, 100);
    EXPECT_EQ(f.rahmen->zuletzt().pfade(), QStringList({pfade[0], pfade[2], pfade[1]}));
    EXPECT_TRUE(Eintraege(*f.rahmen).first().endsWith(QDir::toNativeSeparators(pfade[0])));
}

TEST_F(ZuletztListe, MenueEintragOeffnetPerKlick)
{
    test::Fenster f;
    const QStringList pfade = Dateien(2);
    ASSERT_TRUE(f.rahmen->OeffneDatei(pfade[0]));
    ASSERT_TRUE(f.rahmen->OeffneDatei(pfade[1]));
    const QMenu* datei = f.rahmen->menuBar()->actions().first()->menu();
    for (QAction* a : datei->actions())
        if (a->text().startsWith("&2 "))
            a->trigger();
    EXPECT_EQ(f.doc.datenListe.front().hoehe, 100);
    EXPECT_EQ(f.rahmen->windowTitle(), QFileInfo(pfade[0]).fileName() + " - Sarnix");
}

TEST_F(ZuletztListe, UeberstehtNeustart)
{
    const QStringList pfade = Dateien(4);
    {
        test::Fenster f;
        for (const QString& p : pfade)
            ASSERT_TRUE(f.rahmen->OeffneDatei(p));
        f.rahmen->close();
    }
    CSarnixDoc doc;
    CMainFrame rahmen(doc);
    rahmen.ZuletztLaden();
    EXPECT_EQ(rahmen.zuletzt().pfade(), Umgekehrt(pfade));
    EXPECT_EQ(Eintraege(rahmen).size(), 4);

    QSettings einstellungen;
    EXPECT_EQ(einstellungen.value("Recent File List/File1").toString(), QDir::toNativeSeparators(pfade[3]));
    EXPECT_EQ(einstellungen.value("Recent File List/File4").toString(), QDir::toNativeSeparators(pfade[0]));
    EXPECT_FALSE(einstellungen.contains("Recent File List/File5"));
}

TEST_F(ZuletztListe, UnsinnInDenEinstellungenWirdUebersprungen)
{
    const QStringList pfade = Dateien(2);
    {
        QSettings einstellungen;
        einstellungen.beginGroup("Recent File List");
        einstellungen.setValue("File1", "");
        einstellungen.setValue("File2", pfade[0]);
        einstellungen.setValue("File3", QStringList({"a", "b"}));
        einstellungen.setValue("File4", QDir::toNativeSeparators(pfade[0]));
        einstellungen.setValue("File5", "relativ/flug.vrl");
        einstellungen.setValue("File6", pfade[1]);
        einstellungen.setValue("File7", test::FlugDatei(5));
    }
    CSarnixDoc doc;
    CMainFrame rahmen(doc);
    rahmen.ZuletztLaden();
    EXPECT_EQ(rahmen.zuletzt().pfade(), QStringList({pfade[0], pfade[1]}));
}

TEST_F(ZuletztListe, VorDemLadenKommtNichtsHinein)
{
    // Until the list is read, an open must not overwrite what the settings hold.
    const QString frueher = test::FlugDatei(300);
    {
        QSettings einstellungen;
        einstellungen.setValue("Recent File List/File1", frueher);
    }
    CSarnixDoc doc;
    CMainFrame rahmen(doc);
    ASSERT_TRUE(rahmen.OeffneDatei(test::FlugDatei(400)));
    rahmen.ZuletztLaden();
    EXPECT_EQ(rahmen.zuletzt().pfade(), QStringList({frueher}));
}

TEST_F(ZuletztListe, VerschwundeneDateiMeldetUndBleibt)
{
    test::Fenster f;
    QTemporaryDir ordner;
    const QString weg = ordner.filePath("stick.vrl");
    {
        QFile datei(weg);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(test::Flug(900).c_str());
    }
    const QString bleibt = test::FlugDatei(200);
    ASSERT_TRUE(f.rahmen->OeffneDatei(weg));
    ASSERT_TRUE(f.rahmen->OeffneDatei(bleibt));
    QFile::remove(weg);

    const auto meldung = test::FangeMeldung();
    f.rahmen->Ausfuehren(Befehl::LetzteDatei1 + 1);
    ASSERT_TRUE(meldung->gesehen);
    EXPECT_EQ(meldung->text, QDir::toNativeSeparators(weg) + " wurde nicht gefunden.");
    EXPECT_EQ(f.doc.datenListe.front().hoehe, 200);
    // The stick may come back: the entry stays where it was.
    EXPECT_EQ(f.rahmen->zuletzt().pfade(), QStringList({bleibt, weg}));
}

TEST_F(ZuletztListe, UndZeichenImPfadBleibenSichtbar)
{
    test::Fenster f;
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("Berg & Tal.vrl");
    {
        QFile datei(pfad);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(test::Flug(900).c_str());
    }
    ASSERT_TRUE(f.rahmen->OeffneDatei(pfad));
    EXPECT_EQ(Eintraege(*f.rahmen),
              QStringList({"&1 " + QDir::toNativeSeparators(ordner.filePath("Berg && Tal.vrl"))}));
}
