#include "export/Kml.h"

#include "flight/CSarnixDoc.h"
#include "flight/FarbIndex.h"
#include "flight/Flugphasen.h"
#include "export/FlugZeit.h"
#include "export/Strecken.h"
#include "export/Texte.h"
#include "export/WertungsWeg.h"
#include "export/XmlAusgabe.h"
#include "export/Zahlen.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

const QString kmlNamensraum = QStringLiteral("http://www.opengis.net/kml/2.2");
const QString gxNamensraum = QStringLiteral("http://www.google.com/kml/ext/2.2");

// KML colours are aabbggrr: the program's 0x00BBGGRR, opaque.
QString KmlFarbe(COLORREF farbe) { return QStringLiteral("ff%1").arg(farbe & 0xFFFFFF, 6, 16, QLatin1Char('0')); }

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

// Fixes [anfang, ende) drawn in one colour.
struct Stueck {
    size_t anfang = 0;
    size_t ende = 0;
};

// A line through fixes [anfang, ende), through the writer: the track of a flight without a date.
void Linie(XmlAusgabe& w, const Spur& spur, const std::vector<CDaten>& fixe, size_t anfang, size_t ende)
{
    w.xml.writeStartElement(QStringLiteral("LineString"));
    w.xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("absolute"));
    w.xml.writeTextElement(QStringLiteral("coordinates"), w.Koordinaten(spur, fixe, anfang, ende));
    w.xml.writeEndElement();
}

// The same line as one line of the file: a coloured piece.
void Linie(std::string& t, const Spur& spur, const std::vector<CDaten>& fixe, size_t anfang, size_t ende)
{
    HaengeAnfangAn(t, "LineString");
    HaengeAnfangAn(t, "altitudeMode");
    t += "absolute";
    HaengeEndeAn(t, "altitudeMode");
    HaengeAnfangAn(t, "coordinates");
    for (size_t i = anfang; i < ende; ++i) {
        if (i != anfang)
            t += ' ';
        HaengeKoordinateAn(t, spur.lagen[i], fixe[i].hoehe, ',');
    }
    HaengeEndeAn(t, "coordinates");
    HaengeEndeAn(t, "LineString");
}

class KmlSchreiber {
public:
    KmlSchreiber(const CSarnixDoc& dokument, const ExportWahl& auswahl, QIODevice& ziel)
        : doc(dokument), farbArt(KmlFaerbung(dokument, auswahl.farbe)), referenz(auswahl.temperaturReferenz), spur(SpurAus(dokument)),
          zeiten(UtcZeiten(dokument, auswahl)), wertung(auswahl.wertung), aus(ziel)
    {
    }

