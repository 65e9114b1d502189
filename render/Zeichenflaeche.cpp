#include "render/Zeichenflaeche.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

MalerZustand::MalerZustand(QPainter& p) : maler(p) { maler.save(); }
MalerZustand::~MalerZustand() { maler.restore(); }

namespace {

// Coordinates beyond this are cut back before rasterising, so the 64-bit line arithmetic never
// overflows and a far-off end point never makes the loop run for billions of steps.
constexpr int64_t Weit = int64_t{1} << 22;

QColor AlsFarbe(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Inclusive pixel range a figure may touch.
struct Bereich {
    int64_t x0, y0, x1, y1;
};

struct Strecke {
    int64_t ax, ay, bx, by;
};

// Cuts the segment to the square of half width Weit (Liang-Barsky). False when nothing is left.
bool AufWeitKuerzen(Strecke& s)
{
    const auto innen = [](int64_t v) { return -Weit <= v && v <= Weit; };
    if (innen(s.ax) && innen(s.ay) && innen(s.bx) && innen(s.by))
        return true;
    const double dx = double(s.bx - s.ax);
    const double dy = double(s.by - s.ay);
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {double(s.ax + Weit), double(Weit - s.ax), double(s.ay + Weit), double(Weit - s.ay)};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const Strecke alt = s;
    s.ax = std::llround(double(alt.ax) + t0 * dx);
    s.ay = std::llround(double(alt.ay) + t0 * dy);
    if (t1 < 1.0) {
        // The end lies far outside; keep one step beyond the cut so the cut point is still drawn.
        s.bx = std::llround(double(alt.ax) + t1 * dx) + (dx > 0 ? 1 : dx < 0 ? -1 : 0);
        s.by = std::llround(double(alt.ay) + t1 * dy) + (dy > 0 ? 1 : dy < 0 ? -1 : 0);
    }
    return true;
}

// Calls f(x, y) for every pixel of the line from a up to but excluding b whose major-axis
// coordinate lies in the range; the minor axis is left to f.
template <class F>
void LinienPixel(Strecke s, const Bereich& g, F&& f)
{
    if (!AufWeitKuerzen(s))
        return;
    const int64_t adx = std::llabs(s.bx - s.ax);
    const int64_t ady = std::llabs(s.by - s.ay);
    if (adx == 0 && ady == 0)
        return;
    const bool xHaupt = adx >= ady;
    const int64_t au = xHaupt ? s.ax : s.ay;
    const int64_t av = xHaupt ? s.ay : s.ax;
    const int64_t du = xHaupt ? adx : ady;
    const int64_t dv = xHaupt ? ady : adx;
    const int64_t su = (xHaupt ? s.bx - s.ax : s.by - s.ay) > 0 ? 1 : -1;
    const int64_t sv = (xHaupt ? s.by - s.ay : s.bx - s.ax) >= 0 ? 1 : -1;
    const int64_t lo = xHaupt ? g.x0 : g.y0;
    const int64_t hi = xHaupt ? g.x1 : g.y1;
    int64_t iMin = su > 0 ? lo - au : au - hi;
    int64_t iMax = su > 0 ? hi - au : au - lo;
    iMin = std::max<int64_t>(iMin, 0);
    iMax = std::min<int64_t>(iMax, du - 1);
    for (int64_t i = iMin; i <= iMax; ++i) {
        const int64_t u = au + su * i;
        const int64_t v = av + sv * ((2 * i * dv + du) / (2 * du));
        if (xHaupt)
            f(u, v);
        else
            f(v, u);
    }
}

// Inside span of one row of a figure; empty when links > rechts.
struct Spanne {
    int64_t links = 1;
    int64_t rechts = 0;
};

Spanne EllipsenZeile(int64_t l, int64_t t, int64_t r, int64_t b, int64_t y)
{
    if (y < t || y >= b || l >= r)
        return {};
    const double a = double(r - l) / 2.0;
    const double h = double(b - t) / 2.0;
    const double mx = double(l) + a;
    const double ny = (double(y) + 0.5 - (double(t) + h)) / h;
    const double rest = 1.0 - ny * ny;
    if (rest < 0.0)
        return {};
    const double halb = a * std::sqrt(rest);
    return {static_cast<int64_t>(std::ceil(mx - halb - 0.5)), static_cast<int64_t>(std::floor(mx + halb - 0.5))};
}

// The row a figure covers at y: the inside span, and the interior the pen leaves for the brush.
struct FigurZeile {
    Spanne innen;
    Spanne fuellung;
};

template <class ZeileVon>
FigurZeile Zeile(const ZeileVon& zeileVon, int64_t y, int breite)
{
    FigurZeile z;
    z.innen = zeileVon(y);
    if (z.innen.links > z.innen.rechts)
        return z;
    // A pixel is filled when every pixel within the pen width (city-block distance) is inside.
    Spanne f{z.innen.links + breite, z.innen.rechts - breite};
    for (int dy = 1; dy <= breite && f.links <= f.rechts; ++dy) {
        const int rest = breite - dy;
        for (const int64_t nachbar : {y - dy, y + dy}) {
            const Spanne n = zeileVon(nachbar);
            if (n.links > n.rechts) {
                f = {};
                break;
            }
            f.links = std::max(f.links, n.links + rest);
            f.rechts = std::min(f.rechts, n.rechts - rest);
        }
    }
    z.fuellung = f;
    return z;
}

// The family bits of lfPitchAndFamily as a Qt style hint.
QFont::StyleHint Stilhinweis(uint8_t pitchUndFamilie)
{
    switch (pitchUndFamilie & 0xF0) {
    case 0x10:
        return QFont::Serif;
    case 0x30:
        return QFont::TypeWriter;
    case 0x40:
        return QFont::Cursive;
    case 0x50:
        return QFont::Decorative;
    default:  // don't care and swiss
        return QFont::SansSerif;
    }
}

QString SansSerifFamilie()
{
    static const QString familie = [] {
        const QString dejaVu = QStringLiteral("DejaVu Sans");
        return QFontDatabase::families().contains(dejaVu) ? dejaVu : QString();
    }();
    return familie;
}

}  // namespace

struct Zeichenflaeche::SchriftDaten {
    LogFont art;
    QFont font;
    QFontMetrics metrik;
};

Zeichenflaeche::Zeichenflaeche(QPainter& p) : maler(p)
{
    if (!maler.isActive())
        return;
    vorherigeHinweise = static_cast<int>(maler.renderHints());
    // Aliased drawing keeps every pixel in exactly the chosen colour, as the pictures expect.
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setRenderHint(QPainter::TextAntialiasing, false);
    QPaintDevice* geraet = maler.device();
    if (geraet && geraet->devType() == QInternal::Image) {
        auto* image = static_cast<QImage*>(geraet);
        const auto format = image->format();
        if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
            format == QImage::Format_ARGB32_Premultiplied) {
            bild = image;
            skala = image->devicePixelRatio() > 0.0 ? image->devicePixelRatio() : 1.0;
            // Copies of an image being painted are deep, so this is the buffer the painter paints.
            pixel = image->bits();
            zeilenLaenge = image->bytesPerLine();
            bildBreite = image->width();
            bildHoehe = image->height();
        }
    }
}

