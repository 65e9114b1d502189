#include "render/Gitter.h"

#include "flight/Fenster.h"

#include <algorithm>

namespace {

// More lines than this merge into a grey area anyway (a tall, very narrow pane near the pole).
constexpr int64_t hoechstensLinien = 10000;

}  // namespace

int64_t GitterSchritt(const Fenster& fenster)
{
    const int64_t zehntel = (int64_t{fenster.laengeMax} - fenster.laengeMin) / 10;
    return std::max<int64_t>(zehntel, 100) / 100 * 100;
}

HoehenSkala HoehenSkalaVon(int64_t hoeheMin, int64_t hoeheMax)
{
    // hoeheMin above hoeheMax: no fix with a position, the bottom stays at 0 m.
    if (hoeheMin >= 0 || hoeheMin > hoeheMax)
        return {0, hoeheMax, 50 * (1 + hoeheMax / 500)};
    const int64_t oben = std::max<int64_t>(hoeheMax, 0);
    const int64_t schritt = 50 * (1 + (oben - hoeheMin) / 500);
    const int64_t unten = -((-hoeheMin + schritt - 1) / schritt) * schritt;
    return {unten, oben, schritt};
}

Gitterwerte GitterwerteIn(int64_t min, int64_t max, int64_t schritt, int64_t nullpunkt)
{
    Gitterwerte werte;
    werte.schritt = std::max<int64_t>(schritt, 1);
    const int64_t abstand = min - nullpunkt;
    int64_t k = abstand / werte.schritt;  // toward zero: one short for positive remainders
    if (k * werte.schritt < abstand)
        ++k;
    werte.erster = nullpunkt + k * werte.schritt;
    if (werte.erster < max)
        werte.anzahl = (max - 1 - werte.erster) / werte.schritt + 1;
    if (werte.anzahl > hoechstensLinien)
        werte.anzahl = 0;
    return werte;
}

void SenkrechteGitterlinie(Zeichenflaeche& f, const Rechteck& ecke, int32_t x, const QString& text,
                           Reihenfolge reihenfolge)
{
    const auto linie = [&] {
        f.MoveToEx(x, ecke.top);
        f.LineTo(x, ecke.bottom);
    };
    if (reihenfolge == Reihenfolge::LinieZuerst)
        linie();
    const Groesse g = f.GetTextExtentPoint(text);
    f.TextOut(x - g.cy / 2, ecke.top, text);
    if (reihenfolge == Reihenfolge::TextZuerst)
        linie();
}

void TextLinksVon(Zeichenflaeche& f, const Rechteck& ecke, int32_t y, const QString& text)
{
    const Groesse g = f.GetTextExtentPoint(text);
    f.TextOut(ecke.left - g.cx, y - g.cy / 2, text);
}
