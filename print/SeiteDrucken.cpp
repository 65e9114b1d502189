#include "print/Drucken.h"

#include "flight/CSarnixDoc.h"
#include "printmap/SeitenMass.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

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
    const std::optional<KartenPlan> plan = KartePlanen(doc, *mass, frage);
    if (!plan)
        return 0;
    if (info)
        *info = plan->info;
    const Rechteck& r = mass->seite;
    Zeichenflaeche f(maler);
    int gezeichnet = 0;
    for (int seite = 0; seite < plan->info.seiten; ++seite) {
        if (seite > 0 && !drucker.newPage())
            break;
        // A tile's track runs on past the sheet; it must not reach into the margins. Set anew on
        // every sheet: a new page forgets it.
        maler.setClipRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
        gezeichnet = std::max(gezeichnet, KartenSeiteDrucken(doc, f, *plan, seite));
    }
    return gezeichnet;
}
std::optional<SeitenMass> DruckerMass(const QPrinter& drucker)
{
    const QRect flaeche = drucker.pageRect(QPrinter::DevicePixel).toRect();
    if (auto mass = SeitenMassAus(flaeche.width(), flaeche.height(), drucker.resolution(), drucker.resolution()))
        return mass;
    return SeitenMassAus(flaeche.width(), flaeche.height(), drucker.logicalDpiX(), drucker.logicalDpiY());
}