Zeichenflaeche::~Zeichenflaeche()
{
    if (maler.isActive())
        maler.setRenderHints(QPainter::RenderHints(vorherigeHinweise));
}

void Zeichenflaeche::DirektPruefen() const
{
    direktMoeglich = pixel && maler.transform().isIdentity() && !maler.viewTransformEnabled() && !maler.hasClipping();
    direktGeprueft = true;
}

int Zeichenflaeche::StiftBreite() const
{
    // Width 0 draws one pixel, as in GDI; the upper bound keeps a bogus width from stalling.
    return std::clamp(stift.breite, 1, 255);
}


int Zeichenflaeche::GeraeteBreite(int breite) const
{
    return std::max(1, static_cast<int>(std::lround(breite * skala)));
}

void Zeichenflaeche::Block(int64_t x, int64_t y, COLORREF farbe)
{
    // The device pixels of one logical pixel; never none, even below ratio 1.
    const int64_t gx = Geraet(x);
    const int64_t gy = Geraet(y);
    const int64_t x0 = std::max<int64_t>(gx, 0);
    const int64_t x1 = std::min<int64_t>(std::max(Geraet(x + 1), gx + 1), bildBreite);
    const int64_t y0 = std::max<int64_t>(gy, 0);
    const int64_t y1 = std::min<int64_t>(std::max(Geraet(y + 1), gy + 1), bildHoehe);
    const uint32_t rgb = AlsPixel(farbe);
    for (int64_t py = y0; py < y1; ++py) {
        auto* zeile = reinterpret_cast<QRgb*>(pixel + py * zeilenLaenge);
        for (int64_t px = x0; px < x1; ++px)
            zeile[px] = rgb;
    }
}

