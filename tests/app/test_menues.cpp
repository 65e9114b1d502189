// The menu bar as the user reads it: titles, entries, mnemonics, separators, shortcuts, marks,
// enabling, and the status texts shown while an entry is highlighted.

#include "AppHilfen.h"
#include "TestHilfen.h"

#include "app/Befehlstexte.h"
#include "app/Tastenanzeige.h"
#include "language/Sprache.h"
#include "pipeline/Befehle.h"
#include "view/CSarnixView.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>

namespace {

QAction* MenueAktion(const QMenu* menue, int id)
{
    for (QAction* aktion : menue->actions()) {
        if (aktion->menu() != nullptr) {
            if (QAction* tiefer = MenueAktion(aktion->menu(), id))
                return tiefer;
        } else if (aktion->data().isValid() && aktion->data().toInt() == id) {
            return aktion;
        }
    }
    return nullptr;
}

QAction* MenueAktion(const QMenuBar* leiste, int id)
{
    for (QAction* titel : leiste->actions())
        if (QAction* aktion = MenueAktion(titel->menu(), id))
            return aktion;
    return nullptr;
}

QMenu* Menue(const QMenuBar* leiste, const QString& titel)
{
    for (QAction* aktion : leiste->actions())
        if (aktion->text() == titel)
            return aktion->menu();
    return nullptr;
}

QAction* Knopf(const QToolBar* leiste, int id)
{
    for (QAction* aktion : leiste->actions())
        if (aktion->data().isValid() && aktion->data().toInt() == id)
            return aktion;
    return nullptr;
}

}  // namespace

TEST(Menueleiste, TitelInDerReihenfolge)
{
    test::Fenster f;
    QStringList titel;
    for (const QAction* aktion : f.rahmen->menuBar()->actions())
        titel << aktion->text();
    EXPECT_EQ(titel, QStringList({"&Datei", "&Ansicht", "&Grafik", "&?"}));
}

TEST(Menueleiste, JederEintragMitMnemonikUndTrenner)
{
    test::Fenster f;
    QStringList alle;
    for (const QAction* titel : f.rahmen->menuBar()->actions()) {
        alle << titel->text() + " >";
        alle += test::Struktur(titel->menu(), "  ");
    }
    for (QString& zeile : alle)
        zeile.remove(" (grau)");
    const QStringList erwartet = {
        "&Datei >",
        "  Ö&ffnen...\tStrg+O",
        "  &Exportieren...",
        "  &Höhe aus IGC-Dateien >",
        "    &Automatisch (Luftdruck, ohne Barometer GNSS)",
        "    &Luftdruck",
        "    &GNSS",
        "  IGC-&Uhrzeit >",
        "    &Ortszeit, wo die Datei ihre Zeitzone nennt",
        "    &UTC",
        "  ---",
        "  &Grafik Drucken...\tStrg+P",
        "  Druck&vorschau...",
        "  ---",
        "  Letzte Datei",
        "  ---",
        "  &Beenden",
        "&Ansicht >",
        "  S&tatusleiste",
        "  &Symbolleiste",
        "  ---",
        "  &Zeitmarken",
        "  &Routenpunkte",
        "  T&hermiken",
        "  &Gelände",
        "  &Wertung",
        "  &Karte",
        "  ---",
        "  S&prache >",
        "    &Deutsch",
        "    &English",
        "&Grafik >",
        "  &Anzahl >",
        "    &Einzelgrafik",
        "    ge&teilte Grafik",
        "  &Linke Grafik >",
        "    Von &Oben",
        "    Von &Süden",
        "    Von O&sten",
        "    &Temperaturverlauf",
        "    Über der &Zeit",
        "    &Farbe >",
        "      &Keine",
        "      &Temperaturgradient",
        "      &Wind",
        "      &Flughöhe",
        "      &Vario - Werte",
        "  &Rechte Grafik >",
        "    Von &Oben",
        "    Von &Süden",
        "    Von O&sten",
        "    &Temperaturverlauf",
        "    Über der &Zeit",
        "    &Farbe >",
        "      &Keine",
        "      &Temperaturgradient",
        "      &Wind",
        "      &Flughöhe",
        "      &Vario - Werte",
        "  &Zoom >",
        "    &Vergrößern",
        "    Ver&kleinern",
        "    &Anpassen",
        "  Flug &Informationen",
        "  Flug&phasen...",
        "  &Wertung...",
        "  &Einstellungen...",
        "&? >",
        "  Inf&o über sarnix...",
    };
    EXPECT_EQ(alle.join(QChar(0x0a)).toStdString(), erwartet.join(QChar(0x0a)).toStdString());
}