    bool Schreiben(ExportBericht* bericht)
    {
        StueckeFinden();
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
        FarbigeSpur();
        const int64_t wegpunkte = Wegpunkte();
        const int64_t thermiken = Thermiken();
        if (wertung)
            WertungsWeg(*wertung);
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndDocument();
        if (bericht) {
            int64_t stuecke = 0;
            for (const std::vector<Stueck>& liste : stueckeJeFarbe)
                stuecke += static_cast<int64_t>(liste.size());
            *bericht = {static_cast<int64_t>(spur.punkte), static_cast<int64_t>(spur.strecken.size()), wegpunkte,
                        stuecke, thermiken};
        }
        return aus.Abgeben();
    }

private:
    // Neighbouring fixes of one colour make one piece; each piece runs on to the first fix of the
    // next, so that the pieces join without a gap. A line takes the colour of the fix it starts at.
    void StueckeFinden()
    {
        for (const Strecke& strecke : spur.strecken) {
            size_t anfang = strecke.anfang;
            int farbe = FarbIndex(farbArt, doc.datenListe[anfang], doc, referenz);
            while (anfang < strecke.ende) {
                size_t ende = anfang + 1;
                int naechste = -1;
                while (ende < strecke.ende && (naechste = FarbIndex(farbArt, doc.datenListe[ende], doc, referenz)) == farbe)
                    ++ende;
                const size_t bis = std::min(ende + 1, strecke.ende);
                if (bis - anfang >= 2)
                    stueckeJeFarbe[static_cast<size_t>(farbe)].push_back({anfang, bis});
                anfang = ende;
                farbe = naechste;
            }
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
            if (!stueckeJeFarbe[static_cast<size_t>(i)].empty())
                LinienStil(FarbStil(i), KmlFarbe(doc.farbTabelle[static_cast<size_t>(i)]), QStringLiteral("4"));
        // A folder of many lines is one switch in the viewer's list, not hundreds.
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
            if (!zeiten.empty()) {
                xml.writeStartElement(QStringLiteral("gx:MultiTrack"));
                xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("absolute"));
                xml.writeTextElement(QStringLiteral("gx:interpolate"), QStringLiteral("0"));
                for (const Strecke& strecke : spur.strecken)
                    Track(strecke);
            } else {
                // Without a date there is no moment to play: plain lines.
                xml.writeStartElement(QStringLiteral("MultiGeometry"));
                for (const Strecke& strecke : spur.strecken)
                    Linie(aus, spur, doc.datenListe, strecke.anfang, strecke.ende);
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
        aus.Eintraege(strecke.anfang, strecke.ende, [this](std::string& t, size_t i) {
            HaengeAnfangAn(t, "when");
            HaengeUtcZeitAn(t, zeiten[i]);
            HaengeEndeAn(t, "when");
        });
        aus.Eintraege(strecke.anfang, strecke.ende, [this](std::string& t, size_t i) {
            HaengeAnfangAn(t, "gx:coord");
            HaengeKoordinateAn(t, spur.lagen[i], doc.datenListe[i].hoehe, ' ');
            HaengeEndeAn(t, "gx:coord");
        });
        xml.writeEndElement();
    }

    // One placemark per colour, holding every piece of that colour.
    void FarbigeSpur()
    {
        Ordner(Text(FarbName(farbArt)), true);
        for (int farbe = 0; farbe < CSarnixDoc::anzahlFarben; ++farbe) {
            const std::vector<Stueck>& stuecke = stueckeJeFarbe[static_cast<size_t>(farbe)];
            if (stuecke.empty())
                continue;
            xml.writeStartElement(QStringLiteral("Placemark"));
            xml.writeTextElement(QStringLiteral("styleUrl"), QLatin1Char('#') + FarbStil(farbe));
            xml.writeStartElement(QStringLiteral("MultiGeometry"));
            aus.Eintraege(0, stuecke.size(), [this, &stuecke](std::string& t, size_t i) {
                Linie(t, spur, doc.datenListe, stuecke[i].anfang, stuecke[i].ende);
            });
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }

    int64_t Wegpunkte()
    {
        if (doc.wegpunktListe.empty())
            return 0;
        Ordner(Text(QT_TRANSLATE_NOOP("Export", "Wegpunkte")), false);
        int64_t anzahl = 0;
        for (const CWegPunkt& p : doc.wegpunktListe) {
            Lage lage;
            if (!LageAus(p.breite, p.laenge, lage))
                continue;
            xml.writeStartElement(QStringLiteral("Placemark"));
            const QString name = XmlText(p.name);
            if (!name.isEmpty())
                xml.writeTextElement(QStringLiteral("name"), name);
            QString beschreibung = Text(QT_TRANSLATE_NOOP("Export", "Höhe: %1 m")).arg(p.hoehe);
            if (p.nummer != 0)
                beschreibung += u'\n' + Text(QT_TRANSLATE_NOOP("Export", "Nummer %1")).arg(p.nummer);
            xml.writeTextElement(QStringLiteral("description"), beschreibung);
            xml.writeStartElement(QStringLiteral("Point"));
            xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("absolute"));
            xml.writeTextElement(QStringLiteral("coordinates"), aus.Koordinate(lage, p.hoehe, ','));
            xml.writeEndElement();
            xml.writeEndElement();
            ++anzahl;
        }
        xml.writeEndElement();
        return anzahl;
    }

    // A placemark at the top of every thermal, with its figures.
    int64_t Thermiken()
    {
        const std::vector<Flugphase> phasen = BerechneFlugphasen(doc);
        int64_t anzahl = 0;
        for (const Flugphase& p : phasen) {
            Lage lage;
            if (p.art != PhasenArt::Thermik || !LageAus(p.breite, p.laenge, lage))
                continue;
            if (anzahl++ == 0)
                Ordner(Text(QT_TRANSLATE_NOOP("Export", "Thermiken")), false);
            xml.writeStartElement(QStringLiteral("Placemark"));
            xml.writeTextElement(QStringLiteral("name"), Text(QT_TRANSLATE_NOOP("Export", "Thermik %1: %2 m/s"))
                                                             .arg(anzahl)
                                                             .arg(p.mittelSteigen, 0, 'f', 1));
            const int sekunden = static_cast<int>(p.dauer + 0.5);
            QStringList zeilen{
                Text(QT_TRANSLATE_NOOP("Export", "Mittleres Steigen: %1 m/s")).arg(p.mittelSteigen, 0, 'f', 1),
                Text(QT_TRANSLATE_NOOP("Export", "Höhengewinn: %1 m, von %2 m bis %3 m"))
                    .arg(p.hoeheBis - p.hoeheVon)
                    .arg(p.hoeheVon)
                    .arg(p.hoeheBis),
                Text(QT_TRANSLATE_NOOP("Export", "Dauer: %1:%2 min"))
                    .arg(sekunden / 60)
                    .arg(sekunden % 60, 2, 10, QLatin1Char('0'))};
            if (p.windRichtung && p.windGeschwindigkeit)
                zeilen.append(Text(QT_TRANSLATE_NOOP("Export", "Wind: aus %1° mit %2 km/h"))
                                  .arg(*p.windRichtung, 0, 'f', 0)
                                  .arg(*p.windGeschwindigkeit, 0, 'f', 0));
            xml.writeTextElement(QStringLiteral("description"), zeilen.join(u'\n'));
            xml.writeStartElement(QStringLiteral("Point"));
            xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("absolute"));
            xml.writeTextElement(QStringLiteral("coordinates"), aus.Koordinate(lage, p.hoeheBis, ','));
            xml.writeEndElement();
            xml.writeEndElement();
        }
        if (anzahl > 0)
            xml.writeEndElement();
        return anzahl;
    }

