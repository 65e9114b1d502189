#include "cli/CliBefehl.h"

#include "cli/CliGemeinsam.h"
#include "cli/Cli.h"
#include "flight/WertungsRegeln.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {


CliOption Hilfeoption() { return {{QStringLiteral("h"), QStringLiteral("help")}, {}, QCoreApplication::translate("Cli", "Zeigt diese Hilfe.")}; }

// Taken out of the arguments before any command parses them (cli::HoehenOption), listed here so
// the usage and the manual page name it.
CliOption Hoehenoption()
{
    return {{QStringLiteral("hoehe")}, QStringLiteral("gnss|druck"),
            QCoreApplication::translate("Cli", "Höhe der Fixe einer IGC-Datei: GNSS- oder Druckhöhe (Standard: Druckhöhe, "
                                               "wenn die Datei eine aufzeichnet).")};
}

CliOption Auftragsoption()
{
    return {{QStringLiteral("j"), QStringLiteral("jobs")}, QStringLiteral("N"),
            QCoreApplication::translate("Cli", "Zeichnet N Dateien zugleich (Standard: so viele, wie der Rechner Kerne hat).")};
}

CliOption Referenzoption()
{
    return {{QStringLiteral("temperaturreferenz")}, QStringLiteral("exakt|physikalisch"),
            QCoreApplication::translate("Cli", "Referenz, mit der der Temperaturgradient vergleicht (Standard exakt).")};
}

QString Schreibweise(const CliOption& option)
{
    QStringList namen;
    for (const QString& name : option.namen)
        namen << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = namen.join(QStringLiteral(", "));
    if (!option.wert.isEmpty())
        text += QLatin1Char(' ') + option.wert;
    return text;
}

// Two columns; a long left side puts its text on the next line.
QString Spalten(const QList<std::pair<QString, QString>>& zeilen)
{
    constexpr int breite = 28;
    QString text;
    for (const auto& [links, rechts] : zeilen) {
        text += QStringLiteral("  ") + links;
        if (links.size() + 2 >= breite)
            text += QLatin1Char('\n') + QString(breite, QLatin1Char(' '));
        else
            text += QString(breite - 2 - links.size(), QLatin1Char(' '));
        text += rechts + QLatin1Char('\n');
    }
    return text;
}

void Schreibe(std::FILE* ziel, const QString& text) { std::fputs(text.toUtf8().constData(), ziel); }

const CliOption* OptionMitNamen(const CliBefehl& befehl, const QString& name)
{
    for (const CliOption& option : befehl.optionen)
        if (option.namen.contains(name))
            return &option;
    return nullptr;
}

// The option the last argument names, when it asks for a value that does not follow.
QString FehlenderWert(const CliBefehl& befehl, const QStringList& argumente)
{
    if (argumente.isEmpty())
        return {};
    QString letztes = argumente.last();
    if (!letztes.startsWith(QLatin1Char('-')) || letztes.contains(QLatin1Char('=')))
        return {};
    const QString name = letztes.mid(letztes.startsWith(QLatin1String("--")) ? 2 : 1);
    const CliOption* option = OptionMitNamen(befehl, name);
    return option && !option->wert.isEmpty() ? letztes : QString();
}

CliOption Karteoption(const QString& wozu)
{
    return {{QStringLiteral("karte")}, QCoreApplication::translate("Cli", "NAME|URL|DATEI.mbtiles"), wozu};
}

CliOption Gelaendeoption(const QString& wozu)
{
    return {{QStringLiteral("gelaende")}, QCoreApplication::translate("Cli", "ORDNER"), wozu};
}

}  // namespace

