#include "ExportHilfen.h"

#include "export/Gpx.h"
#include "export/Kml.h"

#include <QBuffer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QXmlStreamReader>

namespace exporttest {

CDaten Fix(int i)
{
    CDaten f;
    f.zeit = 36000 + i;
    f.breite = Grad(47.5 + i * 0.001);
    f.laenge = Grad(11.25 + i * 0.002);
    f.hoehe = static_cast<int16_t>(1000 + i);
    f.temperatur = 2900;
    f.vario = 15;
    f.sog = 400;
    f.tas = 300;
    f.hatPosition = 1;
    return f;
}

CSarnixDoc Flug(const std::vector<CDaten>& fixe)
{
    CSarnixDoc doc;
    doc.geladen = 1;
    doc.dateiname = "/flug/testflug.vrl";
    doc.flugdatum = "14-07-26";
    doc.datenListe = fixe;
    doc.BerechneAusdehnung();
    doc.BerechneMassstab();
    return doc;
}

ExportWahl KeineWahl()
{
    ExportWahl wahl;
    wahl.zeitzone = QTimeZone::utc();
    return wahl;
}

QByteArray Gpx(const CSarnixDoc& doc, const ExportWahl& wahl)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    SchreibeGpx(doc, wahl, puffer);
    return puffer.data();
}

QByteArray Kml(const CSarnixDoc& doc, int8_t farbe)
{
    ExportWahl wahl = KeineWahl();
    wahl.format = ExportFormat::Kml;
    wahl.farbe = farbe;
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    SchreibeKml(doc, wahl, puffer);
    return puffer.data();
}

namespace {

Punkt LagePunkt(const QXmlStreamReader& r)
{
    Punkt p;
    p.breite = r.attributes().value(QStringLiteral("lat")).toDouble();
    p.laenge = r.attributes().value(QStringLiteral("lon")).toDouble();
    return p;
}

// "lon lat alt" or "lon,lat,alt".
Punkt KoordinatenPunkt(const QString& text)
{
    static const QRegularExpression trenner(QStringLiteral("[ ,]"));
    const QStringList teile = text.split(trenner);
    Punkt p;
    if (teile.size() == 3) {
        p.laenge = teile[0].toDouble();
        p.breite = teile[1].toDouble();
        p.hoehe = teile[2].toDouble();
    }
    return p;
}

}  // namespace

GpxInhalt LiesGpx(const QByteArray& xml)
{
    GpxInhalt inhalt;
    QXmlStreamReader r(xml);
    Punkt* punkt = nullptr;
    bool inMetadaten = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isEndElement() && (r.name() == u"trkpt" || r.name() == u"wpt"))
            punkt = nullptr;
        if (r.isEndElement() && r.name() == u"metadata")
            inMetadaten = false;
        if (!r.isStartElement())
            continue;
        const auto name = r.name();
        if (name == u"metadata") {
            inMetadaten = true;
        } else if (name == u"bounds") {
            for (const QXmlStreamAttribute& a : r.attributes())
                inhalt.grenzen.insert(a.name().toString(), a.value().toString());
        } else if (name == u"trkseg") {
            inhalt.segmente.emplace_back();
        } else if (name == u"trkpt") {
            inhalt.segmente.back().push_back(LagePunkt(r));
            punkt = &inhalt.segmente.back().back();
        } else if (name == u"wpt") {
            inhalt.wegpunkte.push_back(LagePunkt(r));
            punkt = &inhalt.wegpunkte.back();
        } else if (name == u"ele" && punkt) {
            punkt->hoehe = r.readElementText().toDouble();
        } else if (name == u"desc" && inMetadaten) {
            inhalt.beschreibung = r.readElementText();
        } else if (name == u"time" && inMetadaten) {
            inhalt.metadatenZeit = r.readElementText();
        } else if (name == u"time" && punkt) {
            punkt->zeit = r.readElementText();
        } else if (name == u"name" && punkt && !inhalt.wegpunkte.empty() && punkt == &inhalt.wegpunkte.back()) {
            inhalt.wegpunktNamen.append(r.readElementText());
        } else if (punkt && r.namespaceUri() == QLatin1String(gpxErweiterung)) {
            const QString schluessel = name.toString();
            punkt->werte.insert(schluessel, r.readElementText());
        }
    }
    inhalt.fehlerfrei = !r.hasError();
    return inhalt;
}

KmlInhalt LiesKml(const QByteArray& xml)
{
    KmlInhalt inhalt;
    QXmlStreamReader r(xml);
    QString stilId;
    QString placemarkStil;
    const QString gx = QStringLiteral("http://www.google.com/kml/ext/2.2");
    int tiefeOrdner = 0;
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement())
            continue;
        const auto name = r.name();
        if (name == u"Style") {
            stilId = r.attributes().value(QStringLiteral("id")).toString();
        } else if (name == u"color" && !stilId.isEmpty()) {
            inhalt.stilFarben.insert(stilId, r.readElementText());
        } else if (name == u"Folder") {
            ++tiefeOrdner;
            r.readNextStartElement();
            if (r.name() == u"name")
                inhalt.ordner.append(r.readElementText());
        } else if (name == u"Placemark") {
            placemarkStil.clear();
        } else if (name == u"name" && tiefeOrdner > 0) {
            inhalt.placemarkNamen.append(r.readElementText());
        } else if (name == u"styleUrl") {
            placemarkStil = r.readElementText();
        } else if (name == u"Track" && r.namespaceUri() == gx) {
            inhalt.tracks.emplace_back();
        } else if (name == u"when") {
            inhalt.zeiten.push_back(r.readElementText());
        } else if (name == u"coord" && r.namespaceUri() == gx) {
            inhalt.tracks.back().push_back(KoordinatenPunkt(r.readElementText()));
        } else if (name == u"altitudeMode") {
            inhalt.hoehenModi.append(r.readElementText());
        } else if (name == u"Point") {
            r.readNextStartElement();
            while (!r.atEnd() && r.name() != u"coordinates")
                r.readNextStartElement();
            inhalt.orte.push_back(KoordinatenPunkt(r.readElementText()));
        } else if (name == u"LineString") {
            inhalt.linien.push_back({placemarkStil, {}});
        } else if (name == u"coordinates" && !inhalt.linien.empty() && inhalt.linien.back().punkte.empty()) {
            for (const QString& p : r.readElementText().split(u' ', Qt::SkipEmptyParts))
                inhalt.linien.back().punkte.push_back(KoordinatenPunkt(p));
        }
    }
    inhalt.fehlerfrei = !r.hasError();
    return inhalt;
}

QString SchemaFehler(const QByteArray& gpx)
{
    QTemporaryFile datei(QStringLiteral("XXXXXX.gpx"));
    if (!datei.open() || datei.write(gpx) != gpx.size() || !datei.flush())
        return QStringLiteral("no temporary file");
    const QString schema = QStringLiteral(SARNIX_GPX_SCHEMA);
    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("--schema"), schema,
                                              datei.fileName()});
    if (!xmllint.waitForFinished(60000))
        return QStringLiteral("xmllint did not run (package libxml2-utils)");
    if (xmllint.exitStatus() != QProcess::NormalExit || xmllint.exitCode() != 0)
        return QString::fromUtf8(xmllint.readAllStandardError());
    return {};
}

}  // namespace exporttest
