// sarnix-cli info: the flight document as JSON.

#include "app/Cli.h"
#include "app/CliGemeinsam.h"

#include "doc/CSarnixDoc.h"
#include "doc/FarbIndex.h"
#include "doc/Flugphasen.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

int Aufruf()
{
    cli::Melde(QCoreApplication::translate("Cli", "Aufruf: sarnix-cli info FILE [--fixes] [--profile] [--phasen]"));
    return 2;
}

// The shortest text that reads back to the same single-precision number.
double AlsZahl(float wert)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(wert));
    return std::strtod(text, nullptr);
}

QString Text(const std::string& bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }

QJsonObject Ausdehnung(const Fenster& a)
{
    return {{QStringLiteral("hoeheMax"), a.hoeheMax}, {QStringLiteral("hoeheMin"), a.hoeheMin},
            {QStringLiteral("breiteMax"), a.breiteMax}, {QStringLiteral("laengeMax"), a.laengeMax},
            {QStringLiteral("breiteMin"), a.breiteMin}, {QStringLiteral("laengeMin"), a.laengeMin}};
}

QJsonArray Wegpunkte(const CSarnixDoc& doc)
{
    QJsonArray liste;
    for (const CWegPunkt& w : doc.wegpunktListe)
        liste.append(QJsonObject{{QStringLiteral("name"), Text(w.name)},
                                 {QStringLiteral("nummer"), w.nummer},
                                 {QStringLiteral("laenge"), w.laenge},
                                 {QStringLiteral("breite"), w.breite},
                                 {QStringLiteral("hoehe"), w.hoehe},
                                 {QStringLiteral("art"), w.art}});
    return liste;
}

// The fixes are written straight out, one compact object a line: a million of them as JSON
// objects would take seconds and gigabytes.
void SchreibeFixe(const CSarnixDoc& doc, std::FILE* ziel)
{
    std::fputs(",\n    \"fixes\": [", ziel);
    char zeile[320];
    const char* trenner = "\n        ";
    for (const CDaten& f : doc.datenListe) {
        int k[5];
        for (int8_t art = 0; art <= 4; ++art)
            k[art] = FarbIndex(art, f, doc);
        const int laenge = std::snprintf(
            zeile, sizeof zeile,
            "%s{\"zeit\": %d, \"vario\": %d, \"laenge\": %d, \"breite\": %d, \"temperatur\": %d, "
            "\"sog\": %d, \"tas\": %d, \"hatPosition\": %d, \"hoehe\": %d, \"farbIndex\": [%d, %d, %d, %d, %d]}",
            trenner, f.zeit, f.vario, f.laenge, f.breite, f.temperatur, f.sog, f.tas, f.hatPosition, f.hoehe,
            k[0], k[1], k[2], k[3], k[4]);
        std::fwrite(zeile, 1, static_cast<size_t>(laenge), ziel);
        trenner = ",\n        ";
    }
    std::fputs(doc.datenListe.empty() ? "]" : "\n    ]", ziel);
}

QJsonArray Profil(const CSarnixDoc& doc)
{
    QJsonArray liste;
    for (const TemperaturSlot& slot : doc.temperaturProfil)
        liste.append(QJsonArray{AlsZahl(slot.steigung), AlsZahl(slot.basis)});
    return liste;
}

// Rounded to what the figures mean: cm/s, decimetres, tenths of a glide ratio.
double Gerundet(double wert, double stellen)
{
    const double faktor = std::pow(10.0, stellen);
    return std::round(wert * faktor) / faktor;
}

QJsonValue Wahlweise(const std::optional<double>& wert, double stellen)
{
    return wert ? QJsonValue(Gerundet(*wert, stellen)) : QJsonValue(QJsonValue::Null);
}

QJsonArray Phasen(const FlugAnalyse& analyse)
{
    QJsonArray liste;
    for (const Flugphase& p : analyse.phasen)
        liste.append(QJsonObject{
            {QStringLiteral("art"), p.art == PhasenArt::Thermik ? QStringLiteral("thermik") : QStringLiteral("gleiten")},
            {QStringLiteral("von"), p.zeitVon},
            {QStringLiteral("bis"), p.zeitBis},
            {QStringLiteral("hoeheVon"), p.hoeheVon},
            {QStringLiteral("hoeheBis"), p.hoeheBis},
            {QStringLiteral("mittelSteigen"), Gerundet(p.mittelSteigen, 2)},
            {QStringLiteral("strecke"), Gerundet(p.strecke, 1)},
            {QStringLiteral("gleitzahl"), Wahlweise(p.gleitzahl, 1)},
            {QStringLiteral("windRichtung"), Wahlweise(p.windRichtung ? std::optional(std::fmod(std::round(*p.windRichtung), 360.0)) : std::nullopt, 0)},
            {QStringLiteral("windGeschwindigkeit"), Wahlweise(p.windGeschwindigkeit, 1)},
        });
    return liste;
}

