#pragma once
// Ground heights above mean sea level from the elevation tiles in one folder: SRTM .hgt,
// GeoTIFF and any other raster GDAL reads. Tiles are found by their extent, read in blocks only
// where asked, interpolated bilinearly and kept for the next question. Any thread may ask; the
// questions of several threads are answered one after the other.

#include "terrain/GelaendeModell.h"

#include <memory>

class GelaendeQuelle final : public GelaendeModell {
public:
    // Searches `ordner` (UTF-8) and its subfolders once for tiles and reads their extents; the
    // heights themselves are read on demand. `speicher` bounds the bytes of heights kept.
    explicit GelaendeQuelle(const std::string& ordner, std::size_t speicher = std::size_t{256} << 20);
    ~GelaendeQuelle() override;
    GelaendeQuelle(const GelaendeQuelle&) = delete;
    GelaendeQuelle& operator=(const GelaendeQuelle&) = delete;

    std::size_t AnzahlKacheln() const override;
    std::vector<GelaendeHinweis> Hinweise() const override;
    std::optional<float> Hoehe(double breiteGrad, double laengeGrad) override;
    std::vector<float> HoehenEntlang(std::span<const CDaten> fixe) override;
    std::vector<float> HoehenGitter(const GelaendeGitter& gitter) override;

private:
    struct Innen;
    std::unique_ptr<Innen> d;
};
