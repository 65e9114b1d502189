// The interface's language: how it is chosen, that a missing or broken translation leaves the
// German texts, that every text has its English one, and that the English window speaks English.

#include "AppHilfen.h"

#include "app/CInfoDlg.h"
#include "app/Tastenanzeige.h"
#include "flight/CDaten.h"
#include "flight/CSarnixDoc.h"
#include "printmap/KartenTexte.h"
#include "pipeline/Befehle.h"
#include "pipeline/SpurCursor.h"
#include "print/CDruckDlg.h"
#include "language/Fehlertexte.h"
#include "language/Sprache.h"
#include "view/CSarnixView.h"
#include "view/CFlugInfoDlg.h"
#include "view/CFlugphasenDlg.h"
#include "view/CKonfigDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryFile>
#include <QToolBar>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "TestHilfen.h"

namespace {

struct Eintrag {
    QString kontext, quelle, uebersetzung;
    bool unfertig = false;
};

// The translation file as the translators keep it.
QList<Eintrag> Uebersetzungen()
{
    QList<Eintrag> alle;
    QFile datei(QStringLiteral(SARNIX_TS_DATEI));
    if (!datei.open(QIODevice::ReadOnly))
        return alle;
    QXmlStreamReader xml(&datei);
    QString kontext;
    Eintrag e;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            kontext = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            e = Eintrag{kontext, {}, {}, false};
        } else if (xml.name() == QLatin1String("source")) {
            e.quelle = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            e.unfertig = !xml.attributes().value(QLatin1String("type")).isEmpty();
            e.uebersetzung = xml.readElementText();
            alle.append(e);
        }
    }
    return alle;
}

// Every text a user can read in the window and its menus, tool tips and status texts included.
QStringList Texte(const QMenu* menue)
{
    QStringList texte;
    for (const QAction* a : menue->actions()) {
        texte << a->text() << a->statusTip();
        if (a->menu())
            texte += Texte(a->menu());
    }
    return texte;
}

QStringList Texte(const QWidget& w)
{
    QStringList texte{w.windowTitle()};
    for (const QLabel* l : w.findChildren<QLabel*>())
        texte << l->text();
    for (const QAbstractButton* b : w.findChildren<QAbstractButton*>())
        texte << b->text() << b->toolTip();
    for (const QGroupBox* g : w.findChildren<QGroupBox*>())
        texte << g->title();
    for (const QComboBox* c : w.findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i)
            texte << c->itemText(i);
    return texte;
}

// The German texts that read differently in English: none of them may show.
QStringList DeutscheTexte()
{
    QStringList deutsch;
    for (const Eintrag& e : Uebersetzungen())
        if (e.quelle != e.uebersetzung)
            deutsch << e.quelle;
    return deutsch;
}

void KeinDeutsch(const QStringList& texte, const QString& wo)
{
    static const QStringList deutsch = DeutscheTexte();
    static const QRegularExpression umlaut(QStringLiteral("[äöüÄÖÜß]"));
    for (const QString& text : texte) {
        if (text.isEmpty())
            continue;
        EXPECT_FALSE(deutsch.contains(text)) << wo.toStdString() << ": " << text.toStdString();
        EXPECT_FALSE(text.contains(umlaut)) << wo.toStdString() << ": " << text.toStdString();
    }
}

}  // namespace

TEST(Sprache, SystemSpracheDeutschNurFuerDeutscheGebiete)
{
    EXPECT_EQ(SystemSprache({"de-DE", "en-US"}), Sprache::Deutsch);
    EXPECT_EQ(SystemSprache({"de"}), Sprache::Deutsch);
    EXPECT_EQ(SystemSprache({"de_AT"}), Sprache::Deutsch);
    EXPECT_EQ(SystemSprache({"DE-ch"}), Sprache::Deutsch);
    EXPECT_EQ(SystemSprache({"en-GB", "de-DE"}), Sprache::Englisch);
    EXPECT_EQ(SystemSprache({"fr-FR"}), Sprache::Englisch);
    EXPECT_EQ(SystemSprache({"C"}), Sprache::Englisch);
    EXPECT_EQ(SystemSprache({"dsb-DE"}), Sprache::Englisch);  // Lower Sorbian, not German
    EXPECT_EQ(SystemSprache(QStringList{}), Sprache::Englisch);
}

