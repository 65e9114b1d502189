// The viewer: one window, one flight.

#include "app/CSarnixApp.h"
#include "language/Sprache.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication anwendung(argc, argv);
    CSarnixApp sarnix;
    QStringList argumente = QApplication::arguments().mid(1);
    const SprachArgument sprache = NimmSprachArgument(argumente);
    if (sprache.gegeben && !sprache.sprache) {
        std::fputs("sarnix: --sprache de|en\n", stderr);
        return 2;
    }
    // After the application object, which names the settings the stored choice is read from.
    const Uebersetzung texte(GewaehlteSprache(sprache));
    if (const std::optional<int> ende = sarnix.InitInstance(argumente))
        return *ende;
    return QApplication::exec();
}
