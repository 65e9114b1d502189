#pragma once
// "Flugphasen": the statistics of the flight and a sortable table of its thermals and glides;
// for a log of several flights, of all of them or of the one chosen. Double-clicking a row asks
// the view to place the track cursor at the phase's start.

#include "flight/CSarnixDoc.h"
#include "flight/Flugphasen.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QTableWidget;

class CFlugphasenDlg : public QDialog {
    Q_OBJECT
public:
    CFlugphasenDlg(const CSarnixDoc& doc, QWidget* parent = nullptr);

    QTableWidget* Tabelle() const { return tabelle; }
    // All flights, then each one; only for a log of several flights.
    QComboBox* FlugAuswahl() const { return flugAuswahl; }
    // The statistics' values by their caption, for the tests.
    QString Wert(const QString& beschriftung) const;

signals:
    void fixGewaehlt(ListenPos pos);

private:
    // 0 all flights, n the n-th.
    void ZeigeFlug(int wahl);
    void FuelleStatistik(const FlugStatistik& s);
    void FuelleTabelle();

    FlugAnalyse analyse;
    ZeitBezug bezug;  // the times of day as the window shows them
    const std::vector<Flugphase>* gezeigt = &analyse.phasen;
    QComboBox* flugAuswahl = nullptr;
    QTableWidget* tabelle = nullptr;
    QLabel* hinweis = nullptr;
    QList<std::pair<QString, QLabel*>> werte;
};
