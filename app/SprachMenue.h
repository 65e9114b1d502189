#pragma once
// "S&prache" in a menu: German or English, switched at once and stored for the next starts.

class QMenu;

void BaueSprachMenue(QMenu& menue);
