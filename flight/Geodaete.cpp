#include "flight/Geodaete.h"

// The define says the build links the library; the header check keeps a syntax check of the
// Windows cross build, which lacks it, on the fallback.
#if defined(SARNIX_GEOGRAPHICLIB) && __has_include(<GeographicLib/Geodesic.hpp>)
#define MIT_GEOGRAPHICLIB 1
#include <GeographicLib/Geodesic.hpp>
#endif

namespace geodaete {

#ifdef MIT_GEOGRAPHICLIB
double Strecke(double breite1, double laenge1, double breite2, double laenge2)
{
    double s = 0;
    GeographicLib::Geodesic::WGS84().Inverse(breite1, laenge1, breite2, laenge2, s);
    return s;
}
bool MitBibliothek() { return true; }
#else
double Strecke(double breite1, double laenge1, double breite2, double laenge2)
{
    return StreckeOhneBibliothek(breite1, laenge1, breite2, laenge2);
}
bool MitBibliothek() { return false; }
#endif

}  // namespace geodaete
