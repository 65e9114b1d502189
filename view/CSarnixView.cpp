#include "view/CSarnixView.h"

#include "view/CFlugInfoDlg.h"
#include "flight/CSarnixDoc.h"
#include "render/Zeichenflaeche.h"
#include "pipeline/Befehle.h"
#include "view/CKonfigDlg.h"
#include "pipeline/Einstellungen.h"
#include "render/Gelaende.h"
#include "pipeline/Layout.h"
#include "pipeline/SpurCursor.h"
#include "pipeline/Zeichnen.h"
#include "pipeline/Zoom.h"
#include "view/ZoomCursor.h"
#include "view/CFlugphasenDlg.h"
#include "view/CWertungDlg.h"
#include "view/WertungsRechner.h"
#include "pipeline/ZeitSpanne.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPainter>
#include <QTimerEvent>
#include <QWheelEvent>
#include <cstdlib>
#include <map>
#include <optional>

// The cursor's window timers 1..3 on Qt timers, whose ids are Qt's own.
class CSarnixView::Uhr final : public CursorUhr {
public:
    explicit Uhr(QObject& fenster) : besitzer(fenster) {}

    void Starte(int id, int periodeMs) override
    {
        Stoppe(id);
        qtIds[id] = besitzer.startTimer(periodeMs);
    }

    void Stoppe(int id) override
    {
        const auto it = qtIds.find(id);
        if (it == qtIds.end())
            return;
        besitzer.killTimer(it->second);
        qtIds.erase(it);
    }

    // The cursor's id of a Qt timer, 0 when the timer is not the cursor's.
    int CursorId(int qtId) const
    {
        for (const auto& [id, qt] : qtIds)
            if (qt == qtId)
                return id;
        return 0;
    }

private:
    QObject& besitzer;
    std::map<int, int> qtIds;
};

namespace {

constexpr int keinePfeiltaste = 0xFF;  // any key but the two arrows

int TastenCode(int qtTaste)
{
    switch (qtTaste) {
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    default: return keinePfeiltaste;
    }
}

std::optional<Sprung> SprungVon(const QKeyEvent* event)
{
    const bool umschalt = event->modifiers().testFlag(Qt::ShiftModifier);
    const bool strg = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
    case Qt::Key_Home: return Sprung::Anfang;
    case Qt::Key_End: return Sprung::Ende;
    case Qt::Key_PageDown: return Sprung::MinuteVor;
    case Qt::Key_PageUp: return Sprung::MinuteZurueck;
    case Qt::Key_Right:
        return strg ? std::optional(Sprung::PhaseVor) : umschalt ? std::optional(Sprung::ZehnVor) : std::nullopt;
    case Qt::Key_Left:
        return strg ? std::optional(Sprung::PhaseZurueck) : umschalt ? std::optional(Sprung::ZehnZurueck) : std::nullopt;
    default: return std::nullopt;
    }
}

Punkt PunktVon(const QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    return Punkt{p.x(), p.y()};
}

}  // namespace

CSarnixView::CSarnixView(CSarnixDoc& d, QWidget* parent)
    : QWidget(parent),
      doc(d),
      uhr(std::make_unique<Uhr>(*this)),
      spurCursor(std::make_unique<CSpurCursor>(doc, zustand, spur, *uhr))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    zustand.karte = karte.Dienst();
    // Tiles arrive in bursts: each burst is one redraw, cursor and rubber band included.
    connect(&karte, &KartenAnzeige::neuZeichnen, this, &CSarnixView::NeuZeichnen);
    rechner = new WertungsRechner(this);
    connect(rechner, &WertungsRechner::fertig, this, [this](std::shared_ptr<const Wertung> w) {
        zustand.wertung = w;
        if (wertungDlg)
            wertungDlg->ZeigeErgebnis(*w, doc.zeitBezug);
        if (zustand.wertungZeigen)
            NeuZeichnen();
    });
    connect(rechner, &WertungsRechner::abgebrochen, this, [this] {
        if (wertungDlg)
            wertungDlg->ZeigeAbgebrochen();
    });
}

CSarnixView::~CSarnixView()
{
    // Settings never read (the view was never drawn) are not overwritten with the defaults.
    if (!zustand.einstellungenLaden)
        EinstellungenSchreiben(zustand);
}

