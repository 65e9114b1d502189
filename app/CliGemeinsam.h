#pragma once
// What the sub-commands of sarnix-cli share: exit codes, messages on stderr, opening a flight.

#include <QString>

class CSarnixDoc;

namespace cli {

inline constexpr int dateiFehler = 1;     // the recording or the output could not be used
inline constexpr int nutzungsFehler = 2;  // the arguments are wrong

// One line on standard error.
void Melde(const QString& text);

// Opens the recording at pfad into doc; on failure the German message goes to stderr.
bool Oeffne(CSarnixDoc& doc, const QString& pfad);

}  // namespace cli
