#pragma once
// The scored path as export files write it: start, turnpoints and finish in flight order.

#include "flight/Wertung.h"

#include <QString>
#include <vector>

struct WertungsStation {
    QString name;  // "Start", "Wendepunkt 1", ..., "Ziel"
    WertungsPunkt punkt;
};

// Empty for a flight without a score.
std::vector<WertungsStation> WertungsStationen(const Wertung& w);
// The route's name: rule set, kind and points.
QString WertungsTitel(const Wertung& w);
