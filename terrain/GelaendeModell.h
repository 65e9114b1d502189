#pragma once
// A model of the ground as the program asks it, apart from the reader behind it: the reader needs
// GDAL, which the programs load only when a folder of tiles is set (terrain/Modul.cpp).

#include "flight/CDaten.h"
#include "flight/Koordinaten.h"

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
    KeinLeser,       // the module that reads elevation models is missing
};

struct GelaendeHinweis {
    GelaendeHinweisArt art = GelaendeHinweisArt::NichtLesbar;
    std::string datei;  // the file or folder, UTF-8
    friend bool operator==(const GelaendeHinweis&, const GelaendeHinweis&) = default;
};


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

class GelaendeModell {
public:
    virtual ~GelaendeModell() = default;

    virtual std::size_t AnzahlKacheln() const = 0;
    // Every note so far, each once, in the order they arose.
    virtual std::vector<GelaendeHinweis> Hinweise() const = 0;

    // The ground height at a point, nothing where no tile has data (outside, void).
    virtual std::optional<float> Hoehe(double breiteGrad, double laengeGrad) = 0;
    // One height per fix, NaN where unknown.
    virtual std::vector<float> HoehenEntlang(std::span<const CDaten> fixe) = 0;
    // The heights of a grid row by row, NaN where unknown. Where the points lie further apart
    // than the model's samples, coarser samples are read so that memory follows the grid.
    virtual std::vector<float> HoehenGitter(const GelaendeGitter& gitter) = 0;
};

// The entry of the module: a model of the tiles in `ordner` (UTF-8), owned by the caller.
using GelaendeOeffnen = GelaendeModell* (*)(const char* ordner);
inline constexpr const char* gelaendeEinstieg = "SarnixGelaendeOeffnen";
inline constexpr const char* gelaendeModul = "sarnix-gelaende";

// The reader from its module, searched beside the program in `programmOrdner` (UTF-8), in the
// library folder of an installation and in the build; nothing, with the reason in `fehler`, when
// it cannot be loaded.
std::unique_ptr<GelaendeModell> GelaendeModellLaden(const std::string& ordner, const std::string& programmOrdner,
                                                    std::string& fehler);
