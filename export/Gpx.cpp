#include "export/Gpx.h"

#include "doc/CSarnixDoc.h"
#include "export/FlugZeit.h"
#include "export/Strecken.h"
#include "export/Texte.h"
#include "export/Zahlen.h"

#include <QXmlStreamWriter>

#include <algorithm>
#include <string>

namespace {

const QString gpxNamensraum = QStringLiteral("http://www.topografix.com/GPX/1/1");

// Writes numbers through one reused buffer: a day of fixes makes half a million of them.
class Schreiber {
public:
    explicit Schreiber(QIODevice& ziel) : xml(&ziel)
    {
        xml.setAutoFormatting(true);
        xml.setAutoFormattingIndent(1);
    }

    QXmlStreamWriter xml;

    QString Grad(int64_t gradE7) { return Zahl([&] { HaengeGradAn(puffer, gradE7); }); }
    QString Zehntel(int64_t wert) { return Zahl([&] { HaengeZehntelAn(puffer, wert); }); }
    QString Ganz(int64_t wert) { return Zahl([&] { HaengeGanzzahlAn(puffer, wert); }); }
    QString Zeit(int64_t utc) { return Zahl([&] { HaengeUtcZeitAn(puffer, utc); }); }

    void Lage(const ::Lage& lage)
    {
        xml.writeAttribute(QStringLiteral("lat"), Grad(lage.breite));
        xml.writeAttribute(QStringLiteral("lon"), Grad(lage.laenge));
    }

private:
    template <typename F>
    QString Zahl(F schreibe)
    {
        puffer.clear();
        schreibe();
        return QString::fromLatin1(puffer.data(), static_cast<qsizetype>(puffer.size()));
    }
    std::string puffer;
};

void Metadaten(Schreiber& s, const CSarnixDoc& doc, const FlugZeit& uhr, const Spur& spur)
{
    QXmlStreamWriter& xml = s.xml;
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeTextElement(QStringLiteral("name"), FlugName(doc));
    const QString beschreibung = FlugBeschreibung(doc);
    if (!beschreibung.isEmpty())
        xml.writeTextElement(QStringLiteral("desc"), beschreibung);
    if (uhr.gueltig() && !doc.datenListe.empty())
        xml.writeTextElement(QStringLiteral("time"), s.Zeit(uhr.Utc(doc.datenListe.front().zeit)));
    if (spur.punkte > 0) {
        Lage min{INT64_MAX, INT64_MAX};
        Lage max{INT64_MIN, INT64_MIN};
        for (const Strecke& strecke : spur.strecken) {
            for (size_t i = strecke.anfang; i < strecke.ende; ++i) {
                const Lage& l = spur.lagen[i];
                min = {std::min(min.breite, l.breite), std::min(min.laenge, l.laenge)};
                max = {std::max(max.breite, l.breite), std::max(max.laenge, l.laenge)};
            }
        }
        xml.writeEmptyElement(QStringLiteral("bounds"));
        xml.writeAttribute(QStringLiteral("minlat"), s.Grad(min.breite));
        xml.writeAttribute(QStringLiteral("minlon"), s.Grad(min.laenge));
        xml.writeAttribute(QStringLiteral("maxlat"), s.Grad(max.breite));
        xml.writeAttribute(QStringLiteral("maxlon"), s.Grad(max.laenge));
    }
    xml.writeEndElement();
}

int64_t Wegpunkte(Schreiber& s, const CSarnixDoc& doc)
{
    QXmlStreamWriter& xml = s.xml;
    int64_t anzahl = 0;
    for (const CWegPunkt& w : doc.wegpunktListe) {
        Lage lage;
        if (!LageAus(w.breite, w.laenge, lage))
            continue;
        xml.writeStartElement(QStringLiteral("wpt"));
        s.Lage(lage);
        xml.writeTextElement(QStringLiteral("ele"), s.Ganz(w.hoehe));
        const QString name = XmlText(w.name);
        if (!name.isEmpty())
            xml.writeTextElement(QStringLiteral("name"), name);
        xml.writeStartElement(QStringLiteral("extensions"));
        if (w.nummer != 0)
            xml.writeTextElement(QStringLiteral("sx:nummer"), s.Ganz(w.nummer));
        xml.writeTextElement(QStringLiteral("sx:art"), s.Ganz(w.art));
        xml.writeEndElement();
        xml.writeEndElement();
        ++anzahl;
    }
    return anzahl;
}

void Punkt(Schreiber& s, const CDaten& f, const Lage& lage, const FlugZeit& uhr)
{
    QXmlStreamWriter& xml = s.xml;
    xml.writeStartElement(QStringLiteral("trkpt"));
    s.Lage(lage);
    xml.writeTextElement(QStringLiteral("ele"), s.Ganz(f.hoehe));
    if (uhr.gueltig())
        xml.writeTextElement(QStringLiteral("time"), s.Zeit(uhr.Utc(f.zeit)));
    xml.writeStartElement(QStringLiteral("extensions"));
    xml.writeTextElement(QStringLiteral("sx:temperatur"), s.Zehntel(int64_t{f.temperatur} - 2732));
    xml.writeTextElement(QStringLiteral("sx:vario"), s.Zehntel(f.vario));
    xml.writeTextElement(QStringLiteral("sx:sog"), s.Zehntel(f.sog));
    // 0 means the instrument had no airspeed: left out rather than written as standing still.
    if (f.tas != 0)
        xml.writeTextElement(QStringLiteral("sx:tas"), s.Zehntel(f.tas));
    xml.writeEndElement();
    xml.writeEndElement();
}

}  // namespace

bool SchreibeGpx(const CSarnixDoc& doc, const ExportWahl& wahl, QIODevice& ziel, ExportBericht* bericht)
{
    const Spur spur = SpurAus(doc);
    const FlugZeit uhr(doc.flugdatum, wahl.zeitzone);
    Schreiber s(ziel);
    QXmlStreamWriter& xml = s.xml;

    xml.writeStartDocument();
    xml.writeDefaultNamespace(gpxNamensraum);
    xml.writeStartElement(gpxNamensraum, QStringLiteral("gpx"));
    xml.writeNamespace(QString::fromLatin1(gpxErweiterung), QStringLiteral("sx"));
    xml.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("xsi"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("Sarnix"));
    xml.writeAttribute(QStringLiteral("xsi:schemaLocation"),
                       gpxNamensraum + QStringLiteral(" http://www.topografix.com/GPX/1/1/gpx.xsd"));

    Metadaten(s, doc, uhr, spur);
    const int64_t wegpunkte = Wegpunkte(s, doc);

    xml.writeStartElement(QStringLiteral("trk"));
    xml.writeTextElement(QStringLiteral("name"), FlugName(doc));
    for (const Strecke& strecke : spur.strecken) {
        xml.writeStartElement(QStringLiteral("trkseg"));
        for (size_t i = strecke.anfang; i < strecke.ende; ++i)
            Punkt(s, doc.datenListe[i], spur.lagen[i], uhr);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();

    if (bericht)
        *bericht = {static_cast<int64_t>(spur.punkte), static_cast<int64_t>(spur.strecken.size()), wegpunkte, 0};
    return !xml.hasError();
}
