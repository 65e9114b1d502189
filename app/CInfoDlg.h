#pragma once
// The about box "Info über Sarnix": the program's icon, name, version, the Qt version it runs
// on, the licence and OK.

#include <QDialog>

class CInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CInfoDlg(QWidget* parent = nullptr);
};
