#include "app/CInfoDlg.h"

#include "app/Programmsymbol.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

CInfoDlg::CInfoDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Info über Sarnix"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    auto* symbol = new QLabel(this);
    symbol->setPixmap(ProgrammSymbol().pixmap(32, 32));
    symbol->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* name = new QLabel(QStringLiteral("SARNIX"), this);
    name->setObjectName(QStringLiteral("name"));
    name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    name->setContentsMargins(0, 8, 0, 0);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Vertical, this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* raster = new QGridLayout(this);
    raster->addWidget(symbol, 0, 0);
    raster->addWidget(name, 0, 1);
    raster->addWidget(knoepfe, 0, 2, Qt::AlignTop);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(1, 1);
    // About 217 x 77 dialog units of the classic dialog font.
    setFixedSize(sizeHint().expandedTo(QSize(326, 125)));
}
