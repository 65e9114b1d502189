#include "export/XmlAusgabe.h"

#include "export/Zahlen.h"

#include <algorithm>
#include <memory>
#include <thread>

namespace {

// Items per thread and round: few enough that a million fixes never sit in memory as text at
// once; a thread is started only for a share worth its start.
constexpr size_t teilGroesse = 8192;
constexpr size_t kleinsterTeil = 256;

void HaengeKoordinateAn(std::string& text, const Lage& lage, int hoehe, char trenner)
{
    HaengeGradAn(text, lage.laenge);
    text += trenner;
    HaengeGradAn(text, lage.breite);
    text += trenner;
    HaengeGanzzahlAn(text, hoehe);
}

}  // namespace

XmlTeil::XmlTeil() : xml(&text) {}

const QString& XmlTeil::Ascii()
{
    ascii.resize(static_cast<qsizetype>(zahl.size()));
    QChar* zeichen = ascii.data();
    for (const char c : zahl)
        *zeichen++ = QLatin1Char(c);
    return ascii;
}

const QString& XmlTeil::Grad(int64_t gradE7)
{
    zahl.clear();
    HaengeGradAn(zahl, gradE7);
    return Ascii();
}

const QString& XmlTeil::Zehntel(int64_t zehntel)
{
    zahl.clear();
    HaengeZehntelAn(zahl, zehntel);
    return Ascii();
}

const QString& XmlTeil::Ganz(int64_t wert)
{
    zahl.clear();
    HaengeGanzzahlAn(zahl, wert);
    return Ascii();
}

const QString& XmlTeil::Zeit(int64_t utc)
{
    zahl.clear();
    HaengeUtcZeitAn(zahl, utc);
    return Ascii();
}

const QString& XmlTeil::Koordinate(const Lage& lage, int hoehe, char trenner)
{
    zahl.clear();
    HaengeKoordinateAn(zahl, lage, hoehe, trenner);
    return Ascii();
}

const QString& XmlTeil::Koordinaten(const Spur& spur, const std::vector<CDaten>& fixe, size_t anfang, size_t ende)
{
    zahl.clear();
    for (size_t i = anfang; i < ende; ++i) {
        if (i != anfang)
            zahl += ' ';
        HaengeKoordinateAn(zahl, spur.lagen[i], fixe[i].hoehe, ',');
    }
    return Ascii();
}

QByteArray XmlTeil::Nehmen()
{
    QByteArray block = text.toUtf8();
    text.resize(0);
    return block;
}

XmlAusgabe::XmlAusgabe(QIODevice& zielGeraet) : ziel(zielGeraet)
{
    // Written into text, the declaration names no encoding; XML without one is UTF-8, as written.
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
}

void XmlAusgabe::Eintraege(size_t anfang, size_t ende, const Eintrag& schreibe)
{
    // Closes a start tag still open, so that the items follow it.
    xml.writeCharacters(QString());
    Weitergeben(haupt.Nehmen());

    const size_t faeden = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8);
    std::vector<std::unique_ptr<XmlTeil>> teile;
    std::vector<QByteArray> bloecke(faeden);
    const QString zeilenEnde = QStringLiteral("\n");
    for (size_t von = anfang; von < ende;) {
        const size_t runde = std::min(ende - von, faeden * teilGroesse);
        const size_t aktiv = std::clamp<size_t>(runde / kleinsterTeil, 1, faeden);
        const size_t proTeil = (runde + aktiv - 1) / aktiv;
        while (teile.size() < aktiv)
            teile.push_back(std::make_unique<XmlTeil>());
        const auto teil = [&](size_t t) {
            const size_t a = std::min(von + runde, von + t * proTeil);
            const size_t e = std::min(von + runde, a + proTeil);
            XmlTeil& w = *teile[t];
            for (size_t i = a; i < e; ++i) {
                w.xml.writeCharacters(zeilenEnde);
                schreibe(w, i);
            }
            bloecke[t] = w.Nehmen();
        };
        {
            std::vector<std::jthread> helfer;
            for (size_t t = 1; t < aktiv; ++t)
                helfer.emplace_back(teil, t);
            teil(0);
        }
        for (size_t t = 0; t < aktiv; ++t)
            Weitergeben(bloecke[t]);
        von += runde;
    }
}

void XmlAusgabe::Weitergeben(const QByteArray& block)
{
    if (!block.isEmpty() && !fehler)
        fehler = ziel.write(block) != block.size();
}

bool XmlAusgabe::Abgeben()
{
    Weitergeben(haupt.Nehmen());
    return !fehler;
}
