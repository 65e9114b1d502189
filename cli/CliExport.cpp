// sarnix-cli export: the flight as GPX or as a coloured KML track; one line of JSON tells what
// was written.

#include "cli/Cli.h"
#include "cli/CliBefehl.h"
#include "cli/CliGemeinsam.h"

#include "flight/CSarnixDoc.h"
#include "export/Exportieren.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimeZone>

#include <cstdio>
#include <optional>
#include <variant>

namespace {

using namespace cli;

struct Auftrag {
    QString datei;
    QString ziel;
    ExportWahl wahl;
    bool zoneGenannt = false;
};

// The arguments, or the exit code of a usage error or of --help.
std::variant<Auftrag, int> Lesen(const QStringList& argumente)
{
    const CliBefehl befehl = ExportBefehl();
    QCommandLineParser parser;
    if (const std::optional<int> ende = Lies(befehl, argumente, parser))
        return *ende;
    const QStringList dateien = parser.positionalArguments();
    if (dateien.isEmpty())
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Keine Aufzeichnung angegeben."));
    if (dateien.size() > 1)
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Nur eine Aufzeichnung: %1").arg(dateien.at(1)));

    Auftrag a;
    a.datei = dateien.first();
    a.ziel = parser.value(QStringLiteral("o"));
    const std::optional<ExportFormat> format = FormatAusEndung(a.ziel);
    if (a.ziel.isEmpty() || !format)
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "-o braucht eine Zieldatei auf .gpx oder .kml."));
    a.wahl.format = *format;
    if (parser.isSet(QStringLiteral("farbe"))) {
        const std::optional<int8_t> farbe = FarbeAus(parser.value(QStringLiteral("farbe")));
        if (!farbe)
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "--farbe kennt keine, vario, hoehe, wind und temperatur."));
        a.wahl.farbe = *farbe;
    }
    if (parser.isSet(QStringLiteral("zeitzone"))) {
        const QTimeZone zone(parser.value(QStringLiteral("zeitzone")).toUtf8());
        if (!zone.isValid())
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "--zeitzone braucht eine Zeitzone wie Europe/Berlin oder UTC."));
        a.wahl.zeitzone = zone;
        a.zoneGenannt = true;
    }
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
    if (const std::optional<QString> hinweis = HinweisUngefaerbt(doc, a.wahl))
        Melde(QCoreApplication::translate("Cli", "Hinweis: %1").arg(*hinweis));

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
