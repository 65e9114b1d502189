// sarnix-cli export: the flight as GPX or as a coloured KML track; one line of JSON tells what
// was written.

#include "cli/Cli.h"
#include "cli/CliBefehl.h"
#include "cli/CliGemeinsam.h"
#include "cli/CliStapel.h"

#include "flight/CSarnixDoc.h"
#include "export/Exportieren.h"
#include "flight/Wertung.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <variant>

namespace {

using namespace cli;

struct Auftrag {
    QStringList dateien;
    QStringList ziele;
    QString ordner;  // empty for a single target file
    ExportWahl wahl;
    bool zoneGenannt = false;
    bool mitWertung = false;
    WertungsRegeln regeln;
};

// The arguments, or the exit code of a usage error or of --help.
std::variant<Auftrag, int> Lesen(const QStringList& argumente)
{
    const CliBefehl befehl = ExportBefehl();
    QCommandLineParser parser;
    if (const std::optional<int> ende = Lies(befehl, argumente, parser))
        return *ende;
    Auftrag a;
    a.dateien = parser.positionalArguments();

    const QString ausgabe = parser.value(QStringLiteral("o"));
    // A folder takes the format from --format; a file from its own ending.
    std::optional<ExportFormat> format;
    if (parser.isSet(QStringLiteral("format"))) {
        const QString name = parser.value(QStringLiteral("format"));
        format = FormatAusEndung(QStringLiteral("x.") + name);
        if (!format)
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "--format kennt gpx und kml."));
    }
    if (!ausgabe.isEmpty() && IstOrdner(ausgabe)) {
        a.ordner = ausgabe;
        if (!format)
            format = ExportFormat::Gpx;
    } else if (!ausgabe.isEmpty()) {
        const std::optional<ExportFormat> endung = FormatAusEndung(ausgabe);
        if (!endung || (format && *format != *endung))
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "-o braucht eine Zieldatei auf .gpx oder .kml."));
        format = endung;
    }
    if (!format)
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "-o braucht eine Zieldatei auf .gpx oder .kml."));
    a.wahl.format = *format;
    const auto ziele = ZieleAus(a.dateien, ausgabe,
                                a.wahl.format == ExportFormat::Gpx ? QStringLiteral("gpx") : QStringLiteral("kml"));
    if (const QString* fehler = std::get_if<QString>(&ziele))
        return Nutzungsfehler(befehl, *fehler);
    a.ziele = std::get<QStringList>(ziele);

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
    a.mitWertung = parser.isSet(QStringLiteral("wertung"));
    a.regeln = *RegelnAus(parser);  // the name was checked with the arguments
    return a;
}

// One line of JSON on stdout, whole.
void Zeile(const QJsonObject& objekt)
{
    const QByteArray text = QJsonDocument(objekt).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
}

// One recording to one target: its line of JSON, an entry with "fehler" when it failed.
int ExportiereEine(const Auftrag& a, qsizetype i)
{
    const QString& datei = a.dateien.at(i);
    const auto fehlschlag = [&](const QString& fehler) {
        // A single export fails on stderr alone, as it always did.
        if (a.dateien.size() > 1)
            Zeile({{QStringLiteral("datei"), datei}, {QStringLiteral("fehler"), fehler}});
        return dateiFehler;
    };
    CSarnixDoc doc;
    QString meldung;
    if (!Oeffne(doc, datei, &meldung))
        return fehlschlag(meldung);
    if (!doc.geladen) {
        const QString text = QCoreApplication::translate("Cli", "Keine Flugaufzeichnung: nichts zu exportieren.");
        Melde(text);
        return fehlschlag(text);
    }

    // Not refused: a script may export a folder of .vrl recordings and IGC logs with one zone.
    if (doc.igc.istIgc && a.zoneGenannt)
        Melde(QCoreApplication::translate("Cli", "Hinweis: Die Zeiten einer IGC-Datei sind UTC; --zeitzone gilt nur für .vrl-Aufzeichnungen."));
    if (const std::optional<QString> hinweis = HinweisUngefaerbt(doc, a.wahl))
        Melde(QCoreApplication::translate("Cli", "Hinweis: %1").arg(*hinweis));

    ExportWahl wahl = a.wahl;
    if (a.mitWertung) {
        WertungsOptionen optionen;
        optionen.zeitlimit = 60.0;
        wahl.wertung = std::make_shared<const Wertung>(WerteFlug(doc.datenListe, a.regeln, optionen));
        if (!wahl.wertung->Gewertet())
            Melde(QCoreApplication::translate("Cli", "Hinweis: keine Wertung: %1").arg(QString::fromStdString(wahl.wertung->fehler)));
    }
    const ExportErgebnis ergebnis = Exportiere(doc, a.ziele.at(i), wahl);
    if (!ergebnis.geschrieben) {
        Melde(ergebnis.fehler);
        return fehlschlag(ergebnis.fehler);
    }
    const ExportBericht& b = ergebnis.bericht;
    if (b.punkte == 0)
        Melde(QCoreApplication::translate("Cli", "Hinweis: %1").arg(HinweisOhnePositionen()));
    // The line a single export always printed; in a batch each line also names its files.
    QString zeile = QString::asprintf("{\"format\": \"%s\", \"punkte\": %lld, \"strecken\": %lld, \"wegpunkte\": %lld, "
                                      "\"stuecke\": %lld, \"thermiken\": %lld",
                                      a.wahl.format == ExportFormat::Gpx ? "gpx" : "kml", static_cast<long long>(b.punkte),
                                      static_cast<long long>(b.strecken), static_cast<long long>(b.wegpunkte),
                                      static_cast<long long>(b.stuecke), static_cast<long long>(b.thermiken));
    if (a.dateien.size() > 1) {
        const auto json = [](const QString& text) {
            return QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact).chopped(1).mid(1));
        };
        zeile += QStringLiteral(", \"datei\": %1, \"ziel\": %2").arg(json(datei), json(a.ziele.at(i)));
    }
    const QByteArray text = (zeile + QStringLiteral("}\n")).toUtf8();
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    return 0;
}

}  // namespace

int CliExport(const QStringList& argumente)
{
    const std::variant<Auftrag, int> gelesen = Lesen(argumente);
    if (const int* code = std::get_if<int>(&gelesen))
        return *code;
    const Auftrag& a = std::get<Auftrag>(gelesen);
    if (!a.ordner.isEmpty() && !QDir().mkpath(a.ordner)) {
        Melde(QCoreApplication::translate("Cli", "Der Ordner %1 konnte nicht angelegt werden.").arg(a.ordner));
        return dateiFehler;
    }
    // In the order given, so that the n-th line is the n-th input's.
    int code = 0;
    for (qsizetype i = 0; i < a.dateien.size(); ++i)
        code = std::max(code, ExportiereEine(a, i));
    return std::fflush(stdout) == 0 ? code : dateiFehler;
}