template <typename Schritt>
void CSarnixView::AufLeinwand(Schritt&& schritt)
{
    if (bild.isNull())
        return;
    {
        QPainter maler(&bild);
        Zeichenflaeche flaeche(maler);
        schritt(flaeche);
    }
    update();
}

bool CSarnixView::LeinwandPassend()
{
    // Compared with the size asked for, not one read back: below ratio 1 that may round.
    const qreal verhaeltnis = devicePixelRatioF();
    if (leinwandFuer == size() && bild.devicePixelRatio() == verhaeltnis)
        return false;
    bild = Leinwand(width(), height(), verhaeltnis);
    leinwandFuer = size();
    return true;
}

bool CSarnixView::VorDemZeichnen()
{
    const bool lesen = zustand.einstellungenLaden != 0;
    if (lesen) {
        EinstellungenLesen(zustand);
        zustand.einstellungenLaden = 0;
    }
    return lesen;
}

void CSarnixView::LeinwandZeichnen()
{
    if (bild.isNull())
        return;
    const bool ersterLauf = VorDemZeichnen();
    ::NeuZeichnen(doc, zustand, bild, &spur);
    GelaendeAnfordern();
    // A band being dragged is part of what the user sees; it must survive the redraw.
    if (zustand.zoomZiehen)
        AufLeinwand([&](Zeichenflaeche& f) { BandErneuern(zustand, f); });
    if (ersterLauf)
        emit ansichtGeaendert();  // the stored settings are in force now
}

void CSarnixView::NeuZeichnen()
{
    LeinwandPassend();
    LeinwandZeichnen();
    update();
}

void CSarnixView::Zeichnen()
{
    // Settings read just now may change the panes: then everything is drawn anew.
    if (zustand.einstellungenLaden) {
        if (!bild.isNull())
            NeuZeichnen();
        return;
    }
    VorDemZeichnen();
    AufLeinwand([&](Zeichenflaeche& f) { ::Zeichnen(doc, zustand, f, &spur); });
}

void CSarnixView::DokumentGeoeffnet()
{
    NeuerFlug(spur);
    zustand.gelaende.reset();
    ++gelaendeAuftrag;
    gelaendeLiest = false;
    zustand.ausdehnungUebernommen = 0;
    // The score of the flight before must neither arrive nor be drawn over this one.
    rechner->Abbrechen();
    zustand.wertung.reset();
    NeuZeichnen();
    if (wertungDlg && wertungDlg->isVisible())
        WertungStarten();
    else
        WertungBeschaffen();
    emit ansichtGeaendert();
}

bool CSarnixView::Befehl(int id)
{
    if (id == Befehl::Karte) {
        karte.Schalten(!karte.An());
        zustand.karte = karte.Dienst();
        NeuZeichnen();
        emit ansichtGeaendert();
        return true;
    }
    switch (BefehlAnwenden(zustand, doc, id)) {
    case BefehlFolge::Unbekannt:
        return false;
    case BefehlFolge::Nichts:
        break;
    case BefehlFolge::NeuZeichnen:
        NeuZeichnen();
        break;
    case BefehlFolge::Zeichnen:
        Zeichnen();
        break;
    case BefehlFolge::ZoomScharf:
        ZoomScharfStellen();
        break;
    case BefehlFolge::FlugInfo:
        FlugInfoZeigen();
        break;
    case BefehlFolge::Konfiguration:
        KonfigurationZeigen();
        break;
    case BefehlFolge::Flugphasen:
        FlugphasenZeigen();
        break;
    case BefehlFolge::Wertung:
        WertungDialog();
        break;
    }
    if (id == ::Befehl::WertungZeigen)
        WertungBeschaffen();
    emit ansichtGeaendert();
    return true;
}

bool CSarnixView::BefehlAktiv(int id) const
{
    return id == Befehl::Karte || ::BefehlAktiv(zustand, doc, id);
}

bool CSarnixView::BefehlMarkiert(int id) const
{
    return id == Befehl::Karte ? karte.An() : ::BefehlMarkiert(zustand, id);
}

void CSarnixView::ZoomScharfStellen()
{
    if (isVisible())
        grabMouse(ZoomCursor());
    else
        setCursor(ZoomCursor());
    mausGefangen = true;
    zustand.zoomBereit = 1;
}