// Entries of a menu and its submenus without a key of their own; the key is the letter after a
// single "&".
void OhneEigeneTaste(const QMenu* menue, const QStringList& erlaubt, QStringList& fehler)
{
    QMap<QChar, QString> vergeben;
    for (const QAction* aktion : menue->actions()) {
        const QString text = QString(aktion->text()).replace("&&", "");
        const qsizetype i = text.indexOf('&');
        const QChar taste = i >= 0 && i + 1 < text.size() ? text[i + 1].toLower() : QChar();
        if (!aktion->isSeparator() && !erlaubt.contains(aktion->text()) && (taste.isNull() || vergeben.contains(taste)))
            fehler << menue->title() + " > " + aktion->text() + " " + vergeben.value(taste);
        vergeben.insert(taste, aktion->text());
        if (aktion->menu())
            OhneEigeneTaste(aktion->menu(), erlaubt, fehler);
    }
}

TEST(Menueleiste, JederEintragHatSeineEigeneTaste)
{
    // "Von &Süden" and "Von O&sten" have always shared theirs; the recent-file placeholder is
    // grayed until the files come with their digits.
    for (const auto& [sprache, erlaubt] : {std::pair{Sprache::Deutsch, QStringList{"Von O&sten", "Letzte Datei"}},
                                          std::pair{Sprache::Englisch, QStringList{"Recent File"}}}) {
        const Uebersetzung texte(sprache);
        test::Fenster f;
        QMenu leiste;  // the bar's titles as one more menu
        leiste.addActions(f.rahmen->menuBar()->actions());
        QStringList fehler;
        OhneEigeneTaste(&leiste, erlaubt, fehler);
        EXPECT_EQ(fehler.join('\n').toStdString(), "") << static_cast<int>(sprache);
    }
}

TEST(Menueleiste, PaneEintraegeSendenIhreIds)
{
    test::Fenster f;
    const QMenu* grafik = Menue(f.rahmen->menuBar(), "&Grafik");
    ASSERT_NE(grafik, nullptr);
    const QList<QAction*> eintraege = grafik->actions();
    const QMenu* links = eintraege.at(1)->menu();
    const QMenu* rechts = eintraege.at(2)->menu();
    ASSERT_TRUE(links && rechts);
    const auto ids = [](const QMenu* m) {
        QList<int> liste;
        for (const QAction* a : m->actions())
            liste << (a->menu() ? -1 : a->data().toInt());
        for (const QAction* a : m->actions().last()->menu()->actions())
            liste << a->data().toInt();
        return liste;
    };
    EXPECT_EQ(ids(links), QList<int>({32775, 32776, 32778, 32779, 32830, -1, 32786, 32788, 32790, 32792, 32794}));
    EXPECT_EQ(ids(rechts), QList<int>({32780, 32781, 32782, 32783, 32831, -1, 32787, 32789, 32791, 32793, 32795}));
}

