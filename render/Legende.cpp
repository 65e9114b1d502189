#include "render/Legende.h"

#include "flight/Arten.h"
#include "flight/CSarnixDoc.h"
#include "flight/FarbIndex.h"
#include "render/Ansicht.h"
#include "render/Stil.h"
#include "render/Zeichenflaeche.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

constexpr COLORREF panelGrau = RGB(210, 210, 210);
constexpr int farbStufen = CSarnixDoc::anzahlFarben;

// A place on the bar as a pixel coordinate: truncated toward zero, kept inside int.
int Pixel(float platz)
{
    return static_cast<int>(std::clamp(platz, -1.0e9f, 1.0e9f));
}

int Begrenzt(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// The colour bar of one legend and the geometry its labels need.
struct Leiste {
    bool seitlich = true;  // vertical bar beside the pane; otherwise horizontal above it
    int start = 0;         // coordinate of its first pixel line (y beside, x above)
    float laenge = 0.0f;   // B
    float schritt = 0.0f;  // s, the length of one colour
    int quer0 = 0;         // the lines run from quer0 to quer1, end excluded
    int quer1 = 0;
    int ende = 0;          // lines from here on lie outside the window
    float hoehenBezug = 0.0f;  // the bar's blue end, where hoeheMin is written
    int titelX = 0;
    int titelY = 0;        // for the side bar: the title's lower edge lies 10 pixels above this
};

Leiste MitLaenge(Leiste l, int64_t panelaenge)
{
    l.laenge = static_cast<float>(panelaenge) * 2 * 0.33333334f;
    l.schritt = l.laenge * 0.004901961f;
    return l;
}

// Red at the start, blue at the end; every pixel line gets exactly one colour.
void ZeichneFarben(const CSarnixDoc& doc, Zeichenflaeche& f, const Leiste& l)
{
    float e = static_cast<float>(l.start);
    int64_t p = l.start;
    for (int j = 0; j < farbStufen; ++j) {
        const Zeichenflaeche::StiftWahl stift(f, {1, doc.farbTabelle[static_cast<std::size_t>(farbStufen - 1 - j)]});
        e += l.schritt;
        if (p < 0 && static_cast<float>(p) < e)  // lines above or left of the window are not seen
            p = std::min<int64_t>(0, static_cast<int64_t>(std::ceil(std::min(e, 0.0f))));
        for (; static_cast<float>(p) < e && p < l.ende; ++p) {
            const int linie = static_cast<int>(p);
            if (l.seitlich) {
                f.MoveToEx(l.quer0, linie);
                f.LineTo(l.quer1, linie);
            } else {
                f.MoveToEx(linie, l.quer0);
                f.LineTo(linie, l.quer1);
            }
        }
    }
}

struct Beschriftung {
    QString text;
    float platz;  // coordinate along the bar
};

QString Titel(int farbe)
{
    switch (farbe) {
    case Variowerte:
        return QCoreApplication::translate("Legende", "Variowerte");
    case Flughoehe:
        return QCoreApplication::translate("Legende", "Flughöhe");
    case Wind:
        return QCoreApplication::translate("Legende", "Wind");
    case Temperaturgradient:
        return QCoreApplication::translate("Legende", "Temperatur");
    default:
        return QCoreApplication::translate("Legende", "Keine Färbung");
    }
}

float Platz(const Leiste& l, float stufen)
{
    return static_cast<float>(l.start) + stufen * l.schritt;
}

std::vector<Beschriftung> MitStufen(const Leiste& l, std::initializer_list<const char*> texte)
{
    std::vector<Beschriftung> b;
    int k = 0;
    for (const char* text : texte) {
        b.push_back({QCoreApplication::translate("Legende", text), Platz(l, static_cast<float>(k))});
        k += 34;
    }
    return b;
}

std::vector<Beschriftung> Hoehen(const CSarnixDoc& doc, const Leiste& l)
{
    const int32_t hoeheMin = doc.ausdehnung.hoeheMin;
    const int32_t hoeheMax = doc.ausdehnung.hoeheMax;
    const int64_t spanne = int64_t{hoeheMax} - hoeheMin;
    const float proMeter = spanne > 0 ? l.laenge / static_cast<float>(spanne) : 0.0f;
    std::vector<Beschriftung> b;
    for (const int32_t v : HoehenMarken(hoeheMin, hoeheMax)) {
        // A level flight is coloured with the middle of the bar, so its altitude is written there.
        const float platz = spanne == 0 ? Platz(l, 102.0f)
                                        : l.hoehenBezug + static_cast<float>(int64_t{hoeheMin} - v) * proMeter;
        b.push_back({QCoreApplication::translate("Legende", "%1 Meter").arg(v), platz});
    }
    return b;
}

std::vector<Beschriftung> Beschriftungen(const CSarnixDoc& doc, const Leiste& l, int farbe)
{
    switch (farbe) {
    case Variowerte:
        return MitStufen(l, {QT_TRANSLATE_NOOP("Legende", "6 m/s steigen"),
                             QT_TRANSLATE_NOOP("Legende", "4 m/s steigen"),
                             QT_TRANSLATE_NOOP("Legende", "2 m/s steigen"),
                             QT_TRANSLATE_NOOP("Legende", "0 m/s steigen"),
                             QT_TRANSLATE_NOOP("Legende", "2 m/s sinken"),
                             QT_TRANSLATE_NOOP("Legende", "4 m/s sinken"),
                             QT_TRANSLATE_NOOP("Legende", "6 m/s sinken")});
    case Flughoehe:
        return Hoehen(doc, l);
    case Wind:
        // Without airspeed every fix is drawn in the middle colour; a scale of winds would lie.
        if (!HatFahrtmessung(doc))
            return {{QCoreApplication::translate("Legende", "Ohne Fahrtmessung"), Platz(l, 102.0f)}};
        return MitStufen(l, {QT_TRANSLATE_NOOP("Legende", "25 km/h Rückenwind"),
                             QT_TRANSLATE_NOOP("Legende", "17 km/h Rückenwind"),
                             QT_TRANSLATE_NOOP("Legende", "8 km/h Rückenwind"),
                             QT_TRANSLATE_NOOP("Legende", "0 km/h Wind"),
                             QT_TRANSLATE_NOOP("Legende", "8 km/h Gegenwind"),
                             QT_TRANSLATE_NOOP("Legende", "17 km/h Gegenwind"),
                             QT_TRANSLATE_NOOP("Legende", "25 km/h Gegenwind")});
    case Temperaturgradient: {
        // A log without air temperature: the track is drawn in the middle colour, and says why.
        if (!doc.hatTemperatur)
            // Short enough for the legend strip: a colour change draws over the pane without erasing it.
            return {{QCoreApplication::translate("Legende", "Ohne Temperatur"), Platz(l, 102.0f)}};
        const char* const texte[] = {QT_TRANSLATE_NOOP("Legende", "+3°C Übertemp."),
                                     QT_TRANSLATE_NOOP("Legende", "+2.5°C Übertemp."),
                                     QT_TRANSLATE_NOOP("Legende", "+2°C Übertemp."),
                                     QT_TRANSLATE_NOOP("Legende", "+1.5°C Übertemp."),
                                     QT_TRANSLATE_NOOP("Legende", "+1°C Übertemp."),
                                     QT_TRANSLATE_NOOP("Legende", "+0.5°C Übertemp."),
                                     QT_TRANSLATE_NOOP("Legende", "0°C Übertemp."),
                                     QT_TRANSLATE_NOOP("Legende", "-0.5°C Übertemp."),
                                     QT_TRANSLATE_NOOP("Legende", "-1°C Übertemp.")};
        std::vector<Beschriftung> b;
        int i = 0;
        for (const char* text : texte) {
            const float platz = static_cast<float>(l.start) + l.schritt * static_cast<float>(255 * i) * 0.1f;
            b.push_back({QCoreApplication::translate("Legende", text), platz});
            ++i;
        }
        return b;
    }
    default:
        return {{QCoreApplication::translate("Legende", "Keine Färbung"), Platz(l, 102.0f)}};
    }
}

void Zeichne(const CSarnixDoc& doc, Zeichenflaeche& f, const Leiste& l, int farbe)
{
    ZeichneFarben(doc, f, l);
    const Zeichenflaeche::HintergrundWahl transparent(f, TRANSPARENT);
    const LogFont gelesen = f.AktuelleSchrift();
    {
        const Zeichenflaeche::SchriftWahl schrift(f, stil::Schrift(gelesen, 20, 0, stil::unveraendert, 0));
        const QString titel = Titel(farbe);
        const Groesse g = f.GetTextExtentPoint(titel);
        const int64_t y = l.seitlich ? int64_t{l.titelY} - g.cy - 10 : l.titelY;
        f.TextOut(Begrenzt(int64_t{l.titelX} - g.cx / 2), Begrenzt(y), titel);
    }
    const Zeichenflaeche::SchriftWahl schrift(f, stil::Beschriftung(gelesen, !l.seitlich));
    for (const Beschriftung& b : Beschriftungen(doc, l, farbe)) {
        const int q = Pixel(b.platz);
        const Groesse g = f.GetTextExtentPoint(b.text);
        if (l.seitlich)
            f.TextOut(Begrenzt(int64_t{l.quer0} - g.cx - 5), q - g.cy / 2, b.text);
        else
            f.TextOut(q - g.cy / 2, 45 + g.cx, b.text);
    }
}

const Grafik* PaneVon(const CAnsicht& ansicht, int pane)
{
    if (pane < 0 || pane > 1)
        return nullptr;
    return &ansicht.ansicht.grafik[static_cast<std::size_t>(pane)];
}

}  // namespace

