#pragma once
// The ground under the flight, drawn from heights already read: the filled profile under the
// track of a barogram and the shaded relief under the plan view. Nothing is drawn where a height
// is unknown (NaN), so a model with holes leaves the floor blank there.

#include "flight/Farbe.h"
#include "render/Zeichenflaeche.h"

#include <QImage>
#include <QStringList>
#include <array>
#include <cstddef>
#include <span>
#include <vector>

class CSarnixDoc;
struct CAnsicht;

namespace stil {
inline constexpr COLORREF erdFarbe = RGB(222, 205, 170);      // the ground under the barograms
inline constexpr COLORREF reliefSchatten = RGB(120, 110, 95);  // a slope turned from the light
inline constexpr COLORREF reliefLicht = RGB(255, 253, 248);    // a slope facing it
}  // namespace stil

// The ground under the track of barogram pane `pane` (west, north or over time), filled from the
// ground down to the pane's bottom edge. Between consecutive fixes whose ground is known the
// ground runs straight; where fixes share a column the highest ground shows, as seen from the
// side. `grund` holds one height per fix of the flight. The barograms over ground need their
// window fitted first (FensterAnpassen), as for the track.
void ZeichneGelaendeprofil(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane,
                           std::span<const float> grund);

// The points a plan view pane's relief needs: the centre of every pixel in degrees, row 0 on the
// north edge, and a pixel's size on the ground.
struct ReliefRaster {
    Rechteck ecke;
    double west = 0.0;
    double ost = 0.0;
    double sued = 0.0;
    double nord = 0.0;
    int spalten = 0;
    int zeilen = 0;
    double meterSpalte = 1.0;
    double meterZeile = 1.0;
    friend bool operator==(const ReliefRaster&, const ReliefRaster&) = default;
};
// The raster of the pane's fitted window (anzeigeFenster); empty (no columns) for a pane too
// small or a window without extent.
ReliefRaster ReliefRasterVon(const CSarnixDoc& doc, const CAnsicht& ansicht, int pane);

// Heights of the raster row by row shaded as lit from the north-west, 45° above the horizon:
// flat ground light, slopes facing the light lighter, those turned from it darker; transparent
// where the height is unknown. Made once per raster, drawn on every redraw.
QImage ReliefBild(const ReliefRaster& raster, std::span<const float> hoehen);
// Over a map the relief darkens it rather than hiding it.
void ZeichneRelief(Zeichenflaeche& f, const ReliefRaster& raster, const QImage& bild, bool ueberKarte = false);

// The ground a view shows, read before drawing (in the window on another thread) and kept in the
// view state for every redraw until the flight or the plan view's window changes.
struct GelaendeAnsicht {
    std::vector<float> grund;  // per fix of the flight; empty without a model
    std::array<ReliefRaster, 2> raster{};  // what the relief of each pane was read for
    std::array<QImage, 2> relief;          // null where no relief is shown
};

// What the ground adds under pane `pane` of the view (ansicht.gelaende): the relief under a plan
// view whose raster is still the one read, the profile under a barogram. Nothing without ground.
void ZeichneGelaende(const CSarnixDoc& doc, const CAnsicht& ansicht, Zeichenflaeche& f, int pane);

// The track cursor's lines about the ground under fix `index` at altitude `hoehe`: the ground's
// height and the altitude above it; none where the ground is unknown or not read.
QStringList GelaendeZeilen(const CAnsicht& ansicht, std::ptrdiff_t index, int32_t hoehe);
