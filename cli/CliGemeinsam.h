#pragma once
// What the sub-commands of sarnix-cli share: exit codes, messages on stderr, opening a flight,
// the language of the messages.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <variant>

class CSarnixDoc;
class Uebersetzung;

namespace cli {

inline constexpr int dateiFehler = 1;     // the recording or the output could not be used
inline constexpr int nutzungsFehler = 2;  // the arguments are wrong

// One line on standard error, whole even when several threads report at once.
void Melde(const QString& text);

// Opens the recording at pfad into doc, "-" from standard input; on failure the German message
// goes to stderr, and to *meldung when given. An IGC log takes the altitude chosen by HoehenOption.
bool Oeffne(CSarnixDoc& doc, const QString& pfad, QString* meldung = nullptr);

// The first steps of every command once its application object stands: the names the settings
// live under, then --sprache and --hoehe taken out of the program's arguments. The arguments
// left after the program's name, or the exit code of a wrong choice; texte keeps the language.
std::variant<QStringList, int> Anfangen(std::unique_ptr<Uebersetzung>& texte);

// A colouring named on the command line: keine, vario, hoehe, wind or temperatur.
std::optional<int8_t> FarbeAus(const QString& text);

// Takes --sprache out of argumente and puts the chosen language in place for as long as texte
// lives. The exit code when the choice is unknown.
std::optional<int> SpracheWaehlen(QStringList& argumente, std::unique_ptr<Uebersetzung>& texte);

// Takes "--hoehe gnss|druck" (or "--hoehe=...") out of the arguments of any sub-command: the
// altitude an IGC log's fixes take. False, with a message, for another value.
bool HoehenOption(QStringList& argumente);
// --temperaturreferenz exakt|physikalisch: 0 or 1, nothing for another word.
std::optional<int> TemperaturReferenzAus(const QString& text);

}  // namespace cli
