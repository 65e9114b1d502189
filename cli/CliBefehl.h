#pragma once
// A sub-command's options and texts: parsed with QCommandLineParser, explained in German. The
// tables know no drawing, so sarnix-cli can answer --help without loading Qt Gui.

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct CliOption {
    QStringList namen;  // "o", "size": one letter gives -o, more give --size
    QString wert;       // the value's name in the usage; empty for a switch
    QString text;
};

struct CliBefehl {
    QString name;
    QString aufruf;  // what follows the command's name in the usage line
    QString zweck;   // one line
    QList<CliOption> optionen;
    QString anhang;  // lines after the options, e.g. the values a KIND may take
};

CliBefehl InfoBefehl();
CliBefehl RenderBefehl();
CliBefehl PrintBefehl();
CliBefehl ExportBefehl();
CliBefehl WertungBefehl();
QList<CliBefehl> AlleBefehle();

// The usage of one command, and the overview of all, as --help prints them.
QString Hilfe(const CliBefehl& befehl);
QString Uebersicht();
QString Version();
// The manual page (troff) made from the same tables, so it never tells other options than --help.
QString ManSeite();

// Parses the arguments after the command's name into parser. Nothing when the command may run
// (every command reads at least one recording); otherwise the exit code, after the usage went to
// stdout (--help) or the fault and the usage to stderr.
std::optional<int> Lies(const CliBefehl& befehl, const QStringList& argumente, QCommandLineParser& parser);

// Reports a fault in the arguments with the command's usage on stderr; the exit code for it.
int Nutzungsfehler(const CliBefehl& befehl, const QString& text);

// --temperaturreferenz, checked by Lies: 0 for the instrument's reference (also without the
// option), 1 for the physical one.
int TemperaturReferenz(const QCommandLineParser& parser);

// -j N, checked by Lies; without it as many as the machine has cores.
int Auftraege(const QCommandLineParser& parser);