void Zeichenflaeche::Invertieren(int x, int y)
{
    if (static_cast<unsigned>(x) < static_cast<unsigned>(bildBreite) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(bildHoehe))
        reinterpret_cast<QRgb*>(pixel + y * zeilenLaenge)[x] ^= 0x00FFFFFFu;
}

void Zeichenflaeche::SetPixelUmweg(int x, int y, COLORREF farbe)
{
    if (Direkt())
        Block(x, y, farbe);
    else
        maler.fillRect(QRect(x, y, 1, 1), AlsFarbe(farbe));
}

void Zeichenflaeche::Tupfen(int x, int y, COLORREF farbe)
{
    if (Direkt() && skala == 1.0 && x > 0 && y > 0 && x < bildBreite - 1 && y < bildHoehe - 1) {
        const uint32_t p = AlsPixel(farbe);
        uchar* const zeile = pixel + y * zeilenLaenge;
        auto* const mitte = reinterpret_cast<uint32_t*>(zeile) + x;
        mitte[-1] = p;
        mitte[0] = p;
        mitte[1] = p;
        reinterpret_cast<uint32_t*>(zeile - zeilenLaenge)[x] = p;
        reinterpret_cast<uint32_t*>(zeile + zeilenLaenge)[x] = p;
        return;
    }
    SetPixel(x, y, farbe);
    SetPixel(x + 1, y, farbe);
    SetPixel(x - 1, y, farbe);
    SetPixel(x, y + 1, farbe);
    SetPixel(x, y - 1, farbe);
}

void Zeichenflaeche::MoveToEx(int x, int y)
{
    position = {x, y};
}

void Zeichenflaeche::LineTo(int x, int y)
{
    const Punkt von = position;
    const Punkt bis{x, y};
    position = bis;
    if (von == bis)
        return;
    const int breite = StiftBreite();
    if (!Direkt()) {
        MalerZustand zustand(maler);
        QPen pen(AlsFarbe(stift.farbe), breite, Qt::SolidLine, breite > 1 ? Qt::RoundCap : Qt::FlatCap,
                 Qt::RoundJoin);
        maler.setPen(pen);
        if (rasterOp == R2_NOT)
            maler.setCompositionMode(QPainter::RasterOp_NotDestination);
        // Through the pixel centres, so a pen of odd width covers whole pixels around the line.
        maler.drawLine(QPointF(von.x + 0.5, von.y + 0.5), QPointF(bis.x + 0.5, bis.y + 0.5));
        return;
    }
    if (skala != 1.0) {
        // Stroked at full resolution: the pen is as many device pixels wide as it covers.
        const int geraeteBreite = GeraeteBreite(breite);
        const auto mitte = [&](int32_t v) { return Geraet(int64_t{v} - (breite - 1) / 2) + (geraeteBreite - 1) / 2; };
        if (breite > 1) {
            BreiteLinie(mitte(von.x), mitte(von.y), mitte(bis.x), mitte(bis.y), geraeteBreite, true);
            return;
        }
        // Along the line it runs from the near edge of the first pixel to the near edge of the
        // excluded last one, in either direction, so it covers exactly the pixels it would at 1.
        const bool xHaupt = std::llabs(int64_t{bis.x} - von.x) >= std::llabs(int64_t{bis.y} - von.y);
        const auto entlang = [&](int32_t v, bool rueckwaerts) {
            return rueckwaerts ? Geraet(int64_t{v} + 1) - 1 : Geraet(v);
        };
        const bool zurueck = xHaupt ? bis.x < von.x : bis.y < von.y;
        const int64_t ax = xHaupt ? entlang(von.x, zurueck) : mitte(von.x);
        const int64_t bx = xHaupt ? entlang(bis.x, zurueck) : mitte(bis.x);
        const int64_t ay = xHaupt ? mitte(von.y) : entlang(von.y, zurueck);
        const int64_t by = xHaupt ? mitte(bis.y) : entlang(bis.y, zurueck);
        BreiteLinie(ax, ay, bx, by, geraeteBreite, false);
        return;
    }
    if (breite > 1) {
        BreiteLinie(von.x, von.y, bis.x, bis.y, breite, true);
        return;
    }
    const Bereich bild1{0, 0, bildBreite - 1, bildHoehe - 1};
    const Strecke s{von.x, von.y, bis.x, bis.y};
    // Each pixel of a thin line is visited once, so inverting needs no bookkeeping.
    // Rasterised coordinates stay within Weit, so they fit an int.
    if (rasterOp == R2_NOT)
        LinienPixel(s, bild1, [this](int64_t px, int64_t py) { Invertieren(int(px), int(py)); });
    else
        LinienPixel(s, bild1, [this, farbe = stift.farbe](int64_t px, int64_t py) { Setzen(int(px), int(py), farbe); });
}

