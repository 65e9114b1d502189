#include "export/XmlAusgabe.h"

#include "export/Zahlen.h"

void HaengeKoordinateAn(std::string& text, const Lage& lage, int hoehe, char trenner)
{
    HaengeGradAn(text, lage.laenge);
    text += trenner;
    HaengeGradAn(text, lage.breite);
    text += trenner;
    HaengeGanzzahlAn(text, hoehe);
}

XmlAusgabe::XmlAusgabe(QIODevice& zielGeraet) : xml(&text), ziel(zielGeraet)
{
    // Written into text, the declaration names no encoding; XML without one is UTF-8, as written.
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    zeilen.reserve(blockGroesse + 4096);
}

const QString& XmlAusgabe::Ascii()
{
    ascii.resize(static_cast<qsizetype>(zahl.size()));
    QChar* zeichen = ascii.data();
    for (const char c : zahl)
        *zeichen++ = QLatin1Char(c);
    return ascii;
}

const QString& XmlAusgabe::Grad(int64_t gradE7)
{
    zahl.clear();
    HaengeGradAn(zahl, gradE7);
    return Ascii();
}

const QString& XmlAusgabe::Ganz(int64_t wert)
{
    zahl.clear();
    HaengeGanzzahlAn(zahl, wert);
    return Ascii();
}

const QString& XmlAusgabe::Zeit(int64_t utc)
{
    zahl.clear();
    HaengeUtcZeitAn(zahl, utc);
    return Ascii();
}

const QString& XmlAusgabe::Koordinate(const Lage& lage, int hoehe, char trenner)
{
    zahl.clear();
    HaengeKoordinateAn(zahl, lage, hoehe, trenner);
    return Ascii();
}

const QString& XmlAusgabe::Koordinaten(const Spur& spur, const std::vector<CDaten>& fixe, size_t anfang, size_t ende)
{
    zahl.clear();
    for (size_t i = anfang; i < ende; ++i) {
        if (i != anfang)
            zahl += ' ';
        HaengeKoordinateAn(zahl, spur.lagen[i], fixe[i].hoehe, ',');
    }
    return Ascii();
}

void XmlAusgabe::Weitergeben(const char* daten, qint64 groesse)
{
    if (groesse > 0 && !fehler)
        fehler = ziel.write(daten, groesse) != groesse;
}

void XmlAusgabe::WeitergebenXml()
{
    const QByteArray block = text.toUtf8();
    text.resize(0);
    Weitergeben(block.constData(), block.size());
}

void XmlAusgabe::WeitergebenZeilen()
{
    Weitergeben(zeilen.data(), static_cast<qint64>(zeilen.size()));
    zeilen.clear();
}

bool XmlAusgabe::Abgeben()
{
    WeitergebenXml();
    return !fehler;
}