TEST(Menueleiste, TastenkuerzelOeffnenUndDrucken)
{
    test::Fenster f;
    const QMenuBar* leiste = f.rahmen->menuBar();
    EXPECT_EQ(MenueAktion(leiste, Befehl::Oeffnen)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(MenueAktion(leiste, Befehl::Drucken)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    // The about entry shows no key; F1 belongs to the window.
    EXPECT_TRUE(MenueAktion(leiste, Befehl::InfoUeber)->shortcut().isEmpty());
}

TEST(Menueleiste, AnzahlAlsRadioGruppeNachDerAnsicht)
{
    test::Fenster f;
    f.doc.OnOpenDocument(test::FlugDatei(900).toStdString());
    f.rahmen->AktualisiereBefehle();
    QAction* einzel = MenueAktion(f.rahmen->menuBar(), Befehl::Einzelgrafik);
    QAction* geteilt = MenueAktion(f.rahmen->menuBar(), Befehl::GeteilteGrafik);
    ASSERT_NE(einzel->actionGroup(), nullptr);
    EXPECT_TRUE(einzel->actionGroup()->isExclusive());
    EXPECT_EQ(einzel->actionGroup(), geteilt->actionGroup());

    f.rahmen->ansicht()->ansicht().einstellungenLaden = 0;  // stored settings read already
    f.rahmen->ansicht()->ansicht().grafikanzahl = 1;
    f.rahmen->AktualisiereBefehle();
    EXPECT_TRUE(einzel->isChecked());
    EXPECT_FALSE(geteilt->isChecked());

    geteilt->trigger();
    EXPECT_EQ(f.rahmen->ansicht()->ansicht().grafikanzahl, 2);
    EXPECT_FALSE(einzel->isChecked());
    EXPECT_TRUE(geteilt->isChecked());
}

TEST(Menueleiste, ZeitmarkenHakenFolgtDerAnsicht)
{
    test::Fenster f;
    QAction* zeitmarken = MenueAktion(f.rahmen->menuBar(), Befehl::Zeitmarken);
    QAction* routen = MenueAktion(f.rahmen->menuBar(), Befehl::Routenpunkte);
    f.rahmen->ansicht()->ansicht().einstellungenLaden = 0;  // stored settings read already
    f.rahmen->ansicht()->ansicht().zeitmarken = 0;
    f.rahmen->ansicht()->ansicht().wegpunkte = 0;
    f.rahmen->AktualisiereBefehle();
    EXPECT_FALSE(zeitmarken->isChecked());

    zeitmarken->trigger();
    EXPECT_EQ(f.rahmen->ansicht()->ansicht().zeitmarken, 1);
    EXPECT_TRUE(zeitmarken->isChecked());
    EXPECT_FALSE(routen->isChecked());
    zeitmarken->trigger();
    EXPECT_EQ(f.rahmen->ansicht()->ansicht().zeitmarken, 0);
    EXPECT_FALSE(zeitmarken->isChecked());

    routen->trigger();
    EXPECT_EQ(f.rahmen->ansicht()->ansicht().wegpunkte, 1);
    EXPECT_TRUE(routen->isChecked());
}

TEST(Menueleiste, LeistenEinUndAusblenden)
{
    test::Fenster f;
    QAction* status = MenueAktion(f.rahmen->menuBar(), Befehl::Statusleiste);
    QAction* symbole = MenueAktion(f.rahmen->menuBar(), Befehl::Symbolleiste);
    EXPECT_TRUE(status->isChecked());
    EXPECT_TRUE(symbole->isChecked());

    status->trigger();
    EXPECT_TRUE(f.rahmen->statusBar()->isHidden());
    EXPECT_FALSE(status->isChecked());
    symbole->trigger();
    EXPECT_TRUE(f.rahmen->symbolleiste()->isHidden());
    EXPECT_FALSE(symbole->isChecked());

    status->trigger();
    symbole->trigger();
    EXPECT_FALSE(f.rahmen->statusBar()->isHidden());
    EXPECT_FALSE(f.rahmen->symbolleiste()->isHidden());
    EXPECT_TRUE(status->isChecked() && symbole->isChecked());
}

TEST(Freigabe, OhneFlugGrauMitFlugBereit)
{
    test::Fenster f;
    const QMenuBar* leiste = f.rahmen->menuBar();
    QMenu* grafik = Menue(leiste, "&Grafik");
    emit grafik->aboutToShow();

    EXPECT_FALSE(MenueAktion(leiste, Befehl::Drucken)->isEnabled());
    EXPECT_FALSE(MenueAktion(leiste, Befehl::Druckvorschau)->isEnabled());
    EXPECT_FALSE(Knopf(f.rahmen->symbolleiste(), Befehl::Drucken)->isEnabled());
    EXPECT_TRUE(MenueAktion(leiste, Befehl::Oeffnen)->isEnabled());
    // The graph menu opens, but everything in it is grey.
    EXPECT_TRUE(grafik->menuAction()->isEnabled());
    for (const QAction* eintrag : grafik->actions())
        EXPECT_FALSE(eintrag->isEnabled()) << eintrag->text().toStdString();
    // The same command on the toolbar stays usable.
    EXPECT_TRUE(Knopf(f.rahmen->symbolleiste(), Befehl::FlugInformationen)->isEnabled());

    ASSERT_TRUE(f.rahmen->OeffneDatei(test::FlugDatei(900)));
    emit grafik->aboutToShow();
    EXPECT_TRUE(MenueAktion(leiste, Befehl::Drucken)->isEnabled());
    EXPECT_TRUE(MenueAktion(leiste, Befehl::Druckvorschau)->isEnabled());
    EXPECT_TRUE(Knopf(f.rahmen->symbolleiste(), Befehl::Drucken)->isEnabled());
    for (const QAction* eintrag : grafik->actions())
        EXPECT_TRUE(eintrag->isEnabled()) << eintrag->text().toStdString();
    // Both pane menus with every entry, in single mode too.
    f.rahmen->ansicht()->ansicht().grafikanzahl = 1;
    emit grafik->aboutToShow();
    EXPECT_TRUE(MenueAktion(leiste, Befehl::RechtsTemperatur)->isEnabled());
    EXPECT_TRUE(MenueAktion(leiste, Befehl::RechtsVario)->isEnabled());
}

class Statustexte : public ::testing::Test {
protected:
    test::Fenster f;
    QString NachHover(QAction* aktion)
    {
        aktion->showStatusText(f.rahmen.get());
        return f.rahmen->statusBar()->currentMessage();
    }
};

TEST_F(Statustexte, BereitImLeerlauf)
{
    EXPECT_EQ(f.rahmen->statusBar()->currentMessage(), "Bereit");
    QAction* oeffnen = MenueAktion(f.rahmen->menuBar(), Befehl::Oeffnen);
    EXPECT_EQ(NachHover(oeffnen), "Öffnet ein bestehendes Dokument.");
    f.rahmen->statusBar()->clearMessage();
    EXPECT_EQ(f.rahmen->statusBar()->currentMessage(), "Bereit");
}

// Every command of every menu says in the status bar what it does; the recent files and the
// language choice are no commands.
TEST_F(Statustexte, JederBefehlSagtWasErTut)
{
    int befehle = 0;
    std::function<void(const QMenu*)> pruefe = [&](const QMenu* menue) {
        for (QAction* aktion : menue->actions()) {
            if (aktion->menu() != nullptr)
                pruefe(aktion->menu());
            else if (!aktion->isSeparator() && aktion->data().typeId() == QMetaType::Int
                     && (aktion->data().toInt() < Befehl::LetzteDatei1 || aktion->data().toInt() > Befehl::LetzteDatei1 + 5)) {
                ++befehle;
                EXPECT_FALSE(NachHover(aktion).isEmpty()) << aktion->text().toStdString();
            }
        }
    };
    for (const QAction* titel : f.rahmen->menuBar()->actions())
        pruefe(titel->menu());
    EXPECT_GE(befehle, 25);
    EXPECT_EQ(NachHover(MenueAktion(f.rahmen->menuBar(), Befehl::Anpassen)),
              "Paßt die Grafik optimal an den zur Verfügung stehenden Platz an.");
}

TEST_F(Statustexte, HervorgehobenerMenueEintragImOffenenMenue)
{
    f.rahmen->show();
    f.rahmen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.rahmen.get()));
    // Alt+A opens "&Ansicht" from the menu bar; arrow keys walk down to "&Zeitmarken".
    QTest::keyClick(f.rahmen.get(), Qt::Key_A, Qt::AltModifier);
    QMenu* ansicht = Menue(f.rahmen->menuBar(), "&Ansicht");
    ASSERT_TRUE(test::WarteBis([&] { return ansicht->isVisible(); }, 5000, "the open menu"));
    EXPECT_EQ(f.rahmen->statusBar()->currentMessage(), "Blendet die Statusleiste ein oder aus.");
    QTest::keyClick(ansicht, Qt::Key_Down);
    QTest::keyClick(ansicht, Qt::Key_Down);
    EXPECT_EQ(ansicht->activeAction(), MenueAktion(f.rahmen->menuBar(), Befehl::Zeitmarken));
    EXPECT_EQ(f.rahmen->statusBar()->currentMessage(), "Blendet die Zeitmarken in die Grafik ein.");
    QTest::keyClick(ansicht, Qt::Key_Escape);
    QTest::keyClick(f.rahmen->menuBar(), Qt::Key_Escape);
    ASSERT_TRUE(test::WarteBis([&] { return !ansicht->isVisible(); }, 5000, "the menu to close"));
    EXPECT_EQ(f.rahmen->statusBar()->currentMessage(), "Bereit");
}

