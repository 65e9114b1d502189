#include "app/CInfoDlg.h"

#include "app/Programmsymbol.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

CInfoDlg::CInfoDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Info über Sarnix"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* symbol = new QLabel(this);
    symbol->setPixmap(ProgrammSymbol().pixmap(32, 32));
    symbol->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* name = new QLabel(QStringLiteral("SARNIX"), this);
    name->setObjectName(QStringLiteral("name"));
    name->setAlignment(Qt::AlignCenter);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Vertical, this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* raster = new QGridLayout(this);
    raster->addWidget(symbol, 0, 0);
    raster->addWidget(name, 0, 1);
    raster->addWidget(knoepfe, 0, 2, Qt::AlignTop);
    raster->setColumnStretch(1, 1);
    // About 217 x 77 dialog units of the classic dialog font.
    setMinimumSize(326, 125);
}
