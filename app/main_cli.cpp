// sarnix-cli: the document as JSON, the window's picture as PNG, the printed map as PDF or PNG.

#include "app/Cli.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

namespace {

void Hilfe(FILE* ziel)
{
    std::fputs("Aufruf: sarnix-cli info FILE [--fixes] [--profile]\n"
               "        sarnix-cli render FILE -o OUT.png [--size WxH] [--panes 1|2]\n"
               "                   [--left KIND[:COLOUR]] [--right KIND[:COLOUR]] [--zeitmarken]\n"
               "                   [--wegpunkte] [--verkleinern N] [--zoom LMIN,BMIN,LMAX,BMAX]\n"
               "        sarnix-cli print FILE -o OUT.pdf|OUT.png [--dpi N] [--page A4|A3|Letter]\n"
               "                   [--landscape] [--massstab N] [--ohne-zeitmarken]\n",
               ziel);
}

}  // namespace

int main(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Headless by default: no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvexa"));
    QCoreApplication::setApplicationName(QStringLiteral("sarnix"));

    QStringList argumente = QCoreApplication::arguments().mid(1);
    if (argumente.isEmpty() || argumente.first() == QLatin1String("--help")
        || argumente.first() == QLatin1String("-h")) {
        Hilfe(argumente.isEmpty() ? stderr : stdout);
        return argumente.isEmpty() ? 2 : 0;
    }
    const QString befehl = argumente.takeFirst();
    if (befehl == QLatin1String("info"))
        return CliInfo(argumente);
    if (befehl == QLatin1String("render"))
        return CliRender(argumente);
    if (befehl == QLatin1String("print"))
        return CliPrint(argumente);
    Hilfe(stderr);
    return 2;
}