TEST(Sprache, ArgumentWirdHerausgenommen)
{
    QStringList a{"--sprache", "en", "flug.vrl"};
    SprachArgument s = NimmSprachArgument(a);
    EXPECT_TRUE(s.gegeben);
    EXPECT_EQ(s.sprache, Sprache::Englisch);
    EXPECT_EQ(a, QStringList{"flug.vrl"});

    a = {"/p", "flug.vrl", "--sprache=DE"};
    s = NimmSprachArgument(a);
    EXPECT_EQ(s.sprache, Sprache::Deutsch);
    EXPECT_EQ(a, QStringList({"/p", "flug.vrl"}));

    // Unknown or missing languages are reported as given without a language.
    for (QStringList falsch : {QStringList{"--sprache", "fr"}, QStringList{"--sprache"},
                               QStringList{"--sprache="}}) {
        s = NimmSprachArgument(falsch);
        EXPECT_TRUE(s.gegeben);
        EXPECT_FALSE(s.sprache.has_value());
    }

    a = {"render", "flug.vrl", "-o", "sprache.png"};
    s = NimmSprachArgument(a);
    EXPECT_FALSE(s.gegeben);
    EXPECT_EQ(a.size(), 4);
}

TEST(Sprache, ArgumentVorGespeichertVorSystem)
{
    QSettings().remove(QStringLiteral("Settings/Sprache"));
    // The tests run with a German system language.
    EXPECT_EQ(GewaehlteSprache({}), Sprache::Deutsch);
    EXPECT_FALSE(GespeicherteSprache().has_value());

    SpracheSpeichern(Sprache::Englisch);
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/Sprache")).toString(), "en");
    EXPECT_EQ(GewaehlteSprache({}), Sprache::Englisch);
    EXPECT_EQ(GewaehlteSprache({true, Sprache::Deutsch}), Sprache::Deutsch);

    // A value nobody wrote counts as no choice.
    QSettings().setValue(QStringLiteral("Settings/Sprache"), QStringLiteral("klingonisch"));
    EXPECT_FALSE(GespeicherteSprache().has_value());
    EXPECT_EQ(GewaehlteSprache({}), Sprache::Deutsch);
    QSettings().remove(QStringLiteral("Settings/Sprache"));
}

TEST(Sprache, EnglischSolangeDieUebersetzungLebt)
{
    {
        const Uebersetzung englisch(Sprache::Englisch);
        EXPECT_EQ(englisch.sprache(), Sprache::Englisch);
        EXPECT_EQ(WirksameSprache(), Sprache::Englisch);
        EXPECT_EQ(QCoreApplication::translate("Menues", "&Datei"), "&File");
        EXPECT_EQ(OeffnenFehlerText(OeffnenFehler::NichtGefunden, "/flug.vrl"), "/flug.vrl was not found.");
    }
    EXPECT_EQ(WirksameSprache(), Sprache::Deutsch);
    EXPECT_EQ(QCoreApplication::translate("Menues", "&Datei"), "&Datei");
    EXPECT_EQ(OeffnenFehlerText(OeffnenFehler::NichtGefunden, "/flug.vrl"), "/flug.vrl wurde nicht gefunden.");
}

