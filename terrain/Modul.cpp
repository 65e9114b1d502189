// The reader as a module of its own: GDAL and the hundred libraries behind it load only when a
// folder of tiles is set, not at every start of the programs.

#include "terrain/Gelaende.h"

#if defined(_WIN32)
#define SARNIX_EXPORT __declspec(dllexport)
#else
#define SARNIX_EXPORT __attribute__((visibility("default")))
#endif

extern "C" SARNIX_EXPORT GelaendeModell* SarnixGelaendeOeffnen(const char* ordner)
{
    return std::make_unique<GelaendeQuelle>(ordner ? ordner : "").release();
}
