#pragma once
// What the time marks of the graphs and of the printed map share: their spacing and label.

#include <QString>
#include <cstdint>

// Minutes between time marks for `anzahl` fixes, one a second: 2, 5, 10, 15 or 30 as the track
// spans more tens of minutes.
int ZeitmarkenAbstand(int64_t anzahl);
// Seconds since midnight of the day the recording began, as a time of day (0 .. 86399): a flight
// over midnight counts on past 24 hours.
int32_t Tageszeit(int32_t zeit);
// "09:05" for a time in seconds, as a time of day.
QString ZeitText(int32_t zeit);