TEST(Sprache, QtsEigeneDialogeFolgen)
{
    {
        const Uebersetzung englisch(Sprache::Englisch);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
        EXPECT_EQ(QLocale().language(), QLocale::English);
    }
    ASSERT_TRUE(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        << "Qt's German texts are missing; tools/abhaengigkeiten.sh installs them";
    const Uebersetzung deutsch(Sprache::Deutsch);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    EXPECT_EQ(QLocale().language(), QLocale::German);
}

TEST(Sprache, FehlendeOderKaputteUebersetzungBleibtDeutsch)
{
    QTemporaryFile kaputt;
    ASSERT_TRUE(kaputt.open());
    kaputt.write(QByteArray(300, '\x5a'));
    kaputt.flush();

    // The real file cut short after its header.
    QFile echt(QStringLiteral(":/texte/sarnix_en.qm"));
    ASSERT_TRUE(echt.open(QIODevice::ReadOnly));
    QTemporaryFile kurz;
    ASSERT_TRUE(kurz.open());
    kurz.write(echt.read(16));
    kurz.flush();

    QTemporaryFile leer;
    ASSERT_TRUE(leer.open());

    for (const QString& datei : {QStringLiteral("/nirgends/sarnix_en.qm"), kaputt.fileName(), kurz.fileName(),
                                 leer.fileName()}) {
        const Uebersetzung englisch(Sprache::Englisch, datei);
        EXPECT_EQ(englisch.sprache(), Sprache::Deutsch) << datei.toStdString();
        EXPECT_EQ(WirksameSprache(), Sprache::Deutsch);
        EXPECT_EQ(QCoreApplication::translate("Menues", "&Datei"), "&Datei");
    }
}

TEST(Sprache, JederTextHatSeineEnglischeFassung)
{
    const QList<Eintrag> alle = Uebersetzungen();
    ASSERT_GT(alle.size(), 90);
    static const QRegularExpression platzhalter(QStringLiteral("%\\d"));
    for (const Eintrag& e : alle) {
        const std::string wo = e.kontext.toStdString() + ": " + e.quelle.toStdString();
        EXPECT_FALSE(e.unfertig) << wo;
        EXPECT_FALSE(e.uebersetzung.isEmpty()) << wo;
        // What the program fills in or the keyboard needs must survive the translation.
        QStringList q, u;
        for (const auto& m : platzhalter.globalMatch(e.quelle))
            q << m.captured();
        for (const auto& m : platzhalter.globalMatch(e.uebersetzung))
            u << m.captured();
        q.sort();
        u.sort();
        EXPECT_EQ(q, u) << wo;
        EXPECT_EQ(e.quelle.count(QLatin1Char('\t')), e.uebersetzung.count(QLatin1Char('\t'))) << wo;
        EXPECT_EQ(e.quelle.contains(QRegularExpression(QStringLiteral("&[^&]"))),
                  e.uebersetzung.contains(QRegularExpression(QStringLiteral("&[^&]"))))
            << wo;
    }
}

TEST(Sprache, EnglischesFensterOhneDeutsch)
{
    const Uebersetzung englisch(Sprache::Englisch);
    test::Fenster f;
    QStringList texte{f.rahmen->windowTitle(), f.rahmen->statusBar()->currentMessage()};
    for (const QAction* titel : f.rahmen->menuBar()->actions()) {
        texte << titel->text();
        texte += Texte(titel->menu());
    }
    const QToolBar* leiste = f.rahmen->findChild<QToolBar*>();
    texte << leiste->windowTitle();
    for (const QAction* knopf : leiste->actions())
        texte << knopf->toolTip() << knopf->statusTip();
    for (const QLabel* anzeige : f.rahmen->statusBar()->findChildren<QLabel*>())
        texte << anzeige->text();
    KeinDeutsch(texte, "Fenster");
    EXPECT_TRUE(texte.contains("&File"));
    EXPECT_TRUE(texte.contains("Untitled - Sarnix"));

    CInfoDlg info(f.rahmen.get());
    KeinDeutsch(Texte(info), "Info");
    CFlugInfoDlg flug(f.rahmen.get());
    KeinDeutsch(Texte(flug), "Fluginformationen");
    EXPECT_TRUE(Texte(flug).contains("Max. climb:"));
    CKonfigDlg konfig(f.rahmen.get());
    KeinDeutsch(Texte(konfig), "Konfiguration");
    CDruckDlg druck(f.rahmen.get());
    KeinDeutsch(Texte(druck), "Druckmaßstab");

    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
    CFlugphasenDlg phasen(doc, f.rahmen.get());
    QStringList tabelle = Texte(phasen);
    const QTableWidget* t = phasen.Tabelle();
    ASSERT_NE(t, nullptr);
    for (int s = 0; s < t->columnCount(); ++s)
        tabelle << t->horizontalHeaderItem(s)->text();
    for (int z = 0; z < t->rowCount(); ++z)
        tabelle << t->item(z, 1)->text();
    KeinDeutsch(tabelle, "Flugphasen");
    EXPECT_TRUE(tabelle.contains("Flight phases"));
    EXPECT_TRUE(tabelle.contains("Thermal"));
    CSarnixDoc leer;
    leer.geladen = 1;
    KeinDeutsch(Texte(CFlugphasenDlg(leer, f.rahmen.get())), "Flugphasen ohne Flug");
}

TEST(Sprache, MenueWechseltSofortUndMerktSich)
{
    QSettings().remove(QStringLiteral("Settings/Sprache"));
    const Uebersetzung sprache(Sprache::Deutsch);
    test::Fenster f;
    const auto titel = [&f] {
        QStringList t;
        for (const QAction* a : f.rahmen->menuBar()->actions())
            t << a->text();
        return t;
    };
    const auto eintrag = [&f](const QString& text) -> QAction* {
        for (const QAction* oben : f.rahmen->menuBar()->actions())
            for (QAction* a : oben->menu()->findChildren<QAction*>())
                if (a->text() == text)
                    return a;
        return nullptr;
    };
    const auto knopfTipp = [&f](int id) {
        for (const QAction* a : f.rahmen->findChild<QToolBar*>()->actions())
            if (a->data().toInt() == id)
                return a->toolTip();
        return QString();
    };
    ASSERT_EQ(titel(), QStringList({"&Datei", "&Ansicht", "&Grafik", "&?"}));

    ASSERT_NE(eintrag("&English"), nullptr);
    eintrag("&English")->trigger();
    ASSERT_TRUE(test::WarteBis([&] { return titel().first() == "&File"; }, 5000, "the English menus"));
    EXPECT_EQ(titel(), QStringList({"&File", "&View", "&Graph", "&?"}));
    EXPECT_EQ(f.rahmen->windowTitle(), "Untitled - Sarnix");
    EXPECT_EQ(f.rahmen->statusBar()->currentMessage(), "Ready");
    EXPECT_EQ(knopfTipp(Befehl::Oeffnen), "Open");
    EXPECT_EQ(f.rahmen->tastenanzeige()->umschaltFeststellung()->text(), "CAP");
    EXPECT_EQ(GespeicherteSprache(), Sprache::Englisch);
    ASSERT_NE(eintrag("&English"), nullptr);
    EXPECT_TRUE(eintrag("&English")->isChecked());

    // The new entries still run their commands.
    const int8_t vorher = f.rahmen->ansicht()->ansicht().zeitmarken;
    ASSERT_NE(eintrag("Time &Marks"), nullptr);
    eintrag("Time &Marks")->trigger();
    EXPECT_NE(f.rahmen->ansicht()->ansicht().zeitmarken, vorher);

    eintrag("&Deutsch")->trigger();
    ASSERT_TRUE(test::WarteBis([&] { return titel().first() == "&Datei"; }, 5000, "the German menus"));
    EXPECT_EQ(f.rahmen->statusBar()->currentMessage(), "Bereit");
    EXPECT_EQ(knopfTipp(Befehl::Oeffnen), "Öffnen");
    EXPECT_EQ(GespeicherteSprache(), Sprache::Deutsch);
    QSettings().remove(QStringLiteral("Settings/Sprache"));
}

TEST(Sprache, GezeichneteTexteAufEnglisch)
{
    const Uebersetzung englisch(Sprache::Englisch);
    CDaten f;
    f.zeit = 12 * 3600 + 34 * 60 + 56;
    f.laenge = 500000000 - 5000;
    f.breite = 500000000 + 47 * 600000 + 305000;
    f.hoehe = 900;
    f.vario = 15;
    f.temperatur = 2732 + 168;
    f.sog = 400;
    f.tas = 300;
    EXPECT_EQ(AnzeigeZeilen(f), (QStringList{"Time:12:34:56", "W 0°0.5000'", "N 47°30.5000'", "Altitude: 900 m",
                                             "Vario: 1.5 m/s", "Temp.: 16.8 °C", "SOG: 40 km/h", "TAS: 30 km/h"}));
    EXPECT_EQ(KopfText(50000, "/flug %1.vrl", "12.07.25"),
              "Scale 1:50000    File name: /flug %1.vrl    Flight date:12.07.25 ");
}
