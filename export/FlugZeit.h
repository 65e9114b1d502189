#pragma once
// The moment of a fix: the flight's date and the fix's time of day, read in the time zone the
// recording was made in, as seconds since 1970 UTC.

#include <QDate>
#include <QTimeZone>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CDaten;
struct ExportWahl;
class CSarnixDoc;

// The date of a flight date "DD-MM-YY"; years 80 to 99 are 1980 to 1999, the others 2000 to 2079.
std::optional<QDate> DatumAus(const std::string& flugdatum);

class FlugZeit {
public:
    // Without a valid date there is no moment: gueltig() is false.
    FlugZeit(const std::string& flugdatum, const QTimeZone& zone);

    bool gueltig() const { return datum.has_value(); }

    // Seconds since 1970 UTC of a time of day (seconds since the flight date's midnight, may run
    // past midnight). Only when gueltig().
    int64_t Utc(int32_t zeit) const;

private:
    std::optional<QDate> datum;
    QTimeZone zone;
    int64_t mitternacht = 0;  // the date's midnight as if it were UTC
    // Offset of the zone at the last moment asked for, and the stretch of local time it holds for.
    mutable int64_t versatz = 0;
    mutable int64_t gueltigVon = 1;
    mutable int64_t gueltigBis = 0;
};

// The moment of every fix, worked out once so that the writers can share it; empty without a date.
std::vector<int64_t> UtcZeiten(const std::vector<CDaten>& fixe, const FlugZeit& uhr);

// The zone the recording's times of day are kept in: UTC for an IGC log, whose times are UTC
// already; for a .vrl the zone chosen in wahl.
QTimeZone ZoneDerAufzeichnung(const CSarnixDoc& doc, const ExportWahl& wahl);

// The moment of every fix of doc, by the zone of its recording.
std::vector<int64_t> UtcZeiten(const CSarnixDoc& doc, const ExportWahl& wahl);
