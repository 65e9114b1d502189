#include "cli/CliStapel.h"

#include "cli/CliGemeinsam.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace cli {

bool IstOrdner(const QString& ausgabe)
{
    return ausgabe.endsWith(QLatin1Char('/')) || ausgabe.endsWith(QDir::separator())
           || QFileInfo(ausgabe).isDir();
}

std::variant<QStringList, QString> ZieleAus(const QStringList& eingaben, const QString& ausgabe,
                                            const QString& endung)
{
    if (ausgabe.isEmpty())
        return QCoreApplication::translate("Cli", "-o fehlt: wohin soll geschrieben werden?");
    if (!IstOrdner(ausgabe)) {
        if (eingaben.size() > 1)
            return QCoreApplication::translate("Cli", "Mehrere Aufzeichnungen brauchen -o ORDNER/.");
        return QStringList{ausgabe};
    }
    QStringList ziele;
    QSet<QString> vergeben;
    const QDir ordner(ausgabe);
    for (const QString& eingabe : eingaben) {
        if (eingabe == QLatin1String("-"))
            return QCoreApplication::translate("Cli", "Die Standardeingabe hat keinen Namen: sie braucht -o DATEI.");
        const QString ziel = ordner.filePath(QFileInfo(eingabe).completeBaseName() + QLatin1Char('.') + endung);
        // Two inputs of the same name from different folders would overwrite each other.
        if (vergeben.contains(ziel))
            return QCoreApplication::translate("Cli", "Zwei Aufzeichnungen ergäben dieselbe Ausgabe %1.").arg(ziel);
        vergeben.insert(ziel);
        ziele.append(ziel);
    }
    return ziele;
}

int Parallel(qsizetype anzahl, int auftraege, const std::function<int(qsizetype)>& arbeit)
{
    std::atomic<qsizetype> naechste{0};
    std::atomic<int> hoechster{0};
    const auto abarbeiten = [&] {
        for (qsizetype i = naechste++; i < anzahl; i = naechste++) {
            int code = dateiFehler;
            // A file that runs out of memory fails alone; the others are still done.
            try {
                code = arbeit(i);
            } catch (const std::exception& e) {
                Melde(QCoreApplication::translate("Cli", "Die %1. Aufzeichnung konnte nicht verarbeitet werden: %2")
                          .arg(i + 1)
                          .arg(QString::fromLocal8Bit(e.what())));
            }
            int bisher = hoechster.load();
            while (code > bisher && !hoechster.compare_exchange_weak(bisher, code)) {
            }
        }
    };
    const qsizetype faeden = std::clamp<qsizetype>(auftraege, 1, std::max<qsizetype>(anzahl, 1));
    std::vector<std::jthread> helfer;
    try {
        for (qsizetype i = 1; i < faeden; ++i)
            helfer.emplace_back(abarbeiten);
    } catch (const std::system_error&) {
        // Fewer threads than asked for: those running share the files.
    }
    abarbeiten();
    helfer.clear();
    return hoechster.load();
}

}  // namespace cli
