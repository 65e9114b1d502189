#pragma once
// The leagues' rules for scoring a cross-country flight, as data: a rule set is a list of the
// kinds of flight it scores, and the flight scores as the best of them.

#include <optional>
#include <string_view>
#include <vector>

enum class Form { Strecke, Dreieck };

struct WertungsTyp {
    std::string_view art;            // the name the result carries: "frei", "fai", ...
    Form form = Form::Strecke;
    int wendepunkte = 3;             // a distance's turnpoints between start and finish
    double faktor = 1.0;             // points per kilometre
    bool fai = false;                // every side at least 28 % of the perimeter
    double schliessungAnteil = 0;    // a triangle's closing limit as a share of its perimeter,
    double schliessungMindest = 0;   // but never below this many kilometres
    double schliessungFrei = 0;      // kilometres of closing distance not subtracted
    std::optional<double> hoehenVerlust;  // metres the finish may lie below the start
};

struct WertungsRegeln {
    std::string_view name;           // "xcontest", "ffvl", "olc"
    std::vector<WertungsTyp> typen;
};

inline constexpr double faiAnteil = 0.28;

// The rule set of that name, nothing for an unknown one.
std::optional<WertungsRegeln> RegelnFuer(std::string_view name);
// The names of all rule sets, the first is the default.
std::vector<std::string_view> RegelNamen();
