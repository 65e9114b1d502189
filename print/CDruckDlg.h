#pragma once
// "Sarnix (Drucken)": the map scale, from the proposal to the coarsest, and the time-mark option.
// No visible cancel: Escape closes it and the members keep what the last click set.

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QShowEvent;

class CDruckDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDruckDlg(QWidget* parent = nullptr);

    int32_t massstab = 0;       // set by the caller to the proposal before exec()
    int32_t mitZeitmarken = 0;  // set to 1 when the dialog opens
    // Pages the map needs at a scale. When set, every scale is offered with its page count; a
    // scale finer than the proposal prints on several pages.
    std::function<int(int massstab)> seitenZahl;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Oeffnen();
    void KnopfGeklickt(std::size_t index);
    // Members to controls (false) or controls to members (true).
    void Austausch(bool ausSteuerelementen);

    std::array<QRadioButton*, 6> knoepfe{};  // 1001 .. 1006, finest first
    QLineEdit* massstabFeld = nullptr;       // 1008, hidden: carries massstab through every transfer
    QCheckBox* zeitmarkenFeld = nullptr;     // 1011
    QLabel* vorschlagFeld = nullptr;         // the proposal's pages when it has no button
};
