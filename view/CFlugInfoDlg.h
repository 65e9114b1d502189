#pragma once
// "Flug Informationen": the flight's summary texts as the reader left them, read only.

#include <QDialog>
#include <utility>
#include <vector>
#include <QList>
#include <QString>

class CSarnixDoc;
class QGroupBox;
class QLabel;

class CFlugInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFlugInfoDlg(QWidget* parent = nullptr);

    // Copies the document's texts into a dialog and shows it modally.
    // With `gelaende` (label and value per line) a group about the ground is added.
    static void Zeige(const CSarnixDoc& doc, QWidget* parent,
                      const std::vector<std::pair<QString, QString>>& gelaende = {});
    void GelaendeZeigen(const std::vector<std::pair<QString, QString>>& zeilen);
    // Copies the twelve texts of the document and its number of flights into the members.
    void Uebernehmen(const CSarnixDoc& doc);

    // Filled by the caller before the dialog is shown; each goes into the field of its name.
    QString dateiname;        // DN
    QString flugdatum;        // FD
    QString landeplatzHoehe;  // LP_H
    QString landezeit;        // LZ
    QString maxHoehe;         // MH
    QString maxSinken;        // M_SI
    QString maxSteigen;       // M_ST
    QString startplatz;       // SP
    QString startplatzHoehe;  // SP_H
    QString startzeit;        // SZ
    QString flugdauer;        // FL_D
    QString flugstrecke;      // STR
    QString fluege;           // FL_N: how many flights the log holds
    // From an IGC log's header; the group holding them is hidden for a .vrl recording.
    QString pilot;
    QString flugzeug;  // glider type and registration
    QString logger;
    QString signatur;

    // Puts the members into the fields; done again whenever the dialog is shown.
    void FelderFuellen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Feld {
        QLabel* anzeige;
        const QString* text;
    };
    QList<Feld> felder;
    QGroupBox* igcGruppe = nullptr;
};
