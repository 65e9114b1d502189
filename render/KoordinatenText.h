#pragma once
// The one text of a stored coordinate, "E 11°30.50'", for grid labels on screen and paper and for
// the track cursor's readout.

#include <QString>
#include <cstdint>

enum class KoordinatenStil {
    Gitter,   // whole hundredths of an arc minute, two decimals
    Anzeige,  // four decimals, in single precision as the readout has always computed them
};

// Letter N/S (breite) or E/W (laenge); the zero point itself counts as north and east.
QString KoordinatenText(int64_t wert, bool istBreite, KoordinatenStil stil = KoordinatenStil::Gitter);
