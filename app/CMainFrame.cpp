#include "app/CMainFrame.h"

#include "app/Befehlstexte.h"
#include "app/CInfoDlg.h"
#include "app/ExportDlg.h"
#include "app/IgcHoehe.h"
#include "app/Programmsymbol.h"
#include "app/SprachMenue.h"
#include "app/Symbolleiste.h"
#include "app/Tastenanzeige.h"
#include "flight/CSarnixDoc.h"
#include "export/Exportieren.h"
#include "print/Drucken.h"
#include "pipeline/Befehle.h"
#include "language/Fehlertexte.h"
#include "view/CSarnixView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

QString Bereit() { return CMainFrame::tr("Bereit"); }
const QString geometrieSchluessel = QStringLiteral("Fenster/Geometrie");

// The wait cursor for as long as a recording is read.
class WarteCursor {
public:
    WarteCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WarteCursor() { QApplication::restoreOverrideCursor(); }
    WarteCursor(const WarteCursor&) = delete;
    WarteCursor& operator=(const WarteCursor&) = delete;
};

QStringList LokalePfade(const QMimeData* daten)
{
    QStringList pfade;
    if (daten == nullptr)
        return pfade;
    for (const QUrl& url : daten->urls())
        if (url.isLocalFile())
            pfade.append(url.toLocalFile());
    return pfade;
}

// All menus below menue, menue included.
QList<QMenu*> MitUntermenues(QMenu* menue)
{
    QList<QMenu*> alle{menue};
    for (QAction* aktion : menue->actions())
        if (aktion->menu() != nullptr)
            alle += MitUntermenues(aktion->menu());
    return alle;
}

}  // namespace

CMainFrame::CMainFrame(CSarnixDoc& dokument, QWidget* parent) : QMainWindow(parent), doc(dokument)
{
    setWindowIcon(ProgrammSymbol());
    setAcceptDrops(true);

    menues = BaueMenues(*menuBar());
    BaueSprachMenue(*menues.ansicht);
    doc.hoehenQuelle = IgcHoeheLesen();
    doc.WaehleOrtszeit(IgcOrtszeitLesen());
    BaueIgcMenue();
    leiste = BaueSymbolleiste(*this);
    BaueTastenkuerzel(*this);

    QStatusBar* status = statusBar();
    tasten = new Tastenanzeige(*status);
    // The idle text returns whenever a highlighted entry lets go of the bar.
    connect(status, &QStatusBar::messageChanged, this, [status](const QString& text) {
        if (text.isEmpty())
            status->showMessage(Bereit());
    });
    status->showMessage(Bereit());

    view = new CSarnixView(doc, this);
    setCentralWidget(view);
    view->setFocus();
    connect(view, &CSarnixView::ansichtGeaendert, this, &CMainFrame::AktualisiereBefehle);
    connect(view, &CSarnixView::meldung, this, [this](const QString& text) { statusBar()->showMessage(text); });

    for (QAction* aktion : findChildren<QAction*>())
        if (aktion->data().isValid())
            Verbinde(aktion);
    for (QMenu* menue : findChildren<QMenu*>())
        connect(menue, &QMenu::aboutToShow, this, &CMainFrame::AktualisiereBefehle);

    AktualisiereZuletzt();
    AktualisiereTitel();
    AktualisiereBefehle();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::MenueleisteNeu()
{
    QList<QMenu*> alte;
    for (QAction* titel : menuBar()->actions())
        if (titel->menu() != nullptr)
            alte.append(titel->menu());
    menuBar()->clear();
    // Later: the click that chose the language is still being handled in one of them.
    for (QMenu* menue : alte)
        menue->deleteLater();

    menues = BaueMenues(*menuBar());
    BaueSprachMenue(*menues.ansicht);
    BaueIgcMenue();
    for (QAction* titel : menuBar()->actions()) {
        for (QMenu* menue : MitUntermenues(titel->menu())) {
            connect(menue, &QMenu::aboutToShow, this, &CMainFrame::AktualisiereBefehle);
            for (QAction* aktion : menue->actions())
                if (aktion->menu() == nullptr && aktion->data().isValid())
                    Verbinde(aktion);
        }
    }
}

void CMainFrame::BaueIgcMenue()
{
    // With "Öffnen", which it acts on: before the first separator.
    QAction* trenner = nullptr;
    for (QAction* aktion : menues.datei->actions())
        if (aktion->isSeparator() && trenner == nullptr)
            trenner = aktion;
    BaueIgcHoehenMenue(*menues.datei, trenner, doc.hoehenQuelle,
                       [this](HoehenQuelle quelle) { IgcHoeheGewaehlt(quelle); });
    BaueIgcZeitMenue(*menues.datei, trenner, doc.ortszeit, [this](bool ortszeit) {
        IgcOrtszeitSchreiben(ortszeit);
        doc.WaehleOrtszeit(ortszeit);
        view->NeuZeichnen();
    });
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // A change of language brings one event per translator: the texts are renewed once.
    if (event->type() == QEvent::LanguageChange && !uebersetzungGeplant) {
        uebersetzungGeplant = true;
        QTimer::singleShot(0, this, &CMainFrame::Uebersetzen);
    }
}

void CMainFrame::Uebersetzen()
{
    uebersetzungGeplant = false;
    MenueleisteNeu();
    UebersetzeSymbolleiste(*leiste);
    tasten->Uebersetzen();
    statusBar()->showMessage(Bereit());
    AktualisiereZuletzt();
    AktualisiereTitel();
    AktualisiereBefehle();
    view->NeuZeichnen();  // titles, legends and the cursor's readout
}

void CMainFrame::Verbinde(QAction* aktion)
{
    const int id = aktion->data().toInt();
    connect(aktion, &QAction::triggered, this, [this, id] { Ausfuehren(id); });
}

void CMainFrame::ZuletztLaden()
{
    liste.Laden();
    AktualisiereZuletzt();
}

bool CMainFrame::OeffneDatei(const QString& pfad)
{
    if (pfad.isEmpty())
        return false;
    const QString absolut = QFileInfo(pfad).absoluteFilePath();
    if (!aktuellerPfad.isEmpty() && GleicheDatei(absolut, aktuellerPfad)) {
        // Already shown: nothing is read again.
        liste.Hinzufuegen(aktuellerPfad);
        AktualisiereZuletzt();
        Hervorholen();
        return true;
    }

    OeffnenFehler fehler = OeffnenFehler::Keiner;
    bool gelesen = false;
    {
        const WarteCursor warten;
        gelesen = doc.OnOpenDocument(absolut.toStdString(), &fehler);
    }
    if (!gelesen) {
        ZeigeFehler(OeffnenFehlerText(fehler, QDir::toNativeSeparators(absolut)));
        return false;
    }
    aktuellerPfad = absolut;
    liste.Hinzufuegen(absolut);
    AktualisiereZuletzt();
    AktualisiereTitel();
    view->DokumentGeoeffnet();
    AktualisiereBefehle();
    return true;
}

void CMainFrame::IgcHoeheGewaehlt(HoehenQuelle quelle)
{
    IgcHoeheSchreiben(quelle);
    doc.hoehenQuelle = quelle;
    // The log shown is read again with the other altitude.
    if (!doc.igc.istIgc || aktuellerPfad.isEmpty())
        return;
    const QString pfad = aktuellerPfad;
    aktuellerPfad.clear();
    if (!OeffneDatei(pfad))
        aktuellerPfad = pfad;
}

void CMainFrame::ZeigeFehler(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("sarnix"), text, QMessageBox::Ok, this);
    box.exec();
}

