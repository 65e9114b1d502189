#pragma once
// Distances on the WGS84 ellipsoid, the earth the leagues score on.

namespace geodaete {

inline constexpr double a = 6378137.0;                // semi-major axis, metres
inline constexpr double f = 1.0 / 298.257223563;      // flattening
inline constexpr double b = a * (1.0 - f);

// The length of the shortest path on the ellipsoid between two points given in degrees, in
// metres: GeographicLib where the build found it, otherwise Vincenty's formulae.
double Strecke(double breite1, double laenge1, double breite2, double laenge2);

// Vincenty's inverse solution (1975); nearly antipodal points, where its iteration fails, are
// joined over the midpoint that makes the path shortest. Exact to well under a millimetre.
double StreckeOhneBibliothek(double breite1, double laenge1, double breite2, double laenge2);

// True when Strecke is GeographicLib's.
bool MitBibliothek();

}  // namespace geodaete
