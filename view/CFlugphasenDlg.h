#pragma once
// "Flugphasen": the statistics of the flight and a sortable table of its thermals and glides.
// Double-clicking a row asks the view to place the track cursor at the phase's start.

#include "flight/CSarnixDoc.h"
#include "flight/Flugphasen.h"

#include <QDialog>

class QLabel;
class QTableWidget;

class CFlugphasenDlg : public QDialog {
    Q_OBJECT
public:
    CFlugphasenDlg(const CSarnixDoc& doc, QWidget* parent = nullptr);

    QTableWidget* Tabelle() const { return tabelle; }
    // The statistics' values by their caption, for the tests.
    QString Wert(const QString& beschriftung) const;

signals:
    void fixGewaehlt(ListenPos pos);

private:
    void FuelleStatistik(const FlugStatistik& s);
    void FuelleTabelle();

    FlugAnalyse analyse;
    QTableWidget* tabelle = nullptr;
    QLabel* hinweis = nullptr;
    QList<std::pair<QString, QLabel*>> werte;
};
