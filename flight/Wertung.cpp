// The search measures on a sphere onto which the ellipsoid is mapped conformally (Gauss's
// sphere for the flight's middle latitude), so that every geodesic lies within a factor of
// qlo..qhi (a few millionths apart for a flight within some hundred km) of the sphere's distance.
// Groups of fixes are the nodes of a balanced tree over the time order with their bounding
// boxes; a group is dropped once the best any choice within it can reach, with the factor qhi,
// is no better than a result measured exactly on the ellipsoid (O. Palkovský, "Paragliding
// Competition Tracklog Optimization": branch and bound over groups of fixes). Distances
// take a dynamic programme over the legs, triangles a search over triples of groups.

#include "flight/Wertung.h"

#include "flight/CDaten.h"
#include "flight/Fluege.h"
#include "flight/Geodaete.h"
#include "flight/Koordinaten.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>
#include <queue>
#include <unordered_map>

namespace {

using Uhr = std::chrono::steady_clock;
constexpr double pi = std::numbers::pi;
constexpr double grad = pi / 180.0;
constexpr double minusUnendlich = -std::numeric_limits<double>::infinity();
constexpr double e2 = geodaete::f * (2 - geodaete::f);
// Slack for the rounding of sums of many legs: a millimetre.
constexpr double epsilon = 1e-3;

struct Vektor {
    double x, y, z;
};

struct Kugel {
    double radius = 6371008.8;
    double qlo = 1, qhi = 1;  // geodesic / sphere distance lies within [qlo, qhi]
};

double Querkruemmung(double phi) { return geodaete::a / std::sqrt(1 - e2 * std::sin(phi) * std::sin(phi)); }

// The isometric latitude of the ellipsoid.
double Isometrisch(double phi)
{
    const double e = std::sqrt(e2), s = std::sin(phi);
    return std::atanh(s) - e * std::atanh(e * s);
}

// Maps the fixes onto the sphere. A flight within a band of latitude and less than a quarter of
// the world in longitude gets Gauss's conformal sphere, whose scale barely changes over it;
// any other the plain sphere with the ellipsoid's extreme radii as the bounds.
Kugel Abbilden(const std::vector<double>& phi, const std::vector<double>& lambda, std::vector<Vektor>& punkte)
{
    const size_t n = phi.size();
    const auto [phiMin, phiMax] = std::minmax_element(phi.begin(), phi.end());
    double dlMin = 0, dlMax = 0;
    for (size_t i = 0; i < n; ++i) {
        const double d = std::remainder(lambda[i] - lambda[0], 2 * pi);
        dlMin = std::min(dlMin, d);
        dlMax = std::max(dlMax, d);
    }
    // No two fixes lie further apart than along a meridian and then the parallel nearest the
    // equator, and every point of a shortest path between them lies within half that of the
    // nearer one (a hundredth more on the ellipsoid).
    const double ausdehnung = (*phiMax - *phiMin) + (dlMax - dlMin) * std::cos(std::min(std::abs(*phiMin), std::abs(*phiMax)));
    const double rand = 0.55 * ausdehnung + 1e-4;
    const double unten = *phiMin - rand, oben = *phiMax + rand;
    Kugel kugel;
    punkte.resize(n);
    if (dlMax - dlMin < pi / 2 && unten > -89 * grad && oben < 89 * grad && ausdehnung < 0.5) {
        const double phi0 = 0.5 * (*phiMin + *phiMax), lambda0 = lambda[0] + 0.5 * (dlMin + dlMax);
        const double c0 = std::cos(phi0), s0 = std::sin(phi0);
        const double alpha = std::sqrt(1 + e2 * c0 * c0 * c0 * c0 / (1 - e2));
        kugel.radius = geodaete::a * std::sqrt(1 - e2) / (1 - e2 * s0 * s0);
        const double chi0 = std::asin(s0 / alpha);
        const double verschiebung = std::atanh(std::sin(chi0)) - alpha * Isometrisch(phi0);
        const auto chi = [&](double p) { return std::asin(std::tanh(alpha * Isometrisch(p) + verschiebung)); };
        // The scale of the map over the band, sampled finely; it is smooth, the margin covers
        // what lies between the samples.
        double kMin = std::numeric_limits<double>::max(), kMax = 0;
        constexpr int proben = 4000;
        for (int i = 0; i <= proben; ++i) {
            const double p = unten + (oben - unten) * i / proben;
            const double k = alpha * kugel.radius * std::cos(chi(p)) / (Querkruemmung(p) * std::cos(p));
            kMin = std::min(kMin, k);
            kMax = std::max(kMax, k);
        }
        kugel.qlo = 1 / kMax * (1 - 1e-9);
        kugel.qhi = 1 / kMin * (1 + 1e-9);
        for (size_t i = 0; i < n; ++i) {
            const double c = chi(phi[i]), l = alpha * std::remainder(lambda[i] - lambda0, 2 * pi);
            punkte[i] = {std::cos(c) * std::cos(l), std::cos(c) * std::sin(l), std::sin(c)};
        }
        return kugel;
    }
    // The meridian's radius of curvature is smallest at the equator, the transverse one largest
    // at the poles; every scale of the plain map lies between them.
    kugel.qlo = geodaete::a * (1 - e2) / kugel.radius * (1 - 1e-9);
    kugel.qhi = geodaete::a / std::sqrt(1 - e2) / kugel.radius * (1 + 1e-9);
    for (size_t i = 0; i < n; ++i)
        punkte[i] = {std::cos(phi[i]) * std::cos(lambda[i]), std::cos(phi[i]) * std::sin(lambda[i]), std::sin(phi[i])};
    return kugel;
}

struct Knoten {
    std::array<double, 3> min{}, max{};
    int lo = 1, hi = 0;  // inclusive; lo > hi: empty
    bool Leer() const { return lo > hi; }
};

struct Zeitende {};  // thrown inside the search when the time is up or the search was cancelled

struct Tupel {
    std::vector<int> p;  // indices into the fixes with a position
    double wert = minusUnendlich;  // exact, metres after the closing
    double schliessung = 0;
    int s = -1, e = -1;  // a triangle's closing pair
};

class Suche {
public:
    Suche(std::vector<double> breite, std::vector<double> laenge, std::vector<int16_t> hoehe, const WertungsOptionen& optionen)
        : phiGrad(std::move(breite)), lambdaGrad(std::move(laenge)), hoehen(std::move(hoehe)), wahl(optionen), anfang(Uhr::now())
    {
        n = static_cast<int>(phiGrad.size());
        std::vector<double> phi(phiGrad.size()), lambda(lambdaGrad.size());
        for (size_t i = 0; i < phi.size(); ++i) {
            phi[i] = phiGrad[i] * grad;
            lambda[i] = lambdaGrad[i] * grad;
        }
        kugel = Abbilden(phi, lambda, punkte);
        Baue();
    }

