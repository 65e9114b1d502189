#include "app/IgcHoehe.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

namespace {

const QString schluessel = QStringLiteral("Settings/IgcHoehe");
const QString zeitSchluessel = QStringLiteral("Settings/IgcZeit");

}  // namespace

HoehenQuelle IgcHoeheLesen()
{
    bool ok = false;
    const int wert = QSettings().value(schluessel).toString().toInt(&ok);
    if (!ok || wert < static_cast<int>(HoehenQuelle::Automatisch) || wert > static_cast<int>(HoehenQuelle::Gnss))
        return HoehenQuelle::Automatisch;
    return static_cast<HoehenQuelle>(wert);
}

void IgcHoeheSchreiben(HoehenQuelle quelle)
{
    QSettings().setValue(schluessel, static_cast<int>(quelle));
}

QMenu* BaueIgcHoehenMenue(QMenu& menue, QAction* vor, HoehenQuelle aktuell,
                          std::function<void(HoehenQuelle)> gewaehlt)
{
    auto* untermenue = new QMenu(QCoreApplication::translate("IgcHoehe", "&Höhe aus IGC-Dateien"), &menue);
    menue.insertMenu(vor, untermenue);
    auto* gruppe = new QActionGroup(untermenue);
    const std::pair<HoehenQuelle, QString> wahl[] = {
        {HoehenQuelle::Automatisch, QCoreApplication::translate("IgcHoehe", "&Automatisch (Luftdruck, ohne Barometer GNSS)")},
        {HoehenQuelle::Druck, QCoreApplication::translate("IgcHoehe", "&Luftdruck")},
        {HoehenQuelle::Gnss, QCoreApplication::translate("IgcHoehe", "&GNSS")},
    };
    for (const auto& [quelle, text] : wahl) {
        QAction* eintrag = untermenue->addAction(text);
        eintrag->setCheckable(true);
        eintrag->setChecked(quelle == aktuell);
        eintrag->setStatusTip(QCoreApplication::translate(
            "IgcHoehe", "Wählt, welche Höhe der Flugpunkte einer IGC-Datei gezeigt wird."));
        gruppe->addAction(eintrag);
        QObject::connect(eintrag, &QAction::triggered, untermenue, [q = quelle, gewaehlt] { gewaehlt(q); });
    }
    return untermenue;
}

bool IgcOrtszeitLesen()
{
    return QSettings().value(zeitSchluessel).toString() != QLatin1String("utc");
}

void IgcOrtszeitSchreiben(bool ortszeit)
{
    QSettings().setValue(zeitSchluessel, ortszeit ? QStringLiteral("ortszeit") : QStringLiteral("utc"));
}

QMenu* BaueIgcZeitMenue(QMenu& menue, QAction* vor, bool ortszeit, std::function<void(bool)> gewaehlt)
{
    auto* untermenue = new QMenu(QCoreApplication::translate("IgcHoehe", "IGC-&Uhrzeit"), &menue);
    menue.insertMenu(vor, untermenue);
    auto* gruppe = new QActionGroup(untermenue);
    const std::pair<bool, QString> wahl[] = {
        {true, QCoreApplication::translate("IgcHoehe", "&Ortszeit, wo die Datei ihre Zeitzone nennt")},
        {false, QCoreApplication::translate("IgcHoehe", "&UTC")},
    };
    for (const auto& [ort, text] : wahl) {
        QAction* eintrag = untermenue->addAction(text);
        eintrag->setCheckable(true);
        eintrag->setChecked(ort == ortszeit);
        eintrag->setStatusTip(QCoreApplication::translate(
            "IgcHoehe", "Wählt, ob die Uhrzeiten einer IGC-Datei in UTC oder in der Ortszeit des Flugs gezeigt werden."));
        gruppe->addAction(eintrag);
        QObject::connect(eintrag, &QAction::triggered, untermenue, [o = ort, gewaehlt] { gewaehlt(o); });
    }
    return untermenue;
}
