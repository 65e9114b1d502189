// sarnix-cli print: the printed map as PDF or PNG, with the choices of the print dialogs given
// as options; one line of JSON tells what was worked out.

#include "cli/Cli.h"
#include "cli/CliBefehl.h"
#include "cli/CliGemeinsam.h"
#include "render/PngSchreiben.h"
#include "cli/CliSchriften.h"
#include "cli/CliStapel.h"

#include "flight/CSarnixDoc.h"
#include "printmap/KarteDrucken.h"
#include "printmap/KartenLage.h"
#include "printmap/SeitenMass.h"
#include "pipeline/GelaendeLesen.h"
#include "tiles/Kartendienst.h"
#include "tiles/KartenEinstellungen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonArray>
#include <QSaveFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <variant>
#include <vector>

namespace {

using namespace cli;

constexpr int kleinsteDpi = 10;
constexpr int groessteDpi = 9600;


struct Auftrag {
    int dpi = 600;
    QPageSize::PageSizeId papier = QPageSize::A4;
    bool quer = false;
    int massstab = 0;  // 0: the proposal
    bool zeitmarken = true;
    std::optional<KartenQuelle> karte;
    std::optional<GelaendeDienst> gelaende;
};


std::optional<QPageSize::PageSizeId> PapierAus(const QString& text)
{
    if (text.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0) return QPageSize::A4;
    if (text.compare(QLatin1String("A3"), Qt::CaseInsensitive) == 0) return QPageSize::A3;
    if (text.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0) return QPageSize::Letter;
    return std::nullopt;
}

// The options, or the exit code of a usage error.
std::variant<Auftrag, int> Lesen(const CliBefehl& befehl, const QCommandLineParser& parser)
{
    Auftrag a;
    if (parser.isSet(QStringLiteral("dpi"))) {
        bool zahl = false;
        a.dpi = parser.value(QStringLiteral("dpi")).toInt(&zahl);
        if (!zahl || a.dpi < kleinsteDpi || a.dpi > groessteDpi)
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "--dpi braucht eine Zahl von %1 bis %2.").arg(kleinsteDpi).arg(groessteDpi));
    }
    if (parser.isSet(QStringLiteral("page"))) {
        const auto papier = PapierAus(parser.value(QStringLiteral("page")));
        if (!papier)
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "--page kennt A4, A3 und Letter."));
        a.papier = *papier;
    }
    a.quer = parser.isSet(QStringLiteral("landscape"));
    if (parser.isSet(QStringLiteral("massstab"))) {
        bool zahl = false;
        a.massstab = parser.value(QStringLiteral("massstab")).toInt(&zahl);
        if (!zahl || !IstDruckMassstab(a.massstab))
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "--massstab kennt 25000, 50000, 100000, 200000, 250000, 500000 und 1000000."));
    }
    a.zeitmarken = !parser.isSet(QStringLiteral("ohne-zeitmarken"));
    if (parser.isSet(QStringLiteral("karte"))) {
        a.karte = QuelleAus(parser.value(QStringLiteral("karte")), KartenEinstellungenLesen().quellen);
        const QString fehler = QuellenFehler(*a.karte);
        if (!fehler.isEmpty())
            return Nutzungsfehler(befehl, fehler);
    }
    if (parser.isSet(QStringLiteral("gelaende")))
        a.gelaende.emplace(parser.value(QStringLiteral("gelaende")).toStdString());
    return a;
}

// Margins of a usual printer, so labels and the footer keep clear of the sheet's edge.
constexpr double randMm = 5.0;

QPageLayout Seite(const Auftrag& a)
{
    return QPageLayout(QPageSize(a.papier), a.quer ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(randMm, randMm, randMm, randMm), QPageLayout::Millimeter);
}

// The name of page seite of anzahl: the target itself for a single page, NAME-1.png ... for more.
QString PngName(const QString& ziel, int seite, int anzahl)
{
    if (anzahl <= 1)
        return ziel;
    const QFileInfo info(ziel);
    return info.dir().filePath(QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(seite + 1).arg(info.suffix()));
}

