#include "doc/CSarnixDoc.h"

#include "doc/DateiLesen.h"
#include "doc/FarbIndex.h"
#include "doc/IgcAbleitung.h"

#include <future>
#include <system_error>

namespace {

// From this many fixes the ground speed and the summary of a log are worth a thread of their own.
constexpr size_t nebenherAb = 8192;

}  // namespace

CSarnixDoc::CSarnixDoc()
{
    for (int i = 0; i < 10; ++i)
        hexWert[static_cast<size_t>(i)] = i;
    for (int i = 0; i < 6; ++i)
        hexWert[static_cast<size_t>('A' - '0' + i)] = 10 + i;
    Leeren();
    BaueFarbTabelle(*this);
}

void CSarnixDoc::Leeren()
{
    // The fix buffer keeps its capacity for the next open; the reader gives back what a shorter
    // flight does not need.
    datenListe.clear();
    wegpunktListe.clear();

    cursorZaehler = 0;
    cursorTimer1 = 0;
    cursorTimer2 = 0;
    cursorPos = keinePosition;
    cursorAlt = keinePosition;
    cursorLaeuft = 0;
    cursorSchritt = 0;

    ausdehnung = Fenster{0, 100000, 0, 0, 1000000000, 1000000000};
    geladen = 0;
    ausdehnungUebernommen = 0;
    meterProBreite = 0.0f;
    meterProLaenge = 0.0f;

    for (std::string* text : {&dateiname, &flugdatum, &startplatz, &startplatzHoehe, &landeplatzHoehe,
                              &startzeit, &landezeit, &maxSinken, &maxSteigen, &maxHoehe, &flugstrecke,
                              &flugdauer})
        text->assign(1, ' ');

    temperaturProfil.fill(TemperaturSlot{});
    igc = IgcKopf{};
    hatTemperatur = true;
    temperaturProfilPhysikalisch.fill(TemperaturSlot{});
}

bool CSarnixDoc::IstAufzeichnung(std::string_view inhalt)
{
    // Whether an IGC log holds a fix only its reader finds out.
    return inhalt.starts_with("@SX") || IgcKopfsatz(inhalt);
}

bool CSarnixDoc::OnOpenDocument(const std::string& pfad, OeffnenFehler* fehler)
{
    // Read before emptying: a file that cannot be read leaves the flight shown before.
    DateiInhalt inhalt;
    const OeffnenFehler ursache = LiesDatei(pfad, inhalt);
    if (fehler)
        *fehler = ursache;
    if (ursache != OeffnenFehler::Keiner)
        return false;
    if (!OeffneInhalt(pfad, inhalt.Text())) {
        if (fehler)
            *fehler = OeffnenFehler::KeineAufzeichnung;
        return false;
    }
    return true;
}

bool CSarnixDoc::OeffneInhalt(const std::string& name, std::string_view inhalt)
{
    // A text file or a picture renamed to .vrl would otherwise show as a blank flight.
    if (!IstAufzeichnung(inhalt))
        return false;

    if (!inhalt.starts_with("@SX")) {
        IgcFlug flug;
        // A header without a single fix is no flight: the one shown before stays.
        if (!LiesIgcFixe(inhalt, hoehenQuelle, flug))
            return false;
        Leeren();
        dateiname = name;
        UebernimmIgc(std::move(flug), false);
        return true;
    }

    Leeren();

    dateiname = name;
    geladen = 1;
    ausdehnungUebernommen = 0;
    LiesAufzeichnung(inhalt);
    BerechneAusdehnung();
    BerechneMassstab();
    BerechneTemperaturProfil();
    ausdehnungUebernommen = 0;
    return true;
}

void CSarnixDoc::UebernimmIgc(IgcFlug&& flug, bool abgeleitet)
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

    // The windows, the ground speed and then the summary are found beside the altitudes, the
    // extent and the temperature profile: those neither read the ground speed nor write what
    // the summary reads, and the summary waits for the altitudes.
    IgcAbleitung ableitung(datenListe, abgeleitet || hatVario, abgeleitet || hatGeschwindigkeit);
    std::future<void> nebenher;
    std::promise<void> hoehenFertig;  // given up before nebenher is waited for, should this throw
    const std::shared_future<void> hoehen = hoehenFertig.get_future().share();
    const auto fahrtUndZusammenfassung = [this, &ableitung, hoehen] {
        ableitung.Fahrt();
        hoehen.wait();
        BerechneIgcZusammenfassung();
    };
    if (datenListe.size() >= nebenherAb) {
        try {
            nebenher = std::async(std::launch::async, [&ableitung, fahrtUndZusammenfassung] {
                ableitung.Fenster();
                fahrtUndZusammenfassung();
            });
        } catch (const std::system_error&) {
        }
    }
    if (!nebenher.valid())
        ableitung.Fenster();
    if (!abgeleitet)
        ableitung.Hoehen();
    hoehenFertig.set_value();
    BerechneAusdehnung();
    BerechneMassstab();
    BerechneTemperaturProfil();
    if (nebenher.valid())
        nebenher.get();
    else
        fahrtUndZusammenfassung();
    // A route point has no altitude in a log: it stands at the flight's lowest.
    for (CWegPunkt& punkt : wegpunktListe)
        punkt.hoehe = static_cast<int16_t>(ausdehnung.hoeheMin <= ausdehnung.hoeheMax ? ausdehnung.hoeheMin : 0);
}
