#include "pipeline/ZeitSpanne.h"

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"

#include <QCoreApplication>

namespace {

QString Uhrzeit(int64_t sekunden)
{
    const int64_t s = ((sekunden % 86400) + 86400) % 86400;
    return QString::asprintf("%02i:%02i:%02i", static_cast<int>(s / 3600), static_cast<int>(s % 3600 / 60),
                             static_cast<int>(s % 60));
}

QString Dauer(int64_t sekunden)
{
    return QString::asprintf("%i:%02i:%02i", static_cast<int>(sekunden / 3600), static_cast<int>(sekunden % 3600 / 60),
                             static_cast<int>(sekunden % 60));
}

}  // namespace

QString ZeitSpannenText(const CSarnixDoc& doc, const ZeitFenster& spanne)
{
    const CDaten* erster = nullptr;
    const CDaten* letzter = nullptr;
    for (const CDaten& fix : doc.datenListe) {
        if (fix.zeit < spanne.von || fix.zeit > spanne.bis)
            continue;
        if (!erster || fix.zeit < erster->zeit)
            erster = &fix;
        if (!letzter || fix.zeit > letzter->zeit)
            letzter = &fix;
    }
    if (!erster || letzter->zeit <= erster->zeit)
        return {};
    const int64_t sekunden = int64_t{letzter->zeit} - erster->zeit;
    const int differenz = letzter->hoehe - erster->hoehe;
    return QCoreApplication::translate("ZeitSpanne", "%1 bis %2: Dauer %3, Höhenunterschied %4 m, mittleres Steigen %5 m/s")
        .arg(Uhrzeit(erster->zeit), Uhrzeit(letzter->zeit), Dauer(sekunden),
             QString::asprintf("%+i", differenz),
             QString::asprintf("%0.2f", static_cast<double>(differenz) / static_cast<double>(sekunden)));
}
