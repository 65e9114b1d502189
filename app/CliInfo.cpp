// sarnix-cli info: the flight document as JSON.

#include "app/Cli.h"

#include "doc/CSarnixDoc.h"
#include "doc/FarbIndex.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <cstdlib>

namespace {

int Aufruf()
{
    std::fputs("Aufruf: sarnix-cli info FILE [--fixes] [--profile]\n", stderr);
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

QJsonArray Fixe(const CSarnixDoc& doc)
{
    QJsonArray liste;
    for (const CDaten& f : doc.datenListe) {
        QJsonArray farben;
        for (int8_t art = 0; art <= 4; ++art)
            farben.append(FarbIndex(art, f, doc));
        liste.append(QJsonObject{{QStringLiteral("zeit"), f.zeit},
                                 {QStringLiteral("vario"), f.vario},
                                 {QStringLiteral("laenge"), f.laenge},
                                 {QStringLiteral("breite"), f.breite},
                                 {QStringLiteral("temperatur"), f.temperatur},
                                 {QStringLiteral("sog"), f.sog},
                                 {QStringLiteral("tas"), f.tas},
                                 {QStringLiteral("hatPosition"), f.hatPosition},
                                 {QStringLiteral("hoehe"), f.hoehe},
                                 {QStringLiteral("farbIndex"), farben}});
    }
    return liste;
}

QJsonArray Profil(const CSarnixDoc& doc)
{
    QJsonArray liste;
    for (const TemperaturSlot& slot : doc.temperaturProfil)
        liste.append(QJsonArray{AlsZahl(slot.steigung), AlsZahl(slot.basis)});
    return liste;
}

}  // namespace

int CliInfo(const QStringList& argumente)
{
    QString datei;
    bool mitFixen = false;
    bool mitProfil = false;
    for (const QString& argument : argumente) {
        if (argument == QLatin1String("--fixes"))
            mitFixen = true;
        else if (argument == QLatin1String("--profile"))
            mitProfil = true;
        else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1)
            return Aufruf();
        else if (datei.isNull())
            datei = argument;
        else
            return Aufruf();
    }
    if (datei.isNull())
        return Aufruf();

    const std::string pfad = datei.toUtf8().toStdString();
    CSarnixDoc doc;
    OeffnenFehler fehler = OeffnenFehler::Keiner;
    if (!doc.OnOpenDocument(pfad, &fehler)) {
        std::fprintf(stderr, "%s\n", FehlerText(fehler, pfad).c_str());
        return 1;
    }

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
    if (mitFixen)
        json.insert(QStringLiteral("fixes"), Fixe(doc));
    if (mitProfil)
        json.insert(QStringLiteral("temperaturProfil"), Profil(doc));

    const QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
