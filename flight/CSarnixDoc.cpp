#include "flight/CSarnixDoc.h"

#include "flight/AbgeleiteteWerte.h"
#include "flight/DateiLesen.h"
#include "flight/FarbIndex.h"
#include "flight/IgcZusammenfassung.h"
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
    doc.SetzeZusammenfassung(std::move(flug.zusammenfassung));
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

    for (std::string* text : {&dateiname, &flugdatum, &startplatz})
        text->assign(1, ' ');
    zusammenfassung_ = FlugZusammenfassung{};
    fluege_.reset();

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
    fluege_.reset();
    geladen = 1;
    BerechneAusdehnung();
    BerechneMassstab();
    BerechneTemperaturProfil();
    if (igc.istIgc) {
        zusammenfassung_.reset();
        // A route point has no altitude in a log: it stands at the flight's lowest.
        for (CWegPunkt& punkt : wegpunktListe)
            punkt.hoehe = static_cast<int16_t>(ausdehnung.hoeheMin <= ausdehnung.hoeheMax ? ausdehnung.hoeheMin : 0);
    }
}

const FlugZusammenfassung& CSarnixDoc::Zusammenfassung() const
{
    if (!zusammenfassung_)
        zusammenfassung_ = IgcZusammenfassung(datenListe, Fluege());
    return *zusammenfassung_;
}

const std::vector<Flugabschnitt>& CSarnixDoc::Fluege() const
{
    if (!fluege_)
        fluege_ = FindeFluege(datenListe);
    return *fluege_;
}

void CSarnixDoc::LiesAufzeichnung(std::string_view inhalt)
{
    Einsetzen(*this, LiesVrl(inhalt));
    fluege_.reset();
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
