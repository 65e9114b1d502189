#pragma once
// "Ansicht Konfiguration": pane count, and kind and colour mode of each pane, in one dialog.

#include <QDialog>
#include <QHash>
#include <QString>
#include <cstdint>

class QGroupBox;
class QRadioButton;

class CKonfigDlg : public QDialog {
    Q_OBJECT
public:
    explicit CKonfigDlg(QWidget* parent = nullptr);

    // Current choice and the values at opening; the caller sets both before exec().
    int8_t linkeAnsicht = 1, linkeAnsichtAlt = 1;
    int8_t linkeFarbe = 0, linkeFarbeAlt = 0;
    int8_t rechteAnsicht = 1, rechteAnsichtAlt = 1;
    int8_t rechteFarbe = 0, rechteFarbeAlt = 0;
    int8_t anzahl = 1, anzahlAlt = 1;
    int8_t temperaturReferenz = 0, temperaturReferenzAlt = 0;  // 0 exakt, 1 physikalisch
    QString gelaendeOrdner, gelaendeOrdnerAlt;  // tiles of the ground; empty: none
    int32_t modusGewechselt = 0;

    // Brings the radio buttons in line with the members.
    void AktualisiereKnoepfe();
    // The radio button bound to control id (1032 ... 1051), for tests and accessibility.
    QRadioButton* Knopf(int id) const;

signals:
    void karteBearbeiten();  // the map's sources and cache

public slots:
    // Cancel, Escape and closing the window: the values at opening come back.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QRadioButton* NeuerKnopf(int id, const QString& text, QWidget* eltern, int8_t& ziel, int8_t wert);
    QGroupBox* Seite(const QString& titel, int versatz, int8_t& art, int8_t& farbe);

    QHash<int, QRadioButton*> knoepfe;
};
