// A flight read from an IGC log taken over by the document, with what the log leaves to derive.
// On a long flight a second thread finds the windows, the extent, the ground speed, the summary
// and the physical reference profile while this one replaces altitude glitches, finds the climb
// rate and the instrument's reference profile: neither writes a field the other reads at the
// same time.

#include "flight/CSarnixDoc.h"
#include "flight/IgcAbleitung.h"
#include "flight/TemperaturReferenz.h"

#include <future>
#include <system_error>
#include <utility>

namespace {

// From this many fixes the second thread pays for itself.
constexpr size_t nebenherAb = 8192;

}  // namespace

void CSarnixDoc::UebernimmIgc(IgcFlug&& flug)
{
    const bool hatVario = flug.hatVario;
    const bool hatGeschwindigkeit = flug.hatGeschwindigkeit;
    datenListe = std::move(flug.fixe);
    wegpunktListe = std::move(flug.wegpunkte);
    igc = std::move(flug.kopf);
    hatTemperatur = flug.hatTemperatur;
    if (!igc.datum.empty())
        flugdatum = igc.datum;
    if (!igc.startplatz.empty())
        startplatz = igc.startplatz;
    geladen = 1;
    ausdehnungUebernommen = 0;

    IgcAbleitung ableitung(datenListe, hatVario, hatGeschwindigkeit);
    std::future<void> nebenher;  // waited for last, should this throw ...
    std::promise<void> geglaettet;  // ... after these are given up, so that it waits for nothing
    std::promise<void> gestiegen;
    std::future<void> ausdehnungFertig;
    if (datenListe.size() >= nebenherAb) {
        std::promise<void> ausgedehnt;
        ausdehnungFertig = ausgedehnt.get_future();
        try {
            nebenher = std::async(std::launch::async, [this, &ableitung, glatt = geglaettet.get_future(),
                                                       steigen = gestiegen.get_future(),
                                                       ausgedehnt = std::move(ausgedehnt)]() mutable {
                ableitung.Fenster();
                glatt.wait();
                BerechneAusdehnung();
                ausgedehnt.set_value();
                ableitung.Fahrt();
                steigen.wait();
                BerechneIgcZusammenfassung();
                temperaturProfilPhysikalisch = PhysikalischesProfil(datenListe);
            });
        } catch (const std::system_error&) {
        }
    }

    if (nebenher.valid()) {
        ableitung.Glaetten();
        geglaettet.set_value();
        ableitung.Steigen();
        gestiegen.set_value();
        ausdehnungFertig.get();
        BerechneMassstab();
        BerechneTemperaturProfil(false);
        nebenher.get();
    } else {
        ableitung.Fenster();
        ableitung.Glaetten();
        ableitung.Steigen();
        BerechneAusdehnung();
        BerechneMassstab();
        BerechneTemperaturProfil();
        ableitung.Fahrt();
        BerechneIgcZusammenfassung();
    }
    // A route point has no altitude in a log: it stands at the flight's lowest.
    for (CWegPunkt& punkt : wegpunktListe)
        punkt.hoehe = static_cast<int16_t>(ausdehnung.hoeheMin <= ausdehnung.hoeheMax ? ausdehnung.hoeheMin : 0);
}
