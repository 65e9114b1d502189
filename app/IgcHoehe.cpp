#include "app/IgcHoehe.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {

const QString schluessel = QStringLiteral("Settings/IgcHoehe");
const QString zeitSchluessel = QStringLiteral("Settings/IgcZeit");

// A submenu inserted before vor with one radio entry per text, the one at aktuell checked;
// gewaehlt gets the index of the entry the user picks.
QMenu* AuswahlMenue(QMenu& menue, QAction* vor, const QString& titel, const QString& hinweis, const QStringList& texte,
                    int aktuell, const std::function<void(int)>& gewaehlt)
{
    auto* untermenue = new QMenu(titel, &menue);
    menue.insertMenu(vor, untermenue);
    auto* gruppe = new QActionGroup(untermenue);
    for (int i = 0; i < texte.size(); ++i) {
        QAction* eintrag = untermenue->addAction(texte[i]);
        eintrag->setCheckable(true);
        eintrag->setChecked(i == aktuell);
        eintrag->setStatusTip(hinweis);
        gruppe->addAction(eintrag);
        QObject::connect(eintrag, &QAction::triggered, untermenue, [i, gewaehlt] { gewaehlt(i); });
    }
    return untermenue;
}

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
    const HoehenQuelle quellen[] = {HoehenQuelle::Automatisch, HoehenQuelle::Druck, HoehenQuelle::Gnss};
    return AuswahlMenue(menue, vor, QCoreApplication::translate("IgcHoehe", "&Höhe aus IGC-Dateien"),
                        QCoreApplication::translate("IgcHoehe", "Wählt, welche Höhe der Flugpunkte einer IGC-Datei gezeigt wird."),
                        {QCoreApplication::translate("IgcHoehe", "&Automatisch (Luftdruck, ohne Barometer GNSS)"),
                         QCoreApplication::translate("IgcHoehe", "&Luftdruck"), QCoreApplication::translate("IgcHoehe", "&GNSS")},
                        static_cast<int>(std::find(std::begin(quellen), std::end(quellen), aktuell) - std::begin(quellen)),
                        [quellen, gewaehlt](int i) { gewaehlt(quellen[i]); });
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
    return AuswahlMenue(menue, vor, QCoreApplication::translate("IgcHoehe", "IGC-&Uhrzeit"),
                        QCoreApplication::translate(
                            "IgcHoehe", "Wählt, ob die Uhrzeiten einer IGC-Datei in UTC oder in der Ortszeit des Flugs gezeigt werden."),
                        {QCoreApplication::translate("IgcHoehe", "&Ortszeit, wo die Datei ihre Zeitzone nennt"),
                         QCoreApplication::translate("IgcHoehe", "&UTC")},
                        ortszeit ? 0 : 1, [gewaehlt](int i) { gewaehlt(i == 0); });
}
