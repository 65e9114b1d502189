#pragma once
// Ties .vrl and .igc files to the running viewer at every start: open, print and print to.

#include <QString>

// programm: the viewer's executable. Windows: the classes under HKCU\Software\Classes. Linux:
// the MIME type and the desktop entry "Sarnix (Build)" (sarnix-build.desktop) in the user's data
// folder, written only when missing or different; nothing while the package's sarnix.desktop is
// installed, whose place a build never takes: an entry of a build under that name is removed.
// Returns how many entries were written; silent when nothing can be written.
int RegistriereDateityp(const QString& programm);

// The Exec= value for the desktop entry that starts programm with one file.
QString DesktopExec(const QString& programm);
