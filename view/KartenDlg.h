#pragma once
// "Karte": the map sources (the standard one and those the pilot adds: a tile server's address
// with {z}, {x}, {y} or an MBTiles file), the one shown, and the disk cache's size limit.

#include "tiles/KartenEinstellungen.h"

#include <QDialog>

class QComboBox;
class QSpinBox;
class QTableWidget;

class KartenDlg : public QDialog {
    Q_OBJECT
public:
    explicit KartenDlg(const KartenEinstellungen& e, QWidget* parent = nullptr);
    // What the dialog holds now; after accept() what the pilot chose.
    KartenEinstellungen Einstellungen() const;

public slots:
    // Refuses sources that cannot serve tiles, saying why.
    void accept() override;

private:
    void NeueZeile(const KartenQuelle& q);
    void AuswahlAuffrischen();

    KartenEinstellungen anfang;
    QTableWidget* tabelle;
    QComboBox* auswahl;
    QSpinBox* speicher;
};
