#include "app/CSarnixApp.h"

#include "app/CMainFrame.h"
#include "app/Dateityp.h"
#include "app/EinzelInstanz.h"
#include "app/IgcHoehe.h"
#include "app/Kommandozeile.h"
#include "app/Programmsymbol.h"
#include "print/Drucken.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

CSarnixApp::CSarnixApp(const QString& instanzName)
    : instanz(std::make_unique<EinzelInstanz>(instanzName.isEmpty() ? EinzelInstanz::StandardName()
                                                                    : instanzName))
{
    // Before any settings are touched: ~/.config/Orvexa/sarnix.conf, HKCU\Software\Orvexa\sarnix.
    QCoreApplication::setOrganizationName(QStringLiteral("Orvexa"));
    QCoreApplication::setApplicationName(QStringLiteral("sarnix"));
    QApplication::setWindowIcon(ProgrammSymbol());
}

CSarnixApp::~CSarnixApp() = default;

std::optional<int> CSarnixApp::InitInstance(const QStringList& argumente)
{
    const Kommandozeile befehl = LiesKommandozeile(argumente);
    switch (befehl.art) {
    case Kommandozeile::Art::Fehler:
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("CSarnixApp", "sarnix: /p DATEI oder /pt DATEI DRUCKER [TREIBER ANSCHLUSS]")
                         .toLocal8Bit()
                         .constData());
        return 2;
    case Kommandozeile::Art::Drucken:
    case Kommandozeile::Art::DruckenAuf:
        // Printing never goes to a running viewer: it prints here and ends.
        return DruckeDatei(QFileInfo(befehl.datei).absoluteFilePath(), befehl.drucker, IgcHoeheLesen());
    case Kommandozeile::Art::Leer:
    case Kommandozeile::Art::Oeffnen: break;
    }

    const QString pfad = befehl.art == Kommandozeile::Art::Oeffnen
                             ? QFileInfo(befehl.datei).absoluteFilePath()
                             : QString();
    if (instanz->Uebergeben(pfad))
        return 0;
    instanz->Lauschen();

    RegistriereDateityp(QCoreApplication::applicationFilePath());

    fenster = std::make_unique<CMainFrame>(doc);
    CMainFrame* f = fenster.get();
    QObject::connect(instanz.get(), &EinzelInstanz::angefordert, f, [f](const QString& weiter) {
        if (weiter.isEmpty())
            f->Hervorholen();
        else if (f->OeffneDatei(weiter))
            f->Hervorholen();
    });

    // Read first, so that the command line's file enters the list like any other.
    f->ZuletztLaden();
    // A file named on the command line that cannot be opened ends the start, as it always did.
    if (!pfad.isEmpty() && !f->OeffneDatei(pfad))
        return 1;
    f->FensterZeigen();
    return std::nullopt;
}
