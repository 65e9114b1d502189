#include "export/Zahlen.h"

#include "flight/Koordinaten.h"

#include <charconv>
#include <chrono>
#include <cstdlib>

namespace {

void Ziffern(std::string& text, int64_t wert, int stellen)
{
    char puffer[24];
    for (int i = stellen - 1; i >= 0; --i) {
        puffer[i] = static_cast<char>('0' + wert % 10);
        wert /= 10;
    }
    text.append(puffer, static_cast<size_t>(stellen));
}

// Integer part, point and `stellen` decimals of a fixed-point value with 10^stellen units.
void Festkomma(std::string& text, int64_t wert, int stellen, int64_t einheit)
{
    if (wert < 0) {
        text += '-';
        wert = -wert;
    }
    HaengeGanzzahlAn(text, wert / einheit);
    text += '.';
    Ziffern(text, wert % einheit, stellen);
}

}  // namespace

int64_t GradE7(int32_t koordinate)
{
    // 1e7 / 600 000 = 50 / 3; rounding half away from zero keeps both hemispheres mirror images.
    const int64_t einheiten = int64_t{koordinate} - koordinatenNullpunkt;
    const int64_t betrag = (std::llabs(einheiten) * 50 + 1) / 3;
    return einheiten < 0 ? -betrag : betrag;
}

void HaengeGradAn(std::string& text, int64_t gradE7) { Festkomma(text, gradE7, 7, 10000000); }

void HaengeZehntelAn(std::string& text, int64_t zehntel) { Festkomma(text, zehntel, 1, 10); }

void HaengeGanzzahlAn(std::string& text, int64_t wert)
{
    char puffer[24];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    text.append(puffer, ende);
}

void HaengeUtcZeitAn(std::string& text, int64_t sekunden)
{
    using namespace std::chrono;
    const sys_seconds zeit{seconds{sekunden}};
    const sys_days tag = floor<days>(zeit);
    const year_month_day datum{tag};
    int64_t rest = (zeit - tag).count();
    Ziffern(text, static_cast<int>(datum.year()), 4);
    text += '-';
    Ziffern(text, static_cast<unsigned>(datum.month()), 2);
    text += '-';
    Ziffern(text, static_cast<unsigned>(datum.day()), 2);
    text += 'T';
    Ziffern(text, rest / 3600, 2);
    text += ':';
    rest %= 3600;
    Ziffern(text, rest / 60, 2);
    text += ':';
    Ziffern(text, rest % 60, 2);
    text += 'Z';
}