TEST_F(Statustexte, SymbolleisteBeimUeberfahren)
{
    f.rahmen->show();
    QToolBar* leiste = f.rahmen->symbolleiste();
    QWidget* knopf = leiste->widgetForAction(Knopf(leiste, Befehl::AktivWind));
    ASSERT_NE(knopf, nullptr);
    QEvent betreten(QEvent::Enter);
    QApplication::sendEvent(knopf, &betreten);
    EXPECT_EQ(f.rahmen->statusBar()->currentMessage(), "TAS minus SOG (Gegenwind blau | Rückenwind rot).");
    QEvent verlassen(QEvent::Leave);
    QApplication::sendEvent(knopf, &verlassen);
    EXPECT_EQ(f.rahmen->statusBar()->currentMessage(), "Bereit");
}

TEST(Statusleiste, FeststelltastenRechtsInDerReihenfolge)
{
    test::Fenster f;
    const Tastenanzeige* tasten = f.rahmen->tastenanzeige();
    EXPECT_EQ(tasten->umschaltFeststellung()->text(), "UF");
    EXPECT_EQ(tasten->num()->text(), "NUM");
    EXPECT_EQ(tasten->rollen()->text(), "RF");
    f.rahmen->resize(800, 600);
    f.rahmen->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.rahmen.get()));
    const int uf = tasten->umschaltFeststellung()->geometry().left();
    const int num = tasten->num()->geometry().left();
    const int rf = tasten->rollen()->geometry().left();
    EXPECT_LT(uf, num);
    EXPECT_LT(num, rf);
    EXPECT_GT(uf, f.rahmen->statusBar()->width() / 2);