void CSarnixView::ZoomBeenden()
{
    if (isVisible())
        releaseMouse();
    unsetCursor();
    mausGefangen = false;
}

void CSarnixView::FlugInfoZeigen()
{
    CFlugInfoDlg::Zeige(doc, this, GelaendeInfo(doc, zustand.gelaende.get()));
}

void CSarnixView::KonfigurationZeigen()
{
    CKonfigDlg dialog(this);
    const auto& g = zustand.ansicht.grafik;
    dialog.linkeAnsicht = dialog.linkeAnsichtAlt = g[0].art;
    dialog.linkeFarbe = dialog.linkeFarbeAlt = g[0].farbe;
    dialog.rechteAnsicht = dialog.rechteAnsichtAlt = g[1].art;
    dialog.rechteFarbe = dialog.rechteFarbeAlt = g[1].farbe;
    dialog.anzahl = dialog.anzahlAlt = zustand.grafikanzahl;
    dialog.temperaturReferenz = dialog.temperaturReferenzAlt = static_cast<int8_t>(zustand.temperaturReferenz);
    dialog.gelaendeOrdner = dialog.gelaendeOrdnerAlt = GelaendeOrdner();
    connect(&dialog, &CKonfigDlg::karteBearbeiten, this, [this, &dialog] {
        karte.Bearbeiten(&dialog);
        zustand.karte = karte.Dienst();
    });
    dialog.exec();
    // Cancel has put the values at opening back, so both ways end the same.
    auto& neu = zustand.ansicht.grafik;
    neu[0].art = dialog.linkeAnsicht;
    neu[0].farbe = dialog.linkeFarbe;
    neu[1].art = dialog.rechteAnsicht;
    neu[1].farbe = dialog.rechteFarbe;
    zustand.grafikanzahl = dialog.anzahl;
    zustand.temperaturReferenz = static_cast<TemperaturReferenzArt>(dialog.temperaturReferenz);
    GelaendeOrdnerSetzen(dialog.gelaendeOrdner);
    NeuZeichnen();
}

void CSarnixView::GelaendeAnfordern()
{
    const QString ordner = GelaendeOrdner();
    if (!gelaende || gelaende->Ordner() != ordner.toStdString()) {
        // Another folder: what was read from the one before no longer counts.
        gelaende.reset();
        if (!ordner.isEmpty())
            gelaende.emplace(ordner.toStdString());
        zustand.gelaende.reset();
        ++gelaendeAuftrag;
        gelaendeLiest = false;
    }
    const bool relief = zustand.gelaendeRelief != 0;
    if (!gelaende || !doc.geladen || gelaendeLiest ||
        (zustand.gelaende && GelaendeAktuell(*zustand.gelaende, doc, zustand, relief)))
        return;
    gelaendeLiest = true;
    const int auftrag = gelaendeAuftrag;
    QPointer<CSarnixView> ziel(this);
    gelaende->Lies(doc, zustand, zustand.gelaende, relief, [ziel, auftrag](auto gelesen, auto hinweise) {
        // Back on the window's thread; a window closed meanwhile takes nothing.
        QMetaObject::invokeMethod(
            qApp, [ziel, auftrag, gelesen, hinweise] {
                if (ziel)
                    ziel->GelaendeGelesen(auftrag, gelesen, hinweise);
            },
            Qt::QueuedConnection);
    });
}

void CSarnixView::GelaendeGelesen(int auftrag, std::shared_ptr<const GelaendeAnsicht> gelesen,
                                  const std::vector<QString>& hinweise)
{
    if (auftrag != gelaendeAuftrag)
        return;
    if (!hinweise.empty() && hinweise.back() != gelaendeHinweis) {
        gelaendeHinweis = hinweise.back();
        emit meldung(gelaendeHinweis);
    }
    if (!gelesen) {
        gelaendeLiest = true;  // no reader: not asked again until the folder changes
        return;
    }
    gelaendeLiest = false;
    zustand.gelaende = std::move(gelesen);
    NeuZeichnen();
}

void CSarnixView::FlugphasenZeigen()
{
    CFlugphasenDlg dialog(doc, this);
    connect(&dialog, &CFlugphasenDlg::fixGewaehlt, this, [this](ListenPos pos) {
        AufLeinwand([&](Zeichenflaeche& f) { spurCursor->Setze(pos, f); });
    });
    dialog.exec();
}

