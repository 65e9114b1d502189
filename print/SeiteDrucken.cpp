#include "print/Drucken.h"

#include "doc/CSarnixDoc.h"
#include "print/SeitenMass.h"

#include <QPainter>
#include <QPrinter>

int SeiteDrucken(const CSarnixDoc& doc, QPrinter& drucker, const MassstabFrage& frage, KartenInfo* info)
{
    if (!doc.geladen)
        return 0;
    const std::optional<SeitenMass> mass = DruckerMass(drucker);
    if (!mass)
        return 0;
    QPainter maler;
    if (!maler.begin(&drucker))
        return 0;
    Zeichenflaeche f(maler);
    return KarteDrucken(doc, f, *mass, frage, info);
}
