#pragma once
// Ties .vrl files to the running viewer at every start: open, print and print to.

#include <QString>

// programm: the viewer's executable. Windows: the classes under HKCU\Software\Classes. Linux:
// the desktop entry and the MIME type in the user's data folder, written only when missing or
// different, and never when programm was installed with its entry in <prefix>/share/applications.
// Returns how many entries were written; silent when nothing can be written.
int RegistriereDateityp(const QString& programm);

// The Exec= value for the desktop entry that starts programm with one file.
QString DesktopExec(const QString& programm);