void Zeichenflaeche::BreiteLinie(int64_t ax, int64_t ay, int64_t bx, int64_t by, int breite, bool kappen)
{
    const Strecke s{ax, ay, bx, by};
    const int vor = (breite - 1) / 2;  // pixels before the centre line
    const int nach = breite / 2;       // and after it
    const Bereich g{-breite, -breite, int64_t{bildBreite} + breite, int64_t{bildHoehe} + breite};
    const bool xHaupt = std::llabs(s.bx - s.ax) >= std::llabs(s.by - s.ay);
    const bool invertieren = rasterOp == R2_NOT;
    std::vector<int64_t> getroffen;  // only for inverting: overlapping stamps must count once

    const auto setze = [&](int64_t px, int64_t py) {
        if (px < 0 || py < 0 || px >= bildBreite || py >= bildHoehe)
            return;
        if (invertieren)
            getroffen.push_back(py * bildBreite + px);
        else
            Setzen(int(px), int(py), stift.farbe);
    };
    // Round ends: a disc of the pen's width around both end points.
    const auto kappe = [&](int64_t cx, int64_t cy) {
        if (cx < g.x0 || cy < g.y0 || cx > g.x1 || cy > g.y1)
            return;
        const int c = nach - vor;  // even widths have their centre half a pixel on
        const int grenze = (breite - 1) * (breite - 1) + 1;
        for (int dy = -vor; dy <= nach; ++dy)
            for (int dx = -vor; dx <= nach; ++dx)
                if ((2 * dx - c) * (2 * dx - c) + (2 * dy - c) * (2 * dy - c) <= grenze)
                    setze(cx + dx, cy + dy);
    };
    if (kappen)
        kappe(s.ax, s.ay);
    LinienPixel(s, g, [&](int64_t px, int64_t py) {
        if (xHaupt) {
            if (py + nach < 0 || py - vor >= bildHoehe)
                return;
            for (int o = -vor; o <= nach; ++o)
                setze(px, py + o);
        } else {
            if (px + nach < 0 || px - vor >= bildBreite)
                return;
            for (int o = -vor; o <= nach; ++o)
                setze(px + o, py);
        }
    });
    if (kappen)
        kappe(s.bx, s.by);
    if (invertieren) {
        std::sort(getroffen.begin(), getroffen.end());
        getroffen.erase(std::unique(getroffen.begin(), getroffen.end()), getroffen.end());
        for (const int64_t i : getroffen)
            Invertieren(int(i % bildBreite), int(i / bildBreite));
    }
}

void Zeichenflaeche::Ellipse(int left, int top, int right, int bottom)
{
    Figur(left, top, right, bottom, true);
}

void Zeichenflaeche::Rectangle(int left, int top, int right, int bottom)
{
    Figur(left, top, right, bottom, false);
}