CliBefehl InfoBefehl()
{
    return {QStringLiteral("info"),
            QCoreApplication::translate("Cli", "DATEI... [OPTIONEN]"),
            QCoreApplication::translate("Cli", "Gibt die Flüge als JSON aus: ein Objekt, bei mehreren Dateien ein Feld davon."),
            {{{QStringLiteral("fixes")}, {}, QCoreApplication::translate("Cli", "Gibt auch jeden Fix aus.")},
             {{QStringLiteral("profile")}, {}, QCoreApplication::translate("Cli", "Gibt auch das Temperaturprofil aus.")},
             {{QStringLiteral("phasen")}, {}, QCoreApplication::translate("Cli", "Gibt auch Flugphasen und Flugstatistik aus.")},
             {{QStringLiteral("wertung")}, {}, QCoreApplication::translate("Cli", "Gibt auch die Wertung nach XContest-Regeln aus, wie score.")},
             Gelaendeoption(QCoreApplication::translate("Cli", "Gibt auch den Grund aus den Höhenkacheln in ORDNER aus: bei Start und "
                                                               "Landung, den tiefsten Abstand darüber und mit --fixes den Grund je Fix.")),
             Referenzoption(),
             {{QStringLiteral("jsonl")}, {}, QCoreApplication::translate("Cli", "Ein Objekt je Zeile statt eines Feldes.")},
             Hoehenoption(),
             Hilfeoption()},
            QCoreApplication::translate("Cli", "DATEI - liest die Aufzeichnung von der Standardeingabe.")};
}

namespace {

CliOption Regeloption()
{
    return {{QStringLiteral("regeln")}, QStringLiteral("xcontest|ffvl|olc"),
            QCoreApplication::translate("Cli", "Die Regeln der Wertung (Standard xcontest).")};
}

}  // namespace

CliBefehl RenderBefehl()
{
    return {QStringLiteral("render"),
            QCoreApplication::translate("Cli", "DATEI... -o AUSGABE.png|ORDNER/ [OPTIONEN]"),
            QCoreApplication::translate("Cli", "Zeichnet das Bild, das das Fenster zeigen würde, als PNG."),
            {{{QStringLiteral("o")}, QCoreApplication::translate("Cli", "AUSGABE"),
              QCoreApplication::translate("Cli", "Zieldatei; bei mehreren Dateien ein Ordner (mit / am Ende), darin DATEI.png je Aufzeichnung.")},
             {{QStringLiteral("size")}, QCoreApplication::translate("Cli", "BREITExHÖHE"), QCoreApplication::translate("Cli", "Größe des Bildes in Pixeln (Standard 1280x800).")},
             {{QStringLiteral("panes")}, QStringLiteral("1|2"), QCoreApplication::translate("Cli", "Eine Grafik oder zwei nebeneinander.")},
             {{QStringLiteral("left")}, QCoreApplication::translate("Cli", "ART[:FARBE]"), QCoreApplication::translate("Cli", "Art und Färbung der linken Grafik.")},
             {{QStringLiteral("right")}, QCoreApplication::translate("Cli", "ART[:FARBE]"), QCoreApplication::translate("Cli", "Art und Färbung der rechten Grafik.")},
             {{QStringLiteral("zeitmarken")}, {}, QCoreApplication::translate("Cli", "Zeichnet die Zeitmarken.")},
             {{QStringLiteral("wegpunkte")}, {}, QCoreApplication::translate("Cli", "Zeichnet die Wegpunkte.")},
             {{QStringLiteral("thermiken")}, {}, QCoreApplication::translate("Cli", "Markiert die Thermiken mit ihrem mittleren Steigen.")},
             {{QStringLiteral("wertung")}, {}, QCoreApplication::translate("Cli", "Zeichnet die gewertete Strecke des längsten Fluges.")},
             Regeloption(),
             {{QStringLiteral("verkleinern")}, QStringLiteral("N"), QCoreApplication::translate("Cli", "Verkleinert N-mal nach dem Zoomfenster.")},
             {{QStringLiteral("zoom")}, QStringLiteral("LMIN,BMIN,LMAX,BMAX"),
              QCoreApplication::translate("Cli", "Zoomfenster des Grundrisses: Länge und Breite in Grad (11.25) oder in internen Einheiten.")},
             {{QStringLiteral("skalierung")}, QStringLiteral("F"),
              QCoreApplication::translate("Cli", "Zeichnet mit F Bildpunkten je Pixel, wie ein Bildschirm mit Skalierung (1 bis 8).")},
             Karteoption(QCoreApplication::translate("Cli", "Legt eine Karte unter den Grundriß: eine Quelle der Einstellungen, eine Adresse mit {z}/{x}/{y} oder eine MBTiles-Datei.")),
             {{QStringLiteral("karten-wartezeit")}, QStringLiteral("S"),
              QCoreApplication::translate("Cli", "Wartet höchstens S Sekunden auf die Kacheln (Standard 10).")},
             Gelaendeoption(QCoreApplication::translate("Cli", "Zeichnet das Gelände aus den Höhenkacheln in ORDNER unter den Flug.")),
             Referenzoption(),
             Auftragsoption(),
             Hoehenoption(),
             Hilfeoption()},
            QCoreApplication::translate("Cli", "ART: grundriss, west, nord, temperatur, zeit\n"
              "FARBE: keine, vario, hoehe, wind, temperatur\n"
              "DATEI - liest die Aufzeichnung von der Standardeingabe.")};
}