std::optional<KartenInfo> AlsPdf(const CSarnixDoc& doc, const Auftrag& a, const QString& datei, QIODevice& ziel,
                                 const MassstabFrage& frage)
{
    QPdfWriter schreiber(&ziel);
    schreiber.setResolution(a.dpi);
    schreiber.setPageLayout(Seite(a));
    schreiber.setCreator(QStringLiteral("Sarnix"));
    schreiber.setTitle(QFileInfo(datei).fileName());
    const std::optional<SeitenMass> mass = SeitenMassAus(schreiber.width(), schreiber.height(), a.dpi, a.dpi);
    if (!mass)
        return std::nullopt;
    const std::optional<KartenPlan> plan = KartePlanen(doc, *mass, frage);
    if (!plan)
        return std::nullopt;
    QPainter maler;
    if (!maler.begin(&schreiber))
        return std::nullopt;
    Zeichenflaeche f(maler);
    for (int seite = 0; seite < plan->info.seiten; ++seite) {
        if (seite > 0 && !schreiber.newPage())
            return std::nullopt;
        // As a printer would, nothing reaches into the margins; a new page forgets the clip.
        maler.setClipRect(QRect(0, 0, schreiber.width(), schreiber.height()));
        KartenSeiteDrucken(doc, f, *plan, seite);
    }
    if (!maler.end())
        return std::nullopt;
    return plan->info;
}

std::optional<KartenInfo> AlsPng(const CSarnixDoc& doc, const Auftrag& a, const QString& ziel, const MassstabFrage& frage,
                                 int packFaeden)
{
    const QPageLayout seite = Seite(a);
    const int dpi = BildDpi(seite, a.dpi, kleinsteDpi);
    if (dpi != a.dpi)
        Melde(QCoreApplication::translate("Cli", "Hinweis: Die Seite ist bei %1 dpi zu groß für ein Bild; gezeichnet mit %2 dpi.")
                  .arg(a.dpi)
                  .arg(dpi));
    const QRect flaeche = seite.paintRectPixels(dpi);
    const std::optional<SeitenMass> mass = SeitenMassAus(flaeche.width(), flaeche.height(), dpi, dpi);
    if (!mass)
        return std::nullopt;
    const std::optional<KartenPlan> plan = KartePlanen(doc, *mass, frage);
    if (!plan)
        return std::nullopt;
    const int proMeter = qRound(dpi / 0.0254);
    for (int nummer = 0; nummer < plan->info.seiten; ++nummer) {
        QImage bild(seite.fullRectPixels(dpi).size(), QImage::Format_RGB32);
        if (bild.isNull())
            return std::nullopt;
        bild.fill(Qt::white);
        bild.setDotsPerMeterX(proMeter);
        bild.setDotsPerMeterY(proMeter);
        {
            QPainter maler(&bild);
            maler.translate(flaeche.topLeft());
            maler.setClipRect(QRect(QPoint(0, 0), flaeche.size()));
            Zeichenflaeche f(maler);
            KartenSeiteDrucken(doc, f, *plan, nummer);
        }
        if (!SpeicherePng(bild, PngName(ziel, nummer, plan->info.seiten), packFaeden))
            return std::nullopt;
    }
    return plan->info;
}

// One map: its JSON line, or nothing after the fault went to stderr.
std::optional<QByteArray> Drucke(const Auftrag& a, const QString& datei, const QString& ziel, bool mitName, int packFaeden)
{
    CSarnixDoc doc;
    if (!Oeffne(doc, datei))
        return std::nullopt;
    if (!doc.geladen) {
        Melde(QCoreApplication::translate("Cli", "Keine Flugaufzeichnung: nichts zu drucken.") + QStringLiteral(" (%1)").arg(datei));
        return std::nullopt;
    }

    // The map of this file's pages; it only reads, from the cache or the MBTiles file.
    std::optional<Kartendienst> karte;
    if (a.karte)
        karte.emplace(*a.karte);
    UnterlageErgebnis summe;
    const DruckUnterlage unterlage{karte ? &*karte : nullptr, a.gelaende ? &*a.gelaende : nullptr, &summe};
    const MassstabFrage frage = [&a, &unterlage](int vorschlag) {
        return DruckWahl{a.massstab != 0 ? a.massstab : vorschlag, a.zeitmarken ? 1 : 0, {}, unterlage};
    };
    const bool pdf = QFileInfo(ziel).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    // Written beside the target and renamed at the end: never half a map under its name.
    std::optional<KartenInfo> info;
    if (pdf) {
        QSaveFile ausgabe(ziel);
        if (ausgabe.open(QIODevice::WriteOnly))
            info = AlsPdf(doc, a, datei, ausgabe, frage);
        if (info && !ausgabe.commit())
            info.reset();
    } else {
        info = AlsPng(doc, a, ziel, frage, packFaeden);
    }
    if (!info) {
        Melde(QCoreApplication::translate("Cli", "Kann %1 nicht schreiben.").arg(ziel));
        return std::nullopt;
    }
    if (summe.kachelnFehlend > 0)
        Melde(QCoreApplication::translate("Cli", "%1: %2 von %3 Kacheln der Karte fehlen im Zwischenspeicher; beim Drucken wird "
                                                 "nichts geladen.")
                  .arg(datei)
                  .arg(summe.kachelnFehlend)
                  .arg(summe.kachelnBenoetigt));
    else if (karte && !karte->Hinweis().isEmpty())
        Melde(QStringLiteral("%1: %2").arg(datei, karte->Hinweis()));
    QByteArray zeile = QByteArrayLiteral("{\"vorschlag\": %1, \"massstab\": %2, \"gedreht\": %3, \"gitter\": %4, \"seiten\": %5");
    zeile = QString::fromLatin1(zeile)
                .arg(info->vorschlag)
                .arg(info->massstab)
                .arg(info->gedreht ? QStringLiteral("true") : QStringLiteral("false"))
                .arg(info->gitter)
                .arg(info->seiten)
                .toUtf8();
    if (mitName) {
        // The name as a JSON string, escaped by Qt: an array of one, without its brackets.
        const QByteArray name = QJsonDocument(QJsonArray{datei}).toJson(QJsonDocument::Compact);
        zeile += ", \"datei\": " + name.mid(1, name.size() - 2);
    }
    return zeile + "}\n";
}

}  // namespace

