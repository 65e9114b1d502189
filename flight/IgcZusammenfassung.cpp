// The summary texts of an IGC flight, which a log does not carry: computed from its fixes.

#include "flight/CSarnixDoc.h"
#include "flight/Strecke.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Moving means at least this ground speed (0.1 km/h) ...
constexpr int16_t fliegtAb = 150;
// ... for at least this long, so a walk to the launch or a gust on the ground is no flight.
constexpr int32_t flugMindestens = 30;
// The distance is measured between fixes at least this far apart, so position jitter does not
// add up over hours.
constexpr int32_t streckenSchritt = 10;
constexpr int32_t tag = 86400;

std::string Text(const char* format, double wert)
{
    char text[64];
    std::snprintf(text, sizeof text, format, wert);
    return text;
}

std::string Uhrzeit(int32_t zeit)
{
    const int32_t t = ((zeit % tag) + tag) % tag;
    char text[16];
    std::snprintf(text, sizeof text, "%.2i:%.2i", t / 3600, t % 3600 / 60);
    return text;
}

}  // namespace

void CSarnixDoc::BerechneIgcZusammenfassung()
{
    const std::vector<CDaten>& f = datenListe;
    if (f.empty())
        return;

    // Take-off: the first fix of the first stretch of moving that lasts; landing: the last fix
    // of the last such stretch. Without one, the whole log.
    size_t start = 0;
    size_t landung = f.size() - 1;
    bool gefunden = false;
    for (size_t i = 0; i < f.size();) {
        if (f[i].sog < fliegtAb) {
            ++i;
            continue;
        }
        size_t j = i;
        while (j + 1 < f.size() && f[j + 1].sog >= fliegtAb)
            ++j;
        if (f[j].zeit - f[i].zeit >= flugMindestens) {
            if (!gefunden)
                start = i;
            landung = j;
            gefunden = true;
        }
        i = j + 1;
    }

    int32_t hoechste = f[start].hoehe;
    int16_t steigen = 0;
    int16_t sinken = 0;
    double strecke = 0.0;
    const CDaten* letzter = nullptr;
    Kosinus kosinus;
    for (size_t i = start; i <= landung; ++i) {
        const CDaten& fix = f[i];
        hoechste = std::max<int32_t>(hoechste, fix.hoehe);
        steigen = std::max(steigen, fix.vario);
        sinken = std::min(sinken, fix.vario);
        if (!fix.hatPosition)
            continue;
        if (!letzter) {
            letzter = &fix;
        } else if (fix.zeit - letzter->zeit >= streckenSchritt || i == landung) {
            strecke += Meter(*letzter, fix, kosinus);
            letzter = &fix;
        }
    }

    startzeit = Uhrzeit(f[start].zeit);
    landezeit = Uhrzeit(f[landung].zeit);
    const int32_t dauer = std::max(0, f[landung].zeit - f[start].zeit) / 60;
    char dauerText[32];
    std::snprintf(dauerText, sizeof dauerText, "%.2i:%.2i", dauer / 60, dauer % 60);
    flugdauer = dauerText;
    startplatzHoehe = Text("%.0f m", f[start].hoehe);
    landeplatzHoehe = Text("%.0f m", f[landung].hoehe);
    maxHoehe = Text("%.0f m", hoechste);
    maxSteigen = Text("%0.1f m/s", steigen * 0.1);
    maxSinken = Text("%0.1f m/s", -sinken * 0.1);
    flugstrecke = Text("%0.1f km", strecke / 1000.0);
}