    bool Abgebrochen() const { return abgebrochen; }

    // The best distance over wendepunkte turnpoints of at least mindestWert metres (exact).
    Tupel Strecke(const WertungsTyp& typ, double mindestWert);
    Tupel Dreieck(const WertungsTyp& typ, double mindestPunkte);

    double Exakt(int i, int j) const { return i == j ? 0.0 : geodaete::Strecke(phiGrad[i], lambdaGrad[i], phiGrad[j], lambdaGrad[j]); }

private:
    static constexpr int blatt = 8;          // fixes in a leaf of the tree
    static constexpr double toleranz = 1.0;  // metres

    double Kugelstrecke(int i, int j) const
    {
        const Vektor& a = punkte[static_cast<size_t>(i)];
        const Vektor& b = punkte[static_cast<size_t>(j)];
        return AusSehne(Quadrat(a.x - b.x) + Quadrat(a.y - b.y) + Quadrat(a.z - b.z));
    }
    static double Quadrat(double x) { return x * x; }
    // The arc of a chord: below a chord of a tenth of the radius (637 km) by the series of
    // asin, whose first left-out term is below 1e-12 of the arc there; the search spends most
    // of its time here.
    double AusSehne(double sehne2) const
    {
        const double x = 0.5 * std::sqrt(sehne2);
        if (x < 0.05) {
            const double x2 = x * x;
            return 2 * kugel.radius * x * (1 + x2 * (1.0 / 6 + x2 * (3.0 / 40 + x2 * (5.0 / 112 + x2 * (35.0 / 1152)))));
        }
        return 2 * kugel.radius * std::asin(std::min(1.0, x));
    }
    double MaxPunktKnoten(int i, const Knoten& k) const
    {
        const Vektor& p = punkte[static_cast<size_t>(i)];
        const double v[3] = {p.x, p.y, p.z};
        double s = 0;
        for (int d = 0; d < 3; ++d)
            s += Quadrat(std::max(v[d] - k.min[d], k.max[d] - v[d]));
        return AusSehne(s);
    }
    double MaxKnoten(const Knoten& a, const Knoten& b) const
    {
        double s = 0;
        for (int d = 0; d < 3; ++d)
            s += Quadrat(std::max(a.max[d] - b.min[d], b.max[d] - a.min[d]));
        return AusSehne(s);
    }
    double MinKnoten(const Knoten& a, const Knoten& b) const
    {
        double s = 0;
        for (int d = 0; d < 3; ++d)
            s += Quadrat(std::max({0.0, a.min[d] - b.max[d], b.min[d] - a.max[d]}));
        return AusSehne(s) * (1 - 1e-12);
    }

    void Baue();
    void Pruefe()
    {
        if (++schritte % 1024 != 0)
            return;
        if ((wahl.abbrechen && wahl.abbrechen->load(std::memory_order_relaxed))
            || (wahl.zeitlimit > 0 && std::chrono::duration<double>(Uhr::now() - anfang).count() > wahl.zeitlimit)) {
            abgebrochen = true;
            throw Zeitende{};
        }
    }

    // Distances.
    // Starts are the fixes at heights hoeheVon..hoeheBis, finishes those at zielHoehe or above.
    double Programm(int legs, int hoeheVon, int hoeheBis, double zielHoehe, std::vector<int>& bestes);
    void Aufzaehlen(const WertungsTyp& typ, int legs, double mindestens, double zielHoehe, Tupel& best);
    Tupel Grob(const WertungsTyp& typ, int legs);
    void Uebernimm(const std::vector<int>& p, Tupel& best) const
    {
        if (p.empty())
            return;
        if (const double w = ExaktStrecke(p); w > best.wert) {
            best.wert = w;
            best.p = p;
        }
    }
    double ExaktStrecke(const std::vector<int>& p) const
    {
        double s = 0;
        for (size_t k = 1; k < p.size(); ++k)
            s += Exakt(p[k - 1], p[k]);
        return s;
    }

    // Triangles.
    double Schliessung(int a, int c);  // on the sphere, memoised
    double SchliessungUnten(int a, int c, double x);
    template <class Besuch>
    void Paare(int a, int c, double& grenze, Besuch&& besuch);
    void BewerteDreieck(const WertungsTyp& typ, int a, int b, int c, double schranke, double& bestePunkte, Tupel& best);