void CSarnixView::WertungDialog()
{
    if (!doc.geladen)
        return;
    if (!wertungDlg) {
        wertungDlg = new CWertungDlg(GespeicherteRegeln(), zustand.wertungZeigen != 0, this);
        connect(wertungDlg, &CWertungDlg::regelnGewaehlt, this, [this](const QString& name) {
            RegelnSpeichern(name);
            WertungStarten();
            if (zustand.wertungZeigen)
                NeuZeichnen();
        });
        connect(wertungDlg, &CWertungDlg::zeigenGewaehlt, this, [this](bool zeigen) {
            zustand.wertungZeigen = zeigen ? 1 : 0;
            WertungBeschaffen();
            NeuZeichnen();
            emit ansichtGeaendert();
        });
        connect(wertungDlg, &CWertungDlg::abbrechenGewaehlt, rechner, &WertungsRechner::Abbrechen);
    }
    if (zustand.wertung)
        wertungDlg->ZeigeErgebnis(*zustand.wertung, doc.zeitBezug);
    else if (rechner->Rechnet())
        wertungDlg->ZeigeRechnen();
    else
        WertungStarten();
    wertungDlg->show();
    wertungDlg->raise();
    wertungDlg->activateWindow();
}

void CSarnixView::WertungStarten()
{
    zustand.wertung.reset();
    if (!doc.geladen)
        return;
    rechner->Starte(doc.datenListe, GespeicherteRegeln());
    if (wertungDlg)
        wertungDlg->ZeigeRechnen();
}

void CSarnixView::WertungBeschaffen()
{
    if (zustand.wertungZeigen && !zustand.wertung && !rechner->Rechnet() && doc.geladen)
        WertungStarten();
}

void CSarnixView::paintEvent(QPaintEvent*)
{
    // Moved to a screen of another pixel ratio: drawn anew at full resolution there.
    if (LeinwandPassend())
        LeinwandZeichnen();
    QPainter maler(this);
    maler.drawImage(0, 0, bild);
}

void CSarnixView::resizeEvent(QResizeEvent*)
{
    NeuZeichnen();
}

void CSarnixView::SchwenkBeenden()
{
    schwenk.Beenden();
    schwenkTaste = Qt::NoButton;
    geschwenkt = false;
    unsetCursor();
}

void CSarnixView::mousePressEvent(QMouseEvent* event)
{
    const Punkt p = PunktVon(event);
    // A drag whose release went to another window ends with the next press.
    if (schwenk.Aktiv() && (event->button() == schwenkTaste || !(event->buttons() & schwenkTaste)))
        SchwenkBeenden();
    if (event->button() == Qt::LeftButton)
        BandDruecken(zustand, doc, p);
    // The left button moves the view only while no band is armed; the middle one always but
    // during a band.
    const bool links = event->button() == Qt::LeftButton && !zustand.zoomBereit;
    const bool mitte = event->button() == Qt::MiddleButton && !mausGefangen;
    if (!schwenk.Aktiv() && (links || mitte) && schwenk.Beginnen(zustand, doc, p)) {
        schwenkTaste = event->button();
        geschwenkt = mitte;
        if (mitte)
            setCursor(Qt::ClosedHandCursor);
    }
    QWidget::mousePressEvent(event);
}

void CSarnixView::mouseMoveEvent(QMouseEvent* event)
{
    const Punkt p = PunktVon(event);
    if (mausGefangen) {
        AufLeinwand([&](Zeichenflaeche& f) { BandBewegen(zustand, f, p); });
    } else if (schwenk.Aktiv()) {
        if (!(event->buttons() & schwenkTaste)) {
            // The release went elsewhere (another window took the mouse): the drag is over.
            SchwenkBeenden();
        } else {
            const Punkt s = schwenk.Start();
            const int weg = std::abs(p.x - s.x) + std::abs(p.y - s.y);
            // A click that wobbles a little still selects the pane and is no drag.
            if (!geschwenkt && weg >= QApplication::startDragDistance()) {
                geschwenkt = true;
                setCursor(Qt::ClosedHandCursor);
            }
            if (geschwenkt && schwenk.Ziehen(zustand, p))
                NeuZeichnen();
        }
    }
    QWidget::mouseMoveEvent(event);
}