CliBefehl PrintBefehl()
{
    return {QStringLiteral("print"),
            QCoreApplication::translate("Cli", "DATEI... -o AUSGABE.pdf|AUSGABE.png|ORDNER/ [OPTIONEN]"),
            QCoreApplication::translate("Cli", "Zeichnet die gedruckte Karte als PDF oder PNG und meldet je Karte eine Zeile JSON."),
            {{{QStringLiteral("o")}, QCoreApplication::translate("Cli", "AUSGABE"),
              QCoreApplication::translate("Cli", "Zieldatei auf .pdf oder .png; bei mehreren Dateien ein Ordner (mit / am Ende).")},
             {{QStringLiteral("format")}, QStringLiteral("pdf|png"), QCoreApplication::translate("Cli", "Format der Dateien im Ordner (Standard pdf).")},
             {{QStringLiteral("dpi")}, QStringLiteral("N"), QCoreApplication::translate("Cli", "Auflösung (Standard 600).")},
             {{QStringLiteral("page")}, QStringLiteral("A4|A3|Letter"), QCoreApplication::translate("Cli", "Papierformat (Standard A4).")},
             {{QStringLiteral("landscape")}, {}, QCoreApplication::translate("Cli", "Querformat.")},
             {{QStringLiteral("massstab")}, QStringLiteral("N"), QCoreApplication::translate("Cli", "Maßstab 1:N statt des Vorschlags.")},
             {{QStringLiteral("ohne-zeitmarken")}, {}, QCoreApplication::translate("Cli", "Druckt ohne Zeitmarken.")},
             Karteoption(QCoreApplication::translate("Cli", "Legt eine Karte unter die Spur, aus dem Zwischenspeicher oder der MBTiles-Datei: "
                                                            "beim Drucken wird nichts geladen.")),
             Gelaendeoption(QCoreApplication::translate("Cli", "Legt das Relief aus den Höhenkacheln in ORDNER unter die Spur.")),
             Auftragsoption(),
             Hoehenoption(),
             Hilfeoption()},
            QCoreApplication::translate("Cli", "DATEI - liest die Aufzeichnung von der Standardeingabe.")};
}

