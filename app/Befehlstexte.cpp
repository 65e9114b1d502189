#include "app/Befehlstexte.h"

#include "pipeline/Befehle.h"

#include <QCoreApplication>

namespace {

const char* const textGrundriss = QT_TRANSLATE_NOOP("Befehlstexte", "Zeigt den Flug in der Grundrißdarstellung an.");
const char* const textNord = QT_TRANSLATE_NOOP("Befehlstexte", "Zeigt den Flug in einem Barogramm mit der Blickrichtung nach Norden.");
const char* const textWest = QT_TRANSLATE_NOOP("Befehlstexte", "Zeigt den Flug in einem Barogramm mit der Blickrichtung nach Westen.");
const char* const textTemperatur = QT_TRANSLATE_NOOP("Befehlstexte", "Zeigt den Temperaturverlauf des ausgewählten Ausschnittes an.");
const char* const textKeine = QT_TRANSLATE_NOOP("Befehlstexte", "Schaltet die Einfärbung der Grafik ab.");
const char* const textGradient =
    QT_TRANSLATE_NOOP("Befehlstexte", "Färb die Grafik in Abhängigkeit von der Abweichung von der Tagestemperatur.");
const char* const textWind = QT_TRANSLATE_NOOP("Befehlstexte", "TAS minus SOG (Gegenwind blau | Rückenwind rot).");
const char* const textHoehe = QT_TRANSLATE_NOOP("Befehlstexte", "Färbt die Grafik in Abhängikeit von der Flughöhe.");
const char* const textVario = QT_TRANSLATE_NOOP("Befehlstexte", "Färbt die Grafik nach steigen und sinken.");

const char* StatusRoh(int id)
{
    using namespace Befehl;
    if (id >= LetzteDatei1 && id < LetzteDatei1 + 6)
        return QT_TRANSLATE_NOOP("Befehlstexte", "Öffnet dieses Dokument.");
    switch (id) {
    case Oeffnen: return QT_TRANSLATE_NOOP("Befehlstexte", "Öffnet ein bestehendes Dokument.");
    case Drucken: return QT_TRANSLATE_NOOP("Befehlstexte", "Druckt das aktive Dokument.");
    case Befehl::Druckvorschau: return QT_TRANSLATE_NOOP("Befehlstexte", "Zeigt die Seite so an, wie sie gedruckt wird.");
    case Befehl::Exportieren:
        return QT_TRANSLATE_NOOP("Befehlstexte", "Speichert den Flug als GPX-Datei oder als farbige KML-Spur für 3-D-Globen.");
    case Beenden: return QT_TRANSLATE_NOOP("Befehlstexte", "Beendet die Anwendung.");
    case InfoUeber: return QT_TRANSLATE_NOOP("Befehlstexte", "Zeigt Programm-, Versions- und Copyright-Informationen an.");
    case Statusleiste: return QT_TRANSLATE_NOOP("Befehlstexte", "Blendet die Statusleiste ein oder aus.");
    case Symbolleiste: return QT_TRANSLATE_NOOP("Befehlstexte", "Blendet die Symbolleiste ein oder aus.");
    case Einzelgrafik: return QT_TRANSLATE_NOOP("Befehlstexte", "Es wird nur eine Ansicht am Bildschirm dargestellt.");
    case GeteilteGrafik:
        return QT_TRANSLATE_NOOP("Befehlstexte", "Der Bildschirm wird in zwei Bereiche unterteilt (für Gegenüberstellungen der einzelnen Ansichten).");
    case LinksOben:
    case RechtsOben:
    // The toolbar's plan-view button had no text of its own; it shares the menu entry's.
    case AktivOben: return textGrundriss;
    case LinksSueden:
    case RechtsSueden:
    case AktivNord: return textNord;
    case LinksOsten:
    case RechtsOsten:
    case AktivWest: return textWest;
    case LinksTemperatur:
    case RechtsTemperatur:
    case AktivTemperatur: return textTemperatur;
    case Zeitmarken: return QT_TRANSLATE_NOOP("Befehlstexte", "Blendet die Zeitmarken in die Grafik ein.");
    case Routenpunkte: return QT_TRANSLATE_NOOP("Befehlstexte", "Blendet die Wegpunkte in die Grafik ein.");
    case LinksKeine:
    case RechtsKeine:
    case AktivKeine: return textKeine;
    case LinksTemperaturgradient:
    case RechtsTemperaturgradient:
    case AktivTemperaturgradient: return textGradient;
    case LinksWind:
    case RechtsWind:
    case AktivWind: return textWind;
    case LinksFlughoehe:
    case RechtsFlughoehe:
    case AktivFlughoehe: return textHoehe;
    case LinksVario:
    case RechtsVario:
    case AktivVario: return textVario;
    case Vergroessern: return QT_TRANSLATE_NOOP("Befehlstexte", "Ermöglicht mit Hilfe der Maus ein teiweises vergrößern der Grafik.");
    case Verkleinern: return QT_TRANSLATE_NOOP("Befehlstexte", "Stellt das Dreifache des aktuellen Fensterinhaltes am Bildschirm dar.");
    case Anpassen: return QT_TRANSLATE_NOOP("Befehlstexte", "Paßt die Grafik optimal an den zur Verfügung stehenden Platz an.");
    case FlugInformationen: return QT_TRANSLATE_NOOP("Befehlstexte", "Zeigt eine Dialogbox mit Daten des aktuellen Fluges an.");
    case Einstellungen: return QT_TRANSLATE_NOOP("Befehlstexte", "Öffnet eine Dialogbox zur Konfiguration der Grafik");
    case LinksZeit:
    case RechtsZeit:
    case AktivZeit: return QT_TRANSLATE_NOOP("Befehlstexte", "Zeigt die Flughöhe über der Uhrzeit an.");
    case Gelaende: return QT_TRANSLATE_NOOP("Befehlstexte", "Schattiert das Gelände unter dem Grundriß (mit einem Geländeordner in den Einstellungen).");
    case Thermiken: return QT_TRANSLATE_NOOP("Befehlstexte", "Markiert jede Thermik mit ihrem mittleren Steigen.");
    case Befehl::Karte:
        return QT_TRANSLATE_NOOP("Befehlstexte", "Legt eine Landkarte unter den Grundriß; erst dann werden Kacheln geladen.");
    case Befehl::Flugphasen:
        return QT_TRANSLATE_NOOP("Befehlstexte", "Zeigt Thermiken, Gleitstrecken und die Statistik des Fluges an.");
    case Befehl::Wertung:
        return QT_TRANSLATE_NOOP("Befehlstexte", "Zeigt die beste Wertung des Fluges nach den Regeln einer Liga an.");
    case Befehl::WertungZeigen:
        return QT_TRANSLATE_NOOP("Befehlstexte", "Zeichnet die gewertete Strecke in die Grafik.");
    default: return "";
    }
}

const char* TippRoh(int id)
{
    using namespace Befehl;
    switch (id) {
    case Oeffnen: return QT_TRANSLATE_NOOP("Befehlstexte", "Öffnen");
    case Drucken: return QT_TRANSLATE_NOOP("Befehlstexte", "Drucken");
    case InfoUeber: return QT_TRANSLATE_NOOP("Befehlstexte", "Info über Sarnix");
    case Anpassen: return QT_TRANSLATE_NOOP("Befehlstexte", "Anpassen");
    case Vergroessern: return QT_TRANSLATE_NOOP("Befehlstexte", "Vergrößern");
    case Verkleinern: return QT_TRANSLATE_NOOP("Befehlstexte", "Verkleinern");
    case AktivOben: return QT_TRANSLATE_NOOP("Befehlstexte", "Von oben");
    case AktivWest: return QT_TRANSLATE_NOOP("Befehlstexte", "Barogramm, Blick nach Westen");
    case AktivNord: return QT_TRANSLATE_NOOP("Befehlstexte", "Barogramm, Blick nach Norden");
    case AktivTemperatur: return QT_TRANSLATE_NOOP("Befehlstexte", "Temperaturverlauf");
    case AktivZeit: return QT_TRANSLATE_NOOP("Befehlstexte", "Barogramm über der Zeit");
    case Befehl::Flugphasen: return QT_TRANSLATE_NOOP("Befehlstexte", "Flugphasen");
    case Befehl::Wertung: return QT_TRANSLATE_NOOP("Befehlstexte", "Wertung");
    case FlugInformationen: return QT_TRANSLATE_NOOP("Befehlstexte", "Flug Informationen");
    case AktivKeine: return QT_TRANSLATE_NOOP("Befehlstexte", "Keine Färbung");
    case AktivTemperaturgradient: return QT_TRANSLATE_NOOP("Befehlstexte", "Färbung: Temperaturgradient");
    case AktivWind: return QT_TRANSLATE_NOOP("Befehlstexte", "Färbung: Wind");
    case AktivFlughoehe: return QT_TRANSLATE_NOOP("Befehlstexte", "Färbung: Flughöhe");
    case AktivVario: return QT_TRANSLATE_NOOP("Befehlstexte", "Färbung: Vario - Werte");
    default: return "";
    }
}

}  // namespace

QString StatusText(int id) { return QCoreApplication::translate("Befehlstexte", StatusRoh(id)); }

QString TippText(int id) { return QCoreApplication::translate("Befehlstexte", TippRoh(id)); }
