#pragma once
// The save dialog of the export: GPX, or KML in each of the graphs' colourings, and the question
// before an existing file is replaced.

#include "export/ExportWahl.h"

#include <QString>

#include <optional>

class CSarnixDoc;
class QWidget;

struct ExportZiel {
    QString pfad;
    ExportWahl wahl;
};

// The name filters in the dialog's order; the KML entries carry the colouring.
QStringList ExportFilter();

// Asks for the target, starting at vorschlag with the KML entry of colouring farbe selected; the
// temperature colouring takes the graphs' reference. Nothing when the user cancels. A folder or
// the recording itself is refused with a message and asked for again.
std::optional<ExportZiel> FrageExportZiel(QWidget* eltern, const CSarnixDoc& doc, const QString& vorschlag,
                                          int8_t farbe, TemperaturReferenzArt referenz);
