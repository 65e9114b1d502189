#include "tools/IgcVarianten.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace igcvarianten {

namespace {

constexpr int32_t tag = 86400;

// A B record: B HHMMSS DDMMmmmN DDDMMmmmE V PPPPP GGGGG [extensions]
bool IstFix(std::string_view zeile) { return zeile.size() >= 35 && zeile[0] == 'B'; }

struct Log {
    std::vector<std::pair<size_t, size_t>> nachkommastellen;  // LAD and LOD bytes of a fix
    std::vector<std::string> vorher;  // header lines before the first fix
    std::vector<std::string> fixe;
    std::vector<std::string> nachher;  // everything from the first line after the last fix
};

int Zahl(const std::string& z, size_t von, size_t laenge)
{
    int wert = 0;
    for (size_t i = von; i < von + laenge; ++i)
        wert = wert * 10 + (z[i] - '0');
    return wert;
}

Log Zerlege(std::string_view igc)
{
    Log log;
    size_t pos = 0;
    while (pos < igc.size()) {
        size_t ende = igc.find('\n', pos);
        if (ende == std::string_view::npos)
            ende = igc.size();
        std::string zeile(igc.substr(pos, ende - pos));
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        pos = ende + 1;
        // I NN SSFFCCC...: where the extensions of a fix lie, 1-based, first and last byte.
        if (log.fixe.empty() && zeile.size() >= 3 && zeile[0] == 'I')
            for (size_t e = 3; e + 7 <= zeile.size(); e += 7) {
                const std::string_view code = std::string_view(zeile).substr(e + 4, 3);
                const bool ziffern = std::all_of(zeile.begin() + static_cast<std::ptrdiff_t>(e),
                                                 zeile.begin() + static_cast<std::ptrdiff_t>(e + 4),
                                                 [](char c) { return c >= '0' && c <= '9'; });
                if (ziffern && Zahl(zeile, e, 2) > 0 && (code == "LAD" || code == "LOD"))
                    log.nachkommastellen.emplace_back(static_cast<size_t>(Zahl(zeile, e, 2) - 1), static_cast<size_t>(Zahl(zeile, e + 2, 2)));
            }
        if (IstFix(zeile)) {
            // Lines between fixes (events, satellites) go on after the fixes; none is needed.
            log.fixe.push_back(std::move(zeile));
        } else {
            (log.fixe.empty() ? log.vorher : log.nachher).push_back(std::move(zeile));
        }
    }
    return log;
}

std::string Zusammen(const Log& log)
{
    std::string text;
    for (const auto* teil : {&log.vorher, &log.fixe, &log.nachher})
        for (const std::string& zeile : *teil)
            text += zeile + "\r\n";
    return text;
}

void Schreibe(std::string& z, size_t von, size_t laenge, int64_t wert)
{
    for (size_t i = von + laenge; i-- > von;) {
        z[i] = static_cast<char>('0' + wert % 10);
        wert /= 10;
    }
}

int32_t Zeit(const std::string& z) { return Zahl(z, 1, 2) * 3600 + Zahl(z, 3, 2) * 60 + Zahl(z, 5, 2); }

void SetzeZeit(std::string& z, int32_t t)
{
    t = ((t % tag) + tag) % tag;
    Schreibe(z, 1, 2, t / 3600);
    Schreibe(z, 3, 2, t % 3600 / 60);
    Schreibe(z, 5, 2, t % 60);
}

// Latitude and longitude in thousandths of an arc minute, north and east positive.
int64_t Breite(const std::string& z) { return (Zahl(z, 7, 2) * 60000LL + Zahl(z, 9, 5)) * (z[14] == 'S' ? -1 : 1); }
int64_t Laenge(const std::string& z) { return (Zahl(z, 15, 3) * 60000LL + Zahl(z, 18, 5)) * (z[23] == 'W' ? -1 : 1); }

void SetzePosition(std::string& z, int64_t breite, int64_t laenge)
{
    z[14] = breite < 0 ? 'S' : 'N';
    z[23] = laenge < 0 ? 'W' : 'E';
    breite = std::abs(breite);
    laenge = std::abs(laenge);
    Schreibe(z, 7, 2, breite / 60000);
    Schreibe(z, 9, 5, breite % 60000);
    Schreibe(z, 15, 3, laenge / 60000);
    Schreibe(z, 18, 5, laenge % 60000);
}

void KopierePosition(const Log& log, std::string& nach, const std::string& von)
{
    nach.replace(7, 17, von, 7, 17);
    for (const auto& [erstes, ende] : log.nachkommastellen)
        if (ende <= nach.size() && ende <= von.size())
            nach.replace(erstes, ende - erstes, von, erstes, ende - erstes);
}

void SetzeHoehe(std::string& z, int hoehe)
{
    Schreibe(z, 25, 5, std::max(0, hoehe));
    Schreibe(z, 30, 5, std::max(0, hoehe));
}

size_t Stelle(const Log& log, double anteil)
{
    return std::min(log.fixe.size() - 1, static_cast<size_t>(anteil * static_cast<double>(log.fixe.size())));
}

}  // namespace

