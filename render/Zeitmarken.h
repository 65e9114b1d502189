#pragma once
// What the time marks of the graphs and of the printed map share: their spacing and label.

#include "flight/CDaten.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <vector>

// Minutes between time marks for `anzahl` fixes, one a second: 2, 5, 10, 15 or 30 as the track
// spans more tens of minutes.
int ZeitmarkenAbstand(int64_t anzahl);
// Seconds since midnight of the day the recording began, as a time of day (0 .. 86399): a flight
// over midnight counts on past 24 hours.
int32_t Tageszeit(int32_t zeit);
// "09:05" for a time in seconds, as a time of day.
QString ZeitText(int32_t zeit);

// Seconds of track the fixes chosen by drin span: each counts the step to the fix after it, at
// least one second (a recording of one fix a second counts its fixes) and at most a minute (a
// logger switched off for hours has recorded nothing).
template <typename Wahl>
int64_t AufgezeichneteSekunden(const std::vector<CDaten>& fixe, Wahl drin)
{
    int64_t summe = 0;
    for (size_t i = 0; i < fixe.size(); ++i) {
        if (!drin(fixe[i]))
            continue;
        const int64_t schritt = i + 1 < fixe.size() ? int64_t{fixe[i + 1].zeit} - fixe[i].zeit : 1;
        summe += std::clamp<int64_t>(schritt, 1, 60);
    }
    return summe;
}

// Whether fix i gets a time mark every `sekunden`: its time is a multiple, or, with
// ueberSchritte, the step from the fix before passed one (IGC logs of several seconds a step
// seldom hit the full minute; a recording of one fix a second leaves a gap without mark).
bool ZeitmarkeFaellig(const std::vector<CDaten>& fixe, size_t i, int32_t sekunden, bool ueberSchritte);
