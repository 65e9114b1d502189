#pragma once
// One flight: its fixes and route points, the header's summary texts and the derived values.
// The reader and the derived values live in their own files.

#include "flight/CDaten.h"
#include "flight/CWegPunkt.h"
#include "flight/Farbe.h"
#include "flight/Fenster.h"
#include "flight/Fluege.h"
#include "flight/Flugdaten.h"
#include "flight/Igc.h"
#include "flight/Ortszeit.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Why a recording could not be opened; each cause has its own German message.
enum class OeffnenFehler {
    Keiner,
    NichtGefunden,
    UngueltigerPfad,
    ZuVieleDateien,
    ZugriffVerweigert,
    Zugriffsverletzung,
    HardwareFehler,
    Unbekannt,
    KeineAufzeichnung,  // read fine, but no recording: neither the magic nor anything else known
};

// The German message for a cause, with the path in place of %1 (UTF-8).
std::string FehlerText(OeffnenFehler fehler, const std::string& pfad);

struct TemperaturSlot {
    float steigung = 0.0f;
    float basis = 0.0f;
};

// A position in datenListe, as the track cursor keeps it: an index, or keinePosition.
using ListenPos = std::ptrdiff_t;
inline constexpr ListenPos keinePosition = -1;

class CSarnixDoc {
public:
    static constexpr int anzahlFarben = 204;
    static constexpr int anzahlSlots = 1210;

    CSarnixDoc();

    // Empties the document: no fixes, no route points, blank texts, extent at its start values.
    void Leeren();

    // Reads the recording at pfad (UTF-8). False when the file cannot be opened or is no
    // recording; then the flight loaded before stays and fehler tells why. A recording with the
    // magic but no fixes opens as an empty flight.
    bool OnOpenDocument(const std::string& pfad, OeffnenFehler* fehler = nullptr);
    // The same for a recording's bytes already read (standard input): name stands for the path.
    // False for bytes that are no recording; the flight loaded before then stays.
    bool OeffneInhalt(const std::string& name, std::string_view inhalt);
    bool OnNewDocument() { return true; }
    // Takes over a flight a reader returned, into the emptied document, and derives the values
    // below from it.
    void Uebernimm(Flugdaten&& flug);

    // Puts a .vrl recording's fixes, route points and texts into the document, nothing derived.
    void LiesAufzeichnung(std::string_view inhalt);
    // Whether bytes read from a file are a recording one of the readers understands.
    static bool IstAufzeichnung(std::string_view inhalt);

    // Derived values, from the plain functions of AbgeleiteteWerte.h and TemperaturProfil.h.
    // The extent only widens: fixes added since the last call widen it further.
    void BerechneAusdehnung();
    void BerechneMassstab();
    // Both reference profiles.
    void BerechneTemperaturProfil();
    // The summary: as a .vrl recording carries it. An IGC log carries none: it is worked out from
    // the fixes when first asked for, since opening shows none of it. Like the rest of the
    // document, for one thread at a time.
    const FlugZusammenfassung& Zusammenfassung() const;
    // A summary in place of the recorded or worked-out one (a flight put together by hand).
    void SetzeZusammenfassung(FlugZusammenfassung texte) { zusammenfassung_ = std::move(texte); }
    // The flights within the recording (Fluege.h), found when first asked for and then kept for
    // the summary, the phases, the ground and the flight information alike.
    const std::vector<Flugabschnitt>& Fluege() const;

    std::vector<CDaten> datenListe;
    float meterProBreite = 0.0f;
    float meterProLaenge = 0.0f;
    // Texts as recorded (bytes of the file, Latin-1), " " when absent.
    std::string startplatz;
    Fenster ausdehnung;
    int32_t geladen = 0;
    std::string dateiname;  // the path exactly as given to OnOpenDocument (UTF-8)
    std::string flugdatum;
    std::vector<CWegPunkt> wegpunktListe;
    std::array<COLORREF, anzahlFarben> farbTabelle{};
    std::array<int32_t, 51> rampe{};
    std::array<TemperaturSlot, anzahlSlots> temperaturProfil{};
    // The physical reference (TemperaturReferenz.h); which of the two the colouring uses is the
    // caller's choice.
    std::array<TemperaturSlot, anzahlSlots> temperaturProfilPhysikalisch{};

    // The header of an IGC log; istIgc false for a .vrl recording.
    IgcKopf igc;
    // False when the flight carries no air temperature (an IGC log without OAT): the views
    // then say so instead of drawing the fixes' zeros.
    bool hatTemperatur = true;
    // The altitude an IGC log's fixes take; a setting, kept when the document is emptied.
    HoehenQuelle hoehenQuelle = HoehenQuelle::Automatisch;
    // Whether an IGC log's times are shown in the local time its header names (else UTC); a
    // setting, kept when the document is emptied. zeitBezug is what follows from it for this flight.
    bool ortszeit = true;
    ZeitBezug zeitBezug;
    void WaehleOrtszeit(bool ja);

private:
    mutable std::optional<FlugZusammenfassung> zusammenfassung_;  // empty: still to be worked out
    mutable std::optional<std::vector<Flugabschnitt>> fluege_;      // empty: still to be found
};