void CMainFrame::ZeigeHinweis(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("sarnix"), text, QMessageBox::Ok, this);
    box.exec();
}

void CMainFrame::Ausfuehren(int id)
{
    using namespace Befehl;
    const bool flug = doc.geladen != 0;
    switch (id) {
    case Oeffnen: DateiOeffnenDialog(); break;
    case Neu: NeuesDokument(); break;
    case Drucken:
        if (flug)
            DruckenMitDialog(doc, this, GezeigteWertung(), view->Unterlage());
        break;
    case Befehl::Druckvorschau:
        if (flug)
            DruckVorschau(doc, this, GezeigteWertung(), view->Unterlage());
        break;
    case Befehl::Exportieren:
        if (flug)
            Exportieren();
        break;
    case InfoUeber: {
        CInfoDlg info(this);
        info.exec();
        break;
    }
    case Beenden: close(); break;
    case Statusleiste: statusBar()->setVisible(statusBar()->isHidden()); break;
    case Symbolleiste: leiste->setVisible(leiste->isHidden()); break;
    default:
        if (id >= LetzteDatei1 && id < LetzteDatei1 + liste.pfade().size())
            OeffneDatei(liste.pfade().at(id - LetzteDatei1));
        else
            view->Befehl(id);
        break;
    }
    AktualisiereBefehle();
}

std::shared_ptr<const Wertung> CMainFrame::GezeigteWertung() const
{
    // Printed as the window shows it: only with the overlay on.
    const CAnsicht& a = view->ansicht();
    return a.wertungZeigen ? a.wertung : nullptr;
}

void CMainFrame::DateiOeffnenDialog()
{
    QString ordner;
    if (!aktuellerPfad.isEmpty())
        ordner = QFileInfo(aktuellerPfad).absolutePath();
    else if (!liste.pfade().isEmpty())
        ordner = QFileInfo(liste.pfade().first()).absolutePath();
    const QString pfad = QFileDialog::getOpenFileName(
        this, tr("Öffnen"), ordner,
        // IGC logs come as .igc and .IGC; the dialog matches case-sensitively on some systems.
        tr("Flugaufzeichnungen (*.vrl *.igc *.IGC)") + QStringLiteral(";;") + tr("IGC-Dateien (*.igc *.IGC)")
            + QStringLiteral(";;") + tr("Dateityp Sarnix (*.vrl);;Alle Dateien (*.*)"));
    if (!pfad.isEmpty())
        OeffneDatei(pfad);
}

