#include "app/Befehlstexte.h"

#include "pipeline/Befehle.h"

namespace {

const char* const textGrundriss = "Zeigt den Flug in der Grundrißdarstellung an.";
const char* const textNord = "Zeigt den Flug in einem Barogramm mit der Blickrichtung nach Norden.";
const char* const textWest = "Zeigt den Flug in einem Barogramm mit der Blickrichtung nach Westen.";
const char* const textTemperatur = "Zeigt den Temperaturverlauf des ausgewählten Ausschnittes an.";
const char* const textKeine = "Schaltet die Einfärbung der Grafik ab.";
const char* const textGradient =
    "Färb die Grafik in Abhängigkeit von der Abweichung von der Tagestemperatur.";
const char* const textWind = "TAS minus SOG (Gegenwind blau | Rückenwind rot).";
const char* const textHoehe = "Färbt die Grafik in Abhängikeit von der Flughöhe.";
const char* const textVario = "Färbt die Grafik nach steigen und sinken.";

const char* StatusRoh(int id)
{
    using namespace Befehl;
    if (id >= LetzteDatei1 && id < LetzteDatei1 + 6)
        return "Öffnet dieses Dokument.";
    switch (id) {
    case Oeffnen: return "Öffnet ein bestehendes Dokument.";
    case Drucken: return "Druckt das aktive Dokument.";
    case Befehl::Druckvorschau: return "Zeigt die Seite so an, wie sie gedruckt wird.";
    case Beenden: return "Beendet die Anwendung.";
    case InfoUeber: return "Zeigt Programm-, Versions- und Copyright-Informationen an.";
    case Statusleiste: return "Blendet die Statusleiste ein oder aus.";
    case Symbolleiste: return "Blendet die Symbolleiste ein oder aus.";
    case Einzelgrafik: return "Es wird nur eine Ansicht am Bildschirm dargestellt.";
    case GeteilteGrafik:
        return "Der Bildschirm wird in zwei Bereiche unterteilt (für Gegenüberstellungen der "
               "einzelnen Ansichten).";
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
    case Zeitmarken: return "Blendet die Zeitmarken in die Grafik ein.";
    case Routenpunkte: return "Blendet die Wegpunkte in die Grafik ein.";
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
    case Vergroessern: return "Ermöglicht mit Hilfe der Maus ein teiweises vergrößern der Grafik.";
    case Verkleinern: return "Stellt das Dreifache des aktuellen Fensterinhaltes am Bildschirm dar.";
    case Anpassen: return "Paßt die Grafik optimal an den zur Verfügung stehenden Platz an.";
    case FlugInformationen: return "Zeigt eine Dialogbox mit Daten des aktuellen Fluges an.";
    case Einstellungen: return "Öffnet eine Dialogbox zur Konfiguration der Grafik";
    default: return "";
    }
}

const char* TippRoh(int id)
{
    using namespace Befehl;
    switch (id) {
    case Oeffnen: return "Öffnen";
    case Drucken: return "Drucken";
    case InfoUeber: return "Info über Sarnix";
    case Anpassen: return "Anpassen";
    case Vergroessern: return "Vergrößern";
    case Verkleinern: return "Verkleinern";
    case AktivOben: return "Von oben";
    case AktivWest: return "Barogramm, Blick nach Westen";
    case AktivNord: return "Barogramm, Blick nach Norden";
    case AktivTemperatur: return "Temperaturverlauf";
    case FlugInformationen: return "Flug Informationen";
    case AktivKeine: return "Keine Färbung";
    case AktivTemperaturgradient: return "Färbung: Temperaturgradient";
    case AktivWind: return "Färbung: Wind";
    case AktivFlughoehe: return "Färbung: Flughöhe";
    case AktivVario: return "Färbung: Vario - Werte";
    default: return "";
    }
}

}  // namespace

QString StatusText(int id) { return QString::fromUtf8(StatusRoh(id)); }

QString TippText(int id) { return QString::fromUtf8(TippRoh(id)); }