    // A placemark at each point of the scored path, and the path as one line through them.
    void WertungsWeg(const Wertung& w)
    {
        const std::vector<WertungsStation> stationen = WertungsStationen(w);
        if (stationen.empty())
            return;
        Ordner(WertungsTitel(w), false);
        QString linie;
        for (const WertungsStation& s : stationen) {
            Lage lage;
            if (!LageAus(s.punkt.breite, s.punkt.laenge, lage))
                continue;
            const int hoehe = s.punkt.index < doc.datenListe.size() ? doc.datenListe[s.punkt.index].hoehe : 0;
            const QString koordinate = aus.Koordinate(lage, hoehe, ',');
            linie += (linie.isEmpty() ? QString() : QStringLiteral(" ")) + koordinate;
            xml.writeStartElement(QStringLiteral("Placemark"));
            xml.writeTextElement(QStringLiteral("name"), s.name);
            xml.writeStartElement(QStringLiteral("Point"));
            xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("absolute"));
            xml.writeTextElement(QStringLiteral("coordinates"), koordinate);
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeStartElement(QStringLiteral("Placemark"));
        xml.writeTextElement(QStringLiteral("name"), WertungsTitel(w));
        xml.writeStartElement(QStringLiteral("LineString"));
        xml.writeTextElement(QStringLiteral("altitudeMode"), QStringLiteral("absolute"));
        xml.writeTextElement(QStringLiteral("coordinates"), linie);
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
    }

    const CSarnixDoc& doc;
    const int8_t farbArt;
    const TemperaturReferenzArt referenz;
    const Spur spur;
    const std::vector<int64_t> zeiten;
    const std::shared_ptr<const Wertung> wertung;
    XmlAusgabe aus;
    QXmlStreamWriter& xml = aus.xml;
    std::array<std::vector<Stueck>, CSarnixDoc::anzahlFarben> stueckeJeFarbe;
};

}  // namespace

int8_t KmlFaerbung(const CSarnixDoc& doc, int8_t farbe)
{
    if (farbe == Temperaturgradient && !doc.hatTemperatur)
        return KeineFaerbung;
    // The wind is airspeed against ground speed; a fix without airspeed has no colour of its own.
    if (farbe == Wind && !HatFahrtmessung(doc))
        return KeineFaerbung;
    return farbe;
}

bool SchreibeKml(const CSarnixDoc& doc, const ExportWahl& wahl, QIODevice& ziel, ExportBericht* bericht)
{
    return KmlSchreiber(doc, wahl, ziel).Schreiben(bericht);
}
