#include "app/Tastenanzeige.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QLabel* Feld(QStatusBar& leiste, const QString& text)
{
    auto* feld = new QLabel(text, &leiste);
    feld->setAlignment(Qt::AlignCenter);
    feld->setFrameShape(QFrame::Panel);
    feld->setFrameShadow(QFrame::Sunken);
    // Wide enough for the text, so the bar does not jump when an indicator changes.
    feld->setMinimumWidth(std::max(feld->fontMetrics().horizontalAdvance(text),
                                  feld->fontMetrics().horizontalAdvance(QStringLiteral("NUM")))
                         + 12);
    feld->setEnabled(false);
    leiste.addPermanentWidget(feld);
    return feld;
}

}  // namespace

Tastenanzeige::Tastenanzeige(QStatusBar& leiste)
    : QObject(&leiste), uf(Feld(leiste, tr("UF"))), nm(Feld(leiste, tr("NUM"))), rf(Feld(leiste, tr("RF")))
{
#ifdef Q_OS_WIN
    // The lock keys may change while another window has the focus: look now and then.
    auto* takt = new QTimer(this);
    connect(takt, &QTimer::timeout, this, &Tastenanzeige::Aktualisiere);
    takt->start(250);
#endif
    Aktualisiere();
}

void Tastenanzeige::Aktualisiere()
{
#ifdef Q_OS_WIN
    uf->setEnabled((GetKeyState(VK_CAPITAL) & 1) != 0);
    nm->setEnabled((GetKeyState(VK_NUMLOCK) & 1) != 0);
    rf->setEnabled((GetKeyState(VK_SCROLL) & 1) != 0);
#endif
}