CliBefehl ExportBefehl()
{
    return {QStringLiteral("export"),
            QCoreApplication::translate("Cli", "DATEI... -o AUSGABE.gpx|AUSGABE.kml|ORDNER/ [OPTIONEN]"),
            QCoreApplication::translate("Cli", "Schreibt den Flug als GPX oder als gefärbte KML-Spur und meldet je Aufzeichnung eine Zeile JSON."),
            {{{QStringLiteral("o")}, QCoreApplication::translate("Cli", "AUSGABE"),
              QCoreApplication::translate("Cli", "Zieldatei auf .gpx oder .kml; eine vorhandene wird nur durch eine vollständige ersetzt. "
                                                 "Für mehrere Aufzeichnungen ein Ordner, darin je Aufzeichnung NAME.gpx oder NAME.kml.")},
             {{QStringLiteral("format")}, QStringLiteral("gpx|kml"),
              QCoreApplication::translate("Cli", "Das Format der Dateien in einem Ordner (Standard gpx).")},
             {{QStringLiteral("farbe")}, QCoreApplication::translate("Cli", "FARBE"),
              QCoreApplication::translate("Cli", "Färbung der KML-Spur (Standard vario).")},
             {{QStringLiteral("wertung")}, {},
              QCoreApplication::translate("Cli", "Schreibt auch die gewertete Strecke: in GPX eine Route, in KML Punkte und eine Linie.")},
             Regeloption(),
             {{QStringLiteral("zeitzone")}, QCoreApplication::translate("Cli", "ZONE"),
              QCoreApplication::translate("Cli", "Zeitzone, in der die Uhr einer .vrl-Aufzeichnung lief, etwa Europe/Berlin "
                                                 "(Standard: die des Rechners). Die Zeiten einer IGC-Datei sind UTC: für sie gilt "
                                                 "die Option nicht.")},
             Hoehenoption(),
             Hilfeoption()},
            QCoreApplication::translate("Cli", "FARBE: keine, vario, hoehe, wind, temperatur; wind braucht eine aufgezeichnete "
                                               "Fluggeschwindigkeit, temperatur eine aufgezeichnete Temperatur, sonst bleibt "
                                               "die Spur ungefärbt.\n"
                                               "DATEI - liest die Aufzeichnung von der Standardeingabe.")};
}

CliBefehl WertungBefehl()
{
    return {QStringLiteral("score"),
            QCoreApplication::translate("Cli", "DATEI... [OPTIONEN]"),
            QCoreApplication::translate("Cli", "Wertet den längsten Flug jeder Aufzeichnung nach den Regeln einer Liga und gibt JSON aus."),
            {{{QStringLiteral("regeln")}, QStringLiteral("xcontest|ffvl|olc"),
              QCoreApplication::translate("Cli", "Die Regeln der Wertung (Standard xcontest).")},
             {{QStringLiteral("zeitlimit")}, QStringLiteral("S"),
              QCoreApplication::translate("Cli", "Sucht höchstens S Sekunden je Flug und meldet dann das Beste bis dahin mit "
                                                 "\"optimal\": false (Standard 60, 0 ohne Grenze).")},
             {{QStringLiteral("jsonl")}, {}, QCoreApplication::translate("Cli", "Ein Objekt je Zeile statt eines Feldes.")},
             Auftragsoption(),
             Hoehenoption(),
             Hilfeoption()},
            QCoreApplication::translate("Cli", "Ohne Wertung (kein Start, weniger als 5 Fixe, alle an einem Ort, Zeit "
                                               "rückwärts) steht der Grund unter \"keineWertung\", Rückgabewert 1.\n"
                                               "DATEI - liest die Aufzeichnung von der Standardeingabe.")};
}

QList<CliBefehl> AlleBefehle() { return {InfoBefehl(), RenderBefehl(), PrintBefehl(), ExportBefehl(), WertungBefehl()}; }

QString Hilfe(const CliBefehl& befehl)
{
    QString text = QCoreApplication::translate("Cli", "Aufruf: sarnix-cli %1 %2\n").arg(befehl.name, befehl.aufruf) + befehl.zweck
                   + QStringLiteral("\n\n") + QCoreApplication::translate("Cli", "Optionen:\n");
    QList<std::pair<QString, QString>> zeilen;
    for (const CliOption& option : befehl.optionen)
        zeilen.append({Schreibweise(option), option.text});
    text += Spalten(zeilen);
    if (!befehl.anhang.isEmpty())
        text += QLatin1Char('\n') + befehl.anhang + QLatin1Char('\n');
    return text;
}

