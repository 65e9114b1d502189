// sarnix-cli score: what each flight is worth under a league's rules, as JSON.

#include "cli/Cli.h"
#include "cli/CliBefehl.h"
#include "cli/CliGemeinsam.h"
#include "cli/CliStapel.h"

#include "flight/CSarnixDoc.h"
#include "flight/Koordinaten.h"
#include "flight/Wertung.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using namespace cli;

// Degrees to six places (about 0.1 m), as a pilot reads them.
double Grad(int32_t wert) { return std::round(GradAus(wert) * 1e6) / 1e6; }

QJsonObject Punkt(const WertungsPunkt& p)
{
    return {{QStringLiteral("zeit"), p.zeit}, {QStringLiteral("breite"), Grad(p.breite)}, {QStringLiteral("laenge"), Grad(p.laenge)}};
}

// Two places, as the score is rounded.
double Hundertstel(double wert) { return std::round(wert * 100) / 100; }

}  // namespace

QJsonObject WertungsObjekt(const Wertung& w)
{
    QJsonObject json{{QStringLiteral("regeln"), QString::fromUtf8(w.regeln.data(), static_cast<qsizetype>(w.regeln.size()))}};
    if (!w.Gewertet()) {
        json.insert(QStringLiteral("keineWertung"), QString::fromUtf8(w.fehler.data(), static_cast<qsizetype>(w.fehler.size())));
        return json;
    }
    QJsonArray wendepunkte, legs;
    for (const WertungsPunkt& p : w.wendepunkte)
        wendepunkte.append(Punkt(p));
    for (const double l : w.legs)
        legs.append(Hundertstel(l));
    json.insert(QStringLiteral("art"), QString::fromUtf8(w.art.data(), static_cast<qsizetype>(w.art.size())));
    json.insert(QStringLiteral("punkte"), Hundertstel(w.punkte));
    json.insert(QStringLiteral("strecke"), Hundertstel(w.strecke));
    json.insert(QStringLiteral("faktor"), w.faktor);
    json.insert(QStringLiteral("schliessung"), w.schliessung ? QJsonValue(Hundertstel(*w.schliessung)) : QJsonValue(QJsonValue::Null));
    json.insert(QStringLiteral("optimal"), w.optimal);
    json.insert(QStringLiteral("wendepunkte"), wendepunkte);
    json.insert(QStringLiteral("start"), Punkt(w.start));
    json.insert(QStringLiteral("ziel"), Punkt(w.ziel));
    json.insert(QStringLiteral("legs"), legs);
    return json;
}

std::optional<WertungsRegeln> RegelnAus(const QCommandLineParser& parser)
{
    const QString name = parser.isSet(QStringLiteral("regeln")) ? parser.value(QStringLiteral("regeln")) : QStringLiteral("xcontest");
    return RegelnFuer(name.toStdString());
}

int CliWertung(const QStringList& argumente)
{
    const CliBefehl befehl = WertungBefehl();
    QCommandLineParser parser;
    if (const auto ende = Lies(befehl, argumente, parser))
        return *ende;
    const QStringList dateien = parser.positionalArguments();
    const WertungsRegeln regeln = *RegelnAus(parser);  // the name was checked with the arguments
    WertungsOptionen optionen;
    bool zahl = false;
    // A straight line of a million fixes is the search's hard case: without a limit it may take hours.
    optionen.zeitlimit = parser.isSet(QStringLiteral("zeitlimit")) ? parser.value(QStringLiteral("zeitlimit")).toDouble(&zahl) : (zahl = true, 60.0);
    if (!zahl || !(optionen.zeitlimit >= 0))
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "--zeitlimit braucht Sekunden ab 0."));
    const bool eineZeile = parser.isSet(QStringLiteral("jsonl"));

    std::vector<QByteArray> texte(static_cast<size_t>(dateien.size()));
    const int code = Parallel(dateien.size(), Auftraege(parser), [&](qsizetype i) {
        CSarnixDoc doc;
        if (!Oeffne(doc, dateien.at(i)))
            return dateiFehler;
        const Wertung w = WerteFlug(doc.datenListe, regeln, optionen);
        QJsonObject json = WertungsObjekt(w);
        json.insert(QStringLiteral("datei"), dateien.at(i));
        texte[static_cast<size_t>(i)] = QJsonDocument(json).toJson(eineZeile ? QJsonDocument::Compact : QJsonDocument::Indented);
        if (w.Gewertet())
            return 0;
        Melde(QCoreApplication::translate("Cli", "%1: keine Wertung: %2").arg(dateien.at(i), QString::fromUtf8(w.fehler.c_str())));
        return dateiFehler;
    });
    // One file gives one object; several an array unless one a line is asked.
    const bool feld = dateien.size() > 1 && !eineZeile;
    QByteArray aus = feld ? "[\n" : "";
    bool erster = true;
    for (QByteArray& text : texte) {
        if (text.isEmpty())
            continue;
        if (eineZeile) {
            aus += text + '\n';
            continue;
        }
        while (text.endsWith('\n'))
            text.chop(1);
        aus += (erster ? "" : ",\n") + text;
        erster = false;
    }
    if (!eineZeile && !erster)
        aus += '\n';
    if (feld)
        aus += "]\n";
    std::fwrite(aus.constData(), 1, static_cast<size_t>(aus.size()), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return dateiFehler;
    return code;
}
