#pragma once
// The main window with its document for the shell's tests, small recordings, and a catcher for
// the next message box.

#include "app/CMainFrame.h"
#include "flight/CSarnixDoc.h"

#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QMenu;

namespace test {

// A loadable flight of `fixes` fixes, all at altitude `hoehe` metres.
std::string Flug(int hoehe, int fixes = 20);
// The recording written to a fresh temporary .vrl file.
QString FlugDatei(int hoehe, int fixes = 20);

// Window and document as the program builds them; the recent-file list starts empty and loaded.
struct Fenster {
    Fenster();
    ~Fenster();
    CSarnixDoc doc;
    std::unique_ptr<CMainFrame> rahmen;
};

// Empties the recent-file list in the settings.
void ZuletztLeeren();

// What the next message box said; it is closed with OK as soon as it shows.
struct Meldung {
    bool gesehen = false;
    QString titel;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
};
std::shared_ptr<Meldung> FangeMeldung();

// Calls tun with the active modal window until it returns true (it should close the window).
// After five seconds any modal window left is closed, so that a test never hangs.
void BeiModalemFenster(std::function<bool(QWidget*)> tun);

// The entries of a menu, one per line: "---" for a separator, "Titel >" before the indented
// entries of a submenu, "(grau)" after a disabled entry.
QStringList Struktur(const QMenu* menue, const QString& einzug = QString());

}  // namespace test
