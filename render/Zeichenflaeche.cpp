// Placeholder until the surface is built.
#include "render/Zeichenflaeche.h"
#include <QPainter>
Zeichenflaeche::Zeichenflaeche(QPainter& p) : maler(p) {}
Zeichenflaeche::~Zeichenflaeche() = default;
