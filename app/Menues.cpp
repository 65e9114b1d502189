#include "app/Menues.h"

#include "app/Befehlstexte.h"
#include "pipeline/Befehle.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* Eintrag(QMenu* menue, int id, const char* text, bool abhakbar = false)
{
    QAction* aktion = menue->addAction(QCoreApplication::translate("Menues", text));
    aktion->setData(id);
    aktion->setStatusTip(StatusText(id));
    aktion->setCheckable(abhakbar);
    return aktion;
}

struct Ids {
    int oben, sueden, osten, temperatur, zeit, keine, gradient, wind, hoehe, vario;
};

void PaneMenue(QMenu* grafik, const char* titel, const Ids& ids)
{
    // Radio dots show the pane's kind and colour.
    QMenu* pane = grafik->addMenu(QCoreApplication::translate("Menues", titel));
    auto* arten = new QActionGroup(pane);
    arten->addAction(Eintrag(pane, ids.oben, QT_TRANSLATE_NOOP("Menues", "Von &Oben"), true));
    arten->addAction(Eintrag(pane, ids.sueden, QT_TRANSLATE_NOOP("Menues", "Von &Süden"), true));
    arten->addAction(Eintrag(pane, ids.osten, QT_TRANSLATE_NOOP("Menues", "Von O&sten"), true));
    arten->addAction(Eintrag(pane, ids.temperatur, QT_TRANSLATE_NOOP("Menues", "&Temperaturverlauf"), true));
    arten->addAction(Eintrag(pane, ids.zeit, QT_TRANSLATE_NOOP("Menues", "Über der &Zeit"), true));
    QMenu* farbe = pane->addMenu(QCoreApplication::translate("Menues", "&Farbe"));
    auto* farben = new QActionGroup(farbe);
    farben->addAction(Eintrag(farbe, ids.keine, QT_TRANSLATE_NOOP("Menues", "&Keine"), true));
    farben->addAction(Eintrag(farbe, ids.gradient, QT_TRANSLATE_NOOP("Menues", "&Temperaturgradient"), true));
    farben->addAction(Eintrag(farbe, ids.wind, QT_TRANSLATE_NOOP("Menues", "&Wind"), true));
    farben->addAction(Eintrag(farbe, ids.hoehe, QT_TRANSLATE_NOOP("Menues", "&Flughöhe"), true));
    farben->addAction(Eintrag(farbe, ids.vario, QT_TRANSLATE_NOOP("Menues", "&Vario - Werte"), true));
}

}  // namespace

