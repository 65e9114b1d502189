// sarnix-cli export: the flight as GPX or as a coloured KML track; one line of JSON tells what
// was written.

#include "app/Cli.h"
#include "app/CliGemeinsam.h"

#include "doc/CSarnixDoc.h"
#include "export/Exportieren.h"
#include "export/Kml.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <cstdio>
#include <optional>
#include <variant>

namespace {

using namespace cli;

int Nutzung(const QString& text)
{
    Melde(text);
    Melde(QCoreApplication::translate("Cli", "Aufruf: sarnix-cli export FILE -o OUT.gpx|OUT.kml\n"
                                             "                   [--farbe keine|vario|hoehe|wind|temperatur] [--zeitzone ZONE]"));
    return nutzungsFehler;
}

std::optional<int8_t> FarbeAus(const QString& text)
{
    if (text == QLatin1String("keine")) return KeineFaerbung;
    if (text == QLatin1String("vario")) return Variowerte;
    if (text == QLatin1String("hoehe")) return Flughoehe;
    if (text == QLatin1String("wind")) return Wind;
    if (text == QLatin1String("temperatur")) return Temperaturgradient;
    return std::nullopt;
}

struct Auftrag {
    QString datei;
    QString ziel;
    ExportWahl wahl;
    bool zoneGenannt = false;
};

// The arguments, or the exit code of a usage error.
std::variant<Auftrag, int> Lesen(const QStringList& argumente)
{
    Auftrag a;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& arg = argumente[i];
        const auto wert = [&]() -> std::optional<QString> {
            if (i + 1 >= argumente.size())
                return std::nullopt;
            return argumente[++i];
        };
        if (arg == QLatin1String("-o")) {
            const auto w = wert();
            if (!w) return Nutzung(QCoreApplication::translate("Cli", "-o braucht eine Zieldatei."));
            a.ziel = *w;
        } else if (arg == QLatin1String("--farbe")) {
            const auto w = wert();
            const auto farbe = w ? FarbeAus(*w) : std::nullopt;
            if (!farbe) return Nutzung(QCoreApplication::translate("Cli", "--farbe kennt keine, vario, hoehe, wind und temperatur."));
            a.wahl.farbe = *farbe;
        } else if (arg == QLatin1String("--zeitzone")) {
            const auto w = wert();
            const QTimeZone zone = w ? QTimeZone(w->toUtf8()) : QTimeZone();
            if (!zone.isValid())
                return Nutzung(QCoreApplication::translate("Cli", "--zeitzone braucht eine Zeitzone wie Europe/Berlin oder UTC."));
            a.wahl.zeitzone = zone;
            a.zoneGenannt = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return Nutzung(QCoreApplication::translate("Cli", "Unbekannte Option: %1").arg(arg));
        } else if (a.datei.isEmpty()) {
            a.datei = arg;
        } else {
            return Nutzung(QCoreApplication::translate("Cli", "Nur eine Aufzeichnung: %1").arg(arg));
        }
    }
    if (a.datei.isEmpty())
        return Nutzung(QCoreApplication::translate("Cli", "Keine Aufzeichnung angegeben."));
    const std::optional<ExportFormat> format = FormatAusEndung(a.ziel);
    if (a.ziel.isEmpty() || !format)
        return Nutzung(QCoreApplication::translate("Cli", "-o braucht eine Zieldatei auf .gpx oder .kml."));
    a.wahl.format = *format;
    return a;
}

}  // namespace

int CliExport(const QStringList& argumente)
{
    const std::variant<Auftrag, int> gelesen = Lesen(argumente);
    if (const int* code = std::get_if<int>(&gelesen))
        return *code;
    const Auftrag& a = std::get<Auftrag>(gelesen);

    CSarnixDoc doc;
    if (!Oeffne(doc, a.datei))
        return dateiFehler;
    if (!doc.geladen) {
        Melde(QCoreApplication::translate("Cli", "Keine Flugaufzeichnung: nichts zu exportieren."));
        return dateiFehler;
    }

    // Not refused: a script may export a folder of .vrl recordings and IGC logs with one zone.
    if (doc.igc.istIgc && a.zoneGenannt)
        Melde(QCoreApplication::translate("Cli", "Hinweis: Die Zeiten einer IGC-Datei sind UTC; --zeitzone gilt nur für .vrl-Aufzeichnungen."));
    if (a.wahl.format == ExportFormat::Kml && KmlFaerbung(doc, a.wahl.farbe) != a.wahl.farbe)
        Melde(QCoreApplication::translate("Cli", "Hinweis: Die Aufzeichnung enthält keine Temperatur; die Spur bleibt ungefärbt."));

    const ExportErgebnis ergebnis = Exportiere(doc, a.ziel, a.wahl);
    if (!ergebnis.geschrieben) {
        Melde(ergebnis.fehler);
        return dateiFehler;
    }
    const ExportBericht& b = ergebnis.bericht;
    if (b.punkte == 0)
        Melde(QCoreApplication::translate("Cli", "Hinweis: %1").arg(HinweisOhnePositionen()));
    std::printf("{\"format\": \"%s\", \"punkte\": %lld, \"strecken\": %lld, \"wegpunkte\": %lld, \"stuecke\": %lld, "
                "\"thermiken\": %lld}\n",
                a.wahl.format == ExportFormat::Gpx ? "gpx" : "kml", static_cast<long long>(b.punkte),
                static_cast<long long>(b.strecken), static_cast<long long>(b.wegpunkte),
                static_cast<long long>(b.stuecke), static_cast<long long>(b.thermiken));
    return std::fflush(stdout) == 0 ? 0 : dateiFehler;
}