QString Uebersicht()
{
    QString text = QCoreApplication::translate("Cli", "Aufruf: sarnix-cli BEFEHL [OPTIONEN] DATEI...\n"
                     "Zeigt Flugaufzeichnungen ohne Bildschirm: als JSON, als Bild des Fensters, als "
                     "gedruckte Karte.\n\nBefehle:\n");
    QList<std::pair<QString, QString>> zeilen;
    for (const CliBefehl& befehl : AlleBefehle())
        zeilen.append({befehl.name, befehl.zweck});
    zeilen.append({QStringLiteral("help ") + QCoreApplication::translate("Cli", "BEFEHL"),
                    QCoreApplication::translate("Cli", "Zeigt die Hilfe zu BEFEHL.")});
    text += Spalten(zeilen) + QLatin1Char('\n') + QCoreApplication::translate("Cli", "Optionen:\n");
    text += Spalten({{QStringLiteral("-h, --help"), QCoreApplication::translate("Cli", "Zeigt diese Hilfe.")},
                     {QStringLiteral("-v, --version"), QCoreApplication::translate("Cli", "Zeigt die Version.")},
                     {QStringLiteral("--sprache de|en"), QCoreApplication::translate("Cli", "Sprache der Meldungen.")}});
    text += QLatin1Char('\n')
            + QCoreApplication::translate("Cli", "sarnix-cli BEFEHL --help zeigt die Optionen eines Befehls. Rückgabewerte: 0 Erfolg, "
                "1 Datei nicht lesbar oder nicht schreibbar, 2 falscher Aufruf.\n");
    return text;
}