    std::vector<double> phiGrad, lambdaGrad;
    std::vector<int16_t> hoehen;
    WertungsOptionen wahl;
    Uhr::time_point anfang;
    int n = 0;
    Kugel kugel;
    std::vector<Vektor> punkte;
    std::vector<Knoten> knoten;  // 1 is the root, the leaves from erstesBlatt on
    int erstesBlatt = 1;
    std::vector<std::vector<double>> F;     // F[k][j]: the longest k legs ending at j
    std::vector<std::vector<double>> W;     // W[k][j]: the length of the choice vor leads back to
    std::vector<std::vector<double>> Fmax;  // per node the largest F[k] within it
    std::vector<std::vector<int>> vor;      // where the best k-th leg of F[k][j] started
    struct Bekannt {
        double unten = 0;  // no pair is closer
        double oben = std::numeric_limits<double>::infinity();  // a pair this close was seen
    };
    std::unordered_map<uint64_t, Bekannt> schliessungen;
    std::vector<double> weitester;  // the distance from each fix to the farthest after it
    std::vector<std::vector<double>> restLegs;  // [m][j]: at most what m legs after j add
    double schwelle = minusUnendlich;  // on the sphere: what a distance must reach to matter
    void Weiteste();
    uint64_t schritte = 0;
    bool abgebrochen = false;
    uint64_t aufgezaehlt = 0;
};

void Suche::Baue()
{
    const int gruppen = (n + blatt - 1) / blatt;
    erstesBlatt = 1;
    while (erstesBlatt < gruppen)
        erstesBlatt *= 2;
    knoten.assign(static_cast<size_t>(2 * erstesBlatt), Knoten{});
    for (int g = 0; g < gruppen; ++g) {
        Knoten& k = knoten[static_cast<size_t>(erstesBlatt + g)];
        k.lo = g * blatt;
        k.hi = std::min(n, (g + 1) * blatt) - 1;
        k.min = {2, 2, 2};
        k.max = {-2, -2, -2};
        for (int i = k.lo; i <= k.hi; ++i) {
            const Vektor& p = punkte[static_cast<size_t>(i)];
            const double v[3] = {p.x, p.y, p.z};
            for (int d = 0; d < 3; ++d) {
                k.min[d] = std::min(k.min[d], v[d]);
                k.max[d] = std::max(k.max[d], v[d]);
            }
        }
    }
    for (int i = erstesBlatt - 1; i >= 1; --i) {
        const Knoten& l = knoten[static_cast<size_t>(2 * i)];
        const Knoten& r = knoten[static_cast<size_t>(2 * i + 1)];
        Knoten& k = knoten[static_cast<size_t>(i)];
        if (l.Leer())
            continue;
        if (r.Leer()) {
            k = l;
            continue;
        }
        k.lo = l.lo;
        k.hi = r.hi;
        for (int d = 0; d < 3; ++d) {
            k.min[d] = std::min(l.min[d], r.min[d]);
            k.max[d] = std::max(l.max[d], r.max[d]);
        }
    }
}

void Suche::Weiteste()
{
    weitester.assign(static_cast<size_t>(n), 0);
    std::vector<int> stapel;
    for (int j = 0; j < n; ++j) {
        double best = j + 1 < n ? Kugelstrecke(j, j + 1) : 0;
        if (j > 0 && weitester[static_cast<size_t>(j - 1)] > 0)
            best = std::max(best, weitester[static_cast<size_t>(j - 1)] - Kugelstrecke(j - 1, j));
        stapel.assign(1, 1);
        while (!stapel.empty()) {
            const int id = stapel.back();
            stapel.pop_back();
            const Knoten& kn = knoten[static_cast<size_t>(id)];
            if (kn.Leer() || kn.hi < j || MaxPunktKnoten(j, kn) <= best)
                continue;
            if (id >= erstesBlatt) {
                for (int i = std::max(kn.lo, j); i <= kn.hi; ++i)
                    best = std::max(best, Kugelstrecke(j, i));
                continue;
            }
            stapel.push_back(2 * id);
            stapel.push_back(2 * id + 1);
        }
        weitester[static_cast<size_t>(j)] = best;
    }
}

// F[k][j] for every j, from F[k-1]: an upper bound of the longest k legs ending at j, and
// W[k][j] the length of a real choice (over vor) at most toleranz times k shorter. A group of
// starts i before j is bounded twice: by its box and largest F[k-1], and by F[k][hi] + d(hi, j),
// since any i in it reaches j no longer than over its last fix hi (triangle inequality). Along
// a straight stretch every start is nearly as good as the next; the tolerance keeps the search
// from telling them apart fix by fix, and what it leaves open is measured when enumerating.
double Suche::Programm(int legs, int hoeheVon, int hoeheBis, double zielHoehe, std::vector<int>& bestes)
{
    const size_t un = static_cast<size_t>(n);
    if (weitester.empty())
        Weiteste();
    // m more legs from j: the first at most to the farthest fix after j, every further one at
    // most what the same bound allows from any later fix.
    restLegs.assign(static_cast<size_t>(legs + 1), std::vector<double>(un, 0));
    for (int m = 1; m <= legs; ++m) {
        double spaeter = 0;
        for (int j = n - 1; j >= 0; --j) {
            spaeter = std::max(spaeter, restLegs[static_cast<size_t>(m - 1)][static_cast<size_t>(j)]);
            restLegs[static_cast<size_t>(m)][static_cast<size_t>(j)] = weitester[static_cast<size_t>(j)] + spaeter;
        }
    }
    F.assign(static_cast<size_t>(legs + 1), std::vector<double>(un, minusUnendlich));
    W.assign(static_cast<size_t>(legs + 1), std::vector<double>(un, minusUnendlich));
    vor.assign(static_cast<size_t>(legs + 1), std::vector<int>(un, -1));
    Fmax.assign(static_cast<size_t>(legs + 1), std::vector<double>(knoten.size(), minusUnendlich));
    const auto knotenMaxima = [&](int k) {
        std::vector<double>& m = Fmax[static_cast<size_t>(k)];
        for (int b = erstesBlatt; b < 2 * erstesBlatt; ++b) {
            const Knoten& kn = knoten[static_cast<size_t>(b)];
            for (int i = kn.lo; i <= kn.hi; ++i)
                m[static_cast<size_t>(b)] = std::max(m[static_cast<size_t>(b)], F[static_cast<size_t>(k)][static_cast<size_t>(i)]);
        }
        for (int b = erstesBlatt - 1; b >= 1; --b)
            m[static_cast<size_t>(b)] = std::max(m[static_cast<size_t>(2 * b)], m[static_cast<size_t>(2 * b + 1)]);
    };
    for (int i = 0; i < n; ++i) {
        if (hoehen[static_cast<size_t>(i)] < hoeheVon || hoehen[static_cast<size_t>(i)] > hoeheBis)
            continue;
        F[0][static_cast<size_t>(i)] = 0;
        W[0][static_cast<size_t>(i)] = 0;
        vor[0][static_cast<size_t>(i)] = i;
    }
    knotenMaxima(0);
    std::vector<int> stapel;
    for (int k = 1; k <= legs; ++k) {
        const std::vector<double>& alt = F[static_cast<size_t>(k - 1)];
        const std::vector<double>& altW = W[static_cast<size_t>(k - 1)];
        const std::vector<double>& altMax = Fmax[static_cast<size_t>(k - 1)];
        std::vector<double>& neu = F[static_cast<size_t>(k)];
        std::vector<double>& neuW = W[static_cast<size_t>(k)];
        std::vector<int>& von = vor[static_cast<size_t>(k)];
        for (int j = 0; j < n; ++j) {
            Pruefe();
            // What the legs after j can add at most; a j that cannot reach the best known
            // length keeps an upper bound and is not searched.
            const double rest = k == legs ? (hoehen[static_cast<size_t>(j)] < zielHoehe ? std::numeric_limits<double>::infinity() : 0)
                                          : restLegs[static_cast<size_t>(legs - k)][static_cast<size_t>(j)];
            const double schwelleJ = schwelle - rest;
            double oben = alt[static_cast<size_t>(j)], unten = altW[static_cast<size_t>(j)];
            int arg = j;
            if (j > 0) {
                const double billig = std::max(oben, neu[static_cast<size_t>(j - 1)] + Kugelstrecke(j - 1, j));
                if (billig <= schwelleJ) {
                    neu[static_cast<size_t>(j)] = billig;
                    neuW[static_cast<size_t>(j)] = unten;
                    von[static_cast<size_t>(j)] = unten == minusUnendlich ? -1 : j;
                    continue;
                }
            }
            const auto nimm = [&](int i) {
                const double d = Kugelstrecke(i, j);
                oben = std::max(oben, alt[static_cast<size_t>(i)] + d);
                if (altW[static_cast<size_t>(i)] + d > unten)
                    unten = altW[static_cast<size_t>(i)] + d, arg = i;
            };
            if (j > 0 && von[static_cast<size_t>(j - 1)] >= 0)
                nimm(von[static_cast<size_t>(j - 1)]);
            stapel.assign(1, 1);
            while (!stapel.empty()) {
                const int id = stapel.back();
                stapel.pop_back();
                const Knoten& kn = knoten[static_cast<size_t>(id)];
                if (kn.Leer() || kn.lo > j || altMax[static_cast<size_t>(id)] == minusUnendlich)
                    continue;
                double schranke = altMax[static_cast<size_t>(id)] + MaxPunktKnoten(j, kn);
                if (kn.hi < j)
                    schranke = std::min(schranke, neu[static_cast<size_t>(kn.hi)] + Kugelstrecke(kn.hi, j));
                if (schranke <= oben)
                    continue;
                if (schranke <= std::max(unten + toleranz, schwelleJ)) {
                    oben = schranke;
                    continue;
                }
                if (id >= erstesBlatt) {
                    for (int i = kn.lo; i <= std::min(kn.hi, j); ++i)
                        nimm(i);
                    continue;
                }
                stapel.push_back(2 * id);
                stapel.push_back(2 * id + 1);
            }
            neu[static_cast<size_t>(j)] = oben;
            neuW[static_cast<size_t>(j)] = unten;
            von[static_cast<size_t>(j)] = unten == minusUnendlich ? -1 : arg;
        }
        knotenMaxima(k);
    }
    double oben = minusUnendlich, unten = minusUnendlich;
    int ende = -1;
    for (int j = 0; j < n; ++j) {
        if (hoehen[static_cast<size_t>(j)] < zielHoehe)
            continue;
        oben = std::max(oben, F[static_cast<size_t>(legs)][static_cast<size_t>(j)]);
        if (W[static_cast<size_t>(legs)][static_cast<size_t>(j)] > unten)
            unten = W[static_cast<size_t>(legs)][static_cast<size_t>(j)], ende = j;
    }
    bestes.clear();
    if (ende < 0)
        return oben;
    bestes.push_back(ende);
    for (int k = legs; k >= 1; --k)
        bestes.push_back(vor[static_cast<size_t>(k)][static_cast<size_t>(bestes.back())]);
    std::reverse(bestes.begin(), bestes.end());
    return oben;
}

// Every choice whose length on the sphere could, times qhi, still beat the best exact length is
// measured exactly: what makes the result the optimum on the ellipsoid, not only on the sphere.
void Suche::Aufzaehlen(const WertungsTyp& typ, int legs, double mindestens, double zielHoehe, Tupel& best)
{
    std::vector<int> p(static_cast<size_t>(legs + 1));
    const auto schritt = [&](auto&& selbst, int k, int j, double noetig) -> void {
        // Chooses p[k-1] before j.
        std::vector<int> stapel{1};
        const std::vector<double>& alt = F[static_cast<size_t>(k - 1)];
        const std::vector<double>& altMax = Fmax[static_cast<size_t>(k - 1)];
        const std::vector<double>& neu = F[static_cast<size_t>(k)];
        while (!stapel.empty()) {
            Pruefe();
            const int id = stapel.back();
            stapel.pop_back();
            const Knoten& kn = knoten[static_cast<size_t>(id)];
            if (kn.Leer() || kn.lo > j)
                continue;
            double schranke = altMax[static_cast<size_t>(id)] + MaxPunktKnoten(j, kn);
            if (kn.hi < j)
                schranke = std::min(schranke, neu[static_cast<size_t>(kn.hi)] + Kugelstrecke(kn.hi, j));
            if (schranke < noetig)
                continue;
            if (id < erstesBlatt) {
                stapel.push_back(2 * id);
                stapel.push_back(2 * id + 1);
                continue;
            }
            for (int i = kn.lo; i <= std::min(kn.hi, j); ++i) {
                const double d = Kugelstrecke(i, j);
                if (alt[static_cast<size_t>(i)] + d < noetig)
                    continue;
                p[static_cast<size_t>(k - 1)] = i;
                if (k > 1) {
                    selbst(selbst, k - 1, i, noetig - d);
                    continue;
                }
                // Only on the plain sphere (a flight around a pole or a quarter of the world) is
                // the band of doubt wide enough to hold this many choices.
                if (++aufgezaehlt > 20000000) {
                    abgebrochen = true;
                    throw Zeitende{};
                }
                if (typ.hoehenVerlust && hoehen[static_cast<size_t>(p.back())] < hoehen[static_cast<size_t>(i)] - *typ.hoehenVerlust)
                    continue;
                const double w = ExaktStrecke(p);
                if (w > best.wert) {
                    best.wert = w;
                    best.p = p;
                }
            }
        }
    };
    for (int j = 0; j < n; ++j) {
        if (hoehen[static_cast<size_t>(j)] < zielHoehe)
            continue;
        const double s = std::max(mindestens, best.wert / kugel.qhi) - epsilon;
        if (F[static_cast<size_t>(legs)][static_cast<size_t>(j)] < s)
            continue;
        p[static_cast<size_t>(legs)] = j;
        schritt(schritt, legs, j, s);
    }
}

// A first answer from every m-th fix: what a search cut short by its time limit still reports.
Tupel Suche::Grob(const WertungsTyp& typ, int legs)
{
    const int m = std::max(1, n / 800);
    std::vector<int> idx;
    for (int i = 0; i < n; i += m)
        idx.push_back(i);
    if (idx.back() != n - 1)
        idx.push_back(n - 1);
    const size_t g = idx.size();
    std::vector<std::vector<double>> f(static_cast<size_t>(legs + 1), std::vector<double>(g, 0));
    std::vector<std::vector<size_t>> v(static_cast<size_t>(legs + 1), std::vector<size_t>(g, 0));
    for (size_t i = 0; i < g; ++i)
        v[0][i] = i;
    for (int k = 1; k <= legs; ++k)
        for (size_t j = 0; j < g; ++j) {
            double best = f[static_cast<size_t>(k - 1)][j];
            size_t arg = j;
            for (size_t i = 0; i < j; ++i) {
                const double w = f[static_cast<size_t>(k - 1)][i] + Kugelstrecke(idx[i], idx[j]);
                if (w > best)
                    best = w, arg = i;
            }
            f[static_cast<size_t>(k)][j] = best;
            v[static_cast<size_t>(k)][j] = arg;
        }
    Tupel t;
    size_t ende = 0;
    for (size_t j = 0; j < g; ++j)
        if (f[static_cast<size_t>(legs)][j] > f[static_cast<size_t>(legs)][ende])
            ende = j;
    std::vector<size_t> kette{ende};
    for (int k = legs; k >= 1; --k)
        kette.push_back(v[static_cast<size_t>(k)][kette.back()]);
    std::reverse(kette.begin(), kette.end());
    for (const size_t i : kette)
        t.p.push_back(idx[i]);
    if (!typ.hoehenVerlust || hoehen[static_cast<size_t>(t.p.back())] >= hoehen[static_cast<size_t>(t.p.front())] - *typ.hoehenVerlust)
        t.wert = ExaktStrecke(t.p);
    return t;
}

Tupel Suche::Strecke(const WertungsTyp& typ, double mindestWert)
{
    const int legs = typ.wendepunkte + 1;
    Tupel best = Grob(typ, legs);
    if (best.wert < mindestWert)
        best.wert = minusUnendlich;
    const double untergrenze = std::max(mindestWert, best.wert);
    try {
        std::vector<int> argmax;
        schwelle = untergrenze / kugel.qhi - epsilon;
        if (!typ.hoehenVerlust) {
            const double s = Programm(legs, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max(), minusUnendlich, argmax);
            Uebernimm(argmax, best);
            if (s * kugel.qhi > std::max(untergrenze, best.wert))
                Aufzaehlen(typ, legs, untergrenze / kugel.qhi, minusUnendlich, best);
            return best;
        }
        // The finish may not lie too far below the start: bands of start heights, best first,
        // each with the finishes its lowest start allows. A band whose best finishes too low for
        // its start is cut in two.
        struct Bereich {
            double schranke;
            int von, bis;
            bool operator<(const Bereich& b) const { return schranke < b.schranke; }
        };
        std::priority_queue<Bereich> offen;
        const auto [tiefste, hoechste] = std::minmax_element(hoehen.begin(), hoehen.end());
        offen.push({std::numeric_limits<double>::infinity(), *tiefste, *hoechste});
        while (!offen.empty()) {
            const Bereich b = offen.top();
            offen.pop();
            if (b.schranke * kugel.qhi <= std::max(untergrenze, best.wert))
                break;
            schwelle = std::max(untergrenze, best.wert) / kugel.qhi - epsilon;
            const double zielHoehe = b.von - *typ.hoehenVerlust;
            const double s = Programm(legs, b.von, b.bis, zielHoehe, argmax);
            if (argmax.empty() || s * kugel.qhi <= std::max(untergrenze, best.wert))
                continue;
            if (hoehen[static_cast<size_t>(argmax.back())] >= hoehen[static_cast<size_t>(argmax.front())] - *typ.hoehenVerlust) {
                Uebernimm(argmax, best);
                Aufzaehlen(typ, legs, std::max(untergrenze, best.wert) / kugel.qhi, zielHoehe, best);
                continue;
            }
            // Any cut above the height that allows this finish and not above its start leaves
            // the pair out of both bands; halfway between keeps the number of bands logarithmic.
            const int erlaubt = hoehen[static_cast<size_t>(argmax.back())] + static_cast<int>(*typ.hoehenVerlust);
            const int schnitt = erlaubt + 1 + (hoehen[static_cast<size_t>(argmax.front())] - erlaubt - 1) / 2;
            offen.push({s, b.von, schnitt - 1});
            offen.push({s, schnitt, b.bis});
        }
    } catch (const Zeitende&) {
    }
    return best;
}

// The closest pair of a fix up to a and one from c on, on the sphere.
double Suche::Schliessung(int a, int c)
{
    if (a >= c)
        return 0;
    if (schliessungen.size() > (1u << 22))
        schliessungen.clear();
    Bekannt& b = schliessungen[(static_cast<uint64_t>(a) << 32) | static_cast<uint32_t>(c)];
    if (b.unten == b.oben)
        return b.unten;
    double grenze = b.oben;
    Paare(a, c, grenze, [&](int, int, double d) { grenze = std::min(grenze, d); });
    b.unten = b.oben = grenze;
    return grenze;
}

// A lower bound of that closing, above x whenever the closing is: most groups only need to
// know whether some pair lies within x, and the first one found answers that.
double Suche::SchliessungUnten(int a, int c, double x)
{
    if (a >= c)
        return 0;
    // What is known is only remembered, never needed: the memory stays bounded.
    if (schliessungen.size() > (1u << 22))
        schliessungen.clear();
    Bekannt& b = schliessungen[(static_cast<uint64_t>(a) << 32) | static_cast<uint32_t>(c)];
    if (b.unten > x || b.oben <= x)
        return b.unten;
    double grenze = x;
    Paare(a, c, grenze, [&](int, int, double d) {
        b.oben = std::min(b.oben, d);
        grenze = -1;
    });
    if (grenze >= 0)
        b.unten = std::max(b.unten, std::nextafter(x, std::numeric_limits<double>::infinity()));
    return b.unten;
}

// Visits the pairs (s <= a, e >= c) closer on the sphere than grenze, which the visitor may lower.
template <class Besuch>
void Suche::Paare(int a, int c, double& grenze, Besuch&& besuch)
{
    struct Paar {
        int s, e;
        double min;
    };
    std::vector<Paar> stapel{{1, 1, 0}};
    while (!stapel.empty()) {
        const Paar p = stapel.back();
        stapel.pop_back();
        if (p.min > grenze)
            continue;
        Pruefe();
        const Knoten& ks = knoten[static_cast<size_t>(p.s)];
        const Knoten& ke = knoten[static_cast<size_t>(p.e)];
        if (p.s >= erstesBlatt && p.e >= erstesBlatt) {
            for (int s = ks.lo; s <= std::min(ks.hi, a); ++s)
                for (int e = std::max(ke.lo, c); e <= ke.hi; ++e)
                    if (const double d = Kugelstrecke(s, e); d <= grenze)
                        besuch(s, e, d);
            continue;
        }
        const bool teileS = p.e >= erstesBlatt || (p.s < erstesBlatt && ks.hi - ks.lo >= ke.hi - ke.lo);
        Paar kinder[2];
        int anzahl = 0;
        for (int kind = 0; kind < 2; ++kind) {
            const int s = teileS ? 2 * p.s + kind : p.s;
            const int e = teileS ? p.e : 2 * p.e + kind;
            const Knoten& a2 = knoten[static_cast<size_t>(s)];
            const Knoten& b2 = knoten[static_cast<size_t>(e)];
            if (a2.Leer() || b2.Leer() || a2.lo > a || b2.hi < c)
                continue;
            kinder[anzahl++] = {s, e, MinKnoten(a2, b2)};
        }
        if (anzahl == 2 && kinder[0].min < kinder[1].min)
            std::swap(kinder[0], kinder[1]);
        for (int k = 0; k < anzahl; ++k)
            stapel.push_back(kinder[k]);
    }
}

double Grenze(const WertungsTyp& typ, double umfang) { return std::max(typ.schliessungAnteil * umfang, typ.schliessungMindest * 1000); }
double Abzug(const WertungsTyp& typ, double schliessung) { return std::max(0.0, schliessung - typ.schliessungFrei * 1000); }

void Suche::BewerteDreieck(const WertungsTyp& typ, int a, int b, int c, double schranke, double& bestePunkte, Tupel& best)
{
    const double ab = Kugelstrecke(a, b), bc = Kugelstrecke(b, c), ca = Kugelstrecke(c, a);
    const double umfang = ab + bc + ca;
    if (typ.faktor * (kugel.qhi * umfang - Abzug(typ, kugel.qlo * schranke)) <= bestePunkte)
        return;
    if (typ.fai && kugel.qhi * std::min({ab, bc, ca}) < faiAnteil * kugel.qlo * umfang)
        return;
    const double obergrenze = std::min(Grenze(typ, kugel.qhi * umfang), typ.schliessungFrei * 1000 + kugel.qhi * umfang - bestePunkte / typ.faktor);
    if (SchliessungUnten(a, c, obergrenze / kugel.qlo) * kugel.qlo > obergrenze)
        return;
    const double sch = Schliessung(a, c);
    if (kugel.qlo * sch > Grenze(typ, kugel.qhi * umfang) || typ.faktor * (kugel.qhi * umfang - Abzug(typ, kugel.qlo * sch)) <= bestePunkte)
        return;
    const double eab = Exakt(a, b), ebc = Exakt(b, c), eca = Exakt(c, a);
    const double eUmfang = eab + ebc + eca;
    if (typ.fai && std::min({eab, ebc, eca}) < faiAnteil * eUmfang)
        return;
    double grenze = sch * kugel.qhi / kugel.qlo + epsilon;
    double eSch = std::numeric_limits<double>::infinity();
    int es = -1, ee = -1;
    Paare(a, c, grenze, [&](int s, int e, double) {
        if (const double d = Exakt(s, e); d < eSch)
            eSch = d, es = s, ee = e;
    });
    if (es < 0 || eSch > Grenze(typ, eUmfang))
        return;
    const double wert = typ.faktor * (eUmfang - Abzug(typ, eSch));
    if (wert > bestePunkte) {
        bestePunkte = wert;
        best.p = {a, b, c};
        best.wert = eUmfang - Abzug(typ, eSch);
        best.schliessung = eSch;
        best.s = es;
        best.e = ee;
    }
}

// Triples of groups (A, B, C) for the turnpoints a <= b <= c, depth first, the more promising
// half first. A triple's perimeter is bounded by the farthest corners of the boxes, its closing
// from below by the closest pair before A's last and after C's first fix.
Tupel Suche::Dreieck(const WertungsTyp& typ, double mindestPunkte)
{
    Tupel best;
    double bestePunkte = mindestPunkte;
    struct Drei {
        int k[3];
        double schranke;
    };
    const auto schranke = [&](const int (&k)[3], double& schliessungUnten) {
        const Knoten& A = knoten[static_cast<size_t>(k[0])];
        const Knoten& B = knoten[static_cast<size_t>(k[1])];
        const Knoten& C = knoten[static_cast<size_t>(k[2])];
        const double ab = MaxKnoten(A, B), bc = MaxKnoten(B, C), ca = MaxKnoten(C, A);
        double umfang = kugel.qhi * (ab + bc + ca);
        if (typ.fai) {
            umfang = std::min(umfang, kugel.qhi * std::min({ab, bc, ca}) / faiAnteil);
            const double mab = MinKnoten(A, B), mbc = MinKnoten(B, C), mca = MinKnoten(C, A);
            const double q = kugel.qlo / kugel.qhi * faiAnteil / (1 - faiAnteil);
            if (ab < q * (mbc + mca) || bc < q * (mab + mca) || ca < q * (mab + mbc))
                return minusUnendlich;
        }
        schliessungUnten = 0;
        if (typ.faktor * umfang <= bestePunkte)
            return minusUnendlich;
        const int aMax = std::min({A.hi, B.hi, C.hi}), cMin = std::max({A.lo, B.lo, C.lo});
        const double obergrenze = std::min(Grenze(typ, umfang), typ.schliessungFrei * 1000 + umfang - bestePunkte / typ.faktor);
        schliessungUnten = SchliessungUnten(aMax, cMin, obergrenze / kugel.qlo);
        if (kugel.qlo * schliessungUnten > Grenze(typ, umfang))
            return minusUnendlich;
        return typ.faktor * (umfang - Abzug(typ, kugel.qlo * schliessungUnten));
    };
    try {
        std::vector<Drei> stapel{{{1, 1, 1}, std::numeric_limits<double>::infinity()}};
        while (!stapel.empty()) {
            Pruefe();
            const Drei d = stapel.back();
            stapel.pop_back();
            if (d.schranke <= bestePunkte)
                continue;
            const Knoten* k[3] = {&knoten[static_cast<size_t>(d.k[0])], &knoten[static_cast<size_t>(d.k[1])],
                                  &knoten[static_cast<size_t>(d.k[2])]};
            int teile = -1, groesste = 0;
            for (int i = 0; i < 3; ++i)
                if (d.k[i] < erstesBlatt && k[i]->hi - k[i]->lo + 1 > groesste)
                    groesste = k[i]->hi - k[i]->lo + 1, teile = i;
            if (teile < 0) {
                double sch = 0;
                const int kk[3] = {d.k[0], d.k[1], d.k[2]};
                if (schranke(kk, sch) <= bestePunkte)
                    continue;
                for (int a = k[0]->lo; a <= k[0]->hi; ++a)
                    for (int b = std::max(a, k[1]->lo); b <= k[1]->hi; ++b)
                        for (int c = std::max(b, k[2]->lo); c <= k[2]->hi; ++c)
                            BewerteDreieck(typ, a, b, c, sch, bestePunkte, best);
                continue;
            }
            Drei kinder[2];
            int anzahl = 0;
            for (int kind = 0; kind < 2; ++kind) {
                Drei neu = d;
                neu.k[teile] = 2 * d.k[teile] + kind;
                const Knoten& A = knoten[static_cast<size_t>(neu.k[0])];
                const Knoten& B = knoten[static_cast<size_t>(neu.k[1])];
                const Knoten& C = knoten[static_cast<size_t>(neu.k[2])];
                if (A.Leer() || B.Leer() || C.Leer() || A.lo > B.hi || B.lo > C.hi || A.lo > C.hi)
                    continue;
                double sch = 0;
                neu.schranke = schranke(neu.k, sch);
                if (neu.schranke > bestePunkte)
                    kinder[anzahl++] = neu;
            }
            if (anzahl == 2 && kinder[0].schranke > kinder[1].schranke)
                std::swap(kinder[0], kinder[1]);
            for (int i = 0; i < anzahl; ++i)
                stapel.push_back(kinder[i]);
        }
    } catch (const Zeitende&) {
    }
    return best;
}

double Gerundet(double wert, double einheit) { return std::round(wert / einheit) * einheit; }

}  // namespace

