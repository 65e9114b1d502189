#pragma once
// "&Sprache" in a menu: German or English, stored for the next start.

class QMenu;
class QWidget;

void BaueSprachMenue(QMenu& menue, QWidget& fenster);
