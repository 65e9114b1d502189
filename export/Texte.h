#pragma once
// Texts of the recording as they go into the export files.

#include <QString>

#include <string>

class CSarnixDoc;

// Recorded bytes (Latin-1) as a text valid in XML: blanks around it trimmed, control characters,
// which XML cannot carry, replaced by U+FFFD.
QString XmlText(const std::string& bytes);

// The file name of the recording without folder and extension, the name of the exported flight.
QString FlugName(const CSarnixDoc& doc);

// The header's summary in German lines: take-off place, date and times, greatest altitude, distance.
QString FlugBeschreibung(const CSarnixDoc& doc);
