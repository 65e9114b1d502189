#include "cli/CliGrafik.h"

#include "cli/Cli.h"
#include "cli/CliGemeinsam.h"
#include "language/Sprache.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

extern "C" Q_DECL_EXPORT int SarnixGrafikBefehl(int argc, char** argv)
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
    QGuiApplication app(argc, argv);
    std::unique_ptr<Uebersetzung> texte;
    std::variant<QStringList, int> anfang = cli::Anfangen(texte);
    if (const int* code = std::get_if<int>(&anfang))
        return *code;
    QStringList& argumente = std::get<QStringList>(anfang);
    const QString befehl = argumente.takeFirst();
    return befehl == QLatin1String("render") ? CliRender(argumente) : CliPrint(argumente);
}
