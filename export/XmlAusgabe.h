#pragma once
// The XML writing of an export. The Qt writer writes the frame (names, descriptions, styles),
// and escapes what the recording brings. The fixes, a million elements in a day and nothing in
// them but numbers and fixed names, are written as bytes straight into a buffer: the Qt writer
// spends a microsecond on every element.

#include "flight/CDaten.h"
#include "export/Strecken.h"

#include <QIODevice>
#include <QString>
#include <QXmlStreamWriter>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class XmlAusgabe {
    QString text;  // before xml, which writes into it

public:
    explicit XmlAusgabe(QIODevice& ziel);
    XmlAusgabe(const XmlAusgabe&) = delete;
    XmlAusgabe& operator=(const XmlAusgabe&) = delete;

    QXmlStreamWriter xml;

    // Numbers as xml's texts. Each is valid until the next one is asked for.
    const QString& Grad(int64_t gradE7);
    const QString& Ganz(int64_t wert);
    const QString& Zeit(int64_t utc);
    // "lon,lat,alt" (trenner ',') or "lon lat alt" (trenner ' ').
    const QString& Koordinate(const Lage& lage, int hoehe, char trenner);
    // The fixes [anfang, ende) as "lon,lat,alt lon,lat,alt ...".
    const QString& Koordinaten(const Spur& spur, const std::vector<CDaten>& fixe, size_t anfang, size_t ende);

    // Writes items [anfang, ende) in order at xml's current place, each on a line of its own, by
    // schreibe(zeile, index), which appends one whole element to zeile as it stands in the file:
    // only numbers and fixed names, nothing that needs escaping.
    template <class Schreibe>
    void Eintraege(size_t anfang, size_t ende, Schreibe&& schreibe)
    {
        // Closes a start tag still open, so that the items follow it.
        xml.writeCharacters(QString());
        WeitergebenXml();
        for (size_t i = anfang; i < ende; ++i) {
            zeilen += '\n';
            schreibe(zeilen, i);
            if (zeilen.size() >= blockGroesse)
                WeitergebenZeilen();
        }
        WeitergebenZeilen();
    }

    // Hands on everything written. False when the target did not take it all, now or before.
    bool Abgeben();

private:
    // Large enough that the device is asked seldom, small enough that a day never sits in memory.
    static constexpr size_t blockGroesse = size_t{1} << 20;

    const QString& Ascii();
    void WeitergebenXml();
    void WeitergebenZeilen();
    void Weitergeben(const char* daten, qint64 groesse);

    QIODevice& ziel;
    bool fehler = false;
    std::string zahl;
    QString ascii;
    std::string zeilen;
};

// Appends "<name>" or "</name>".
inline void HaengeAnfangAn(std::string& text, std::string_view name)
{
    text += '<';
    text += name;
    text += '>';
}
inline void HaengeEndeAn(std::string& text, std::string_view name)
{
    text += "</";
    text += name;
    text += '>';
}

// Appends "lon,lat,alt" (trenner ',') or "lon lat alt" (trenner ' ').
void HaengeKoordinateAn(std::string& text, const Lage& lage, int hoehe, char trenner);
