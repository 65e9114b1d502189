#pragma once
// Printing the flight on a printer: page metrics from the printer, and the print, preview and
// command-line print entry points. The map itself is drawn by KarteDrucken.

#include "flight/Igc.h"
#include "printmap/KarteDrucken.h"
#include "printmap/SeitenMass.h"

#include <memory>
#include <optional>

class QPrinter;
class QString;
class QWidget;
struct Wertung;

// The printer's page: its resolution, or the device's logical one when the printer gives none,
// and its printable area, where a painter on it has its origin.
std::optional<SeitenMass> DruckerMass(const QPrinter& drucker);

// The page step: metrics from the printer's resolution and printable area, then KarteDrucken.
// Nothing is printed without a flight or when the printer gives no usable resolution.
int SeiteDrucken(const CSarnixDoc& doc, QPrinter& drucker, const MassstabFrage& frage,
                 KartenInfo* info = nullptr);

// The print command of the window: print dialog (cancel prints nothing), scale dialog, one page;
// the scored path is printed over the track and the map and relief under it when given.
void DruckenMitDialog(const CSarnixDoc& doc, QWidget* eltern, std::shared_ptr<const Wertung> wertung = {},
                      DruckUnterlage unterlage = {});
// The print preview of the window.
void DruckVorschau(const CSarnixDoc& doc, QWidget* eltern, std::shared_ptr<const Wertung> wertung = {},
                   DruckUnterlage unterlage = {});
// Command line: prints FILE on the default printer (druckerName empty) or the named one.
// An IGC log takes the altitude hoehe. Returns the process exit code.
int DruckeDatei(const QString& datei, const QString& druckerName,
                HoehenQuelle hoehe = HoehenQuelle::Automatisch);
