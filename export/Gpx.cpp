#include "export/Gpx.h"

#include "flight/CSarnixDoc.h"
#include "export/FlugZeit.h"
#include "export/Strecken.h"
#include "export/Texte.h"
#include "export/WertungsWeg.h"
#include "export/XmlAusgabe.h"
#include "export/Zahlen.h"

#include <algorithm>
#include <string>

namespace {

const QString gpxNamensraum = QStringLiteral("http://www.topografix.com/GPX/1/1");

void Lage(XmlAusgabe& w, const ::Lage& lage)
{
    w.xml.writeAttribute(QStringLiteral("lat"), w.Grad(lage.breite));
    w.xml.writeAttribute(QStringLiteral("lon"), w.Grad(lage.laenge));
}

void Grenzen(XmlAusgabe& w, const Spur& spur, const CSarnixDoc& doc)
{
    ::Lage min{INT64_MAX, INT64_MAX};
    ::Lage max{INT64_MIN, INT64_MIN};
    const auto dazu = [&](const ::Lage& l) {
        min = {std::min(min.breite, l.breite), std::min(min.laenge, l.laenge)};
        max = {std::max(max.breite, l.breite), std::max(max.laenge, l.laenge)};
    };
    for (const Strecke& strecke : spur.strecken)
        for (size_t i = strecke.anfang; i < strecke.ende; ++i)
            dazu(spur.lagen[i]);
    for (const CWegPunkt& p : doc.wegpunktListe) {
        ::Lage l;
        if (LageAus(p.breite, p.laenge, l))
            dazu(l);
    }
    if (min.breite > max.breite)
        return;
    w.xml.writeEmptyElement(QStringLiteral("bounds"));
    w.xml.writeAttribute(QStringLiteral("minlat"), w.Grad(min.breite));
    w.xml.writeAttribute(QStringLiteral("minlon"), w.Grad(min.laenge));
    w.xml.writeAttribute(QStringLiteral("maxlat"), w.Grad(max.breite));
    w.xml.writeAttribute(QStringLiteral("maxlon"), w.Grad(max.laenge));
}

void Metadaten(XmlAusgabe& w, const CSarnixDoc& doc, const std::vector<int64_t>& zeiten, const Spur& spur)
{
    QXmlStreamWriter& xml = w.xml;
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeTextElement(QStringLiteral("name"), FlugName(doc));
    const QString beschreibung = FlugBeschreibung(doc);
    if (!beschreibung.isEmpty())
        xml.writeTextElement(QStringLiteral("desc"), beschreibung);
    // The recording's start, not the moment of the export: the same flight gives the same file.
    if (!zeiten.empty())
        xml.writeTextElement(QStringLiteral("time"), w.Zeit(zeiten.front()));
    Grenzen(w, spur, doc);
    xml.writeEndElement();
}

int64_t Wegpunkte(XmlAusgabe& w, const CSarnixDoc& doc)
{
    QXmlStreamWriter& xml = w.xml;
    int64_t anzahl = 0;
    for (const CWegPunkt& p : doc.wegpunktListe) {
        ::Lage lage;
        if (!LageAus(p.breite, p.laenge, lage))
            continue;
        xml.writeStartElement(QStringLiteral("wpt"));
        Lage(w, lage);
        xml.writeTextElement(QStringLiteral("ele"), w.Ganz(p.hoehe));
        const QString name = XmlText(p.name);
        if (!name.isEmpty())
            xml.writeTextElement(QStringLiteral("name"), name);
        xml.writeStartElement(QStringLiteral("extensions"));
        if (p.nummer != 0)
            xml.writeTextElement(QStringLiteral("sx:nummer"), w.Ganz(p.nummer));
        xml.writeTextElement(QStringLiteral("sx:art"), w.Ganz(p.art));
        xml.writeEndElement();
        xml.writeEndElement();
        ++anzahl;
    }
    return anzahl;
}

// The scored path as a route: GPX puts routes between the waypoints and the track.
void WertungsRoute(XmlAusgabe& w, const Wertung& wertung, const std::vector<int64_t>& zeiten)
{
    const std::vector<WertungsStation> stationen = WertungsStationen(wertung);
    if (stationen.empty())
        return;
    QXmlStreamWriter& xml = w.xml;
    xml.writeStartElement(QStringLiteral("rte"));
    xml.writeTextElement(QStringLiteral("name"), WertungsTitel(wertung));
    for (const WertungsStation& s : stationen) {
        ::Lage lage;
        if (!LageAus(s.punkt.breite, s.punkt.laenge, lage))
            continue;
        xml.writeStartElement(QStringLiteral("rtept"));
        Lage(w, lage);
        if (s.punkt.index < zeiten.size())
            xml.writeTextElement(QStringLiteral("time"), w.Zeit(zeiten[s.punkt.index]));
        xml.writeTextElement(QStringLiteral("name"), s.name);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

// One track point as the file holds it, on one line.
void Punkt(std::string& t, const CDaten& f, const ::Lage& lage, const int64_t* zeit, bool mitTemperatur)
{
    t += "<trkpt lat=\"";
    HaengeGradAn(t, lage.breite);
    t += "\" lon=\"";
    HaengeGradAn(t, lage.laenge);
    t += "\">";
    HaengeAnfangAn(t, "ele");
    HaengeGanzzahlAn(t, f.hoehe);
    HaengeEndeAn(t, "ele");
    if (zeit) {
        HaengeAnfangAn(t, "time");
        HaengeUtcZeitAn(t, *zeit);
        HaengeEndeAn(t, "time");
    }
    HaengeAnfangAn(t, "extensions");
    // A log without air temperature holds zeros, which no one must read as 0 °C or -273.2 °C.
    if (mitTemperatur) {
        HaengeAnfangAn(t, "sx:temperatur");
        HaengeZehntelAn(t, int64_t{f.temperatur} - 2732);
        HaengeEndeAn(t, "sx:temperatur");
    }
    HaengeAnfangAn(t, "sx:vario");
    HaengeZehntelAn(t, f.vario);
    HaengeEndeAn(t, "sx:vario");
    // 0 means the instrument had no airspeed: left out rather than written as standing still.
    if (f.tas != 0) {
        HaengeAnfangAn(t, "sx:tas");
        HaengeZehntelAn(t, f.tas);
        HaengeEndeAn(t, "sx:tas");
    }
    HaengeEndeAn(t, "extensions");
    HaengeEndeAn(t, "trkpt");
}

}  // namespace

bool SchreibeGpx(const CSarnixDoc& doc, const ExportWahl& wahl, QIODevice& ziel, ExportBericht* bericht)
{
    const Spur spur = SpurAus(doc);
    const std::vector<int64_t> zeiten = UtcZeiten(doc, wahl);
    XmlAusgabe aus(ziel);
    QXmlStreamWriter& xml = aus.xml;

    xml.writeStartDocument();
    xml.writeDefaultNamespace(gpxNamensraum);
    xml.writeStartElement(gpxNamensraum, QStringLiteral("gpx"));
    xml.writeNamespace(QString::fromLatin1(gpxErweiterung), QStringLiteral("sx"));
    xml.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("xsi"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("Sarnix"));
    xml.writeAttribute(QStringLiteral("xsi:schemaLocation"),
                       gpxNamensraum + QStringLiteral(" http://www.topografix.com/GPX/1/1/gpx.xsd"));

    Metadaten(aus, doc, zeiten, spur);
    const int64_t wegpunkte = Wegpunkte(aus, doc);
    if (wahl.wertung)
        WertungsRoute(aus, *wahl.wertung, zeiten);

    xml.writeStartElement(QStringLiteral("trk"));
    xml.writeTextElement(QStringLiteral("name"), FlugName(doc));
    for (const Strecke& strecke : spur.strecken) {
        xml.writeStartElement(QStringLiteral("trkseg"));
        aus.Eintraege(strecke.anfang, strecke.ende, [&](std::string& zeile, size_t i) {
            Punkt(zeile, doc.datenListe[i], spur.lagen[i], zeiten.empty() ? nullptr : &zeiten[i], doc.hatTemperatur);
        });
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();

    if (bericht)
        *bericht = {static_cast<int64_t>(spur.punkte), static_cast<int64_t>(spur.strecken.size()), wegpunkte, 0};
    return aus.Abgeben();
}
