#include "render/PngIndiziert.h"

#include <QIODevice>

// The Windows build may have Qt's PNG writer only.
#if defined(SARNIX_ZLIB) && __has_include(<zlib.h>)
#define SARNIX_MIT_ZLIB 1
#include "render/Palette.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>
#endif

#if defined(SARNIX_MIT_ZLIB)

namespace {

// A band needs about half a million pixels to pay for its thread.
constexpr qsizetype pixelJeBand = qsizetype{1} << 19;
constexpr int zeilenJeBlock = 16;  // rows handed to zlib at a time
constexpr uchar filterOben = 2;    // each byte minus the one above it

struct Band {
    int von = 0;
    int bis = 0;
    std::unique_ptr<uchar[]> indizes;
    Farbtafel tafel;
    std::array<uchar, 256> umsetzung{};  // own index -> index in the whole picture's palette
    std::vector<uchar> gepackt;          // raw deflate data
    uLong adler = 1;                     // of the filtered rows, as zlib's trailer wants it
    bool ok = false;
    bool ausfall = false;                // out of memory: the file fails
};

// arbeit(i) for every band, band 0 on the calling thread, and any band whose thread cannot be
// started. A band that runs out of memory fails alone (ok false), so the file fails, not the
// program.
template <typename Arbeit>
void JedesBand(std::vector<Band>& baender, const Arbeit& arbeit)
{
    const auto sicher = [&baender, &arbeit](size_t i) {
        try {
            arbeit(i);
        } catch (const std::exception&) {
            baender[i].ok = false;
            baender[i].ausfall = true;
        }
    };
    std::vector<size_t> hier{0};
    std::vector<std::jthread> faeden;
    for (size_t i = 1; i < baender.size(); ++i) {
        try {
            faeden.emplace_back([&sicher, i] { sicher(i); });
        } catch (const std::system_error&) {
            hier.push_back(i);
        }
    }
    for (const size_t i : hier)
        sicher(i);
}

void Gross32(uchar* ziel, uint32_t wert)
{
    ziel[0] = static_cast<uchar>(wert >> 24);
    ziel[1] = static_cast<uchar>(wert >> 16);
    ziel[2] = static_cast<uchar>(wert >> 8);
    ziel[3] = static_cast<uchar>(wert);
}

// One deflate call per block; the output grows when zlib fills it.
bool Deflate(z_stream& z, std::vector<uchar>& ausgabe, const uchar* daten, size_t laenge, int flush)
{
    z.next_in = const_cast<uchar*>(daten);  // zlib's interface is not const; it only reads
    z.avail_in = static_cast<uInt>(laenge);
    do {
        if (z.avail_out == 0) {
            const size_t belegt = ausgabe.size();
            ausgabe.resize(belegt + std::max<size_t>(belegt, 1 << 16));
            z.next_out = ausgabe.data() + belegt;
            z.avail_out = static_cast<uInt>(ausgabe.size() - belegt);
        }
        const int ergebnis = deflate(&z, flush);
        if (ergebnis != Z_OK && ergebnis != Z_STREAM_END && ergebnis != Z_BUF_ERROR)
            return false;
    } while (z.avail_out == 0);
    return z.avail_in == 0;
}

// The band's rows, filtered against the rows above, as raw deflate data. The last band ends the
// stream; the others end on a byte boundary so that the next band's data can follow.
bool Packe(const std::vector<Band>& baender, size_t i, int breite, Band& band)
{
    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_RLE) != Z_OK)
        return false;
    const bool letztes = i + 1 == baender.size();
    const size_t zeile = static_cast<size_t>(breite) + 1;
    band.gepackt.resize(zeile * static_cast<size_t>(band.bis - band.von) / 8 + 4096);
    size_t anfang = 0;
    if (i == 0) {
        // zlib's header: deflate with a 32 KiB window, the fastest level.
        band.gepackt[0] = 0x78;
        band.gepackt[1] = 0x01;
        anfang = 2;
    }
    z.next_out = band.gepackt.data() + anfang;
    z.avail_out = static_cast<uInt>(band.gepackt.size() - anfang);

    // The row above the band is the last one of the band before.
    const uchar* oben = nullptr;
    const std::array<uchar, 256>* obenUmsetzung = nullptr;
    if (i > 0) {
        const Band& vorher = baender[i - 1];
        oben = vorher.indizes.get() + static_cast<size_t>(vorher.bis - vorher.von - 1) * static_cast<size_t>(breite);
        obenUmsetzung = &vorher.umsetzung;
    }
    const auto block = std::make_unique_for_overwrite<uchar[]>(zeile * zeilenJeBlock);
    const std::array<uchar, 256>& um = band.umsetzung;
    bool gleich = true;  // the band's own indices are the picture's
    for (qsizetype k = 0; k < band.tafel.Tabelle().size(); ++k)
        gleich = gleich && um[static_cast<size_t>(k)] == k;
    bool ok = true;
    for (int y = band.von; y < band.bis && ok; y += zeilenJeBlock) {
        const int zeilen = std::min(zeilenJeBlock, band.bis - y);
        uchar* p = block.get();
        for (int r = 0; r < zeilen; ++r, p += zeile) {
            const uchar* hier = band.indizes.get() + static_cast<size_t>(y - band.von + r) * static_cast<size_t>(breite);
            p[0] = filterOben;
            if (!oben) {
                for (int x = 0; x < breite; ++x)
                    p[x + 1] = um[hier[x]];
            } else if (gleich && obenUmsetzung == &um) {
                // The common case, in a form the compiler turns into vector code.
                for (int x = 0; x < breite; ++x)
                    p[x + 1] = static_cast<uchar>(hier[x] - oben[x]);
            } else {
                const std::array<uchar, 256>& umOben = *obenUmsetzung;
                for (int x = 0; x < breite; ++x)
                    p[x + 1] = static_cast<uchar>(um[hier[x]] - umOben[oben[x]]);
            }
            oben = hier;
            obenUmsetzung = &um;
        }
        const size_t laenge = zeile * static_cast<size_t>(zeilen);
        band.adler = adler32(band.adler, block.get(), static_cast<uInt>(laenge));
        const bool fertig = y + zeilen >= band.bis;
        ok = Deflate(z, band.gepackt, block.get(), laenge,
                     !fertig ? Z_NO_FLUSH : letztes ? Z_FINISH : Z_SYNC_FLUSH);
    }
    band.gepackt.resize(band.gepackt.size() - z.avail_out);
    deflateEnd(&z);
    return ok;
}

