#pragma once
// Placeholder: the flight information dialog.
#include <QDialog>
class CFlugInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFlugInfoDlg(QWidget* parent = nullptr) : QDialog(parent) {}
};
