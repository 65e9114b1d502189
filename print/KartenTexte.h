#pragma once
// The texts of the printed map: grid labels, header line and time-mark labels.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

// "E 8°12.00'": plus for offsets o >= 0 (east, north), minus below (west, south).
QString GitterText(char plus, char minus, int64_t o);
// "Maßstab 1:50000    Dateiname: ...    Flugdatum:... "; the path is UTF-8, the date Latin-1.
QString KopfText(int massstab, const std::string& dateiname, const std::string& flugdatum);
// Minutes between time marks for a flight of anzahl fixes (one a second).
int ZeitmarkenAbstand(std::size_t anzahl);
// "09:05" for a time of day in seconds.
QString ZeitText(int32_t zeit);
