#include "flight/CSarnixDoc.h"

#include "flight/DateiLesen.h"
#include "flight/FarbIndex.h"

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
        UebernimmIgc(std::move(flug));
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