void CMainFrame::Exportieren()
{
    const CAnsicht& zustand = view->ansicht();
    const int8_t farbe = zustand.ansicht.grafik[zustand.aktiveGrafik == 1 ? 1 : 0].farbe;
    const QFileInfo quelle(QString::fromStdString(doc.dateiname));
    const QString vorschlag = quelle.absolutePath() + u'/' + quelle.completeBaseName() + QStringLiteral(".kml");
    const std::optional<ExportZiel> ziel = FrageExportZiel(this, doc, vorschlag, farbe, zustand.temperaturReferenz);
    if (!ziel)
        return;
    ExportErgebnis ergebnis;
    {
        const WarteCursor warten;
        ergebnis = Exportiere(doc, ziel->pfad, ziel->wahl);
    }
    if (!ergebnis.geschrieben) {
        ZeigeFehler(ergebnis.fehler);
        return;
    }
    if (ergebnis.bericht.punkte == 0)
        ZeigeHinweis(HinweisOhnePositionen());
    else if (const std::optional<QString> hinweis = HinweisUngefaerbt(doc, ziel->wahl))
        ZeigeHinweis(*hinweis);
}

void CMainFrame::NeuesDokument()
{
    // The document keeps its flight; only the window forgets the file's name.
    if (!doc.OnNewDocument())
        return;
    aktuellerPfad.clear();
    AktualisiereTitel();
}

void CMainFrame::FensterZeigen()
{
    const QByteArray gemerkt = QSettings().value(geometrieSchluessel).toByteArray();
    if (!gemerkt.isEmpty() && restoreGeometry(gemerkt)) {
        show();
        return;
    }
    const QRect bildschirm = screen()->availableGeometry();
    resize(bildschirm.size() * 2 / 3);
    move(bildschirm.center() - rect().center());
    showMaximized();
}

void CMainFrame::Hervorholen()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void CMainFrame::AktualisiereTitel()
{
    const QString name =
        aktuellerPfad.isEmpty() ? tr("Unbenannt") : QFileInfo(aktuellerPfad).fileName();
    setWindowTitle(name + QStringLiteral(" - Sarnix"));
}

void CMainFrame::AktualisiereZuletzt()
{
    for (QAction* neu : ZeigeZuletzt(menues, liste.pfade()))
        Verbinde(neu);
}

bool CMainFrame::Aktiv(int id) const
{
    using namespace Befehl;
    switch (id) {
    case Drucken:
    case Befehl::Druckvorschau:
    case Befehl::Exportieren: return doc.geladen != 0;
    case Oeffnen:
    case Neu:
    case InfoUeber:
    case Beenden:
    case Statusleiste:
    case Symbolleiste: return true;
    default: return (id >= LetzteDatei1 && id < LetzteDatei1 + Zuletzt::groesse) || view->BefehlAktiv(id);
    }
}

bool CMainFrame::Markiert(int id) const
{
    switch (id) {
    case Befehl::Statusleiste: return !statusBar()->isHidden();
    case Befehl::Symbolleiste: return !leiste->isHidden();
    default: return view->BefehlMarkiert(id);
    }
}

void CMainFrame::AktualisiereBefehle()
{
    for (QAction* aktion : findChildren<QAction*>()) {
        if (!aktion->data().isValid())
            continue;
        const int id = aktion->data().toInt();
        aktion->setEnabled(Aktiv(id));
        if (aktion->isCheckable())
            aktion->setChecked(Markiert(id));
    }
    // Without a flight the graph menu is grey from top to bottom, so its submenus stay shut;
    // the toolbar's buttons of the same commands stay usable.
    const bool flug = doc.geladen != 0;
    for (QAction* aktion : menues.grafik->actions())
        if (!flug || aktion->menu() != nullptr)
            aktion->setEnabled(flug);
    for (QMenu* menue : MitUntermenues(menues.grafik))
        if (menue != menues.grafik)
            menue->menuAction()->setEnabled(flug);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    liste.Speichern();
    QSettings().setValue(geometrieSchluessel, saveGeometry());
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LokalePfade(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event)
{
    if (!LokalePfade(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList pfade = LokalePfade(event->mimeData());
    if (pfade.isEmpty())
        return;
    event->acceptProposedAction();
    // The first regular file; a lone folder goes through the open as well, which names the fault.
    QString wahl = pfade.first();
    for (const QString& pfad : pfade) {
        if (QFileInfo(pfad).isFile()) {
            wahl = pfad;
            break;
        }
    }
    // After the drop has finished, so that the source is not kept waiting by a message box.
    QTimer::singleShot(0, this, [this, wahl] {
        Hervorholen();
        OeffneDatei(wahl);
    });
}