int CliPrint(const QStringList& argumente)
{
    const CliBefehl befehl = PrintBefehl();
    QCommandLineParser parser;
    if (const auto ende = Lies(befehl, argumente, parser))
        return *ende;
    const std::variant<Auftrag, int> gelesen = Lesen(befehl, parser);
    if (const int* code = std::get_if<int>(&gelesen))
        return *code;
    const Auftrag& a = std::get<Auftrag>(gelesen);

    const QStringList dateien = parser.positionalArguments();
    const QString ausgabe = parser.value(QStringLiteral("o"));
    const QString format = parser.value(QStringLiteral("format")).toLower();
    if (parser.isSet(QStringLiteral("format")) && format != QLatin1String("pdf") && format != QLatin1String("png"))
        return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "--format kennt pdf und png."));
    const auto ziele = ZieleAus(dateien, ausgabe, format.isEmpty() ? QStringLiteral("pdf") : format);
    if (const QString* fehler = std::get_if<QString>(&ziele))
        return Nutzungsfehler(befehl, *fehler);
    const QStringList& ausgaben = std::get<QStringList>(ziele);
    if (IstOrdner(ausgabe)) {
        if (!QDir().mkpath(ausgabe)) {
            Melde(QCoreApplication::translate("Cli", "Der Ordner %1 konnte nicht angelegt werden.").arg(ausgabe));
            return dateiFehler;
        }
    } else {
        const QString endung = QFileInfo(ausgabe).suffix().toLower();
        if (endung != QLatin1String("pdf") && endung != QLatin1String("png"))
            return Nutzungsfehler(befehl, QCoreApplication::translate("Cli", "-o braucht eine Zieldatei auf .pdf oder .png."));
    }

    const std::jthread schriften = SchriftenVorladen();
    // The lines come in the order of the files, whichever map was finished first.
    std::vector<std::optional<QByteArray>> zeilen(static_cast<size_t>(dateien.size()));
    // Threads that no file keeps busy help to compress the pictures.
    // A map's service lives on the thread that made it: one file after the other.
    const int auftraege = a.karte ? 1 : Auftraege(parser);
    const int packFaeden = static_cast<int>(std::max<qsizetype>(1, auftraege / dateien.size()));
    const int code = Parallel(dateien.size(), auftraege, [&](qsizetype i) {
        zeilen[static_cast<size_t>(i)] = Drucke(a, dateien[i], ausgaben[i], dateien.size() > 1, packFaeden);
        return zeilen[static_cast<size_t>(i)] ? 0 : dateiFehler;
    });
    for (const auto& zeile : zeilen)
        if (zeile)
            std::fwrite(zeile->constData(), 1, static_cast<size_t>(zeile->size()), stdout);
    // What the elevation tiles lacked, once, after all maps: the maps are printed all the same.
    if (a.gelaende)
        for (const QString& hinweis : a.gelaende->Hinweise())
            Melde(hinweis);
    return code;
}
