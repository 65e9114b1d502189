#include "app/Symbolleiste.h"

#include "app/Befehlstexte.h"
#include "app/Symbolbilder.h"
#include "pipeline/Befehle.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QToolBar>

#include <initializer_list>

namespace {

bool IstPaneKnopf(int id)
{
    return id >= Befehl::AktivOben && id <= Befehl::AktivVario;
}

}  // namespace

QToolBar* BaueSymbolleiste(QMainWindow& fenster)
{
    using namespace Befehl;
    auto* leiste = new QToolBar(&fenster);
    leiste->setObjectName(QStringLiteral("Symbolleiste"));
    leiste->setIconSize(QSize(symbolBreite, symbolHoehe));
    leiste->setFloatable(false);

    const std::initializer_list<std::initializer_list<int>> gruppen = {
        {Oeffnen, Drucken, InfoUeber},
        {Anpassen, Vergroessern, Verkleinern},
        {AktivOben, AktivWest, AktivNord, AktivTemperatur, AktivZeit},
        {FlugInformationen, Befehl::Flugphasen, Befehl::Wertung},
        {AktivKeine, AktivTemperaturgradient, AktivWind, AktivFlughoehe, AktivVario},
    };
    bool erste = true;
    for (const auto& gruppe : gruppen) {
        if (!erste)
            leiste->addSeparator();
        erste = false;
        for (const int id : gruppe) {
            QAction* knopf = leiste->addAction(SymbolBild(id), QString());
            knopf->setData(id);
            // Kind and colour of the selected pane appear pressed.
            knopf->setCheckable(IstPaneKnopf(id));
        }
    }
    UebersetzeSymbolleiste(*leiste);
    fenster.addToolBar(Qt::TopToolBarArea, leiste);
    return leiste;
}

void UebersetzeSymbolleiste(QToolBar& leiste)
{
    leiste.setWindowTitle(QCoreApplication::translate("Symbolleiste", "Symbolleiste"));
    for (QAction* knopf : leiste.actions()) {
        if (!knopf->data().isValid())
            continue;
        const int id = knopf->data().toInt();
        knopf->setText(TippText(id));
        knopf->setToolTip(TippText(id));
        knopf->setStatusTip(StatusText(id));
    }
}
