#pragma once
// The toolbar: open, print, about | fit, zoom in, zoom out | kind of the selected pane |
// flight information | colour mode of the selected pane.

class QMainWindow;
class QToolBar;

// Adds the toolbar at the top of the window. Every button carries its command id as data, its
// picture, its status text and a short tool tip.
QToolBar* BaueSymbolleiste(QMainWindow& fenster);

// Title, tool tips and status texts anew, in the language now in force.
void UebersetzeSymbolleiste(QToolBar& leiste);
