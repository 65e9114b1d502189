#pragma once
// "Wertung": what the flight is worth under the chosen league's rules: points, kind, distance,
// multiplier, closing, legs and the times of the turnpoints. The window computes, the dialog
// shows; it stays open beside the window, which remains usable while the search runs.

#include "flight/Ortszeit.h"
#include "flight/Wertung.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

// The figures as the dialog shows them, by caption; the lines list start, turnpoints and finish
// with their times, then the legs.
struct WertungsAnzeige {
    QList<std::pair<QString, QString>> werte;
    QStringList punkte;
};
WertungsAnzeige WertungsTexte(const Wertung& w, const ZeitBezug& bezug);

class CWertungDlg : public QDialog {
    Q_OBJECT
public:
    CWertungDlg(const QString& regeln, bool zeigen, QWidget* parent = nullptr);

    void ZeigeRechnen();
    void ZeigeErgebnis(const Wertung& w, const ZeitBezug& bezug);
    void ZeigeAbgebrochen();

    // For the tests: a figure by its caption, the list of points, the controls.
    QString Wert(const QString& beschriftung) const;
    QString Punkteliste() const;
    QComboBox* RegelWahl() const { return regelWahl; }
    QPushButton* AbbrechenKnopf() const { return abbrechenKnopf; }

signals:
    void regelnGewaehlt(const QString& name);
    void zeigenGewaehlt(bool zeigen);
    void abbrechenGewaehlt();

private:
    QComboBox* regelWahl = nullptr;
    QCheckBox* zeigenFeld = nullptr;
    QProgressBar* fortschritt = nullptr;
    QPushButton* abbrechenKnopf = nullptr;
    QLabel* zustand = nullptr;
    QLabel* liste = nullptr;
    QList<std::pair<QString, QLabel*>> werte;
};
