#pragma once
// The time of day a flight is shown in: an IGC log records UTC and may name the pilot's zone in
// its header (the TZN record); a .vrl recording keeps the local time its instrument's clock ran on.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CSarnixDoc;

// The offset a header's zone names, in minutes east of UTC: "-3", "+5.5", "2.00", "-4,0",
// "+05:30", "UTC+2". Nothing for an empty or unreadable value or one beyond 14 hours.
std::optional<int32_t> ZonenMinuten(std::string_view text);

struct ZeitBezug {
    int32_t versatz = 0;  // seconds added to a recorded time to show it
    bool utc = false;     // the times shown are UTC and are marked so
};

// How the document's times are shown: an IGC log in the local time its header names when
// ortszeit is chosen, else in UTC; a .vrl recording as its clock ran.
ZeitBezug ZeitBezugFuer(const CSarnixDoc& doc, bool ortszeit);

// A recorded time (seconds, counting on past midnight) as the time of day shown: "17:20" or,
// with sekunden, "17:20:05"; " UTC" follows where the times are UTC.
std::string AnzeigeUhrzeit(int64_t zeit, const ZeitBezug& bezug, bool sekunden);

// The summary's "20:20" as shown; a text that is no time of day stays as it is.
std::string AnzeigeUhrzeit(const std::string& text, const ZeitBezug& bezug);
