#pragma once
// The mapping of a pane that shows the flight over ground or over time, for marks that know both
// where and when they are: each lands on the pixel the track was drawn at, whatever the pane.

#include "render/Abbildung.h"
#include "render/ZeitAbbildung.h"

#include <cstdint>
#include <optional>
#include <variant>

class CSarnixDoc;

class GrafikAbbildung {
public:
    // Nothing for no pane or one that shows neither ground nor time (the temperature profile).
    static std::optional<GrafikAbbildung> Von(const CAnsicht& ansicht, const CSarnixDoc& doc, int pane);

    // The pixel of the place (laenge, breite) reached at `zeit` at altitude `hoehe`; nothing when
    // the pane does not show it (outside its ground window or its time span).
    std::optional<Punkt> Pixel(int32_t laenge, int32_t breite, int32_t zeit, int32_t hoehe) const;

private:
    explicit GrafikAbbildung(const std::variant<Abbildung, ZeitAbbildung>& a) : abbildung(a) {}

    std::variant<Abbildung, ZeitAbbildung> abbildung;
};
