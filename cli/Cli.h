#pragma once
// The sub-commands of sarnix-cli. Each takes the arguments after its name and returns the exit code.

#include <QStringList>

int CliInfo(const QStringList& argumente);
int CliRender(const QStringList& argumente);
int CliPrint(const QStringList& argumente);
int CliExport(const QStringList& argumente);  // needs only a QCoreApplication
int CliWertung(const QStringList& argumente);  // sarnix-cli score

struct Wertung;
class QJsonObject;
// A flight's score as score prints it and info --wertung adds it.
QJsonObject WertungsObjekt(const Wertung& wertung);

class QCommandLineParser;
struct WertungsRegeln;
#include <optional>
// The rule set of --regeln, xcontest without it; nothing for an unknown name.
std::optional<WertungsRegeln> RegelnAus(const QCommandLineParser& parser);
