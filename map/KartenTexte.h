#pragma once
// The texts of the printed map: grid labels and header line (time marks: render/Zeitmarken.h).

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

// "E 8°12.00'": plus for offsets o >= 0 (east, north), minus below (west, south).
QString GitterText(char plus, char minus, int64_t o);
// "Maßstab 1:50000    Dateiname: ...    Flugdatum:... "; the path is UTF-8, the date Latin-1.
QString KopfText(int massstab, const std::string& dateiname, const std::string& flugdatum);
