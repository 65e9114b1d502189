#pragma once
// The drawing surface: the few immediate drawing operations every picture of the program is made
// of, over a QPainter. Later drawing covers earlier drawing; nothing is retained. On a QImage of
// format RGB32 the pixel operations write straight into the image.
//
// Pen, brush and font are selected through the scoped Wahl classes below, which select the
// previous object again when they end.

#include "flight/Farbe.h"

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class QImage;
class QPainter;
class QPaintDevice;

struct Punkt {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Punkt&, const Punkt&) = default;
};

struct Rechteck {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const Rechteck&, const Rechteck&) = default;
};

struct Groesse {
    int32_t cx = 0;
    int32_t cy = 0;
};

// Font description: negative lfHeight = character height in pixels; lfWidth = average character
// width (0 = natural); lfEscapement 900 = turned a quarter turn counter-clockwise (reads upward).
struct LogFont {
    int32_t lfHeight = -16;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfWeight = 400;
    uint8_t lfPitchAndFamily = 0x20;
    std::string lfFaceName;
    friend bool operator==(const LogFont&, const LogFont&) = default;
};

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
inline constexpr int R2_NOT = 6;
inline constexpr int R2_COPYPEN = 13;

struct Stift {
    int breite = 1;
    COLORREF farbe = RGB(0, 0, 0);
};

struct Pinsel {
    bool hohl = false;  // the null brush: figures are not filled
    COLORREF farbe = RGB(255, 255, 255);
};

// QPainter::save/restore for one scope.
class MalerZustand {
public:
    explicit MalerZustand(QPainter& p);
    ~MalerZustand();
    MalerZustand(const MalerZustand&) = delete;
    MalerZustand& operator=(const MalerZustand&) = delete;

private:
    QPainter& maler;
};

class Zeichenflaeche {
public:
    // The painter must stay active for the surface's lifetime. When its device is a QImage of
    // format RGB32 or ARGB32, pixel writes and inverting figures go straight into the image.
    // Coordinates are logical pixels; an image with a device pixel ratio is drawn at full
    // resolution: a pen one pixel wide covers that many device pixels, fonts grow alike.
    explicit Zeichenflaeche(QPainter& painter);
    ~Zeichenflaeche();
    Zeichenflaeche(const Zeichenflaeche&) = delete;
    Zeichenflaeche& operator=(const Zeichenflaeche&) = delete;

    // A transform or clipping set through it is honoured from the next drawing call on.
    QPainter& painter()
    {
        direktGeprueft = false;
        return maler;
    }

    // Inline: a track is drawn as hundreds of thousands of single pixels.
    void SetPixel(int x, int y, COLORREF farbe)
    {
        if (Direkt() && skala == 1.0)
            Setzen(x, y, farbe);
        else
            SetPixelUmweg(x, y, farbe);
    }
    // The point and its four neighbours, the dot of a track.
    void Tupfen(int x, int y, COLORREF farbe);
    void MoveToEx(int x, int y);
    Punkt AktuellePosition() const { return position; }
    // Line from the current position to (x, y) with the selected pen, end point excluded;
    // (x, y) becomes the current position.
    void LineTo(int x, int y);
    // Outline with the selected pen, inside with the selected brush; right and bottom excluded.
    void Ellipse(int left, int top, int right, int bottom);
    void Rectangle(int left, int top, int right, int bottom);
    // Fills left..right-1, top..bottom-1.
    void FillRect(const Rechteck& r, COLORREF farbe);

    Groesse GetTextExtentPoint(const QString& text) const;
    // (x, y) is the top left corner of the text cell; with a turned font that corner turned with it.
    void TextOut(int x, int y, const QString& text);
    COLORREF GetTextColor() const { return textFarbe; }
    COLORREF SetTextColor(COLORREF farbe);
    int GetBkMode() const { return hintergrundModus; }
    int SetBkMode(int modus);
    int GetROP2() const { return rasterOp; }
    int SetROP2(int op);

    const Stift& AktuellerStift() const { return stift; }
    const Pinsel& AktuellerPinsel() const { return pinsel; }
    const LogFont& AktuelleSchrift() const { return schrift; }

    class StiftWahl {
    public:
        StiftWahl(Zeichenflaeche& f, Stift neu);
        ~StiftWahl();
        StiftWahl(const StiftWahl&) = delete;
        StiftWahl& operator=(const StiftWahl&) = delete;
    private:
        Zeichenflaeche& flaeche;
        Stift vorher;
    };

    class PinselWahl {
    public:
        PinselWahl(Zeichenflaeche& f, Pinsel neu);
        ~PinselWahl();
        PinselWahl(const PinselWahl&) = delete;
        PinselWahl& operator=(const PinselWahl&) = delete;
    private:
        Zeichenflaeche& flaeche;
        Pinsel vorher;
    };

