#include "app/SprachMenue.h"

#include "language/Sprache.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

void BaueSprachMenue(QMenu& menue)
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
            "SprachMenue", "Wählt die Sprache der Oberfläche, jetzt und für die nächsten Starts."));
        gruppe->addAction(aktion);
        QObject::connect(aktion, &QAction::triggered, sprachen, [gewaehlt = sprache] {
            SpracheSpeichern(gewaehlt);
            if (gewaehlt != WirksameSprache())
                SpracheWechseln(gewaehlt);
        });
    }
}
