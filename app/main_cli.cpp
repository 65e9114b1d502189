// sarnix-cli: the document as JSON, the window's picture as PNG, the printed map as PDF or PNG,
// the flight as GPX or KML.

#include "app/Cli.h"
#include "sprache/Sprache.h"

#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <memory>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

void Hilfe(FILE* ziel)
{
    const QString text = QCoreApplication::translate(
        "Cli", "Aufruf: sarnix-cli info FILE [--fixes] [--profile]\n"
               "        sarnix-cli render FILE -o OUT.png [--size WxH] [--panes 1|2]\n"
               "                   [--left KIND[:COLOUR]] [--right KIND[:COLOUR]] [--zeitmarken]\n"
               "                   [--wegpunkte] [--verkleinern N] [--zoom LMIN,BMIN,LMAX,BMAX]\n"
               "                   [--skalierung F]\n"
               "        sarnix-cli print FILE -o OUT.pdf|OUT.png [--dpi N] [--page A4|A3|Letter]\n"
               "                   [--landscape] [--massstab N] [--ohne-zeitmarken]\n"
               "        sarnix-cli export FILE -o OUT.gpx|OUT.kml [--farbe keine|vario|hoehe|wind|temperatur]\n"
               "                   [--zeitzone ZONE]\n"
               "Jeder Befehl nimmt --sprache de|en für die Sprache der Meldungen.\n");
    std::fputs(text.toLocal8Bit().constData(), ziel);
}

// Whether the sub-command, the first argument apart from the language, is export.
bool IstExport(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--sprache") == 0)
            ++i;
        else if (qstrncmp(argv[i], "--sprache=", 10) != 0)
            return qstrcmp(argv[i], "export") == 0;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Headless by default: no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Outside a desktop session (a server, a cron job) there is no runtime folder; the private
    // one Qt would fall back to, made here, spares every call a warning about it.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString ordner = QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(getuid());
        if (QDir().mkpath(ordner)
            && QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                 | QFileDevice::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ordner));
    }
#endif
    // Export draws nothing: it starts without a graphical application.
    std::unique_ptr<QCoreApplication> app;
    if (IstExport(argc, argv))
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QGuiApplication>(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvexa"));
    QCoreApplication::setApplicationName(QStringLiteral("sarnix"));

    QStringList argumente = QCoreApplication::arguments().mid(1);
    const SprachArgument sprache = NimmSprachArgument(argumente);
    if (sprache.gegeben && !sprache.sprache) {
        std::fputs("sarnix-cli: --sprache de|en\n", stderr);
        return 2;
    }
    const Uebersetzung texte(GewaehlteSprache(sprache));
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
    if (befehl == QLatin1String("export"))
        return CliExport(argumente);
    Hilfe(stderr);
    return 2;
}
