#include "flight/IgcZusammenfassung.h"

#include "flight/Strecke.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The distance is measured between fixes at least this far apart, so position jitter does not
// add up over hours.
constexpr int32_t streckenSchritt = 10;
// Climb and sink are the best means over this long, as flight instruments report them: a
// one-second spike of a total-energy vario or an altitude glitch is no climb.
constexpr int32_t steigFenster = 20;
// A longer window spans a gap in the recording.
constexpr int32_t laengstesSteigFenster = 40;
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

FlugZusammenfassung IgcZusammenfassung(const std::vector<CDaten>& f, std::vector<Flugabschnitt> fluege)
{
    FlugZusammenfassung z;
    if (f.empty())
        return z;
    if (fluege.empty())
        fluege.push_back({0, f.size() - 1, f.front().zeit, std::max(f.front().zeit, f.back().zeit)});

    int32_t hoechste = f[fluege.front().start].hoehe;
    double steigen = 0.0;
    double sinken = 0.0;
    double strecke = 0.0;
    int32_t dauer = 0;
    Kosinus kosinus;
    for (const Flugabschnitt& flug : fluege) {
        dauer += flug.Dauer();
        const CDaten* letzter = nullptr;
        // The climb rates of the fixes within the window, each counted for the seconds to the next.
        double summe = 0.0;
        for (size_t i = flug.start, j = flug.start; i <= flug.landung; ++i) {
            const CDaten& fix = f[i];
            hoechste = std::max<int32_t>(hoechste, fix.hoehe);
            if (i > flug.start)
                summe += f[i - 1].vario * 0.1 * (fix.zeit - f[i - 1].zeit);
            for (; j < i && fix.zeit - f[j + 1].zeit >= steigFenster; ++j)
                summe -= f[j].vario * 0.1 * (f[j + 1].zeit - f[j].zeit);
            if (const int32_t dt = fix.zeit - f[j].zeit; dt >= steigFenster && dt <= laengstesSteigFenster) {
                steigen = std::max(steigen, summe / dt);
                sinken = std::min(sinken, summe / dt);
            }
            if (!fix.hatPosition)
                continue;
            if (!letzter) {
                letzter = &fix;
            } else if (fix.zeit - letzter->zeit >= streckenSchritt || i == flug.landung) {
                strecke += Meter(*letzter, fix, kosinus);
                letzter = &fix;
            }
        }
    }

    const CDaten& start = f[fluege.front().start];
    const CDaten& landung = f[fluege.back().landung];
    z.startzeit = Uhrzeit(start.zeit);
    z.landezeit = Uhrzeit(landung.zeit);
    // Only the time in the air, not the time on the ground between two flights.
    dauer /= 60;
    char dauerText[32];
    std::snprintf(dauerText, sizeof dauerText, "%.2i:%.2i", dauer / 60, dauer % 60);
    z.flugdauer = dauerText;
    z.startplatzHoehe = Text("%.0f m", start.hoehe);
    z.landeplatzHoehe = Text("%.0f m", landung.hoehe);
    z.maxHoehe = Text("%.0f m", hoechste);
    z.maxSteigen = Text("%0.1f m/s", steigen);
    z.maxSinken = Text("%0.1f m/s", sinken < 0.0 ? -sinken : 0.0);
    z.flugstrecke = Text("%0.1f km", strecke / 1000.0);
    return z;
}
