#pragma once
// Ground heights above mean sea level from the elevation tiles in one folder: SRTM .hgt,
// GeoTIFF and any other raster GDAL reads. Tiles are found by their extent, read in blocks only
// where asked, interpolated bilinearly and kept for the next question. Any thread may ask; the
// questions of several threads are answered one after the other.

#include "flight/CDaten.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Why a folder or a file gave no heights; the callers word it for the status bar or stderr.
enum class GelaendeHinweisArt {
    KeinOrdner,      // the folder does not exist or cannot be read
    KeineKacheln,    // no file in it is an elevation tile
    ZuVieleDateien,  // the search stopped after so many entries
    NichtLesbar,     // not a raster GDAL opens (wrong size, truncated, not a model)
    KeineHoehen,     // a picture (RGB, palette), not heights
    OhneBezug,       // no georeferencing, or one that cannot be turned into degrees
    Beschaedigt,     // opened, but part of it could not be read
    Geaendert,       // changed on disk and read again
};

struct GelaendeHinweis {
    GelaendeHinweisArt art = GelaendeHinweisArt::NichtLesbar;
    std::string datei;  // the file or folder, UTF-8
    friend bool operator==(const GelaendeHinweis&, const GelaendeHinweis&) = default;
};

// Degrees of a biased flight coordinate (flight/Koordinaten.h).
double GradAus(int32_t koordinate);

// A grid of points over the ground in degrees: the first column on `west`, the last on `ost`,
// the first row on `nord`, the last on `sued`, evenly between.
struct GelaendeGitter {
    double west = 0.0;
    double ost = 0.0;
    double sued = 0.0;
    double nord = 0.0;
    int spalten = 0;
    int zeilen = 0;
};

class GelaendeQuelle {
public:
    // Searches `ordner` (UTF-8) and its subfolders once for tiles and reads their extents; the
    // heights themselves are read on demand. `speicher` bounds the bytes of heights kept.
    explicit GelaendeQuelle(const std::string& ordner, std::size_t speicher = std::size_t{256} << 20);
    ~GelaendeQuelle();
    GelaendeQuelle(const GelaendeQuelle&) = delete;
    GelaendeQuelle& operator=(const GelaendeQuelle&) = delete;

    const std::string& Ordner() const;
    std::size_t AnzahlKacheln() const;
    // Every note so far, each once, in the order they arose.
    std::vector<GelaendeHinweis> Hinweise() const;

    // The ground height at a point, nothing where no tile has data (outside, void).
    std::optional<float> Hoehe(double breiteGrad, double laengeGrad);
    // One height per fix, NaN where unknown.
    std::vector<float> HoehenEntlang(std::span<const CDaten> fixe);
    // The heights of a grid row by row, NaN where unknown. Where the points lie further apart
    // than the model's samples, coarser samples are read so that memory follows the grid.
    std::vector<float> HoehenGitter(const GelaendeGitter& gitter);

private:
    struct Innen;
    std::unique_ptr<Innen> d;
};
