#pragma once
// The menu bar of the main window with every German entry, and the keys without an entry.

#include <QList>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

struct Menues {
    QMenu* datei = nullptr;
    QMenu* ansicht = nullptr;
    QMenu* grafik = nullptr;
    QMenu* hilfe = nullptr;
    QAction* zuletztOben = nullptr;   // separator above the recent files
    QAction* zuletztUnten = nullptr;  // separator below them
};

// Fills the bar. Every command entry carries its id (view/Befehle.h) as data and its status text.
Menues BaueMenues(QMenuBar& leiste);

// F1 (about box) and Ctrl+N (new) as actions of the window, carrying their ids; and the editing
// keys of the classic accelerator table, which do nothing here: the program never writes a file.
void BaueTastenkuerzel(QWidget& fenster);

// Replaces the recent-file entries: "&1 path" ... newest first, or the grayed "Letzte Datei".
// Returns the new entries, which carry the ids 57616 and up.
QList<QAction*> ZeigeZuletzt(const Menues& menues, const QStringList& pfade);
