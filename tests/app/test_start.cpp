// Start-up: the command line, the empty window, a file to open, and the print switches.

#include "AppHilfen.h"
#include "TestHilfen.h"

#include "app/CSarnixApp.h"
#include "app/Kommandozeile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

QString EigenerName()
{
    return "sarnix-test-" + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

}  // namespace

TEST(Kommandozeile, ArtenDerAufrufe)
{
    using Art = Kommandozeile::Art;
    EXPECT_EQ(LiesKommandozeile({}).art, Art::Leer);

    const Kommandozeile oeffnen = LiesKommandozeile({"/daten/flug.vrl"});
    EXPECT_EQ(oeffnen.art, Art::Oeffnen);
    EXPECT_EQ(oeffnen.datei, "/daten/flug.vrl");

    for (const QString schalter : {"/p", "-p", "/P"}) {
        const Kommandozeile k = LiesKommandozeile({schalter, "flug.vrl"});
        EXPECT_EQ(k.art, Art::Drucken) << schalter.toStdString();
        EXPECT_EQ(k.datei, "flug.vrl");
        EXPECT_TRUE(k.drucker.isEmpty());
    }

    const Kommandozeile auf = LiesKommandozeile({"/pt", "flug.vrl", "Laser 3", "winspool", "LPT1:"});
    EXPECT_EQ(auf.art, Art::DruckenAuf);
    EXPECT_EQ(auf.datei, "flug.vrl");
    EXPECT_EQ(auf.drucker, "Laser 3");
    EXPECT_EQ(LiesKommandozeile({"-pt", "flug.vrl", "Laser"}).art, Art::DruckenAuf);

    EXPECT_EQ(LiesKommandozeile({"/p"}).art, Art::Fehler);
    EXPECT_EQ(LiesKommandozeile({"-pt", "flug.vrl"}).art, Art::Fehler);
}

TEST(Start, OhneArgumentLeeresFenster)
{
    CSarnixApp app(EigenerName());
    EXPECT_EQ(QCoreApplication::organizationName(), "Orvexa");
    EXPECT_EQ(QCoreApplication::applicationName(), "sarnix");
    ASSERT_FALSE(app.InitInstance({}).has_value());
    ASSERT_NE(app.hauptfenster(), nullptr);
    EXPECT_EQ(app.hauptfenster()->windowTitle(), "Unbenannt - Sarnix");
    EXPECT_TRUE(app.hauptfenster()->isMaximized());
    EXPECT_EQ(app.dokument().geladen, 0);
}

TEST(Start, PfadWirdGeoeffnetUndGemerkt)
{
    test::ZuletztLeeren();
    const QString frueher = test::FlugDatei(300);
    {
        QSettings einstellungen;
        einstellungen.setValue("Recent File List/File1", frueher);
    }
    const QString pfad = test::FlugDatei(950);
    CSarnixApp app(EigenerName());
    // A path relative to the working folder.
    const QString relativ = QDir::current().relativeFilePath(pfad);
    ASSERT_FALSE(app.InitInstance({relativ}).has_value());
    EXPECT_EQ(app.dokument().geladen, 1);
    EXPECT_EQ(app.dokument().datenListe.front().hoehe, 950);
    EXPECT_EQ(app.hauptfenster()->windowTitle(), QFileInfo(pfad).fileName() + " - Sarnix");
    EXPECT_EQ(app.hauptfenster()->zuletzt().pfade(), QStringList({QFileInfo(pfad).absoluteFilePath(), frueher}));
    test::ZuletztLeeren();
}

TEST(Start, KeineAufzeichnungBeendetDenStartUndBleibtAusDerListe)
{
    test::ZuletztLeeren();
    const QString pfad = QString::fromStdString(test::TempDatei("kein Flug\n"));
    CSarnixApp app(EigenerName());
    const auto meldung = test::FangeMeldung();
    const std::optional<int> ende = app.InitInstance({pfad});
    ASSERT_TRUE(ende.has_value());
    EXPECT_EQ(*ende, 1);
    ASSERT_TRUE(meldung->gesehen);
    EXPECT_EQ(meldung->text, QDir::toNativeSeparators(pfad) + " ist keine Flugaufzeichnung.");
    EXPECT_TRUE(app.hauptfenster()->zuletzt().pfade().isEmpty());
}

TEST(Start, UnlesbarerPfadBeendetDenStart)
{
    const QString fehlt = QDir::temp().filePath("fehlt-0815.vrl");
    CSarnixApp app(EigenerName());
    const auto meldung = test::FangeMeldung();
    const std::optional<int> ende = app.InitInstance({fehlt});
    ASSERT_TRUE(ende.has_value());
    EXPECT_EQ(*ende, 1);
    ASSERT_TRUE(meldung->gesehen);
    EXPECT_EQ(meldung->text, QDir::toNativeSeparators(fehlt) + " wurde nicht gefunden.");
}

TEST(Fenster, ErsterStartMaximiertMitVernuenftigerNormalgroesse)
{
    QSettings().remove("Fenster");
    CSarnixApp app(EigenerName());
    ASSERT_FALSE(app.InitInstance({}).has_value());
    CMainFrame* f = app.hauptfenster();
    EXPECT_TRUE(f->isMaximized());
    f->showNormal();
    const QSize bildschirm = f->screen()->availableGeometry().size();
    EXPECT_GE(f->width(), bildschirm.width() / 2);
    EXPECT_GE(f->height(), bildschirm.height() / 2);
}

TEST(Fenster, GroesseOrtUndMaximiertUeberstehenDenNeustart)
{
    QSettings().remove("Fenster");
    const QRect gewaehlt(70, 90, 900, 640);
    {
        CSarnixApp app(EigenerName());
        ASSERT_FALSE(app.InitInstance({}).has_value());
        app.hauptfenster()->showNormal();
        app.hauptfenster()->setGeometry(gewaehlt);
        app.hauptfenster()->close();
    }
    {
        CSarnixApp app(EigenerName());
        ASSERT_FALSE(app.InitInstance({}).has_value());
        EXPECT_FALSE(app.hauptfenster()->isMaximized());
        EXPECT_EQ(app.hauptfenster()->geometry(), gewaehlt);
        app.hauptfenster()->showMaximized();
        app.hauptfenster()->close();
    }
    CSarnixApp app(EigenerName());
    ASSERT_FALSE(app.InitInstance({}).has_value());
    EXPECT_TRUE(app.hauptfenster()->isMaximized());
    app.hauptfenster()->showNormal();
    EXPECT_EQ(app.hauptfenster()->geometry(), gewaehlt);
    QSettings().remove("Fenster");
}

TEST(Fenster, UnsinnInDenEinstellungenGibtDenErstenStart)
{
    QSettings().setValue("Fenster/Geometrie", QByteArray("kein Fenster"));
    CSarnixApp app(EigenerName());
    ASSERT_FALSE(app.InitInstance({}).has_value());
    EXPECT_TRUE(app.hauptfenster()->isMaximized());
    QSettings().remove("Fenster");
}

TEST(Start, DruckschalterOhneDateiIstEinFehler)
{
    CSarnixApp app(EigenerName());
    const std::optional<int> ende = app.InitInstance({"/p"});
    ASSERT_TRUE(ende.has_value());
    EXPECT_EQ(*ende, 2);
    EXPECT_EQ(app.hauptfenster(), nullptr);
}