void Zeichenflaeche::Figur(int left, int top, int right, int bottom, bool ellipse)
{
    // Like GDI, figures accept their corners in either order.
    int64_t l = std::min(left, right);
    int64_t r = std::max(left, right);
    int64_t t = std::min(top, bottom);
    int64_t b = std::max(top, bottom);
    if (l >= r || t >= b)
        return;
    int breite = StiftBreite();
    const bool direkt = Direkt();
    if (direkt && skala != 1.0) {
        // The box in device pixels, so a round figure is round at full resolution.
        l = Geraet(l);
        r = std::max(Geraet(r), l + 1);
        t = Geraet(t);
        b = std::max(Geraet(b), t + 1);
        breite = GeraeteBreite(breite);
    }
    const auto zeileVon = [&](int64_t y) -> Spanne {
        if (y < t || y >= b)
            return {};
        return ellipse ? EllipsenZeile(l, t, r, b, y) : Spanne{l, r - 1};
    };

    // Only the rows the device can show are worked out.
    int64_t y0 = t;
    int64_t y1 = b - 1;
    int64_t xMin = l;
    int64_t xMax = r - 1;
    if (direkt) {
        y0 = std::max<int64_t>(y0, 0);
        y1 = std::min<int64_t>(y1, bildHoehe - 1);
        xMin = std::max<int64_t>(xMin, 0);
        xMax = std::min<int64_t>(xMax, bildBreite - 1);
    } else if (const QPaintDevice* geraet = maler.device()) {
        const QRect sichtbar = maler.combinedTransform().inverted().mapRect(QRect(0, 0, geraet->width(), geraet->height()));
        y0 = std::max<int64_t>(y0, sichtbar.top() - 1);
        y1 = std::min<int64_t>(y1, sichtbar.bottom() + 1);
        xMin = std::max<int64_t>(xMin, sichtbar.left() - 1);
        xMax = std::min<int64_t>(xMax, sichtbar.right() + 1);
    }
    if (y0 > y1 || xMin > xMax)
        return;

    const bool invertieren = rasterOp == R2_NOT;
    const bool fuellen = !pinsel.hohl;
    std::optional<MalerZustand> zustand;
    if (!direkt && invertieren) {
        zustand.emplace(maler);
        maler.setCompositionMode(QPainter::RasterOp_NotDestination);
    }
    const auto spanne = [&](int64_t y, int64_t a, int64_t e, COLORREF farbe) {
        a = std::max(a, xMin);
        e = std::min(e, xMax);
        if (a > e)
            return;
        if (direkt) {
            for (int64_t x = a; x <= e; ++x)
                invertieren ? Invertieren(int(x), int(y)) : Setzen(int(x), int(y), farbe);
        } else {
            maler.fillRect(QRect(int(a), int(y), int(e - a + 1), 1), invertieren ? QColor(Qt::black) : AlsFarbe(farbe));
        }
    };

    for (int64_t y = y0; y <= y1; ++y) {
        const FigurZeile z = Zeile(zeileVon, y, breite);
        if (z.innen.links > z.innen.rechts)
            continue;
        if (z.fuellung.links > z.fuellung.rechts) {
            spanne(y, z.innen.links, z.innen.rechts, stift.farbe);
            continue;
        }
        spanne(y, z.innen.links, z.fuellung.links - 1, stift.farbe);
        if (fuellen)
            spanne(y, z.fuellung.links, z.fuellung.rechts, pinsel.farbe);
        spanne(y, z.fuellung.rechts + 1, z.innen.rechts, stift.farbe);
    }
}

void Zeichenflaeche::FillRect(const Rechteck& r, COLORREF farbe)
{
    if (r.left >= r.right || r.top >= r.bottom)
        return;
    if (Direkt()) {
        const int l = int(std::clamp<int64_t>(Geraet(r.left), 0, bildBreite));
        const int rr = int(std::clamp<int64_t>(Geraet(r.right), 0, bildBreite));
        const int t = int(std::clamp<int64_t>(Geraet(r.top), 0, bildHoehe));
        const int b = int(std::clamp<int64_t>(Geraet(r.bottom), 0, bildHoehe));
        if (l >= rr)
            return;
        const uint32_t rgb = AlsPixel(farbe);
        for (int y = t; y < b; ++y) {
            auto* zeile = reinterpret_cast<QRgb*>(pixel + y * zeilenLaenge);
            std::fill(zeile + l, zeile + rr, rgb);
        }
        return;
    }
    const auto kappen = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -Weit, Weit)); };
    const int l = kappen(r.left);
    const int t = kappen(r.top);
    maler.fillRect(QRect(l, t, kappen(r.right) - l, kappen(r.bottom) - t), AlsFarbe(farbe));
}

