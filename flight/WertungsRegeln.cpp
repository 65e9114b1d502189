#include "flight/WertungsRegeln.h"

namespace {

// One line a kind of flight; a league's change is a change of one line.
// clang-format off
const std::vector<WertungsRegeln>& Tabelle()
{
    static const std::vector<WertungsRegeln> tabelle = {
        {"xcontest", {
            // World XContest rules, "Flight value in points": free distance over up to 3 turnpoints 1.0,
            // free triangle 1.2, FAI triangle 1.4 (closing below 20 % of the perimeter); closed
            // free triangle 1.4, closed FAI triangle 1.6 (closing below 5 %). The closing is subtracted.
            {"frei",                Form::Strecke, 3, 1.0, false, 0,    0, 0, {}},
            {"dreieck",             Form::Dreieck, 3, 1.2, false, 0.20, 0, 0, {}},
            {"fai",                 Form::Dreieck, 3, 1.4, true,  0.20, 0, 0, {}},
            {"dreieck-geschlossen", Form::Dreieck, 3, 1.4, false, 0.05, 0, 0, {}},
            {"fai-geschlossen",     Form::Dreieck, 3, 1.6, true,  0.05, 0, 0, {}},
        }},
        {"ffvl", {
            // FFVL, Coupe Fédérale de Distance, règlement, "types de parcours": distance libre with
            // up to 3 points de contournement 1.0, triangle plat 1.2, triangle FAI 1.4; closed when
            // the gap is within 3 km or 5 % of the perimeter, the first 3 km not deducted.
            {"frei",                Form::Strecke, 3, 1.0, false, 0,    0, 0, {}},
            {"dreieck",             Form::Dreieck, 3, 1.2, false, 0.05, 3, 3, {}},
            {"fai",                 Form::Dreieck, 3, 1.4, true,  0.05, 3, 3, {}},
        }},
        {"olc", {
            // OLC rules, 3.1 OLC-Classic: start point, up to five turnpoints and finish point, the
            // finish no more than 1000 m below the start. 3.2 FAI-OLC: the largest FAI triangle, a
            // result of its own at 1 point per km, start and finish within 1 km of each other.
            {"frei",                Form::Strecke, 5, 1.0, false, 0,    0, 0, 1000.0},
            {"fai",                 Form::Dreieck, 3, 1.0, true,  0,    1, 0, {}},
        }},
    };
    return tabelle;
}
// clang-format on

}  // namespace

std::optional<WertungsRegeln> RegelnFuer(std::string_view name)
{
    for (const WertungsRegeln& r : Tabelle())
        if (r.name == name)
            return r;
    return std::nullopt;
}

std::vector<std::string_view> RegelNamen()
{
    std::vector<std::string_view> namen;
    for (const WertungsRegeln& r : Tabelle())
        namen.push_back(r.name);
    return namen;
}
