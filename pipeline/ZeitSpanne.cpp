#include "pipeline/ZeitSpanne.h"

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"

#include <QCoreApplication>

namespace {

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
        .arg(QString::fromStdString(AnzeigeUhrzeit(erster->zeit, doc.zeitBezug, true)),
             QString::fromStdString(AnzeigeUhrzeit(letzter->zeit, doc.zeitBezug, true)), Dauer(sekunden),
             QString::asprintf("%+i", differenz),
             QString::asprintf("%0.2f", static_cast<double>(differenz) / static_cast<double>(sekunden)));
}
