#pragma once
// Writing an export file: the format by the target's extension, a temporary file beside the
// target that replaces it only when complete, and a German message for whatever went wrong.

#include "export/ExportWahl.h"

#include <QString>

#include <functional>
#include <optional>

class CSarnixDoc;
class QIODevice;

// GPX for ".gpx", KML for ".kml" (any case); nothing for other names.
std::optional<ExportFormat> FormatAusEndung(const QString& pfad);

struct ExportErgebnis {
    bool geschrieben = false;
    QString fehler;  // German, when nothing was written
    ExportBericht bericht;
};

// Why ziel cannot take the export of doc (German), or nothing: a folder, or the recording itself.
std::optional<QString> ZielFehler(const CSarnixDoc& doc, const QString& ziel);

// Writes the flight to ziel. Refuses a target that is a folder or the recording itself; an
// existing target is replaced only by a complete file.
ExportErgebnis Exportiere(const CSarnixDoc& doc, const QString& ziel, const ExportWahl& wahl);

// Writes through schreibe into a temporary file beside ziel, which replaces ziel only when
// schreibe returns true and every byte reached the disk. False otherwise: ziel is then untouched.
bool SchreibeAtomar(const QString& ziel, const std::function<bool(QIODevice&)>& schreibe);

// The note for a flight without a single position: the file holds an empty track.
QString HinweisOhnePositionen();

// The note when the KML's track is left uncoloured because the flight lacks what the chosen
// colouring shows; nothing otherwise.
std::optional<QString> HinweisUngefaerbt(const CSarnixDoc& doc, const ExportWahl& wahl);