void CSarnixView::mouseReleaseEvent(QMouseEvent* event)
{
    if (schwenk.Aktiv() && event->button() == schwenkTaste) {
        const bool warDrag = geschwenkt;
        SchwenkBeenden();
        if (warDrag) {
            emit ansichtGeaendert();
            QWidget::mouseReleaseEvent(event);
            return;
        }
    }
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Punkt p = PunktVon(event);
    bool geaendert = false;
    if (!zustand.zoomBereit) {
        const auto gewaehlt = static_cast<int8_t>(GrafikBeiX(zustand, p.x));
        // The toolbar shows the kind and colour of the selected pane.
        geaendert = gewaehlt != zustand.aktiveGrafik;
        zustand.aktiveGrafik = gewaehlt;
        // Without a flight no pane is shown, so there is no strip to mark.
        if (doc.geladen)
            AufLeinwand([&](Zeichenflaeche& f) { ZeichneAuswahlStreifen(zustand, f); });
    }
    if (mausGefangen) {
        ZoomBeenden();
        if (BandLoslassen(zustand, p)) {
            NeuZeichnen();
            const int pane = zustand.bandGrafik;
            if ((pane == 0 || pane == 1) && zustand.ansicht.grafik[static_cast<size_t>(pane)].art == BarogrammZeit)
                emit meldung(ZeitSpannenText(doc, zustand.zeitAnzeige));
        }
        geaendert = true;
    }
    if (geaendert)
        emit ansichtGeaendert();
    QWidget::mouseReleaseEvent(event);
}

void CSarnixView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const Punkt p = PunktVon(event);
        AufLeinwand([&](Zeichenflaeche& f) { spurCursor->Doppelklick(p, f); });
    }
}

void CSarnixView::keyPressEvent(QKeyEvent* event)
{
    // Jumps repeat with the keyboard, so holding Page Down runs minute by minute.
    if (const std::optional<Sprung> sprung = SprungVon(event)) {
        AufLeinwand([&](Zeichenflaeche& f) { spurCursor->Springe(*sprung, f); });
        return;
    }
    // + and - zoom about the middle, held down they go on zooming.
    const bool plus = event->key() == Qt::Key_Plus;
    if ((plus || event->key() == Qt::Key_Minus) && !zustand.zoomBereit && !schwenk.Aktiv()) {
        if (ZoomUmMitte(zustand, doc, RadFaktor(plus ? 120 : -120))) {
            NeuZeichnen();
            emit ansichtGeaendert();
        }
        if (event->isAutoRepeat())
            return;
    }
    // The cursor repeats with its own timers; the system's repeated key-downs are not steps.
    if (event->isAutoRepeat())
        return;
    const int taste = TastenCode(event->key());
    AufLeinwand([&](Zeichenflaeche& f) { spurCursor->TasteRunter(taste, f); });
    if (taste == keinePfeiltaste)
        QWidget::keyPressEvent(event);
}

void CSarnixView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    const int taste = TastenCode(event->key());
    AufLeinwand([&](Zeichenflaeche& f) { spurCursor->TasteHoch(taste, f); });
    if (taste == keinePfeiltaste)
        QWidget::keyReleaseEvent(event);
}

void CSarnixView::timerEvent(QTimerEvent* event)
{
    const int id = uhr->CursorId(event->timerId());
    if (id == 0) {
        QWidget::timerEvent(event);
        return;
    }
    AufLeinwand([&](Zeichenflaeche& f) { spurCursor->Timer(id, f); });
}

void CSarnixView::wheelEvent(QWheelEvent* event)
{
    event->accept();
    // A band or a drag in progress owns the picture until it ends.
    if (zustand.zoomBereit || schwenk.Aktiv())
        return;
    const QPoint q = event->position().toPoint();
    const Punkt p{q.x(), q.y()};
    const int pane = ZoomGrafikBei(zustand, p);
    if (pane >= 0 && ZoomUmPunkt(zustand, doc, pane, p, RadFaktor(event->angleDelta().y()))) {
        NeuZeichnen();
        emit ansichtGeaendert();
    }
}

DruckUnterlage CSarnixView::Unterlage() const
{
    return {zustand.karte, gelaende && zustand.gelaendeRelief ? &*gelaende : nullptr};
}
