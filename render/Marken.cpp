// Time marks and route points over the plan view and the barograms.

#include "flight/CSarnixDoc.h"
#include "render/Abbildung.h"
#include "render/Graphen.h"
#include "render/Stil.h"
#include "render/Zeitmarken.h"

#include <array>
#include <string_view>

namespace {

using Muster = std::array<std::string_view, 12>;

// Route point symbols, rows y - 6 to y + 5, columns x - 6 to x + 5.
constexpr std::array<Muster, 5> symbole{{
    {".....##.....",  // 0: plus
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     "############",
     "############",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##....."},
    {"##........##",  // 1: cross
     "###......###",
     ".###....###.",
     "..###..###..",
     "...######...",
     "....####....",
     "....####....",
     "...######...",
     "..###..###..",
     ".###....###.",
     "###......###",
     "##........##"},
    {"##........##",  // 2: H
     "##........##",
     "##........##",
     "##........##",
     "##........##",
     "############",
     "############",
     "##........##",
     "##........##",
     "##........##",
     "##........##",
     "##........##"},
    {"############",  // 3: T
     "############",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##.....",
     ".....##....."},
    {"...######...",  // 4: ring
     ".##########.",
     ".##......##.",
     "##........##",
     "##........##",
     "##........##",
     "##........##",
     "##........##",
     "##........##",
     ".##......##.",
     ".##########.",
     "...######..."},
}};

constexpr uint8_t nummerierterPunkt = 6;

}  // namespace

void ZeichneZeitmarken(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik)
        return;
    const Abbildung abbildung(ansicht, doc, pane, grafik->art);
    const auto drin = [&](const CDaten& fix) {
        return fix.hatPosition && abbildung.Innen(fix.laenge, fix.breite);
    };
    const int32_t sekunden = 60 * ZeitmarkenAbstand(AufgezeichneteSekunden(doc.datenListe, drin));

    const Zeichenflaeche::SchriftWahl schrift(f, stil::Schrift(f.AktuelleSchrift(), 10, 5));
    for (size_t i = 0; i < doc.datenListe.size(); ++i) {
        const CDaten& fix = doc.datenListe[i];
        if (!ZeitmarkeFaellig(doc.datenListe, i, sekunden, doc.igc.istIgc) || !drin(fix))
            continue;
        const QString text = ZeitText(fix.zeit + doc.zeitBezug.versatz);
        const Punkt p = abbildung.Pixel(fix.laenge, fix.breite, fix.hoehe);
        f.TextOut(p.x + 11, p.y - f.GetTextExtentPoint(text).cy / 2, text);
        f.Ellipse(p.x - 6, p.y - 6, p.x + 6, p.y + 6);
    }
}

void ZeichneWegpunkte(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = GrafikVon(ansicht, pane);
    if (!grafik || doc.wegpunktListe.empty())
        return;
    const Abbildung abbildung(ansicht, doc, pane, grafik->art);
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Schrift(f.AktuelleSchrift(), 10, 5));
    for (const CWegPunkt& punkt : doc.wegpunktListe) {
        if (!abbildung.Innen(punkt.laenge, punkt.breite))
            continue;
        const Punkt p = abbildung.Pixel(punkt.laenge, punkt.breite, punkt.hoehe);
        const QString name =
            QString::fromLatin1(punkt.name.data(), static_cast<qsizetype>(punkt.name.size()));
        f.TextOut(p.x + 15, p.y - f.GetTextExtentPoint(name).cy / 2, name);
        ZeichneWegpunktSymbol(doc, f, punkt.nummer, punkt.art, p.x, p.y);
    }
}

void ZeichneWegpunktSymbol(const CSarnixDoc& doc, Zeichenflaeche& f, uint8_t nummer, uint8_t art,
                           int x, int y)
{
    const COLORREF blau = doc.farbTabelle[stil::symbolFarbe];
    if (art < symbole.size()) {
        const Muster& muster = symbole[art];
        for (int zeile = 0; zeile < 12; ++zeile)
            for (int spalte = 0; spalte < 12; ++spalte)
                if (muster[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)] == '#')
                    f.SetPixel(x - 6 + spalte, y - 6 + zeile, blau);
        return;
    }
    if (art != nummerierterPunkt)
        return;  // kind 5 and unknown kinds: the name alone
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Schrift(f.AktuelleSchrift(), 14, 0, 800));
    const Zeichenflaeche::TextFarbWahl farbe(f, blau);
    const QString text = QString::number(static_cast<unsigned>(nummer));
    const Groesse g = f.GetTextExtentPoint(text);
    f.TextOut(x - g.cx / 2, y - g.cy / 2, text);
}
