#include "export/Kml.h"

#include "doc/CSarnixDoc.h"
#include "doc/FarbIndex.h"
#include "export/FlugZeit.h"
#include "export/Strecken.h"
#include "export/Texte.h"
#include "export/Zahlen.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

#include <bitset>
#include <string>

namespace {

const QString kmlNamensraum = QStringLiteral("http://www.opengis.net/kml/2.2");
const QString gxNamensraum = QStringLiteral("http://www.google.com/kml/ext/2.2");

QString Latin1(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

// "lon lat alt" for gx:coord, "lon,lat,alt" for coordinates.
void HaengeKoordinateAn(std::string& text, const Lage& lage, int hoehe, char trenner)
{
    HaengeGradAn(text, lage.laenge);
    text += trenner;
    HaengeGradAn(text, lage.breite);
    text += trenner;
    HaengeGanzzahlAn(text, hoehe);
}

// KML colours are aabbggrr: the program's 0x00BBGGRR, opaque.
QString KmlFarbe(COLORREF farbe)
{
    return QStringLiteral("ff%1").arg(farbe & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

QString FarbStil(int index) { return QStringLiteral("farbe%1").arg(index); }

const char* FarbName(int8_t farbe)
{
    switch (farbe) {
    case Variowerte: return QT_TRANSLATE_NOOP("Export", "Gefärbt nach Vario - Werten");
    case Flughoehe: return QT_TRANSLATE_NOOP("Export", "Gefärbt nach Flughöhe");
    case Wind: return QT_TRANSLATE_NOOP("Export", "Gefärbt nach Wind");
    case Temperaturgradient: return QT_TRANSLATE_NOOP("Export", "Gefärbt nach Temperaturgradient");
    default: return QT_TRANSLATE_NOOP("Export", "Ohne Färbung");
    }
}

QString Text(const char* quelle) { return QCoreApplication::translate("Export", quelle); }

class KmlSchreiber {
public:
    KmlSchreiber(const CSarnixDoc& dokument, const ExportWahl& auswahl, QIODevice& ziel)
        : doc(dokument), wahl(auswahl), spur(SpurAus(dokument)), uhr(dokument.flugdatum, auswahl.zeitzone), xml(&ziel)
    {
        xml.setAutoFormatting(true);
        xml.setAutoFormattingIndent(1);
    }

    bool Schreiben(ExportBericht* bericht)
    {
        FarbenZaehlen();
        xml.writeStartDocument();
        xml.writeDefaultNamespace(kmlNamensraum);
        xml.writeNamespace(gxNamensraum, QStringLiteral("gx"));
        xml.writeStartElement(kmlNamensraum, QStringLiteral("kml"));
        xml.writeStartElement(QStringLiteral("Document"));
        xml.writeTextElement(QStringLiteral("name"), FlugName(doc));
        const QString beschreibung = FlugBeschreibung(doc);
        if (!beschreibung.isEmpty())
            xml.writeTextElement(QStringLiteral("description"), beschreibung);
        xml.writeTextElement(QStringLiteral("open"), QStringLiteral("1"));
        Stile();
        Flugweg();
        const int64_t stuecke = FarbigeSpur();
        const int64_t wegpunkte = Wegpunkte();
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndDocument();
        if (bericht)
            *bericht = {static_cast<int64_t>(spur.punkte), static_cast<int64_t>(spur.strecken.size()), wegpunkte,
                        stuecke};
        return !xml.hasError();
    }

private:
    void FarbenZaehlen()
    {
        farben.resize(doc.datenListe.size());
        for (const Strecke& strecke : spur.strecken)
            for (size_t i = strecke.anfang; i < strecke.ende; ++i) {
                farben[i] = static_cast<uint8_t>(FarbIndex(wahl.farbe, doc.datenListe[i], doc));
                benutzt.set(farben[i]);
            }
    }

    void LinienStil(const QString& id, const QString& farbe, const QString& breite)
    {
        xml.writeStartElement(QStringLiteral("Style"));
        xml.writeAttribute(QStringLiteral("id"), id);
        xml.writeStartElement(QStringLiteral("LineStyle"));
        xml.writeTextElement(QStringLiteral("color"), farbe);
        xml.writeTextElement(QStringLiteral("width"), breite);
        xml.writeEndElement();
        xml.writeEndElement();
    }

    void Stile()
    {
        LinienStil(QStringLiteral("flugweg"), QStringLiteral("ffffffff"), QStringLiteral("2"));
        for (int i = 0; i < CSarnixDoc::anzahlFarben; ++i)
            if (benutzt.test(static_cast<size_t>(i)))
                LinienStil(FarbStil(i), KmlFarbe(doc.farbTabelle[static_cast<size_t>(i)]), QStringLiteral("4"));
        // A folder of thousands of pieces is one switch in the viewer's list, not thousands.
        xml.writeStartElement(QStringLiteral("Style"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("ohneListe"));
        xml.writeStartElement(QStringLiteral("ListStyle"));
        xml.writeTextElement(QStringLiteral("listItemType"), QStringLiteral("checkHideChildren"));
        xml.writeEndElement();
        xml.writeEndElement();
    }

    void Ordner(const QString& name, bool zugeklappt)
    {
        xml.writeStartElement(QStringLiteral("Folder"));
        xml.writeTextElement(QStringLiteral("name"), name);
        if (zugeklappt)
            xml.writeTextElement(QStringLiteral("styleUrl"), QStringLiteral("#ohneListe"));
    }

    // The track the time slider plays: one gx:Track per stretch with positions.
    void Flugweg()
    {
        Ordner(Text(QT_TRANSLATE_NOOP("Export", "Flugweg")), false);
        if (!spur.strecken.empty()) {
            xml.writeStartElement(QStringLiteral("Placemark"));
            xml.writeTextElement(QStringLiteral("name"), FlugName(doc));
            xml.writeTextElement(QStringLiteral("styleUrl"), QStringLiteral("#flugweg"));
            if (uhr.gueltig()) {
                xml.writeStartElement(QStringLiteral("gx:MultiTrack"));
                xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("absolute"));
                xml.writeTextElement(QStringLiteral("gx:interpolate"), QStringLiteral("0"));
                for (const Strecke& strecke : spur.strecken)
                    Track(strecke);
            } else {
                // Without a date there is no moment to play: plain lines.
                xml.writeStartElement(QStringLiteral("MultiGeometry"));
                for (const Strecke& strecke : spur.strecken)
                    Linie(strecke.anfang, strecke.ende);
            }
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }

    void Track(const Strecke& strecke)
    {
        xml.writeStartElement(QStringLiteral("gx:Track"));
        xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("absolute"));
        const QString when = QStringLiteral("when");
        for (size_t i = strecke.anfang; i < strecke.ende; ++i) {
            puffer.clear();
            HaengeUtcZeitAn(puffer, uhr.Utc(doc.datenListe[i].zeit));
            xml.writeTextElement(when, Latin1(puffer));
        }
        const QString coord = QStringLiteral("gx:coord");
        for (size_t i = strecke.anfang; i < strecke.ende; ++i) {
            puffer.clear();
            HaengeKoordinateAn(puffer, spur.lagen[i], doc.datenListe[i].hoehe, ' ');
            xml.writeTextElement(coord, Latin1(puffer));
        }
        xml.writeEndElement();
    }

    // A LineString through fixes [anfang, ende).
    void Linie(size_t anfang, size_t ende)
    {
        xml.writeStartElement(QStringLiteral("LineString"));
        xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("absolute"));
        puffer.clear();
        for (size_t i = anfang; i < ende; ++i) {
            if (i != anfang)
                puffer += ' ';
            HaengeKoordinateAn(puffer, spur.lagen[i], doc.datenListe[i].hoehe, ',');
        }
        xml.writeTextElement(QStringLiteral("coordinates"), Latin1(puffer));
        xml.writeEndElement();
    }

    // Neighbouring fixes of one colour make one piece; each piece runs on to the first fix of the
    // next, so that the pieces join without a gap.
    int64_t FarbigeSpur()
    {
        Ordner(Text(FarbName(wahl.farbe)), true);
        int64_t stuecke = 0;
        for (const Strecke& strecke : spur.strecken) {
            size_t anfang = strecke.anfang;
            while (anfang < strecke.ende) {
                size_t ende = anfang + 1;
                while (ende < strecke.ende && farben[ende] == farben[anfang])
                    ++ende;
                const size_t bis = std::min(ende + 1, strecke.ende);
                if (bis - anfang >= 2) {
                    xml.writeStartElement(QStringLiteral("Placemark"));
                    xml.writeTextElement(QStringLiteral("styleUrl"), QLatin1Char('#') + FarbStil(farben[anfang]));
                    Linie(anfang, bis);
                    xml.writeEndElement();
                    ++stuecke;
                }
                anfang = ende;
            }
        }
        xml.writeEndElement();
        return stuecke;
    }

    int64_t Wegpunkte()
    {
        if (doc.wegpunktListe.empty())
            return 0;
        Ordner(Text(QT_TRANSLATE_NOOP("Export", "Wegpunkte")), false);
        int64_t anzahl = 0;
        for (const CWegPunkt& w : doc.wegpunktListe) {
            Lage lage;
            if (!LageAus(w.breite, w.laenge, lage))
                continue;
            xml.writeStartElement(QStringLiteral("Placemark"));
            const QString name = XmlText(w.name);
            if (!name.isEmpty())
                xml.writeTextElement(QStringLiteral("name"), name);
            QString beschreibung = Text(QT_TRANSLATE_NOOP("Export", "Höhe: %1 m")).arg(w.hoehe);
            if (w.nummer != 0)
                beschreibung += u'\n' + Text(QT_TRANSLATE_NOOP("Export", "Nummer %1")).arg(w.nummer);
            xml.writeTextElement(QStringLiteral("description"), beschreibung);
            xml.writeStartElement(QStringLiteral("Point"));
            xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("absolute"));
            puffer.clear();
            HaengeKoordinateAn(puffer, lage, w.hoehe, ',');
            xml.writeTextElement(QStringLiteral("coordinates"), Latin1(puffer));
            xml.writeEndElement();
            xml.writeEndElement();
            ++anzahl;
        }
        xml.writeEndElement();
        return anzahl;
    }

    const CSarnixDoc& doc;
    const ExportWahl& wahl;
    const Spur spur;
    const FlugZeit uhr;
    QXmlStreamWriter xml;
    std::vector<uint8_t> farben;  // colour index of every fix inside a stretch
    std::bitset<CSarnixDoc::anzahlFarben> benutzt;
    std::string puffer;
};

}  // namespace

bool SchreibeKml(const CSarnixDoc& doc, const ExportWahl& wahl, QIODevice& ziel, ExportBericht* bericht)
{
    return KmlSchreiber(doc, wahl, ziel).Schreiben(bericht);
}
