#include "app/SprachMenue.h"

#include "sprache/Sprache.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

void BaueSprachMenue(QMenu& menue, QWidget& fenster)
{
    menue.addSeparator();
    QMenu* sprachen = menue.addMenu(QCoreApplication::translate("SprachMenue", "S&prache"));
    auto* gruppe = new QActionGroup(sprachen);
    const struct {
        Sprache sprache;
        QString text;  // each in its own language, so it is found whatever is shown now
    } eintraege[] = {{Sprache::Deutsch, QStringLiteral("&Deutsch")}, {Sprache::Englisch, QStringLiteral("&English")}};
    for (const auto& [sprache, text] : eintraege) {
        QAction* aktion = sprachen->addAction(text);
        aktion->setCheckable(true);
        aktion->setChecked(sprache == WirksameSprache());
        aktion->setStatusTip(QCoreApplication::translate(
            "SprachMenue", "Wählt die Sprache der Oberfläche; sie gilt ab dem nächsten Start."));
        gruppe->addAction(aktion);
        QObject::connect(aktion, &QAction::triggered, &fenster, [&fenster, gewaehlt = sprache] {
            const bool wechsel = gewaehlt != WirksameSprache();
            SpracheSpeichern(gewaehlt);
            if (wechsel)
                QMessageBox::information(&fenster, QStringLiteral("Sarnix"),
                                         QCoreApplication::translate(
                                             "SprachMenue", "Die Sprache wechselt beim nächsten Start von Sarnix."));
        });
    }
}
