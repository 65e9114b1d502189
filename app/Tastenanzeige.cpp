#include "app/Tastenanzeige.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QLabel* Feld(QStatusBar& leiste)
{
    auto* feld = new QLabel(&leiste);
    feld->setAlignment(Qt::AlignCenter);
    feld->setFrameShape(QFrame::Panel);
    feld->setFrameShadow(QFrame::Sunken);
    feld->setEnabled(false);
    leiste.addPermanentWidget(feld);
    return feld;
}

}  // namespace

Tastenanzeige::Tastenanzeige(QStatusBar& leiste)
    : QObject(&leiste), uf(Feld(leiste)), nm(Feld(leiste)), rf(Feld(leiste))
{
    Uebersetzen();
#ifdef Q_OS_WIN
    // The lock keys may change while another window has the focus: look now and then.
    auto* takt = new QTimer(this);
    connect(takt, &QTimer::timeout, this, &Tastenanzeige::Aktualisiere);
    takt->start(250);
#endif
    Aktualisiere();
}

void Tastenanzeige::Uebersetzen()
{
    for (const auto& [feld, text] : {std::pair{uf, tr("UF")}, std::pair{nm, tr("NUM")}, std::pair{rf, tr("RF")}}) {
        feld->setText(text);
        // Wide enough for the text, so the bar does not jump when an indicator changes.
        feld->setMinimumWidth(std::max(feld->fontMetrics().horizontalAdvance(text),
                                       feld->fontMetrics().horizontalAdvance(QStringLiteral("NUM")))
                              + 12);
    }
}

void Tastenanzeige::Aktualisiere()
{
#ifdef Q_OS_WIN
    uf->setEnabled((GetKeyState(VK_CAPITAL) & 1) != 0);
    nm->setEnabled((GetKeyState(VK_NUMLOCK) & 1) != 0);
    rf->setEnabled((GetKeyState(VK_SCROLL) & 1) != 0);
#endif
}
