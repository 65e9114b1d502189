#pragma once
// The program's icon: a glider over a climbing track coloured from blue to red. Drawn in code;
// res/icons/sarnix.svg shows the same picture for the desktop.

#include <QIcon>
#include <QPixmap>

QPixmap ProgrammBild(int groesse);
QIcon ProgrammSymbol();