class PngAusgabe {
public:
    explicit PngAusgabe(QIODevice& geraet) : ziel(geraet)
    {
        static constexpr char signatur[] = "\x89PNG\r\n\x1a\n";
        ok = ziel.write(signatur, 8) == 8;
    }

    void Abschnitt(const char* typ, const uchar* daten, size_t laenge)
    {
        // A chunk holds less than 2 GiB; longer image data goes into several.
        constexpr size_t hoechstens = size_t{1} << 30;
        do {
            const size_t teil = std::min(laenge, hoechstens);
            std::array<uchar, 8> kopf{};
            Gross32(kopf.data(), static_cast<uint32_t>(teil));
            std::copy(typ, typ + 4, kopf.begin() + 4);
            uLong crc = crc32(0, kopf.data() + 4, 4);
            if (teil > 0)  // crc32 without data starts afresh
                crc = crc32(crc, daten, static_cast<uInt>(teil));
            std::array<uchar, 4> pruef{};
            Gross32(pruef.data(), static_cast<uint32_t>(crc));
            Schreibe(kopf.data(), kopf.size());
            Schreibe(daten, teil);
            Schreibe(pruef.data(), pruef.size());
            daten += teil;
            laenge -= teil;
        } while (laenge > 0);
    }

    bool Ok() const { return ok; }

private:
    void Schreibe(const uchar* daten, size_t laenge)
    {
        ok = ok && (laenge == 0 || ziel.write(reinterpret_cast<const char*>(daten), static_cast<qint64>(laenge))
                                       == static_cast<qint64>(laenge));
    }

    QIODevice& ziel;
    bool ok = false;
};

}  // namespace

