// sarnix-cli print: the printed map as PDF or PNG, with the choices of the print dialogs given
// as options; one line of JSON tells what was worked out.

#include "app/Cli.h"
#include "app/CliGemeinsam.h"

#include "doc/CSarnixDoc.h"
#include "map/KarteDrucken.h"
#include "map/KartenLage.h"
#include "map/SeitenMass.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <optional>
#include <variant>

namespace {

using namespace cli;

constexpr int kleinsteDpi = 10;
constexpr int groessteDpi = 9600;


int Nutzung(const QString& text)
{
    Melde(text);
    Melde(QCoreApplication::translate("Cli", "Aufruf: sarnix-cli print FILE -o OUT.pdf|OUT.png [--dpi N] [--page A4|A3|Letter]\n"
                         "                   [--landscape] [--massstab N] [--ohne-zeitmarken]"));
    return nutzungsFehler;
}

struct Auftrag {
    QString datei;
    QString ziel;
    int dpi = 600;
    QPageSize::PageSizeId papier = QPageSize::A4;
    bool quer = false;
    int massstab = 0;  // 0: the proposal
    bool zeitmarken = true;
};

std::optional<QPageSize::PageSizeId> PapierAus(const QString& text)
{
    if (text.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0) return QPageSize::A4;
    if (text.compare(QLatin1String("A3"), Qt::CaseInsensitive) == 0) return QPageSize::A3;
    if (text.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0) return QPageSize::Letter;
    return std::nullopt;
}

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
        } else if (arg == QLatin1String("--dpi")) {
            const auto w = wert();
            bool zahl = false;
            a.dpi = w ? w->toInt(&zahl) : 0;
            if (!zahl || a.dpi < kleinsteDpi || a.dpi > groessteDpi)
                return Nutzung(QCoreApplication::translate("Cli", "--dpi braucht eine Zahl von %1 bis %2.").arg(kleinsteDpi).arg(groessteDpi));
        } else if (arg == QLatin1String("--page")) {
            const auto w = wert();
            const auto papier = w ? PapierAus(*w) : std::nullopt;
            if (!papier) return Nutzung(QCoreApplication::translate("Cli", "--page kennt A4, A3 und Letter."));
            a.papier = *papier;
        } else if (arg == QLatin1String("--landscape")) {
            a.quer = true;
        } else if (arg == QLatin1String("--massstab")) {
            const auto w = wert();
            bool zahl = false;
            a.massstab = w ? w->toInt(&zahl) : 0;
            if (!zahl || !IstDruckMassstab(a.massstab))
                return Nutzung(QCoreApplication::translate("Cli", "--massstab kennt 25000, 50000, 100000, 200000, 250000, 500000 und 1000000."));
        } else if (arg == QLatin1String("--ohne-zeitmarken")) {
            a.zeitmarken = false;
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
    const QString endung = QFileInfo(a.ziel).suffix().toLower();
    if (a.ziel.isEmpty() || (endung != QLatin1String("pdf") && endung != QLatin1String("png")))
        return Nutzung(QCoreApplication::translate("Cli", "-o braucht eine Zieldatei auf .pdf oder .png."));
    return a;
}

// Margins of a usual printer, so labels and the footer keep clear of the sheet's edge.
constexpr double randMm = 5.0;

QPageLayout Seite(const Auftrag& a)
{
    return QPageLayout(QPageSize(a.papier), a.quer ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(randMm, randMm, randMm, randMm), QPageLayout::Millimeter);
}

// The file of page `seite` (0-based) of `anzahl`: "flug.png", or "flug-1.png" ... for several.
QString PngName(const QString& ziel, int seite, int anzahl)
{
    if (anzahl <= 1)
        return ziel;
    const QFileInfo info(ziel);
    return info.dir().filePath(QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(seite + 1).arg(info.suffix()));
}

std::optional<KartenInfo> AlsPdf(const CSarnixDoc& doc, const Auftrag& a, const MassstabFrage& frage)
{
    QPdfWriter schreiber(a.ziel);
    schreiber.setResolution(a.dpi);
    schreiber.setPageLayout(Seite(a));
    schreiber.setCreator(QStringLiteral("Sarnix"));
    schreiber.setTitle(QFileInfo(a.datei).fileName());
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
        KartenSeiteDrucken(doc, f, *mass, *plan, seite);
    }
    if (!maler.end())
        return std::nullopt;
    return plan->info;
}

std::optional<KartenInfo> AlsPng(const CSarnixDoc& doc, const Auftrag& a, const MassstabFrage& frage)
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
            KartenSeiteDrucken(doc, f, *mass, *plan, nummer);
        }
        if (!bild.save(PngName(a.ziel, nummer, plan->info.seiten), "PNG"))
            return std::nullopt;
    }
    return plan->info;
}

}  // namespace

int CliPrint(const QStringList& argumente)
{
    const std::variant<Auftrag, int> gelesen = Lesen(argumente);
    if (const int* code = std::get_if<int>(&gelesen))
        return *code;
    const Auftrag& a = std::get<Auftrag>(gelesen);

    CSarnixDoc doc;
    if (!Oeffne(doc, a.datei))
        return dateiFehler;
    if (!doc.geladen) {
        Melde(QCoreApplication::translate("Cli", "Keine Flugaufzeichnung: nichts zu drucken."));
        return dateiFehler;
    }

    const MassstabFrage frage = [&a](int vorschlag) {
        return DruckWahl{a.massstab != 0 ? a.massstab : vorschlag, a.zeitmarken ? 1 : 0};
    };
    const bool pdf = QFileInfo(a.ziel).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    const std::optional<KartenInfo> info = pdf ? AlsPdf(doc, a, frage) : AlsPng(doc, a, frage);
    if (!info) {
        Melde(QCoreApplication::translate("Cli", "Kann %1 nicht schreiben.").arg(a.ziel));
        return dateiFehler;
    }
    std::printf("{\"vorschlag\": %d, \"massstab\": %d, \"gedreht\": %s, \"gitter\": %d, \"seiten\": %d}\n",
                info->vorschlag, info->massstab, info->gedreht ? "true" : "false", info->gitter, info->seiten);
    return 0;
}
