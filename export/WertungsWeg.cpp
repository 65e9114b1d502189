#include "export/WertungsWeg.h"

#include <QCoreApplication>

std::vector<WertungsStation> WertungsStationen(const Wertung& w)
{
    std::vector<WertungsStation> stationen;
    if (!w.Gewertet())
        return stationen;
    stationen.push_back({QCoreApplication::translate("Export", "Start"), w.start});
    for (size_t i = 0; i < w.wendepunkte.size(); ++i)
        stationen.push_back({QCoreApplication::translate("Export", "Wendepunkt %1").arg(i + 1), w.wendepunkte[i]});
    stationen.push_back({QCoreApplication::translate("Export", "Ziel"), w.ziel});
    return stationen;
}

QString WertungsTitel(const Wertung& w)
{
    return QCoreApplication::translate("Export", "Wertung %1: %2, %3 Punkte")
        .arg(QString::fromStdString(w.regeln), QString::fromStdString(w.art), QString::number(w.punkte, 'f', 2));
}