std::vector<int32_t> HoehenMarken(int32_t hoeheMin, int32_t hoeheMax)
{
    const int64_t spanne = int64_t{hoeheMax} - hoeheMin;
    if (spanne < 0)
        return {};
    std::vector<int32_t> marken{hoeheMin, hoeheMax};
    if (spanne == 0)
        return marken;
    int64_t schritt = 50 * ((spanne / 7) / 50);
    if (schritt == 0)
        schritt = 50;
    // Down to the next multiple of the step; counted, not stepped, as the step may be large.
    const int64_t abstand = (int64_t{hoeheMax} % schritt + schritt) % schritt;
    int64_t v = hoeheMax - abstand;
    if (abstand < schritt / 2)  // too close to the label of the highest altitude
        v -= schritt;
    for (; v > hoeheMin + schritt / 2; v -= schritt)
        marken.push_back(static_cast<int32_t>(v));
    return marken;
}

void LegendeSeitlich(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = PaneVon(ansicht, pane);
    if (!grafik)
        return;
    const Rechteck& ecke = grafik->ecke;
    const Rechteck& client = ansicht.client;
    f.FillRect({Begrenzt(int64_t{ecke.right} + 5), 2, client.right - 2, client.bottom - 2}, panelGrau);

    Leiste l = MitLaenge({}, int64_t{ecke.bottom} - ecke.top);
    l.seitlich = true;
    l.start = ecke.top;
    const int64_t rand = int64_t{ecke.right} - client.right;
    l.quer0 = Begrenzt(client.right + rand / 4 - 5);
    l.quer1 = client.right - 5;
    l.ende = client.bottom;
    l.hoehenBezug = static_cast<float>(ecke.top) + static_cast<float>(int64_t{ecke.bottom} - ecke.top) * 0.6666667f;
    l.titelX = Begrenzt(client.right + rand / 2);
    l.titelY = ecke.top;
    Zeichne(doc, f, l, grafik->farbe);
}

void LegendeOben(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane)
{
    const Grafik* grafik = PaneVon(ansicht, pane);
    if (!grafik)
        return;
    const Rechteck& ecke = grafik->ecke;
    const Rechteck& client = ansicht.client;
    const int mitte = client.right / 2;
    f.FillRect(pane == 0 ? Rechteck{2, 2, mitte, 158} : Rechteck{mitte, 2, client.right - 2, 158}, panelGrau);

    const int64_t breite = int64_t{ecke.right} - ecke.left;
    Leiste l = MitLaenge({}, breite);
    l.seitlich = false;
    l.start = pane == 0 ? 10 : Begrenzt(ecke.left + breite / 3 - 10);
    l.quer0 = 10;
    l.quer1 = 40;
    l.ende = client.right;
    l.hoehenBezug = static_cast<float>(int64_t{l.start} + Pixel(farbStufen * l.schritt));
    l.titelX = Pixel(Platz(l, 102.0f));
    l.titelY = 15;
    Zeichne(doc, f, l, grafik->farbe);
}
