#include "app/CInfoDlg.h"

#include "app/Programmsymbol.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QtGlobal>

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

    auto* angaben = new QLabel(this);
    angaben->setObjectName(QStringLiteral("angaben"));
    angaben->setText(tr("Version %1\nQt %2\n\n© 2026 Orvexa\nSarnix darf unverändert und kostenlos genutzt und "
                        "weitergegeben werden. Alle anderen Rechte liegen beim Urheber.")
                         .arg(QStringLiteral(SARNIX_VERSION), QString::fromLatin1(qVersion())));
    angaben->setWordWrap(true);
    angaben->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    angaben->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Vertical, this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* raster = new QGridLayout(this);
    raster->addWidget(symbol, 0, 0);
    raster->addWidget(name, 0, 1);
    raster->addWidget(angaben, 1, 1);
    raster->addWidget(knoepfe, 0, 2, 2, 1, Qt::AlignTop);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(2, 1);
    angaben->setMinimumWidth(220);
    setFixedSize(sizeHint().expandedTo(QSize(326, 125)));
}
