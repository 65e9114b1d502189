#include "view/KartenAnzeige.h"

#include "tiles/Kartendienst.h"
#include "view/KartenDlg.h"

KartenAnzeige::KartenAnzeige(QObject* parent) : QObject(parent)
{
    Einstellen();
}

KartenAnzeige::~KartenAnzeige() = default;

void KartenAnzeige::Einstellen()
{
    einstellungen = KartenEinstellungenLesen();
    if (!einstellungen.an) {
        dienst.reset();
        return;
    }
    const KartenQuelle& quelle = einstellungen.Gewaehlt();
    // Kept while nothing it was made from changed: its tiles in memory stay. An edited zoom limit,
    // attribution or cache size makes a new one.
    if (dienst && quelle == dienstQuelle && einstellungen.speicherMb == dienstSpeicherMb)
        return;
    dienstQuelle = quelle;
    dienstSpeicherMb = einstellungen.speicherMb;
    dienst = std::make_unique<Kartendienst>(quelle, KachelAblage::StandardWurzel(),
                                            int64_t{einstellungen.speicherMb} << 20);
    connect(dienst.get(), &Kartendienst::kachelnAngekommen, this, &KartenAnzeige::neuZeichnen);
}

void KartenAnzeige::Schalten(bool an)
{
    KartenEinstellungen e = KartenEinstellungenLesen();
    e.an = an;
    KartenEinstellungenSchreiben(e);
    Einstellen();
}

bool KartenAnzeige::Bearbeiten(QWidget* eltern)
{
    KartenDlg dlg(KartenEinstellungenLesen(), eltern);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    KartenEinstellungenSchreiben(dlg.Einstellungen());
    Einstellen();
    return true;
}