QJsonObject Statistik(const FlugStatistik& s)
{
    // A flight that never took off has no take-off and landing time.
    const auto zeit = [&](int32_t t) { return s.geflogen ? QJsonValue(t) : QJsonValue(QJsonValue::Null); };
    return {{QStringLiteral("start"), zeit(s.startZeit)},
            {QStringLiteral("landung"), zeit(s.landeZeit)},
            {QStringLiteral("anteilKreisen"), Gerundet(s.anteilKreisen, 3)},
            {QStringLiteral("mittelSteigen"), Gerundet(s.mittelSteigen, 2)},
            {QStringLiteral("mittlereGleitzahl"), Wahlweise(s.mittlereGleitzahl, 1)},
            {QStringLiteral("schnittGeschwindigkeit"), Gerundet(s.schnittGeschwindigkeit, 1)},
            {QStringLiteral("anzahlThermiken"), s.anzahlThermiken}};
}

}  // namespace

int CliInfo(const QStringList& argumente)
{
    QString datei;
    bool mitFixen = false;
    bool mitProfil = false;
    bool mitPhasen = false;
    for (const QString& argument : argumente) {
        if (argument == QLatin1String("--fixes"))
            mitFixen = true;
        else if (argument == QLatin1String("--profile"))
            mitProfil = true;
        else if (argument == QLatin1String("--phasen"))
            mitPhasen = true;
        else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
            return Aufruf();
        else if (datei.isNull())
            datei = argument;
        else
            return Aufruf();
    }
    if (datei.isNull())
        return Aufruf();

    CSarnixDoc doc;
    if (!cli::Oeffne(doc, datei))
        return cli::dateiFehler;

    QJsonObject json{
        {QStringLiteral("geladen"), doc.geladen},
        {QStringLiteral("dateiname"), QString::fromUtf8(doc.dateiname.data(), static_cast<qsizetype>(doc.dateiname.size()))},
        {QStringLiteral("flugdatum"), Text(doc.flugdatum)},
        {QStringLiteral("startzeit"), Text(doc.startzeit)},
        {QStringLiteral("landezeit"), Text(doc.landezeit)},
        {QStringLiteral("flugdauer"), Text(doc.flugdauer)},
        {QStringLiteral("startplatz"), Text(doc.startplatz)},
        {QStringLiteral("startplatzHoehe"), Text(doc.startplatzHoehe)},
        {QStringLiteral("landeplatzHoehe"), Text(doc.landeplatzHoehe)},
        {QStringLiteral("maxHoehe"), Text(doc.maxHoehe)},
        {QStringLiteral("maxSteigen"), Text(doc.maxSteigen)},
        {QStringLiteral("maxSinken"), Text(doc.maxSinken)},
        {QStringLiteral("flugstrecke"), Text(doc.flugstrecke)},
        {QStringLiteral("ausdehnung"), Ausdehnung(doc.ausdehnung)},
        {QStringLiteral("meterProBreite"), AlsZahl(doc.meterProBreite)},
        {QStringLiteral("meterProLaenge"), AlsZahl(doc.meterProLaenge)},
        {QStringLiteral("anzahlFixes"), static_cast<qint64>(doc.datenListe.size())},
        {QStringLiteral("anzahlWegpunkte"), static_cast<qint64>(doc.wegpunktListe.size())},
        {QStringLiteral("wegpunkte"), Wegpunkte(doc)},
    };
    if (mitProfil)
        json.insert(QStringLiteral("temperaturProfil"), Profil(doc));
    if (mitPhasen) {
        const FlugAnalyse analyse = AnalysiereFlug(doc);
        json.insert(QStringLiteral("phasen"), Phasen(analyse));
        json.insert(QStringLiteral("statistik"), Statistik(analyse.statistik));
    }

    QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Indented);
    if (mitFixen) {
        // The fixes go in before the closing brace of the object.
        text.chop(text.endsWith("}\n") ? 2 : 0);
        while (text.endsWith('\n'))
            text.chop(1);
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
        SchreibeFixe(doc, stdout);
        std::fputs("\n}\n", stdout);
    } else {
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    }
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
