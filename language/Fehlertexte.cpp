#include "language/Fehlertexte.h"

#include <QCoreApplication>

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