std::string JedeNteWiederholt(std::string_view igc, int n)
{
    Log log = Zerlege(igc);
    for (size_t i = static_cast<size_t>(n); i < log.fixe.size(); i += static_cast<size_t>(n))
        KopierePosition(log, log.fixe[i], log.fixe[i - 1]);
    return Zusammen(log);
}

std::string Laeufe(std::string_view igc, int abstand, int laenge)
{
    Log log = Zerlege(igc);
    for (size_t i = 1; i < log.fixe.size(); ++i)
        if (static_cast<int>(i % static_cast<size_t>(abstand)) < laenge && i % static_cast<size_t>(abstand) != 0)
            KopierePosition(log, log.fixe[i], log.fixe[i - 1]);
    return Zusammen(log);
}

std::string Vervielfacht(std::string_view igc, int mal)
{
    Log log = Zerlege(igc);
    std::vector<std::string> fixe;
    for (const std::string& z : log.fixe)
        fixe.insert(fixe.end(), static_cast<size_t>(mal), z);
    log.fixe = std::move(fixe);
    return Zusammen(log);
}

std::string Pause(std::string_view igc, double anteil, int minuten)
{
    Log log = Zerlege(igc);
    if (log.fixe.empty())
        return Zusammen(log);
    const size_t m = Stelle(log, anteil);
    const int32_t dauer = minuten * 60;
    std::vector<std::string> fixe(log.fixe.begin(), log.fixe.begin() + static_cast<std::ptrdiff_t>(m) + 1);
    const int32_t t = Zeit(log.fixe[m]);
    for (int32_t s = 1; s <= dauer; ++s) {
        fixe.push_back(log.fixe[m]);
        SetzeZeit(fixe.back(), t + s);
    }
    for (size_t i = m + 1; i < log.fixe.size(); ++i) {
        fixe.push_back(log.fixe[i]);
        SetzeZeit(fixe.back(), Zeit(log.fixe[i]) + dauer);
    }
    log.fixe = std::move(fixe);
    return Zusammen(log);
}

std::string Luecke(std::string_view igc, double anteil, int minuten)
{
    Log log = Zerlege(igc);
    if (log.fixe.empty())
        return Zusammen(log);
    const std::string letzter = log.fixe.back();
    log.fixe.resize(Stelle(log, anteil) + 1);
    std::string danach = letzter;
    SetzeZeit(danach, Zeit(log.fixe.back()) + minuten * 60);
    log.fixe.push_back(danach);
    return Zusammen(log);
}

std::string Wanderung(std::string_view igc, double stunden)
{
    Log log = Zerlege(igc);
    if (log.fixe.empty())
        return Zusammen(log);
    const std::string& erster = log.fixe.front();
    const int32_t dauer = static_cast<int32_t>(stunden * 3600.0);
    const int hoehe = Zahl(erster, 30, 5) > 0 ? Zahl(erster, 30, 5) : Zahl(erster, 25, 5);
    const int64_t breite = Breite(erster);
    const int64_t laenge = Laenge(erster);
    constexpr double meterProTausendstel = 1852.0 / 1000.0;
    const double breiteRad = static_cast<double>(breite) / 60000.0 * std::numbers::pi / 180.0;
    uint32_t zufall = 12345;
    const auto zitter = [&zufall] {  // about ±3 m
        zufall = zufall * 1664525u + 1013904223u;
        return static_cast<double>(zufall >> 16) / 65536.0 * 6.0 - 3.0;
    };
    std::vector<std::string> fixe;
    for (int32_t s = dauer; s > 0; --s) {
        // From the south, up a slope.
        const double nord = -static_cast<double>(s) + zitter();
        const double ost = zitter();
        std::string z = erster;
        SetzeZeit(z, Zeit(erster) - s);
        SetzePosition(z, breite + std::llround(nord / meterProTausendstel),
                      laenge + std::llround(ost / (meterProTausendstel * std::cos(breiteRad))));
        SetzeHoehe(z, hoehe - static_cast<int>(1000.0 * s / dauer));
        fixe.push_back(std::move(z));
    }
    fixe.insert(fixe.end(), log.fixe.begin(), log.fixe.end());
    log.fixe = std::move(fixe);
    return Zusammen(log);
}

std::vector<Variante> Alle(std::string_view igc)
{
    return {
        {"wiederholt-14", JedeNteWiederholt(igc, 14)},
        {"wiederholt-3", JedeNteWiederholt(igc, 3)},
        {"laeufe-20-4", Laeufe(igc, 20, 4)},
        {"vierfach", Vervielfacht(igc, 4)},
        {"pause-35min", Pause(igc, 0.5, 35)},
        {"luecke-40min", Luecke(igc, 0.6, 40)},
        {"wanderung-2h", Wanderung(igc, 2.0)},
    };
}

}  // namespace igcvarianten
