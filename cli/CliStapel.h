#pragma once
// Many recordings in one call: where each output goes, and working through them on N threads.

#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

namespace cli {

// The output of every input: -o FILE for a single input, -o FOLDER/ (or an existing folder) for
// any number, there named after the input with endung. A fault for the user otherwise.
std::variant<QStringList, QString> ZieleAus(const QStringList& eingaben, const QString& ausgabe,
                                            const QString& endung);

// True when ausgabe names a folder rather than a file.
bool IstOrdner(const QString& ausgabe);

// Runs arbeit(0) .. arbeit(anzahl - 1) on at most auftraege threads, each index once; the
// highest exit code any of them returned. An exception of arbeit(i) is reported on stderr and
// counts as a file error; threads that cannot be started leave the work to the others.
int Parallel(qsizetype anzahl, int auftraege, const std::function<int(qsizetype)>& arbeit);

}  // namespace cli