const Zeichenflaeche::SchriftDaten& Zeichenflaeche::Schrift() const
{
    const auto gefunden = std::find_if(schriften.begin(), schriften.end(),
                                       [this](const SchriftDaten& d) { return d.art == schrift; });
    if (gefunden != schriften.end())
        return *gefunden;

    QFont font;
    const QFont::StyleHint hinweis = Stilhinweis(schrift.lfPitchAndFamily);
    font.setStyleHint(hinweis);
    if (!schrift.lfFaceName.empty())
        font.setFamily(QString::fromStdString(schrift.lfFaceName));
    else if (hinweis == QFont::SansSerif && !SansSerifFamilie().isEmpty())
        font.setFamily(SansSerifFamilie());
    // Glyph pixels stay exactly in the text colour.
    font.setStyleStrategy(QFont::NoAntialias);
    const int64_t hoehe = schrift.lfHeight;
    constexpr int64_t groessteHoehe = 16384;
    if (hoehe < 0) {
        font.setPixelSize(int(std::min(-hoehe, groessteHoehe)));
    } else if (hoehe == 0) {
        font.setPixelSize(16);
    } else {
        // A positive height asks for the whole cell, internal leading included.
        const int zelle = int(std::min(hoehe, groessteHoehe));
        font.setPixelSize(zelle);
        const int natuerlich = QFontMetrics(font, maler.device()).height();
        if (natuerlich > 0)
            font.setPixelSize(std::max(1, int(int64_t{zelle} * zelle / natuerlich)));
    }
    // Weights below the thinnest named one carry no real wish (the printed map derives its
    // weight from the pen width, 2 at 600 dpi): they read as regular, as a font mapper would
    // pick for faces without hairline cuts.
    const int gewicht = schrift.lfWeight < 100 ? 400 : std::min(schrift.lfWeight, 1000);
    font.setWeight(static_cast<QFont::Weight>(gewicht));
    if (schrift.lfWidth != 0) {
        const int natuerlich = QFontMetrics(font, maler.device()).averageCharWidth();
        if (natuerlich > 0) {
            const int64_t breite = std::llabs(int64_t{schrift.lfWidth});
            font.setStretch(int(std::clamp<int64_t>(100 * breite / natuerlich, 1, 4000)));
        }
    }
    constexpr std::size_t behalten = 8;
    if (schriften.size() >= behalten)
        schriften.erase(schriften.begin());
    schriften.push_back({schrift, font, QFontMetrics(font, maler.device())});
    return schriften.back();
}

Groesse Zeichenflaeche::GetTextExtentPoint(const QString& text) const
{
    const SchriftDaten& s = Schrift();
    return {s.metrik.horizontalAdvance(text), s.metrik.height()};
}

void Zeichenflaeche::TextOut(int x, int y, const QString& text)
{
    const SchriftDaten& s = Schrift();
    const int cx = s.metrik.horizontalAdvance(text);
    const int cy = s.metrik.height();
    MalerZustand zustand(maler);
    if (schrift.lfEscapement % 3600 == 0) {
        maler.translate(x, y);
    } else {
        // Turn the cell about its corner (x, y): text turned a quarter reads upward and covers
        // columns x to x + cy - 1 and rows y - cx to y - 1.
        maler.translate(x, y);
        maler.rotate(-schrift.lfEscapement / 10.0);  // escapement turns counter-clockwise
    }
    if (hintergrundModus != TRANSPARENT)
        maler.fillRect(QRect(0, 0, cx, cy), Qt::white);
    maler.setFont(s.font);
    maler.setPen(AlsFarbe(textFarbe));
    maler.drawText(QPoint(0, s.metrik.ascent()), text);
}

COLORREF Zeichenflaeche::SetTextColor(COLORREF farbe)
{
    return std::exchange(textFarbe, farbe);
}

int Zeichenflaeche::SetBkMode(int modus)
{
    return std::exchange(hintergrundModus, modus);
}

int Zeichenflaeche::SetROP2(int op)
{
    return std::exchange(rasterOp, op);
}

Zeichenflaeche::StiftWahl::StiftWahl(Zeichenflaeche& f, Stift neu) : flaeche(f), vorher(f.stift)
{
    flaeche.stift = neu;
}

Zeichenflaeche::StiftWahl::~StiftWahl()
{
    flaeche.stift = vorher;
}

Zeichenflaeche::PinselWahl::PinselWahl(Zeichenflaeche& f, Pinsel neu) : flaeche(f), vorher(f.pinsel)
{
    flaeche.pinsel = neu;
}

Zeichenflaeche::PinselWahl::~PinselWahl()
{
    flaeche.pinsel = vorher;
}

Zeichenflaeche::SchriftWahl::SchriftWahl(Zeichenflaeche& f, LogFont neu) : flaeche(f), vorher(f.schrift)
{
    flaeche.schrift = std::move(neu);
}

Zeichenflaeche::SchriftWahl::~SchriftWahl()
{
    flaeche.schrift = vorher;
}
