// The viewer: one window, one flight.

#include "app/CSarnixApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication anwendung(argc, argv);
    CSarnixApp sarnix;
    if (const std::optional<int> ende = sarnix.InitInstance(QApplication::arguments().mid(1)))
        return *ende;
    return QApplication::exec();
}
