#pragma once
// The toolbar's pictures, drawn in code at 16 x 15 logical pixels so that they stay sharp at any
// screen scale.

#include <QIcon>
#include <QPixmap>

// The picture of toolbar command id at the device pixel ratio dpr.
QPixmap SymbolPixmap(int id, qreal dpr);
// Drawn anew for every ratio it is shown at.
QIcon SymbolBild(int id);

inline constexpr int symbolBreite = 16;
inline constexpr int symbolHoehe = 15;
