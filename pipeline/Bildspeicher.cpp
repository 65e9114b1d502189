#include "pipeline/Bildspeicher.h"

#include <cstdint>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>

#include <cstdlib>
#endif

QImage RgbBild(int breite, int hoehe)
{
#if defined(Q_OS_LINUX)
    constexpr size_t grosseSeite = size_t{2} << 20;
    const auto zeile = static_cast<qsizetype>(breite) * 4;
    const size_t bytes = static_cast<size_t>(zeile) * static_cast<size_t>(hoehe);
    // Below a few huge pages the rounding up would waste too much.
    if (breite > 0 && hoehe > 0 && zeile <= INT32_MAX && bytes >= 2 * grosseSeite && bytes <= size_t{1} << 31) {
        const size_t laenge = (bytes + grosseSeite - 1) / grosseSeite * grosseSeite;
        void* speicher = nullptr;
        if (posix_memalign(&speicher, grosseSeite, laenge) == 0) {
            madvise(speicher, laenge, MADV_HUGEPAGE);  // a hint: without it the pages are small
            QImage bild(static_cast<uchar*>(speicher), breite, hoehe, zeile, QImage::Format_RGB32,
                        [](void* frei) { std::free(frei); }, speicher);
            if (!bild.isNull())
                return bild;
            std::free(speicher);
        }
    }
#endif
    return QImage(breite, hoehe, QImage::Format_RGB32);
}