Wertung Werte(const std::vector<CDaten>& fixe, size_t von, size_t bis, const WertungsRegeln& regeln, const WertungsOptionen& optionen)
{
    Wertung w;
    w.regeln = regeln.name;
    std::vector<size_t> index;
    std::vector<double> breite, laenge;
    std::vector<int16_t> hoehe;
    bis = std::min(bis, fixe.empty() ? 0 : fixe.size() - 1);
    for (size_t i = von; i <= bis && i < fixe.size(); ++i) {
        const CDaten& f = fixe[i];
        if (!f.hatPosition)
            continue;
        const double b = GradAus(f.breite);
        const double l = GradAus(f.laenge);
        if (!(std::abs(b) <= 90) || !(std::abs(l) <= 360)) {
            w.fehler = "Position außerhalb der Erde";
            return w;
        }
        // Loggers jitter by a second or two; the order of the records stands for the order in time.
        if (!index.empty() && f.zeit < fixe[index.back()].zeit - 10) {
            w.fehler = "die Zeit läuft rückwärts";
            return w;
        }
        index.push_back(i);
        breite.push_back(b);
        laenge.push_back(l);
        hoehe.push_back(f.hoehe);
    }
    if (index.size() < 5) {
        w.fehler = "weniger als 5 Fixe mit Position";
        return w;
    }
    bool bewegt = false;
    for (size_t i = 1; i < index.size() && !bewegt; ++i)
        bewegt = fixe[index[i]].breite != fixe[index[0]].breite || fixe[index[i]].laenge != fixe[index[0]].laenge;
    if (!bewegt) {
        w.fehler = "alle Fixe an einem Ort";
        return w;
    }

    Suche suche(std::move(breite), std::move(laenge), std::move(hoehe), optionen);
    double bestePunkte = 0;
    const WertungsTyp* besterTyp = nullptr;
    Tupel bestes;
    // Distances first: their optimum bounds the triangles from below.
    for (const Form form : {Form::Strecke, Form::Dreieck})
        for (const WertungsTyp& typ : regeln.typen) {
            if (typ.form != form)
                continue;
            Tupel t = form == Form::Strecke ? suche.Strecke(typ, bestePunkte / typ.faktor) : suche.Dreieck(typ, bestePunkte);
            if (t.wert > minusUnendlich && typ.faktor * t.wert > bestePunkte) {
                bestePunkte = typ.faktor * t.wert;
                besterTyp = &typ;
                bestes = std::move(t);
            }
        }
    if (!besterTyp) {
        w.fehler = suche.Abgebrochen() ? "Zeitlimit vor der ersten Lösung" : "keine Strecke";
        return w;
    }

    const auto punkt = [&](int i) {
        const CDaten& f = fixe[index[static_cast<size_t>(i)]];
        return WertungsPunkt{index[static_cast<size_t>(i)], f.zeit, f.breite, f.laenge};
    };
    w.art = besterTyp->art;
    w.faktor = besterTyp->faktor;
    w.optimal = !suche.Abgebrochen();
    double summe = 0;
    const auto leg = [&](int i, int j) {
        const double km = Gerundet(suche.Exakt(i, j) / 1000, 0.01);
        w.legs.push_back(km);
        summe += km;
    };
    if (besterTyp->form == Form::Strecke) {
        w.start = punkt(bestes.p.front());
        w.ziel = punkt(bestes.p.back());
        for (size_t k = 1; k + 1 < bestes.p.size(); ++k)
            w.wendepunkte.push_back(punkt(bestes.p[k]));
        for (size_t k = 1; k < bestes.p.size(); ++k)
            leg(bestes.p[k - 1], bestes.p[k]);
    } else {
        for (const int i : bestes.p)
            w.wendepunkte.push_back(punkt(i));
        leg(bestes.p[0], bestes.p[1]);
        leg(bestes.p[1], bestes.p[2]);
        leg(bestes.p[2], bestes.p[0]);
        w.start = punkt(bestes.s);
        w.ziel = punkt(bestes.e);
        const double sch = Gerundet(bestes.schliessung / 1000, 0.01);
        w.schliessung = sch;
        summe -= std::max(0.0, sch - besterTyp->schliessungFrei);
    }
    w.strecke = Gerundet(summe, 0.01);
    w.punkte = Gerundet(w.strecke * w.faktor, 0.01);
    return w;
}

Wertung WerteFlug(const std::vector<CDaten>& fixe, const WertungsRegeln& regeln, const WertungsOptionen& optionen)
{
    const std::vector<Flugabschnitt> fluege = FindeFluege(fixe);
    if (fluege.empty()) {
        Wertung w;
        w.regeln = regeln.name;
        w.fehler = "kein Start gefunden";
        return w;
    }
    const Flugabschnitt& laengster =
        *std::max_element(fluege.begin(), fluege.end(), [](const Flugabschnitt& a, const Flugabschnitt& b) { return a.Dauer() < b.Dauer(); });
    return Werte(fixe, laengster.start, laengster.landung, regeln, optionen);
}