Indiziert SchreibeIndiziert(const QImage& bild, QIODevice& ziel, int faeden)
{
    if (bild.isNull() || (bild.format() != QImage::Format_RGB32 && bild.format() != QImage::Format_ARGB32))
        return Indiziert::Fehler;
    const int breite = bild.width();
    const int hoehe = bild.height();
    const qsizetype pixel = qsizetype{breite} * hoehe;
    const int anzahl = static_cast<int>(std::clamp<qsizetype>(std::min<qsizetype>(faeden, pixel / pixelJeBand), 1, hoehe));
    std::vector<Band> baender(static_cast<size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i) {
        baender[static_cast<size_t>(i)].von = static_cast<int>(qsizetype{hoehe} * i / anzahl);
        baender[static_cast<size_t>(i)].bis = static_cast<int>(qsizetype{hoehe} * (i + 1) / anzahl);
    }

    JedesBand(baender, [&](size_t i) {
        Band& band = baender[i];
        band.indizes = std::make_unique_for_overwrite<uchar[]>(static_cast<size_t>(band.bis - band.von)
                                                               * static_cast<size_t>(breite));
        band.ok = Indiziere(bild, band.von, band.bis, band.indizes.get(), breite, band.tafel);
    });
    // One palette for the whole picture, in the order the colours first appear.
    Farbtafel palette;
    for (Band& band : baender) {
        if (band.ausfall)
            return Indiziert::Fehler;
        if (!band.ok)
            return Indiziert::ZuVieleFarben;
        const QList<QRgb>& eigene = band.tafel.Tabelle();
        for (qsizetype k = 0; k < eigene.size(); ++k) {
            const int index = palette.Index(eigene[k]);
            if (index < 0)
                return Indiziert::ZuVieleFarben;
            band.umsetzung[static_cast<size_t>(k)] = static_cast<uchar>(index);
        }
    }

    JedesBand(baender, [&](size_t i) { baender[i].ok = Packe(baender, i, breite, baender[i]); });
    uLong adler = baender[0].adler;
    for (size_t i = 0; i < baender.size(); ++i) {
        if (!baender[i].ok)
            return Indiziert::Fehler;
        if (i > 0) {
            const auto laenge = static_cast<z_off_t>(baender[i].bis - baender[i].von) * (breite + 1);
            adler = adler32_combine(adler, baender[i].adler, laenge);
        }
    }
    std::array<uchar, 4> trailer{};
    Gross32(trailer.data(), static_cast<uint32_t>(adler));
    baender.back().gepackt.insert(baender.back().gepackt.end(), trailer.begin(), trailer.end());

    const QList<QRgb>& farben = palette.Tabelle();
    std::vector<uchar> plte;
    std::vector<uchar> trns;
    bool durchsichtig = false;
    for (const QRgb c : farben) {
        plte.insert(plte.end(), {static_cast<uchar>(qRed(c)), static_cast<uchar>(qGreen(c)), static_cast<uchar>(qBlue(c))});
        trns.push_back(static_cast<uchar>(qAlpha(c)));
        durchsichtig = durchsichtig || qAlpha(c) != 255;
    }
    std::array<uchar, 13> ihdr{};
    Gross32(ihdr.data(), static_cast<uint32_t>(breite));
    Gross32(ihdr.data() + 4, static_cast<uint32_t>(hoehe));
    ihdr[8] = 8;  // bits per index
    ihdr[9] = 3;  // colour type: palette

    PngAusgabe aus(ziel);
    aus.Abschnitt("IHDR", ihdr.data(), ihdr.size());
    aus.Abschnitt("PLTE", plte.data(), plte.size());
    if (durchsichtig)
        aus.Abschnitt("tRNS", trns.data(), trns.size());
    if (bild.dotsPerMeterX() > 0 && bild.dotsPerMeterY() > 0) {
        std::array<uchar, 9> phys{};
        Gross32(phys.data(), static_cast<uint32_t>(bild.dotsPerMeterX()));
        Gross32(phys.data() + 4, static_cast<uint32_t>(bild.dotsPerMeterY()));
        phys[8] = 1;  // per metre
        aus.Abschnitt("pHYs", phys.data(), phys.size());
    }
    for (const Band& band : baender)
        aus.Abschnitt("IDAT", band.gepackt.data(), band.gepackt.size());
    aus.Abschnitt("IEND", nullptr, 0);
    return aus.Ok() ? Indiziert::Geschrieben : Indiziert::Fehler;
}

#else

Indiziert SchreibeIndiziert(const QImage&, QIODevice&, int) { return Indiziert::Unmoeglich; }

#endif