Menues BaueMenues(QMenuBar& leiste)
{
    using namespace Befehl;
    Menues m;

    // The shortcut stands in the text so that it reads "Strg+O" whatever Qt's own language is.
    m.datei = leiste.addMenu(QCoreApplication::translate("Menues", "&Datei"));
    Eintrag(m.datei, Oeffnen, QT_TRANSLATE_NOOP("Menues", "Ö&ffnen...\tStrg+O"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Eintrag(m.datei, Befehl::Exportieren, QT_TRANSLATE_NOOP("Menues", "&Exportieren..."));
    m.datei->addSeparator();
    Eintrag(m.datei, Drucken, QT_TRANSLATE_NOOP("Menues", "&Grafik Drucken...\tStrg+P"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Eintrag(m.datei, Befehl::Druckvorschau, QT_TRANSLATE_NOOP("Menues", "Druck&vorschau..."));
    m.zuletztOben = m.datei->addSeparator();
    m.zuletztUnten = m.datei->addSeparator();
    Eintrag(m.datei, Beenden, QT_TRANSLATE_NOOP("Menues", "&Beenden"));

    m.ansicht = leiste.addMenu(QCoreApplication::translate("Menues", "&Ansicht"));
    Eintrag(m.ansicht, Statusleiste, QT_TRANSLATE_NOOP("Menues", "S&tatusleiste"), true);
    Eintrag(m.ansicht, Symbolleiste, QT_TRANSLATE_NOOP("Menues", "&Symbolleiste"), true);
    m.ansicht->addSeparator();
    Eintrag(m.ansicht, Zeitmarken, QT_TRANSLATE_NOOP("Menues", "&Zeitmarken"), true);
    Eintrag(m.ansicht, Routenpunkte, QT_TRANSLATE_NOOP("Menues", "&Routenpunkte"), true);
    Eintrag(m.ansicht, Thermiken, QT_TRANSLATE_NOOP("Menues", "T&hermiken"), true);
    Eintrag(m.ansicht, Gelaende, QT_TRANSLATE_NOOP("Menues", "&Gelände"), true);
    Eintrag(m.ansicht, Befehl::WertungZeigen, QT_TRANSLATE_NOOP("Menues", "&Wertung"), true);
    Eintrag(m.ansicht, Befehl::Karte, QT_TRANSLATE_NOOP("Menues", "&Karte"), true);

    m.grafik = leiste.addMenu(QCoreApplication::translate("Menues", "&Grafik"));
    QMenu* anzahl = m.grafik->addMenu(QCoreApplication::translate("Menues", "&Anzahl"));
    auto* radio = new QActionGroup(anzahl);
    radio->addAction(Eintrag(anzahl, Einzelgrafik, QT_TRANSLATE_NOOP("Menues", "&Einzelgrafik"), true));
    radio->addAction(Eintrag(anzahl, GeteilteGrafik, QT_TRANSLATE_NOOP("Menues", "ge&teilte Grafik"), true));
    PaneMenue(m.grafik, QT_TRANSLATE_NOOP("Menues", "&Linke Grafik"),
              {LinksOben, LinksSueden, LinksOsten, LinksTemperatur, LinksZeit, LinksKeine, LinksTemperaturgradient,
               LinksWind, LinksFlughoehe, LinksVario});
    PaneMenue(m.grafik, QT_TRANSLATE_NOOP("Menues", "&Rechte Grafik"),
              {RechtsOben, RechtsSueden, RechtsOsten, RechtsTemperatur, RechtsZeit, RechtsKeine,
               RechtsTemperaturgradient, RechtsWind, RechtsFlughoehe, RechtsVario});
    QMenu* zoom = m.grafik->addMenu(QCoreApplication::translate("Menues", "&Zoom"));
    Eintrag(zoom, Vergroessern, QT_TRANSLATE_NOOP("Menues", "&Vergrößern"));
    Eintrag(zoom, Verkleinern, QT_TRANSLATE_NOOP("Menues", "Ver&kleinern"));
    Eintrag(zoom, Anpassen, QT_TRANSLATE_NOOP("Menues", "&Anpassen"));
    Eintrag(m.grafik, FlugInformationen, QT_TRANSLATE_NOOP("Menues", "Flug &Informationen"));
    Eintrag(m.grafik, Befehl::Flugphasen, QT_TRANSLATE_NOOP("Menues", "Flug&phasen..."));
    Eintrag(m.grafik, Befehl::Wertung, QT_TRANSLATE_NOOP("Menues", "&Wertung..."));
    Eintrag(m.grafik, Einstellungen, QT_TRANSLATE_NOOP("Menues", "&Einstellungen..."));

    m.hilfe = leiste.addMenu(QCoreApplication::translate("Menues", "&?"));
    Eintrag(m.hilfe, InfoUeber, QT_TRANSLATE_NOOP("Menues", "Inf&o über sarnix..."));
    return m;
}

void BaueTastenkuerzel(QWidget& fenster)
{
    const auto taste = [&fenster](const QKeySequence& folge, int id) {
        auto* aktion = new QAction(&fenster);
        aktion->setShortcut(folge);
        if (id != 0)
            aktion->setData(id);
        fenster.addAction(aktion);
    };
    taste(QKeySequence(Qt::Key_F1), Befehl::InfoUeber);
    taste(QKeySequence(Qt::CTRL | Qt::Key_N), Befehl::Neu);
    for (const QKeySequence& ohneWirkung :
         {QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::Key_C),
          QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_V),
          QKeySequence(Qt::SHIFT | Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_X),
          QKeySequence(Qt::SHIFT | Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_Z),
          QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::Key_F6),
          QKeySequence(Qt::SHIFT | Qt::Key_F6)})
        taste(ohneWirkung, 0);
}

QList<QAction*> ZeigeZuletzt(const Menues& menues, const QStringList& pfade)
{
    QMenu* datei = menues.datei;
    const QList<QAction*> alle = datei->actions();
    const qsizetype oben = alle.indexOf(menues.zuletztOben);
    const qsizetype unten = alle.indexOf(menues.zuletztUnten);
    for (qsizetype i = oben + 1; i < unten; ++i) {
        // Later: the entry may be the one whose click is being handled.
        datei->removeAction(alle.at(i));
        alle.at(i)->deleteLater();
    }

    QList<QAction*> eintraege;
    if (pfade.isEmpty()) {
        auto* leer = new QAction(QCoreApplication::translate("Menues", "Letzte Datei"), datei);
        leer->setEnabled(false);
        datei->insertAction(menues.zuletztUnten, leer);
        return eintraege;
    }
    for (int i = 0; i < pfade.size(); ++i) {
        QString pfad = QDir::toNativeSeparators(pfade.at(i));
        pfad.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* eintrag = new QAction(QStringLiteral("&%1 %2").arg(QString::number(i + 1), pfad), datei);
        eintrag->setData(Befehl::LetzteDatei1 + i);
        eintrag->setStatusTip(StatusText(Befehl::LetzteDatei1 + i));
        datei->insertAction(menues.zuletztUnten, eintrag);
        eintraege.append(eintrag);
    }
    return eintraege;
}