    class SchriftWahl {
    public:
        SchriftWahl(Zeichenflaeche& f, LogFont neu);
        ~SchriftWahl();
        SchriftWahl(const SchriftWahl&) = delete;
        SchriftWahl& operator=(const SchriftWahl&) = delete;
    private:
        Zeichenflaeche& flaeche;
        LogFont vorher;
    };

    // Raster operation, background mode and text colour for one scope.
    class RasterWahl {
    public:
        RasterWahl(Zeichenflaeche& f, int op) : flaeche(f), vorher(f.SetROP2(op)) {}
        ~RasterWahl() { flaeche.SetROP2(vorher); }
        RasterWahl(const RasterWahl&) = delete;
        RasterWahl& operator=(const RasterWahl&) = delete;
    private:
        Zeichenflaeche& flaeche;
        int vorher;
    };

    class HintergrundWahl {
    public:
        HintergrundWahl(Zeichenflaeche& f, int modus) : flaeche(f), vorher(f.SetBkMode(modus)) {}
        ~HintergrundWahl() { flaeche.SetBkMode(vorher); }
        HintergrundWahl(const HintergrundWahl&) = delete;
        HintergrundWahl& operator=(const HintergrundWahl&) = delete;
    private:
        Zeichenflaeche& flaeche;
        int vorher;
    };

    class TextFarbWahl {
    public:
        TextFarbWahl(Zeichenflaeche& f, COLORREF farbe) : flaeche(f), vorher(f.SetTextColor(farbe)) {}
        ~TextFarbWahl() { flaeche.SetTextColor(vorher); }
        TextFarbWahl(const TextFarbWahl&) = delete;
        TextFarbWahl& operator=(const TextFarbWahl&) = delete;
    private:
        Zeichenflaeche& flaeche;
        COLORREF vorher;
    };

private:
    struct SchriftDaten;
    const SchriftDaten& Schrift() const;
    // True when pixels may go straight into the image: no transform, no clipping.
    bool Direkt() const
    {
        if (!direktGeprueft)
            DirektPruefen();
        return direktMoeglich;
    }
    void DirektPruefen() const;
    int StiftBreite() const;
    // Logical to device pixels on a canvas drawn at a device pixel ratio: the first device
    // pixel of logical pixel v, and a pen width in device pixels.
    int64_t Geraet(int64_t v) const
    {
        // Floor without the library call: this runs for every dot at ratios other than 1.
        const double d = static_cast<double>(v) * skala;
        const auto t = static_cast<int64_t>(d);
        return skala == 1.0 ? v : t - (static_cast<double>(t) > d);
    }
    int GeraeteBreite(int breite) const;
    void Invertieren(int x, int y);
    void Setzen(int x, int y, COLORREF farbe)
    {
        if (static_cast<unsigned>(x) < static_cast<unsigned>(bildBreite) &&
            static_cast<unsigned>(y) < static_cast<unsigned>(bildHoehe))
            reinterpret_cast<uint32_t*>(pixel + y * zeilenLaenge)[x] = AlsPixel(farbe);
    }
    // A COLORREF as the image stores it (0xAARRGGBB, opaque).
    static constexpr uint32_t AlsPixel(COLORREF c)
    {
        return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
    void SetPixelUmweg(int x, int y, COLORREF farbe);
    void Block(int64_t x, int64_t y, COLORREF farbe);
    void Figur(int left, int top, int right, int bottom, bool ellipse);
    // Device pixels; round ends only for pens wider than one logical pixel.
    void BreiteLinie(int64_t ax, int64_t ay, int64_t bx, int64_t by, int breite, bool kappen);

    QPainter& maler;
    QImage* bild = nullptr;  // set when the pixels can be written directly
    double skala = 1.0;      // the image's device pixels per logical pixel
    mutable bool direktGeprueft = false;  // the painter's state is looked at once, not per pixel
    mutable bool direktMoeglich = false;
    uchar* pixel = nullptr;  // the image's first scanline, as the painter writes it
    qsizetype zeilenLaenge = 0;
    int bildBreite = 0;
    int bildHoehe = 0;
    int vorherigeHinweise = 0;  // render hints of the painter before the surface took it
    mutable std::vector<SchriftDaten> schriften;  // recently used fonts, newest last
    Punkt position;
    Stift stift;
    Pinsel pinsel;
    LogFont schrift;
    COLORREF textFarbe = RGB(0, 0, 0);
    int hintergrundModus = OPAQUE;
    int rasterOp = R2_COPYPEN;
};
