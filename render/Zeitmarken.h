#pragma once
// What the time marks of the graphs and of the printed map share: their spacing and label.

#include <QString>
#include <cstdint>

// Minutes between time marks for `anzahl` fixes, one a second: 2, 5, 10, 15 or 30 as the track
// spans more tens of minutes.
int ZeitmarkenAbstand(int64_t anzahl);
// "09:05" for a time of day in seconds.
QString ZeitText(int32_t zeit);
