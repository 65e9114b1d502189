#pragma once
// The graph view: owns the view state and the canvas, turns mouse, keyboard and timer events
// into operations of the view state, the draw pipeline and the track cursor, and shows the canvas.

#include "pipeline/GelaendeLesen.h"
#include "pipeline/SpurCursor.h"
#include "pipeline/ZoomSchwenk.h"
#include "printmap/KartenUnterlage.h"
#include "render/Ansicht.h"
#include "view/KartenAnzeige.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class CSarnixDoc;
class CWertungDlg;
class WertungsRechner;

class CSarnixView : public QWidget {
    Q_OBJECT
public:
    explicit CSarnixView(CSarnixDoc& doc, QWidget* parent = nullptr);
    ~CSarnixView() override;  // writes the view settings

    CSarnixDoc& dokument() { return doc; }
    const CursorZustand& spurcursor() const { return spur; }
    CAnsicht& ansicht() { return zustand; }
    const CAnsicht& ansicht() const { return zustand; }
    const QImage& leinwand() const { return bild; }
    // What the plan view shows under the track, for printing it the same.
    DruckUnterlage Unterlage() const;

    // View commands by id (view/Befehle.h). Befehl returns false for ids the view does not handle.
    bool Befehl(int id);
    bool BefehlAktiv(int id) const;
    bool BefehlMarkiert(int id) const;

    // After every successful open: the cursor is gone and the whole view is drawn again.
    void DokumentGeoeffnet();

    void NeuZeichnen();  // erase and draw everything again
    void Zeichnen();     // draw all panes over the current picture

signals:
    void ansichtGeaendert();  // state changed: menus and toolbar update their marks
    void meldung(const QString& text);  // for the status bar

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    class Uhr;

    // Runs `schritt` on a surface over the canvas, then shows the canvas.
    template <typename Schritt>
    void AufLeinwand(Schritt&& schritt);
    // A canvas of the widget's size at its screen's pixel ratio; true when it was made anew.
    bool LeinwandPassend();
    // The stored settings before the first draw (true then).
    bool VorDemZeichnen();
    void LeinwandZeichnen();
    void ZoomScharfStellen();
    void ZoomBeenden();
    void SchwenkBeenden();
    // The ground under the flight from the folder of tiles set, read on another thread whenever
    // the view needs more of it; the view is drawn again when it comes.
    void GelaendeAnfordern();
    void GelaendeGelesen(int auftrag, std::shared_ptr<const GelaendeAnsicht> gelesen, const std::vector<QString>& hinweise);
    void FlugInfoZeigen();
    void KonfigurationZeigen();
    void FlugphasenZeigen();
    void WertungDialog();
    void WertungStarten();     // for the stored rule set, dropping any earlier result
    void WertungBeschaffen();  // when the overlay wants a score that is not there

    CSarnixDoc& doc;
    CAnsicht zustand;
    KartenAnzeige karte;
    std::optional<GelaendeDienst> gelaende;
    int gelaendeAuftrag = 0;   // the read whose result is taken
    bool gelaendeLiest = false;
    QString gelaendeHinweis;   // the note shown last
    CursorZustand spur;  // the track cursor's place and held key
    QImage bild;
    QSize leinwandFuer;  // the widget size the canvas was made for
    std::unique_ptr<Uhr> uhr;
    std::unique_ptr<CSpurCursor> spurCursor;
    bool mausGefangen = false;  // the armed rubber band holds the mouse
    Schwenk schwenk;                          // a drag that moves the view
    Qt::MouseButton schwenkTaste = Qt::NoButton;
    bool geschwenkt = false;                  // the left-button drag has gone beyond a click
    WertungsRechner* rechner = nullptr;       // a child: stopped before the view goes
    QPointer<CWertungDlg> wertungDlg;
};
