// One viewer per user: a later start hands its file over and the running window opens it.

#include "AppHilfen.h"
#include "TestHilfen.h"

#include "app/CSarnixApp.h"
#include "app/EinzelInstanz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

QString EigenerName()
{
    return "sarnix-test-" + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

}  // namespace

TEST(EinzelInstanz, NameHaengtAmBenutzer)
{
    const QString name = EinzelInstanz::StandardName();
    EXPECT_TRUE(name.startsWith("sarnix-"));
    EXPECT_EQ(name, EinzelInstanz::StandardName());
    EXPECT_GT(name.size(), 7 + 8);
}

TEST(EinzelInstanz, OhneLaufendenViewerKeineUebergabe)
{
    const EinzelInstanz allein(EigenerName());
    EXPECT_FALSE(allein.Uebergeben("/irgendwo/flug.vrl"));
}

TEST(EinzelInstanz, PfadKommtBeimErstenAn)
{
    const QString name = EigenerName();
    EinzelInstanz erster(name);
    ASSERT_TRUE(erster.Lauschen());
    QSignalSpy angekommen(&erster, &EinzelInstanz::angefordert);

    const EinzelInstanz zweiter(name);
    const QString pfad = QString::fromUtf8("/Flüge/2024 06 01\n& mehr.vrl");
    ASSERT_TRUE(zweiter.Uebergeben(pfad));
    ASSERT_TRUE(angekommen.wait(2000));
    EXPECT_EQ(angekommen.first().first().toString(), pfad);

    // Without a path: the first one is only asked to come forward.
    ASSERT_TRUE(zweiter.Uebergeben(QString()));
    ASSERT_TRUE(angekommen.wait(2000));
    EXPECT_EQ(angekommen.last().first().toString(), QString());
}

TEST(EinzelInstanz, VerwaisterSocketWirdErsetzt)
{
    const QString name = EigenerName();
    // What a crashed viewer leaves behind: the socket's file, with nobody listening.
    const QString rest = QDir::tempPath() + "/" + name;
    {
        QFile datei(rest);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    const EinzelInstanz zweiter(name);
    EXPECT_FALSE(zweiter.Uebergeben("/x.vrl"));

    EinzelInstanz neu(name);
    ASSERT_TRUE(neu.Lauschen());
    QSignalSpy angekommen(&neu, &EinzelInstanz::angefordert);
    ASSERT_TRUE(zweiter.Uebergeben("/y.vrl"));
    ASSERT_TRUE(angekommen.wait(2000));
    EXPECT_EQ(angekommen.first().first().toString(), "/y.vrl");
}

TEST(EinzelInstanz, ZweiterStartOeffnetImErstenFenster)
{
    const QString name = EigenerName();
    test::ZuletztLeeren();
    CSarnixApp erster(name);
    ASSERT_FALSE(erster.InitInstance({}).has_value());
    ASSERT_NE(erster.hauptfenster(), nullptr);
    EXPECT_EQ(erster.hauptfenster()->windowTitle(), "Unbenannt - Sarnix");

    const QString pfad = test::FlugDatei(1100);
    CSarnixApp zweiter(name);
    const std::optional<int> ende = zweiter.InitInstance({pfad});
    ASSERT_TRUE(ende.has_value());
    EXPECT_EQ(*ende, 0);
    EXPECT_EQ(zweiter.hauptfenster(), nullptr);

    ASSERT_TRUE(test::WarteBis([&] { return erster.dokument().geladen == 1; }, 5000, "the handed-over flight"));
    EXPECT_EQ(erster.dokument().datenListe.front().hoehe, 1100);
    EXPECT_EQ(erster.hauptfenster()->windowTitle(), QFileInfo(pfad).fileName() + " - Sarnix");
    // Handed over after start-up: the file enters the list.
    EXPECT_EQ(erster.hauptfenster()->zuletzt().pfade(), QStringList({pfad}));
    test::ZuletztLeeren();
}
