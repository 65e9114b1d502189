#include "render/Zeitmarken.h"

int ZeitmarkenAbstand(int64_t anzahl)
{
    const int64_t zehnMinuten = anzahl / 600;
    if (zehnMinuten > 20)
        return 30;
    if (zehnMinuten > 10)
        return 15;
    if (zehnMinuten > 5)
        return 10;
    if (zehnMinuten > 2)
        return 5;
    return 2;
}

int32_t Tageszeit(int32_t zeit)
{
    constexpr int32_t tag = 24 * 3600;
    return (zeit % tag + tag) % tag;
}

QString ZeitText(int32_t zeit)
{
    zeit = Tageszeit(zeit);
    return QString::asprintf("%02i:%02i", zeit / 3600, (zeit % 3600) / 60);
}

bool ZeitmarkeFaellig(const std::vector<CDaten>& fixe, size_t i, int32_t sekunden, bool ueberSchritte)
{
    const int32_t zeit = fixe[i].zeit;
    if (zeit % sekunden == 0)
        return true;
    if (!ueberSchritte || i == 0 || fixe[i - 1].zeit >= zeit)
        return false;
    const auto abgerundet = [sekunden](int64_t t) { return (t >= 0 ? t : t - sekunden + 1) / sekunden; };
    return abgerundet(fixe[i - 1].zeit) != abgerundet(zeit);
}
