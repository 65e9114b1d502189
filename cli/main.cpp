// sarnix-cli: the document as JSON, the window's picture as PNG, the printed map as PDF or PNG,
// the flight as GPX or KML.
// info and the help need Qt Core only; render and print load the drawing module.

#include "cli/Cli.h"
#include "cli/CliBefehl.h"
#include "cli/CliGemeinsam.h"
#include "cli/CliGrafik.h"
#include "language/Sprache.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace {

// Where the running program lies, without an application object (the module makes its own).
QString ProgrammOrdner(const char* argv0)
{
#if defined(Q_OS_WIN)
    wchar_t pfad[MAX_PATH];
    const DWORD laenge = GetModuleFileNameW(nullptr, pfad, MAX_PATH);
    if (laenge > 0 && laenge < MAX_PATH)
        return QFileInfo(QString::fromWCharArray(pfad, static_cast<int>(laenge))).absolutePath();
#elif defined(Q_OS_LINUX)
    const QString pfad = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!pfad.isEmpty())
        return QFileInfo(pfad).absolutePath();
#endif
    return QFileInfo(QFile::decodeName(argv0)).absolutePath();
}

int Grafik(int argc, char** argv)
{
    const QString ordner = ProgrammOrdner(argv[0]);
    // Beside the program in the build and on Windows, in the library folder once installed.
    QString fehler;
    for (const QString& pfad : {ordner + QLatin1Char('/') + QLatin1String(grafikModul),
                                ordner + QStringLiteral("/" SARNIX_MODUL_ORDNER "/") + QLatin1String(grafikModul)}) {
        QLibrary modul(pfad);
        if (!modul.load()) {
            if (fehler.isEmpty())
                fehler = modul.errorString();
            continue;
        }
        if (const auto einstieg = reinterpret_cast<decltype(&SarnixGrafikBefehl)>(modul.resolve(grafikEinstieg)))
            return einstieg(argc, argv);
        fehler = modul.errorString();
    }
    cli::Melde(QCoreApplication::translate("Cli", "Die Zeichenbibliothek von sarnix-cli fehlt: %1").arg(fehler));
    return cli::dateiFehler;
}

bool IstGrafikBefehl(std::string_view befehl) { return befehl == "render" || befehl == "print"; }

// The place of the command among the arguments, past --sprache and its value.
int BefehlsStelle(int argc, char** argv)
{
    int i = 1;
    while (i < argc && std::string_view(argv[i]).starts_with("--sprache"))
        i += std::string_view(argv[i]) == "--sprache" ? 2 : 1;
    return i;
}

}  // namespace

int main(int argc, char* argv[])
{
    const int stelle = BefehlsStelle(argc, argv);
    const std::string_view befehl = stelle < argc ? argv[stelle] : "";
    if (IstGrafikBefehl(befehl))
        return Grafik(argc, argv);
    if (befehl == "help" && stelle + 1 < argc && IstGrafikBefehl(argv[stelle + 1])) {
        // "help render" asks the module for "render --help".
        std::vector<char*> hilfe(argv, argv + stelle);
        char hilfeOption[] = "--help";
        hilfe.push_back(argv[stelle + 1]);
        hilfe.push_back(hilfeOption);
        hilfe.push_back(nullptr);
        return Grafik(static_cast<int>(hilfe.size()) - 1, hilfe.data());
    }

    QCoreApplication app(argc, argv);
    std::unique_ptr<Uebersetzung> texte;
    std::variant<QStringList, int> anfang = cli::Anfangen(texte);
    if (const int* code = std::get_if<int>(&anfang))
        return *code;
    QStringList& argumente = std::get<QStringList>(anfang);

    const auto schreibe = [](std::FILE* ziel, const QString& text) { std::fputs(text.toUtf8().constData(), ziel); };
    if (argumente.isEmpty()) {
        schreibe(stderr, Uebersicht());
        return cli::nutzungsFehler;
    }
    const QString erstes = argumente.takeFirst();
    if (erstes == QLatin1String("--help") || erstes == QLatin1String("-h")) {
        schreibe(stdout, Uebersicht());
        return 0;
    }
    if (erstes == QLatin1String("--version") || erstes == QLatin1String("-v")) {
        schreibe(stdout, Version());
        return 0;
    }
    if (erstes == QLatin1String("--man")) {
        schreibe(stdout, ManSeite());
        return 0;
    }
    if (erstes == QLatin1String("help")) {
        if (argumente.isEmpty()) {
            schreibe(stdout, Uebersicht());
            return 0;
        }
        for (const CliBefehl& b : AlleBefehle())
            if (b.name == argumente.first()) {
                schreibe(stdout, Hilfe(b));
                return 0;
            }
        schreibe(stderr, QCoreApplication::translate("Cli", "sarnix-cli: Unbekannter Befehl: %1\n\n").arg(argumente.first()) + Uebersicht());
        return cli::nutzungsFehler;
    }
    if (erstes == QLatin1String("info"))
        return CliInfo(argumente);
    if (erstes == QLatin1String("export"))
        return CliExport(argumente);
    if (erstes == QLatin1String("score"))
        return CliWertung(argumente);
    schreibe(stderr, QCoreApplication::translate("Cli", "sarnix-cli: Unbekannter Befehl: %1\n\n").arg(erstes) + Uebersicht());
    return cli::nutzungsFehler;
}
