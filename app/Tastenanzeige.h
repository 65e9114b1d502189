#pragma once
// The status bar's lock-key indicators "UF", "NUM" and "RF". Where the platform does not tell the
// state of the lock keys (X11, Wayland) they stay greyed.

#include <QObject>

class QLabel;
class QStatusBar;

class Tastenanzeige : public QObject {
    Q_OBJECT
public:
    explicit Tastenanzeige(QStatusBar& leiste);

    // Shows each indicator active while its lock key is on, greyed otherwise.
    void Aktualisiere();

    // The indicators' texts in the language now in force.
    void Uebersetzen();

    QLabel* umschaltFeststellung() const { return uf; }
    QLabel* num() const { return nm; }
    QLabel* rollen() const { return rf; }

private:
    QLabel* uf;
    QLabel* nm;
    QLabel* rf;
};
