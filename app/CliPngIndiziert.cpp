#include "app/CliPngIndiziert.h"

#include <QIODevice>

// The Windows build may have Qt's PNG writer only.
#if defined(SARNIX_LIBPNG) && __has_include(<png.h>)
#define SARNIX_MIT_LIBPNG 1
#include <png.h>
#include <zlib.h>

#include <array>
#include <csetjmp>
#endif

namespace cli {

#if defined(SARNIX_MIT_LIBPNG)

namespace {

struct Ziel {
    QIODevice* geraet;
    bool fehler;
};

void Schreiben(png_structp png, png_bytep daten, png_size_t laenge)
{
    auto* ziel = static_cast<Ziel*>(png_get_io_ptr(png));
    if (!ziel->fehler && ziel->geraet->write(reinterpret_cast<const char*>(daten), static_cast<qint64>(laenge))
                             != static_cast<qint64>(laenge))
        ziel->fehler = true;
}

void Leeren(png_structp) {}

}  // namespace

bool IndiziertMoeglich() { return true; }

bool SchreibeIndiziert(const QImage& bild, QIODevice& ziel)
{
    const int farben = bild.colorCount();
    if (bild.format() != QImage::Format_Indexed8 || bild.isNull() || farben < 1 || farben > 256)
        return false;
    // Only plain data lives in this frame: libpng leaves it by longjmp on a fault.
    std::array<png_color, 256> palette{};
    std::array<png_byte, 256> deckkraft{};
    bool durchsichtig = false;
    for (int i = 0; i < farben; ++i) {
        const QRgb c = bild.color(i);
        palette[static_cast<size_t>(i)] = {static_cast<png_byte>(qRed(c)), static_cast<png_byte>(qGreen(c)),
                                           static_cast<png_byte>(qBlue(c))};
        deckkraft[static_cast<size_t>(i)] = static_cast<png_byte>(qAlpha(c));
        durchsichtig = durchsichtig || qAlpha(c) != 255;
    }
    Ziel ausgabe{&ziel, false};

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &ausgabe, Schreiben, Leeren);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bild.width()), static_cast<png_uint_32>(bild.height()), 8,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_set_PLTE(png, info, palette.data(), farben);
    if (durchsichtig)
        png_set_tRNS(png, info, deckkraft.data(), farben, nullptr);
    if (bild.dotsPerMeterX() > 0 && bild.dotsPerMeterY() > 0)
        png_set_pHYs(png, info, static_cast<png_uint_32>(bild.dotsPerMeterX()),
                     static_cast<png_uint_32>(bild.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_strategy(png, Z_RLE);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    for (int y = 0; y < bild.height() && !ausgabe.fehler; ++y)
        png_write_row(png, bild.constScanLine(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return !ausgabe.fehler;
}

#else

bool IndiziertMoeglich() { return false; }

bool SchreibeIndiziert(const QImage&, QIODevice&) { return false; }

#endif

}  // namespace cli
