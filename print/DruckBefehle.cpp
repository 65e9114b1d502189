// The print command, the print preview and printing a file named on the command line.

#include "print/Drucken.h"

#include "flight/CSarnixDoc.h"
#include "print/CDruckDlg.h"
#include "printmap/KartenLage.h"
#include "printmap/Seitenplan.h"
#include "printmap/SeitenMass.h"
#include "language/Fehlertexte.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>
#include <functional>
#include <optional>

namespace {

// The scale dialog; it has no cancel, so however it closes, its members are the choice.
DruckWahl FrageImDialog(int vorschlag, QWidget* eltern, const std::function<int(int)>& seitenZahl,
                        const std::shared_ptr<const Wertung>& wertung, const DruckUnterlage& unterlage)
{
    CDruckDlg dialog(eltern);
    dialog.massstab = vorschlag;
    dialog.seitenZahl = seitenZahl;
    dialog.exec();
    return {dialog.massstab, dialog.mitZeitmarken, wertung, unterlage};
}

// The dialog shows how many pages each scale needs on the printer's current page.
MassstabFrage DialogFrage(QWidget* eltern, const CSarnixDoc* doc = nullptr, const QPrinter* drucker = nullptr,
                          std::shared_ptr<const Wertung> wertung = {}, DruckUnterlage unterlage = {})
{
    QWidget* fenster = eltern ? eltern->window() : nullptr;
    std::function<int(int)> seitenZahl;
    if (doc && drucker)
        seitenZahl = [doc, drucker](int massstab) {
            const std::optional<SeitenMass> mass = DruckerMass(*drucker);
            return mass ? SeitenAnzahl(*doc, *mass, massstab) : 1;
        };
    return [fenster, seitenZahl, wertung, unterlage](int vorschlag) {
        return FrageImDialog(vorschlag, fenster, seitenZahl, wertung, unterlage);
    };
}

bool MitBildschirm()
{
    const QString plattform = QGuiApplication::platformName();
    return qobject_cast<QApplication*>(QCoreApplication::instance())
           && plattform != QLatin1String("offscreen") && plattform != QLatin1String("minimal");
}

// Started from the file manager, the user sees no terminal: the message goes to both.
void Melden(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    if (MitBildschirm())
        QMessageBox::warning(nullptr, QStringLiteral("sarnix"), text);
}

std::optional<QPrinterInfo> DruckerWaehlen(const QString& name)
{
    if (!name.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        if (info.isNull()) {
            Melden(QCoreApplication::translate("DruckBefehle", "Der Drucker \"%1\" ist nicht vorhanden: nichts gedruckt.").arg(name));
            return std::nullopt;
        }
        return info;
    }
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> alle = QPrinterInfo::availablePrinters();
        if (!alle.isEmpty())
            info = alle.first();
    }
    if (info.isNull()) {
        Melden(QCoreApplication::translate("DruckBefehle", "Kein Drucker eingerichtet: nichts gedruckt."));
        return std::nullopt;
    }
    return info;
}

}  // namespace

void DruckenMitDialog(const CSarnixDoc& doc, QWidget* eltern, std::shared_ptr<const Wertung> wertung,
                      DruckUnterlage unterlage)
{
    if (!doc.geladen)
        return;
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, eltern);
    // The pages follow from the scale, which is asked afterwards: all of them are printed.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SeiteDrucken(doc, drucker, DialogFrage(eltern, &doc, &drucker, std::move(wertung), unterlage));
}

void DruckVorschau(const CSarnixDoc& doc, QWidget* eltern, std::shared_ptr<const Wertung> wertung,
                   DruckUnterlage unterlage)
{
    if (!doc.geladen)
        return;
    QPrinter drucker(QPrinter::HighResolution);
    QPrintPreviewDialog vorschau(&drucker, eltern);
    const MassstabFrage dialogFrage = DialogFrage(eltern, &doc, &drucker, wertung, unterlage);

    // The preview repaints often: the scale is asked once, and again only when a change of
    // page makes another proposal.
    std::optional<std::pair<int, DruckWahl>> gewaehlt;
    bool fragt = false;
    const MassstabFrage frage = [&](int vorschlag) {
        if (gewaehlt && gewaehlt->first == vorschlag)
            return gewaehlt->second;
        if (fragt)
            return DruckWahl{vorschlag, 1, wertung, unterlage};
        fragt = true;
        gewaehlt.emplace(vorschlag, dialogFrage(vorschlag));
        fragt = false;
        return gewaehlt->second;
    };
    // Asked before the preview shows, so the dialog does not open in the middle of its painting.
    if (const std::optional<SeitenMass> mass = DruckerMass(drucker))
        frage(Entwerfen(doc, mass->breiteMm, mass->hoeheMm).vorschlag);

    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                     [&](QPrinter* seite) { SeiteDrucken(doc, *seite, frage); });
    vorschau.exec();
}

int DruckeDatei(const QString& datei, const QString& druckerName, HoehenQuelle hoehe)
{
    CSarnixDoc doc;
    doc.hoehenQuelle = hoehe;
    const std::string pfad = datei.toStdString();
    OeffnenFehler fehler = OeffnenFehler::Keiner;
    if (!doc.OnOpenDocument(pfad, &fehler)) {
        Melden(OeffnenFehlerText(fehler, datei));
        return 1;
    }
    if (!doc.geladen) {
        Melden(QCoreApplication::translate("DruckBefehle", "Keine Flugaufzeichnung: nichts zu drucken."));
        return 1;
    }
    const std::optional<QPrinterInfo> info = DruckerWaehlen(druckerName);
    if (!info)
        return 1;
    QPrinter drucker(*info, QPrinter::HighResolution);
    drucker.setDocName(QFileInfo(datei).fileName());
    KartenInfo karte;
    SeiteDrucken(doc, drucker, DialogFrage(nullptr, &doc, &drucker), &karte);
    if (karte.massstab == 0) {
        Melden(QCoreApplication::translate("DruckBefehle", "Der Drucker \"%1\" nimmt keine Seite an: nichts gedruckt.")
                   .arg(info->printerName()));
        return 1;
    }
    return 0;
}
