#include "flight/Ortszeit.h"

#include "flight/CSarnixDoc.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int32_t tag = 24 * 3600;
constexpr int32_t groessteZone = 14 * 60;  // the zones in use reach from UTC-12 to UTC+14

bool Ziffer(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int32_t> ZonenMinuten(std::string_view text)
{
    const auto weiter = [&text](size_t n) { text.remove_prefix(std::min(n, text.size())); };
    const auto leer = [&] {
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
            weiter(1);
    };
    leer();
    // Some recorders write the zone's name before its offset.
    bool benannt = false;
    for (const std::string_view name : {"UTC", "GMT", "utc", "gmt"})
        if (text.substr(0, name.size()) == name) {
            weiter(name.size());
            benannt = true;
        }
    leer();
    if (benannt && text.empty())
        return 0;
    int vorzeichen = 1;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        vorzeichen = text.front() == '-' ? -1 : 1;
        weiter(1);
    }
    int32_t stunden = 0;
    size_t ziffern = 0;
    for (; ziffern < text.size() && Ziffer(text[ziffern]) && ziffern < 2; ++ziffern)
        stunden = stunden * 10 + (text[ziffern] - '0');
    if (ziffern == 0)
        return std::nullopt;
    weiter(ziffern);
    int32_t minuten = 0;
    if (!text.empty() && text.front() == ':') {
        // Hours and minutes: "+05:30".
        if (text.size() < 3 || !Ziffer(text[1]) || !Ziffer(text[2]))
            return std::nullopt;
        minuten = (text[1] - '0') * 10 + (text[2] - '0');
        if (minuten >= 60)
            return std::nullopt;
        weiter(3);
    } else if (!text.empty() && (text.front() == '.' || text.front() == ',')) {
        // Decimal hours, as the format publishes it: "5.5", "-4.0", "2.00".
        weiter(1);
        double bruch = 0.0;
        double stelle = 0.1;
        for (; !text.empty() && Ziffer(text.front()); weiter(1), stelle /= 10.0)
            bruch += (text.front() - '0') * stelle;
        minuten = static_cast<int32_t>(std::lround(bruch * 60.0));
    }
    leer();
    if (!text.empty())
        return std::nullopt;
    const int32_t gesamt = stunden * 60 + minuten;
    if (gesamt > groessteZone)
        return std::nullopt;
    return vorzeichen * gesamt;
}

ZeitBezug ZeitBezugFuer(const CSarnixDoc& doc, bool ortszeit)
{
    if (!doc.igc.istIgc)
        return {};
    if (ortszeit)
        if (const std::optional<int32_t> zone = ZonenMinuten(doc.igc.zeitzone))
            return {*zone * 60, false};
    return {0, true};
}

std::string AnzeigeUhrzeit(int64_t zeit, const ZeitBezug& bezug, bool sekunden)
{
    const int64_t t = ((zeit + bezug.versatz) % tag + tag) % tag;
    char text[24];
    if (sekunden)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(t / 3600), static_cast<int>(t % 3600 / 60),
                      static_cast<int>(t % 60));
    else
        std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(t / 3600), static_cast<int>(t % 3600 / 60));
    return bezug.utc ? std::string(text) + " UTC" : std::string(text);
}

std::string AnzeigeUhrzeit(const std::string& text, const ZeitBezug& bezug)
{
    if (text.size() != 5 || !Ziffer(text[0]) || !Ziffer(text[1]) || text[2] != ':' || !Ziffer(text[3]) || !Ziffer(text[4]))
        return text;
    const int32_t zeit = ((text[0] - '0') * 10 + (text[1] - '0')) * 3600 + ((text[3] - '0') * 10 + (text[4] - '0')) * 60;
    return AnzeigeUhrzeit(zeit, bezug, false);
}