#ifndef Q_OS_WIN
    // The lock keys' state is unknown here: the indicators stay greyed.
    EXPECT_FALSE(tasten->umschaltFeststellung()->isEnabled());
    EXPECT_FALSE(tasten->num()->isEnabled());
    EXPECT_FALSE(tasten->rollen()->isEnabled());
#endif
}

TEST(Menueleiste, ArtUndFarbeJederGrafikTragenDenPunkt)
{
    test::Fenster f;
    ASSERT_TRUE(f.rahmen->OeffneDatei(test::FlugDatei(900)));
    f.rahmen->ansicht()->ansicht().einstellungenLaden = 0;
    f.rahmen->Ausfuehren(Befehl::GeteilteGrafik);
    f.rahmen->Ausfuehren(Befehl::RechtsSueden);
    f.rahmen->Ausfuehren(Befehl::RechtsWind);
    f.rahmen->Ausfuehren(Befehl::LinksFlughoehe);

    const auto punkt = [&](int id) {
        QAction* aktion = MenueAktion(f.rahmen->menuBar(), id);
        EXPECT_NE(aktion->actionGroup(), nullptr) << id;
        return aktion->isCheckable() && aktion->isChecked();
    };
    EXPECT_TRUE(punkt(Befehl::LinksOben));
    EXPECT_FALSE(punkt(Befehl::LinksSueden));
    EXPECT_TRUE(punkt(Befehl::LinksFlughoehe));
    EXPECT_FALSE(punkt(Befehl::LinksKeine));
    EXPECT_TRUE(punkt(Befehl::RechtsSueden));
    EXPECT_FALSE(punkt(Befehl::RechtsOben));
    EXPECT_TRUE(punkt(Befehl::RechtsWind));
    EXPECT_FALSE(punkt(Befehl::RechtsFlughoehe));
}

TEST(Symbolleiste, KnoepfeDerGewaehltenGrafikSindGedrueckt)
{
    test::Fenster f;
    ASSERT_TRUE(f.rahmen->OeffneDatei(test::FlugDatei(900)));
    f.rahmen->ansicht()->ansicht().einstellungenLaden = 0;
    f.rahmen->Ausfuehren(Befehl::GeteilteGrafik);
    f.rahmen->Ausfuehren(Befehl::LinksOben);
    f.rahmen->Ausfuehren(Befehl::LinksFlughoehe);
    f.rahmen->Ausfuehren(Befehl::RechtsOsten);
    f.rahmen->Ausfuehren(Befehl::RechtsVario);

    const auto gedrueckt = [&] {
        QList<int> ids;
        for (const QAction* knopf : f.rahmen->symbolleiste()->actions())
            if (knopf->isChecked())
                ids.append(knopf->data().toInt());
        return ids;
    };
    f.rahmen->ansicht()->ansicht().aktiveGrafik = 0;
    f.rahmen->AktualisiereBefehle();
    EXPECT_EQ(gedrueckt(), (QList<int>{Befehl::AktivOben, Befehl::AktivFlughoehe}));

    // A click into the right pane selects it; the buttons follow at once.
    f.rahmen->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.rahmen.get()));
    CSarnixView* view = f.rahmen->ansicht();
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(view->width() * 3 / 4, view->height() / 2));
    EXPECT_EQ(view->ansicht().aktiveGrafik, 1);
    EXPECT_EQ(gedrueckt(), (QList<int>{Befehl::AktivWest, Befehl::AktivVario}));

    // Pressing a pressed button leaves it pressed.
    for (QAction* knopf : f.rahmen->symbolleiste()->actions())
        if (knopf->data().toInt() == Befehl::AktivVario)
            knopf->trigger();
    EXPECT_EQ(gedrueckt(), (QList<int>{Befehl::AktivWest, Befehl::AktivVario}));
}
