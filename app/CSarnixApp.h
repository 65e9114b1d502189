#pragma once
// The application: names for the settings, and start-up.

#include "flight/CSarnixDoc.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class CMainFrame;
class EinzelInstanz;

class CSarnixApp {
public:
    // Needs the QApplication. instanzName: the single-instance server (tests use their own).
    explicit CSarnixApp(const QString& instanzName = QString());
    ~CSarnixApp();
    CSarnixApp(const CSarnixApp&) = delete;
    CSarnixApp& operator=(const CSarnixApp&) = delete;

    // Start-up with the arguments after the program's name. Returns the exit code when the
    // program is done already (printed, handed over to the running viewer, failed), or nothing
    // when the window is up and the event loop should run.
    std::optional<int> InitInstance(const QStringList& argumente);

    CMainFrame* hauptfenster() const { return fenster.get(); }
    CSarnixDoc& dokument() { return doc; }

private:
    std::unique_ptr<EinzelInstanz> instanz;
    CSarnixDoc doc;
    std::unique_ptr<CMainFrame> fenster;  // destroyed before the document; its view saves settings
};
