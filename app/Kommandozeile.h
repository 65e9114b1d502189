#pragma once
// The viewer's command line: an optional recording to open, or the print switches that the
// desktop's "print" and "print to" entries pass.

#include <QString>
#include <QStringList>

struct Kommandozeile {
    enum class Art {
        Leer,        // no argument: the empty window
        Oeffnen,     // a path: open it
        Drucken,     // /p FILE: print on the default printer and exit
        DruckenAuf,  // /pt FILE PRINTER [DRIVER PORT]: print on the named printer and exit
        Fehler,      // a print switch without its file or printer
    };
    Art art = Art::Leer;
    QString datei;
    QString drucker;
};

// argumente without the program's own name. Switches may start with '/' or '-'.
Kommandozeile LiesKommandozeile(const QStringList& argumente);
