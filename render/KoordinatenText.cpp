#include "render/KoordinatenText.h"

#include "flight/Koordinaten.h"

QString KoordinatenText(int64_t wert, bool istBreite, KoordinatenStil stil)
{
    const bool nordOst = wert >= koordinatenNullpunkt;
    const char buchstabe = istBreite ? (nordOst ? 'N' : 'S') : (nordOst ? 'E' : 'W');
    if (stil == KoordinatenStil::Anzeige) {
        // Hundredths of an arc minute as a float; the readout's digits depend on its rounding.
        float v = static_cast<float>(wert - koordinatenNullpunkt) * 0.01f;
        if (v < 0.0f)
            v = -v;
        const int grad = static_cast<int>(v * 0.00016666666f);
        const double minuten = (v - static_cast<float>(6000 * grad)) * 0.01;
        return QString::asprintf("%c %i°%0.4f'", buchstabe, grad, minuten);
    }
    const int64_t d = nordOst ? wert - koordinatenNullpunkt : koordinatenNullpunkt - wert;
    const int64_t grad = d / 600000;
    const double minuten = static_cast<double>(d / 100 - 6000 * grad) / 100.0;
    return QString::asprintf("%c %i°%0.2f'", buchstabe, static_cast<int>(grad), minuten);
}