namespace {

// Text for troff: backslashes and hyphens escaped, no line starting with a control character.
QString Roff(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e")).replace(QLatin1Char('-'), QStringLiteral("\\-"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\n.br\n"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

}  // namespace

QString ManSeite()
{
    // The headings in the page's own language, as every manual section of that language has them.
    const auto wort = [](const char* text) { return QCoreApplication::translate("Cli", text); };
    QString text = QStringLiteral(".TH SARNIX-CLI 1 \"\" \"sarnix-cli " SARNIX_VERSION "\" \"%1\"\n.SH NAME\nsarnix\\-cli \\- %2\n.SH %3\n")
                       .arg(wort(QT_TRANSLATE_NOOP("Cli", "Benutzerbefehle")),
                            Roff(wort(QT_TRANSLATE_NOOP("Cli", "Flugaufzeichnungen (.vrl und IGC) ohne Bildschirm auswerten"))),
                            wort(QT_TRANSLATE_NOOP("Cli", "ÜBERSICHT")));
    for (const CliBefehl& befehl : AlleBefehle())
        text += QStringLiteral(".B sarnix\\-cli %1\n%2\n.br\n").arg(befehl.name, Roff(befehl.aufruf));
    text += QStringLiteral(".B sarnix\\-cli help\n%1\n.br\n.B sarnix\\-cli\n\\-\\-help | \\-\\-version\n")
                .arg(wort(QT_TRANSLATE_NOOP("Cli", "BEFEHL")));
    text += QStringLiteral(".SH %1\n").arg(wort(QT_TRANSLATE_NOOP("Cli", "BESCHREIBUNG")))
            + Roff(Uebersicht().section(QLatin1Char('\n'), 1, 1)) + QLatin1Char('\n')
            + Roff(wort(QT_TRANSLATE_NOOP("Cli", "Gelesen werden die Aufzeichnungen (.vrl) des Fluginstruments und IGC-Dateien "
                                                 "von Flugrekordern, Telefon-Apps und Wettbewerbsloggern.")))
            + QLatin1Char('\n');
    for (const CliBefehl& befehl : AlleBefehle()) {
        text += QStringLiteral(".SH %1 %2\n%3\n")
                    .arg(wort(QT_TRANSLATE_NOOP("Cli", "BEFEHL")), befehl.name.toUpper(), Roff(befehl.zweck));
        for (const CliOption& option : befehl.optionen)
            text += QStringLiteral(".TP\n.B %1\n%2\n").arg(Roff(Schreibweise(option)), Roff(option.text));
        if (!befehl.anhang.isEmpty())
            text += QStringLiteral(".PP\n%1\n").arg(Roff(befehl.anhang));
    }
    text += QStringLiteral(".SH %1\n.TP\n.B \\-h, \\-\\-help\n").arg(wort(QT_TRANSLATE_NOOP("Cli", "ALLGEMEINE OPTIONEN")))
            + Roff(QCoreApplication::translate("Cli", "Zeigt diese Hilfe."))
            + QStringLiteral("\n.TP\n.B \\-v, \\-\\-version\n") + Roff(QCoreApplication::translate("Cli", "Zeigt die Version."))
            + QStringLiteral("\n.TP\n.B \\-\\-sprache de|en\n") + Roff(QCoreApplication::translate("Cli", "Sprache der Meldungen."))
            + QStringLiteral("\n.SH %1\n%2\n.SH %3\n.BR sarnix (1)\n")
                  .arg(wort(QT_TRANSLATE_NOOP("Cli", "RÜCKGABEWERT")),
                       Roff(wort(QT_TRANSLATE_NOOP("Cli", "0 Erfolg, 1 Datei nicht lesbar oder nicht schreibbar, 2 falscher Aufruf."))),
                       wort(QT_TRANSLATE_NOOP("Cli", "SIEHE AUCH")));
    return text;
}

QString Version() { return QStringLiteral("sarnix-cli " SARNIX_VERSION "\n"); }

int Nutzungsfehler(const CliBefehl& befehl, const QString& text)
{
    Schreibe(stderr, QStringLiteral("sarnix-cli %1: %2\n\n").arg(befehl.name, text) + Hilfe(befehl));
    return cli::nutzungsFehler;
}

std::optional<int> Lies(const CliBefehl& befehl, const QStringList& argumente, QCommandLineParser& parser)
{
    for (const CliOption& option : befehl.optionen)
        parser.addOption(QCommandLineOption(option.namen, option.text, option.wert));
    if (!parser.parse(QStringList{QStringLiteral("sarnix-cli")} + argumente)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().first();
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Unbekannte Option: %1")
                                              .arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name));
        }
        const QString ohneWert = FehlenderWert(befehl, argumente);
        return Nutzungsfehler(befehl, ohneWert.isEmpty() ? parser.errorText()
                                                         : QCoreApplication::translate("Cli", "%1 braucht einen Wert.").arg(ohneWert));
    }
    if (parser.isSet(QStringLiteral("help"))) {
        Schreibe(stdout, Hilfe(befehl));
        return 0;
    }
    if (OptionMitNamen(befehl, QStringLiteral("jobs")) && parser.isSet(QStringLiteral("jobs"))) {
        bool zahl = false;
        const int n = parser.value(QStringLiteral("jobs")).toInt(&zahl);
        if (!zahl || n < 1)
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "-j braucht eine Zahl ab 1."));
    }
    if (OptionMitNamen(befehl, QStringLiteral("temperaturreferenz")) && parser.isSet(QStringLiteral("temperaturreferenz"))
        && !cli::TemperaturReferenzAus(parser.value(QStringLiteral("temperaturreferenz"))))
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "--temperaturreferenz kennt exakt und physikalisch."));
    if (OptionMitNamen(befehl, QStringLiteral("regeln")) && !RegelnAus(parser))
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "--regeln kennt xcontest, ffvl und olc."));
    if (parser.positionalArguments().isEmpty())
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "Keine Aufzeichnung angegeben."));
    return std::nullopt;
}

int TemperaturReferenz(const QCommandLineParser& parser)
{
    return cli::TemperaturReferenzAus(parser.value(QStringLiteral("temperaturreferenz"))).value_or(0);
}

int Auftraege(const QCommandLineParser& parser)
{
    if (parser.isSet(QStringLiteral("jobs")))
        return std::max(1, parser.value(QStringLiteral("jobs")).toInt());
    return std::max(1, QThread::idealThreadCount());
}
