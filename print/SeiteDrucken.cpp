#include "print/Drucken.h"

#include "doc/CSarnixDoc.h"
#include "map/SeitenMass.h"

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
std::optional<SeitenMass> DruckerMass(const QPrinter& drucker)
{
    const QRect flaeche = drucker.pageRect(QPrinter::DevicePixel).toRect();
    if (auto mass = SeitenMassAus(flaeche.width(), flaeche.height(), drucker.resolution(), drucker.resolution()))
        return mass;
    return SeitenMassAus(flaeche.width(), flaeche.height(), drucker.logicalDpiX(), drucker.logicalDpiY());
}

