#pragma once
// The header line of the printed map (grid labels: render/KoordinatenText.h, time marks:
// render/Zeitmarken.h).

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

// "Maßstab 1:50000    Dateiname: ...    Flugdatum:... "; the path is UTF-8, the date Latin-1.
QString KopfText(int massstab, const std::string& dateiname, const std::string& flugdatum);
