#include "flight/CSarnixDoc.h"

#include "flight/AbgeleiteteWerte.h"
#include "flight/DateiLesen.h"
#include "flight/FarbIndex.h"
#include "flight/TemperaturProfil.h"
#include "flight/TemperaturReferenz.h"

#include <utility>

namespace {

// The fixes, route points and texts of a flight in place of the document's.
void Einsetzen(CSarnixDoc& doc, Flugdaten&& flug)
{
    doc.datenListe = std::move(flug.fixe);
    doc.wegpunktListe = std::move(flug.wegpunkte);
    doc.flugdatum = std::move(flug.flugdatum);
    doc.startplatz = std::move(flug.startplatz);
    doc.startplatzHoehe = std::move(flug.startplatzHoehe);
    doc.landeplatzHoehe = std::move(flug.landeplatzHoehe);
    doc.startzeit = std::move(flug.startzeit);
    doc.landezeit = std::move(flug.landezeit);
    doc.maxSinken = std::move(flug.maxSinken);
    doc.maxSteigen = std::move(flug.maxSteigen);
    doc.maxHoehe = std::move(flug.maxHoehe);
    doc.flugstrecke = std::move(flug.flugstrecke);
    doc.flugdauer = std::move(flug.flugdauer);
    doc.igc = std::move(flug.igc);
    doc.hatTemperatur = flug.hatTemperatur;
    doc.zeitBezug = ZeitBezugFuer(doc, doc.ortszeit);
}

}  // namespace

CSarnixDoc::CSarnixDoc()
{
    Leeren();
    BaueFarbTabelle(*this);
}

void CSarnixDoc::Leeren()
{
    datenListe.clear();
    wegpunktListe.clear();

    ausdehnung = leereAusdehnung;
    geladen = 0;
    meterProBreite = 0.0f;
    meterProLaenge = 0.0f;

    for (std::string* text : {&dateiname, &flugdatum, &startplatz, &startplatzHoehe, &landeplatzHoehe,
                              &startzeit, &landezeit, &maxSinken, &maxSteigen, &maxHoehe, &flugstrecke,
                              &flugdauer})
        text->assign(1, ' ');

    temperaturProfil.fill(TemperaturSlot{});
    igc = IgcKopf{};
    hatTemperatur = true;
    zeitBezug = ZeitBezug{};
    temperaturProfilPhysikalisch.fill(TemperaturSlot{});
}

void CSarnixDoc::WaehleOrtszeit(bool ja)
{
    ortszeit = ja;
    zeitBezug = ZeitBezugFuer(*this, ja);
}

bool CSarnixDoc::IstAufzeichnung(std::string_view inhalt)
{
    // Whether an IGC log holds a fix only its reader finds out.
    return IstVrl(inhalt) || IgcKopfsatz(inhalt);
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
    Flugdaten flug;
    if (IstVrl(inhalt))
        flug = LiesVrl(inhalt);
    else if (!LiesIgc(inhalt, hoehenQuelle, flug))
        return false;  // a header without a single fix is no flight: the one shown before stays
    Leeren();
    dateiname = name;
    Uebernimm(std::move(flug));
    return true;
}

void CSarnixDoc::Uebernimm(Flugdaten&& flug)
{
    Einsetzen(*this, std::move(flug));
    geladen = 1;
    BerechneAusdehnung();
    BerechneMassstab();
    BerechneTemperaturProfil();
    if (igc.istIgc) {
        // A log carries no summary; and a route point has no altitude in it: it stands at the
        // flight's lowest.
        BerechneIgcZusammenfassung();
        for (CWegPunkt& punkt : wegpunktListe)
            punkt.hoehe = static_cast<int16_t>(ausdehnung.hoeheMin <= ausdehnung.hoeheMax ? ausdehnung.hoeheMin : 0);
    }
}

void CSarnixDoc::LiesAufzeichnung(std::string_view inhalt)
{
    Einsetzen(*this, LiesVrl(inhalt));
}

void CSarnixDoc::BerechneAusdehnung()
{
    ausdehnung = Ausdehnung(datenListe, ausdehnung);
}

void CSarnixDoc::BerechneMassstab()
{
    const Massstab m = MassstabFuer(ausdehnung);
    meterProBreite = m.meterProBreite;
    meterProLaenge = m.meterProLaenge;
}

void CSarnixDoc::BerechneTemperaturProfil()
{
    temperaturProfil = InstrumentenProfil(datenListe, ausdehnung);
    temperaturProfilPhysikalisch = PhysikalischesProfil(datenListe);
}
