#pragma once
// The main window: menu bar, toolbar, status bar and the graph view; opens recordings from the
// open dialog, the recent-file list, the command line, a drop or a later start.

#include "app/Menues.h"
#include "app/Zuletzt.h"
#include "flight/Igc.h"

#include <QMainWindow>
#include <memory>

class CSarnixDoc;
class CSarnixView;
class QAction;
class Tastenanzeige;
struct Wertung;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CSarnixDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CSarnixView* ansicht() const { return view; }
    QToolBar* symbolleiste() const { return leiste; }
    Tastenanzeige* tastenanzeige() const { return tasten; }
    const Zuletzt& zuletzt() const { return liste; }

    // Reads the recent-file list; until then opened files do not enter it.
    void ZuletztLaden();

    // The one way to open a recording. The file already shown is not read again. A failure is
    // reported in a message box and leaves the previous flight. True when the file is shown.
    bool OeffneDatei(const QString& pfad);

    // Runs a command of menu, toolbar or key by its id.
    void Ausfuehren(int id);

    // Shows the window with the size, place and maximised state it had when it was last closed;
    // the first time maximised, with a normal size of two thirds of the screen to come back to.
    void FensterZeigen();

    // Brings the window to the front, also out of the minimized state.
    void Hervorholen();

    // Refreshes enabling and check marks of every entry and button.
    void AktualisiereBefehle();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Verbinde(QAction* aktion);
    void MenueleisteNeu();  // the menus in the language now in force
    void Uebersetzen();
    void DateiOeffnenDialog();
    void Exportieren();
    void NeuesDokument();
    void AktualisiereTitel();
    void AktualisiereZuletzt();
    void ZeigeFehler(const QString& text);
    void ZeigeHinweis(const QString& text);
    void BaueIgcMenue();
    void IgcHoeheGewaehlt(HoehenQuelle quelle);
    bool Aktiv(int id) const;
    bool Markiert(int id) const;
    std::shared_ptr<const Wertung> GezeigteWertung() const;

    CSarnixDoc& doc;
    CSarnixView* view = nullptr;
    QToolBar* leiste = nullptr;
    Tastenanzeige* tasten = nullptr;
    Menues menues;
    Zuletzt liste;
    QString aktuellerPfad;  // empty: "Unbenannt"
    bool uebersetzungGeplant = false;
};
