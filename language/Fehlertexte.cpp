#include "language/Fehlertexte.h"

#include <QCoreApplication>
#include <QDir>

QString OeffnenFehlerText(OeffnenFehler fehler, const QString& pfad)
{
    // The German texts are the document layer's own (FehlerText), which knows no translations.
    const char* vorlage = nullptr;
    switch (fehler) {
    case OeffnenFehler::Keiner:
        return {};
    case OeffnenFehler::NichtGefunden:
        vorlage = QT_TRANSLATE_NOOP("OeffnenFehler", "%1 wurde nicht gefunden.");
        break;
    case OeffnenFehler::UngueltigerPfad:
        vorlage = QT_TRANSLATE_NOOP("OeffnenFehler", "%1 enthält eine ungültige Pfadangabe.");
        break;
    case OeffnenFehler::ZuVieleDateien:
        vorlage = QT_TRANSLATE_NOOP("OeffnenFehler",
                                    "%1 konnte nicht geöffnet werden, da zu viele Dateien geöffnet sind.");
        break;
    case OeffnenFehler::ZugriffVerweigert:
        vorlage = QT_TRANSLATE_NOOP("OeffnenFehler", "Zugriff auf %1 wurde verwehrt.");
        break;
    case OeffnenFehler::Zugriffsverletzung:
        vorlage = QT_TRANSLATE_NOOP("OeffnenFehler",
                                    "Eine Zugriffsverletzung ist während des Zugriffs auf %1 aufgetreten.");
        break;
    case OeffnenFehler::HardwareFehler:
        vorlage = QT_TRANSLATE_NOOP("OeffnenFehler",
                                    "Ein Hardware-E/A-Fehler wurde während des Zugriffs auf %1 gemeldet.");
        break;
    case OeffnenFehler::KeineAufzeichnung:
        vorlage = QT_TRANSLATE_NOOP("OeffnenFehler", "%1 ist keine Flugaufzeichnung.");
        break;
    case OeffnenFehler::Unbekannt:
        vorlage = QT_TRANSLATE_NOOP("OeffnenFehler",
                                    "Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.");
        break;
    }
    if (vorlage == nullptr)  // a cause added below without a text here
        return QString::fromStdString(FehlerText(fehler, pfad.toStdString()));
    return QCoreApplication::translate("OeffnenFehler", vorlage).arg(pfad);
}

QString GelaendeHinweisText(const GelaendeHinweis& h)
{
    const char* vorlage = nullptr;
    switch (h.art) {
    case GelaendeHinweisArt::KeinOrdner:
        vorlage = QT_TRANSLATE_NOOP("Gelaende", "Geländeordner %1 nicht gefunden oder nicht lesbar");
        break;
    case GelaendeHinweisArt::KeineKacheln:
        vorlage = QT_TRANSLATE_NOOP("Gelaende", "Keine Höhenkacheln in %1");
        break;
    case GelaendeHinweisArt::ZuVieleDateien:
        vorlage = QT_TRANSLATE_NOOP("Gelaende", "Zu viele Dateien in %1: die Suche nach Höhenkacheln endete vorzeitig");
        break;
    case GelaendeHinweisArt::NichtLesbar:
        vorlage = QT_TRANSLATE_NOOP("Gelaende", "Höhenkachel %1 nicht lesbar (falsche Größe, abgeschnitten oder kein Höhenmodell)");
        break;
    case GelaendeHinweisArt::KeineHoehen:
        vorlage = QT_TRANSLATE_NOOP("Gelaende", "%1 ist ein Bild, kein Höhenmodell");
        break;
    case GelaendeHinweisArt::OhneBezug:
        vorlage = QT_TRANSLATE_NOOP("Gelaende", "%1 hat keine Georeferenz, die sich in Grad umrechnen lässt");
        break;
    case GelaendeHinweisArt::Beschaedigt:
        vorlage = QT_TRANSLATE_NOOP("Gelaende", "Höhenkachel %1 ist beschädigt: ein Teil der Höhen fehlt");
        break;
    case GelaendeHinweisArt::Geaendert:
        vorlage = QT_TRANSLATE_NOOP("Gelaende", "Höhenkachel %1 wurde geändert und neu gelesen");
        break;
    case GelaendeHinweisArt::KeinLeser:
        vorlage = QT_TRANSLATE_NOOP("Gelaende", "Der Leser für Höhenmodelle fehlt: %1");
        break;
    }
    return QCoreApplication::translate("Gelaende", vorlage).arg(QDir::toNativeSeparators(QString::fromStdString(h.datei)));
}
