// The IGC reader: A, H, I, C, B and G records; every other record is skipped.

#include "doc/Igc.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define SARNIX_SSE2 1
#endif

namespace {

constexpr int32_t nullpunkt = 500000000;
constexpr int32_t einheitenProMinute = 10000;
constexpr int32_t tag = 86400;
constexpr int32_t naechsterTagAb = 3600;  // a step back by more than this is the next day
constexpr size_t bLaenge = 35;            // a B record without extensions

bool Ziffer(char c) { return c >= '0' && c <= '9'; }

bool Ziffern(std::string_view z, size_t von, size_t anzahl)
{
    if (von + anzahl > z.size())
        return false;
    for (size_t i = von; i < von + anzahl; ++i)
        if (!Ziffer(z[i]))
            return false;
    return true;
}

// Digits only, checked by the caller.
int32_t Zahl(std::string_view z, size_t von, size_t anzahl)
{
    int32_t wert = 0;
    for (size_t i = von; i < von + anzahl; ++i)
        wert = wert * 10 + (z[i] - '0');
    return wert;
}

// The eight characters at p as a number, little end first in the bytes.
uint64_t AchtZeichen(const char* p)
{
    uint64_t x = 0;
    std::memcpy(&x, p, sizeof x);
    return x;
}

// Whether eight characters are all digits, tested at once: a digit's byte is 0x30 to 0x39, so
// its high half is 3 and adding 6 to it leaves the high half 3.
// Nonzero unless all eight are digits, so that several tests take one branch.
uint64_t KeineAchtZiffern(uint64_t x)
{
    constexpr uint64_t hoch = 0xF0F0F0F0F0F0F0F0;
    constexpr uint64_t drei = 0x3030303030303030;
    return ((x & hoch) ^ drei) | (((x + 0x0606060606060606) & hoch) ^ drei);
}

bool AchtZiffern(uint64_t x) { return KeineAchtZiffern(x) == 0; }

// Eight digits read as four two-digit numbers, one in the low byte of each 16 bits: the first
// two digits in the lowest.
uint64_t Paare(uint64_t ziffern)
{
    const uint64_t x = ziffern - 0x3030303030303030;
    return (x * 10 + (x >> 8)) & 0x00FF00FF00FF00FF;
}

// The number eight digits spell, from their pairs: without a loop or a multiplication per digit.
uint32_t AchtZiffernWert(uint64_t paare)
{
    const uint64_t vierer = ((paare * (1 + (uint64_t{100} << 16))) >> 16) & 0x0000FFFF0000FFFF;
    return static_cast<uint32_t>((vierer * (1 + (uint64_t{10000} << 32))) >> 32);
}

// The number the digits z[von, von + anzahl) spell, read in one pass; false when the record is
// too short or a character is no digit.
bool Ziffernwert(std::string_view z, size_t von, size_t anzahl, int32_t& wert)
{
    if (von + anzahl > z.size())
        return false;
    int32_t w = 0;
    for (size_t i = von; i < von + anzahl; ++i) {
        const unsigned ziffer = static_cast<unsigned char>(z[i]) - unsigned{'0'};
        if (ziffer > 9)
            return false;
        w = w * 10 + static_cast<int32_t>(ziffer);
    }
    wert = w;
    return true;
}

// A field that may start with a minus sign ("-0042", "-12"); false when it is not a number.
bool VorzeichenZahl(std::string_view z, size_t von, size_t anzahl, int32_t& wert)
{
    if (anzahl == 0 || von + anzahl > z.size())
        return false;
    const bool negativ = z[von] == '-';
    const size_t erste = negativ ? von + 1 : von;
    const size_t ziffern = von + anzahl - erste;
    // More than nine digits are no value any logger writes.
    if (ziffern == 0 || ziffern > 9 || !Ziffernwert(z, erste, ziffern, wert))
        return false;
    if (negativ)
        wert = -wert;
    return true;
}

std::string_view Getrimmt(std::string_view text)
{
    const auto leer = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && leer(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && leer(text.back()))
        text.remove_suffix(1);
    return text;
}

int16_t AufInt16(int64_t wert)
{
    return static_cast<int16_t>(std::clamp<int64_t>(wert, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

// A value with as many decimals as the field is wider than three characters, in tenths of its
// unit. Loggers write whole units in three characters ("045" km/h) and add decimals in wider
// fields ("04512" = 45.12 km/h, "0228" = 22.8 °C).
int64_t InZehnteln(int32_t wert, size_t breite)
{
    int64_t w = wert;
    if (breite < 4)
        return w * 10;
    for (size_t i = 4; i < breite; ++i)
        w /= 10;
    return w;
}

// One extension of the I record: byte columns (from 1, inclusive) and its code.
struct Erweiterung {
    size_t von = 0;
    size_t bis = 0;
    std::array<char, 3> code{};
    // The bytes before the field in the eight characters that end with it, for fields of up
    // to eight characters.
    uint64_t davor = 0;

    bool Ist(std::string_view c) const { return std::string_view(code.data(), 3) == c; }
    size_t Breite() const { return bis - von + 1; }
};

// Columns of the extensions this reader uses; 0 when absent.
struct Spalten {
    const Erweiterung* lad = nullptr;
    const Erweiterung* lod = nullptr;
    const Erweiterung* tas = nullptr;
    const Erweiterung* oat = nullptr;
    const Erweiterung* vario = nullptr;
    const Erweiterung* gsp = nullptr;
};

// A route point of a C record, or false for the declaration line and damaged lines.
bool Routenpunkt(std::string_view z, CWegPunkt& punkt)
{
    if (z.size() < 18 || (z[8] != 'N' && z[8] != 'S') || (z[17] != 'E' && z[17] != 'W')
        || !Ziffern(z, 1, 7) || !Ziffern(z, 9, 8))
        return false;
    const int32_t bGrad = Zahl(z, 1, 2);
    const int32_t bMin = Zahl(z, 3, 5);  // thousandths of a minute
    const int32_t lGrad = Zahl(z, 9, 3);
    const int32_t lMin = Zahl(z, 12, 5);
    if (bGrad > 90 || lGrad > 180 || bMin >= 60000 || lMin >= 60000)
        return false;
    const int32_t b = (bGrad * 60) * einheitenProMinute + bMin * 10;
    const int32_t l = (lGrad * 60) * einheitenProMinute + lMin * 10;
    punkt.breite = z[8] == 'N' ? nullpunkt + b : nullpunkt - b;
    punkt.laenge = z[17] == 'E' ? nullpunkt + l : nullpunkt - l;
    punkt.name = std::string(Getrimmt(z.substr(18)).substr(0, 40));
    return true;
}

class Leser {
public:
    // erwartet: a bound on the fixes, so no list grows while reading.
    Leser(HoehenQuelle q, IgcFlug& f, size_t erwartet) : quelle(q), flug(f), erwartet_(erwartet)
    {
        flug.fixe.reserve(erwartet_);
    }

    void Zeile(std::string_view z)
    {
        if (z.empty())
            return;
        switch (z[0]) {
        case 'B':
            Fix(z);
            break;
        case 'H':
            Kopf(z);
            break;
        case 'I':
            if (!iGelesen)
                Erweiterungen(z);
            break;
        case 'C':
            // Only the declaration before the flight; a later C block is no task of this flight.
            if (flug.fixe.empty()) {
                CWegPunkt punkt;
                if (Routenpunkt(z, punkt))
                    route.push_back(std::move(punkt));
            }
            break;
        case 'G':
            signiert = true;
            break;
        case 'A':
            if (flug.kopf.logger.empty() && aSatz.empty())
                aSatz = std::string(Getrimmt(z.substr(1)).substr(0, 80));
            break;
        default:
            break;  // E, F, J, K, L and unknown records
        }
    }

    void Ende()
    {
        IgcKopf& k = flug.kopf;
        k.istIgc = true;
        if (k.logger.empty())
            k.logger = aSatz;
        k.signatur = signiert ? "signiert, nicht geprüft" : "keine";

        // Pressure altitude unless the logger has no barometer (zero throughout) or the user
        // chose GNSS.
        const bool druck = quelle == HoehenQuelle::Druck || (quelle == HoehenQuelle::Automatisch && druckGesehen);
        k.hoehe = druck ? "druck" : "gnss";
        if (quelle == HoehenQuelle::Automatisch && !druck) {
            for (size_t i = 0; i < flug.fixe.size(); ++i)
                flug.fixe[i].hoehe = GnssHoehe(flug.fixe[i].hatPosition != 0, i == 0 ? nullptr : &flug.fixe[i - 1], gnssHoehen[i]);
        }
        gnssHoehen = {};
        Routenarten();
    }

private:
    // A fix without a valid position has no valid GNSS altitude either.
    static int16_t GnssHoehe(bool hatPosition, const CDaten* vorher, int16_t gnss)
    {
        return hatPosition || !vorher ? gnss : vorher->hoehe;
    }

    void Kopf(std::string_view z)
    {
        if (z.size() < 5)
            return;
        const std::string_view code = z.substr(2, 3);
        const size_t doppelpunkt = z.find(':');
        const std::string_view wert =
            Getrimmt(doppelpunkt == std::string_view::npos ? z.substr(5) : z.substr(doppelpunkt + 1));
        IgcKopf& k = flug.kopf;
        const auto setze = [&](std::string& ziel) {
            if (ziel.empty())
                ziel = std::string(wert.substr(0, 80));
        };
        if (code == "DTE") {
            // "HFDTE050818" or "HFDTEDATE:121018,01"; the first valid one counts.
            if (k.datum.empty() && Ziffern(wert, 0, 6)) {
                const int32_t t = Zahl(wert, 0, 2);
                const int32_t m = Zahl(wert, 2, 2);
                if (t >= 1 && t <= 31 && m >= 1 && m <= 12)
                    k.datum = std::string(wert.substr(0, 2)) + '-' + std::string(wert.substr(2, 2)) + '-'
                              + std::string(wert.substr(4, 2));
            }
        } else if (code == "PLT") {
            setze(k.pilot);
        } else if (code == "GTY") {
            setze(k.muster);
        } else if (code == "GID") {
            setze(k.kennzeichen);
        } else if (code == "CID") {
            setze(k.wettbewerb);
        } else if (code == "SIT") {
            setze(k.startplatz);
        } else if (code == "FTY") {
            setze(k.logger);
        }
    }

    void Erweiterungen(std::string_view z)
    {
        iGelesen = true;
        if (!Ziffern(z, 1, 2))
            return;
        const size_t anzahl = static_cast<size_t>(Zahl(z, 1, 2));
        for (size_t i = 0; i < anzahl; ++i) {
            const size_t p = 3 + 7 * i;
            if (!Ziffern(z, p, 4) || p + 7 > z.size())
                break;
            Erweiterung e;
            e.von = static_cast<size_t>(Zahl(z, p, 2));
            e.bis = static_cast<size_t>(Zahl(z, p + 2, 2));
            std::copy_n(z.data() + p + 4, 3, e.code.begin());
            // Columns inside the basic record or the wrong way round are a damaged I record.
            if (e.von <= bLaenge || e.bis < e.von)
                continue;
            if (e.Breite() < 8)
                e.davor = (uint64_t{1} << (8 * (8 - e.Breite()))) - 1;
            erweiterungen.push_back(e);
            flug.kopf.erweiterungen.emplace_back(e.code.data(), 3);
        }
        for (const Erweiterung& e : erweiterungen) {
            const Erweiterung** ziel = e.Ist("LAD") ? &spalten.lad
                                       : e.Ist("LOD") ? &spalten.lod
                                       : e.Ist("TAS") ? &spalten.tas
                                       : e.Ist("OAT") ? &spalten.oat
                                       : e.Ist("VAT") || e.Ist("VAR") ? &spalten.vario
                                       : e.Ist("GSP") ? &spalten.gsp
                                       : nullptr;
            if (ziel && !*ziel)
                *ziel = &e;
        }
        flug.hatTemperatur = spalten.oat != nullptr;
        flug.hatVario = spalten.vario != nullptr;
        flug.hatGeschwindigkeit = spalten.gsp != nullptr;
    }

    // The value of an extension in this record, false when the record is too short for it or
    // the field holds no number.
    static bool Feld(std::string_view z, const Erweiterung& e, int32_t& wert)
    {
        const size_t von = e.von - 1;
        const size_t breite = e.Breite();
        // Mostly digits only, read in one go: the eight characters ending with the field, those
        // before it taken as zeros. An extension starts behind the basic record, so they exist.
        if (breite <= 8 && von + breite <= z.size()) {
            const uint64_t x = (AchtZeichen(z.data() + von + breite - 8) & ~e.davor) | (0x3030303030303030 & e.davor);
            if (AchtZiffern(x)) {
                wert = static_cast<int32_t>(AchtZiffernWert(Paare(x)));
                return true;
            }
        }
        return VorzeichenZahl(z, von, breite, wert);
    }

    void Fix(std::string_view z)
    {
        if (z.size() < bLaenge)
            return;
        const char ns = z[14];
        const char ew = z[23];
        const char gueltig = z[24];
        if ((ns != 'N' && ns != 'S') || (ew != 'E' && ew != 'W') || (gueltig != 'A' && gueltig != 'V'))
            return;
        // Time and latitude in columns 1 to 13, longitude in 15 to 22: read eight digits at a
        // time, each a whole number or four pairs.
        const uint64_t zeitBreite = AchtZeichen(z.data() + 1);   // HHMMSSDD
        const uint64_t breiteMin = AchtZeichen(z.data() + 6);    // S DD MMmmm
        const uint64_t laengeZahl = AchtZeichen(z.data() + 15);  // DDD MMmmm
        if (KeineAchtZiffern(zeitBreite) | KeineAchtZiffern(breiteMin) | KeineAchtZiffern(laengeZahl))
            return;
        const uint64_t paare = Paare(zeitBreite);
        const int32_t h = static_cast<int32_t>(paare & 0xFF);
        const int32_t m = static_cast<int32_t>((paare >> 16) & 0xFF);
        const int32_t s = static_cast<int32_t>((paare >> 32) & 0xFF);
        const int32_t bGrad = static_cast<int32_t>(paare >> 48);
        const int32_t bMin = static_cast<int32_t>(AchtZiffernWert(Paare(breiteMin)) % 100000);
        const uint32_t laengeWert = AchtZiffernWert(Paare(laengeZahl));
        const int32_t lGrad = static_cast<int32_t>(laengeWert / 100000);
        const int32_t lMin = static_cast<int32_t>(laengeWert % 100000);
        if (h > 23 || m > 59 || s > 59 || bMin >= 60000 || lMin >= 60000)
            return;
        // Both altitudes, columns 25 to 34, are mostly digits only; a minus sign takes the long way.
        int32_t druck = 0;
        int32_t gnss = 0;
        const uint64_t hoehen1 = AchtZeichen(z.data() + 25);  // ddddd ggg
        const uint64_t hoehen2 = AchtZeichen(z.data() + 27);  // ddd ggggg
        if ((KeineAchtZiffern(hoehen1) | KeineAchtZiffern(hoehen2)) == 0) {
            druck = static_cast<int32_t>(AchtZiffernWert(Paare(hoehen1)) / 1000);
            gnss = static_cast<int32_t>(AchtZiffernWert(Paare(hoehen2)) % 100000);
        } else if (!VorzeichenZahl(z, 25, 5, druck) || !VorzeichenZahl(z, 30, 5, gnss)) {
            return;
        }

        // Ten-thousandths of a minute: the B record's thousandths, then the extra digit of
        // LAD/LOD where the logger writes one.
        int32_t b = (bGrad * 60) * einheitenProMinute + bMin * 10;
        int32_t l = (lGrad * 60) * einheitenProMinute + lMin * 10;
        int32_t extra = 0;
        if (spalten.lad && Ziffern(z, spalten.lad->von - 1, 1))
            b += z[spalten.lad->von - 1] - '0';
        if (spalten.lod && Ziffern(z, spalten.lod->von - 1, 1))
            l += z[spalten.lod->von - 1] - '0';
        if (b > 90 * 60 * einheitenProMinute || l > 180 * 60 * einheitenProMinute)
            return;

        // What a record leaves out, the position when it has none and the fields of the I
        // record it lacks, keep the values of the fix before.
        const CDaten* vorher = flug.fixe.empty() ? nullptr : &flug.fixe.back();
        int32_t zeit = h * 3600 + m * 60 + s + tage * tag;
        if (vorher && zeit < vorher->zeit - naechsterTagAb) {
            ++tage;
            zeit += tag;
        }
        // 0°/0° is what some loggers write before their receiver has a position.
        const bool hatPosition = gueltig == 'A' && (b != 0 || l != 0);
        int32_t breite = vorher ? vorher->breite : 0;
        int32_t laenge = vorher ? vorher->laenge : 0;
        if (hatPosition) {
            breite = ns == 'N' ? nullpunkt + b : nullpunkt - b;
            laenge = ew == 'E' ? nullpunkt + l : nullpunkt - l;
        }

        int16_t hoehe = 0;
        if (quelle == HoehenQuelle::Gnss) {
            hoehe = GnssHoehe(hatPosition, vorher, AufInt16(gnss));
        } else {
            hoehe = AufInt16(druck);
            // Without a barometer the GNSS altitudes are needed at the end; once a pressure
            // altitude shows there is one, and they are not.
            if (quelle == HoehenQuelle::Automatisch && !druckGesehen) {
                if (druck != 0) {
                    druckGesehen = true;
                    gnssHoehen = {};
                } else {
                    if (gnssHoehen.capacity() == 0)
                        gnssHoehen.reserve(erwartet_);
                    gnssHoehen.push_back(AufInt16(gnss));
                }
            }
        }

        int16_t tas = vorher ? vorher->tas : int16_t{0};
        int16_t sog = vorher ? vorher->sog : int16_t{0};
        int16_t vario = vorher ? vorher->vario : int16_t{0};
        int32_t temperatur = vorher ? vorher->temperatur : spalten.oat ? 2732 : 0;
        if (spalten.tas && Feld(z, *spalten.tas, extra))
            tas = AufInt16(std::max<int64_t>(0, InZehnteln(extra, spalten.tas->Breite())));
        if (spalten.gsp && Feld(z, *spalten.gsp, extra))
            sog = AufInt16(std::max<int64_t>(0, InZehnteln(extra, spalten.gsp->Breite())));
        if (spalten.vario && Feld(z, *spalten.vario, extra))
            vario = AufInt16(InZehnteln(extra, spalten.vario->Breite()));
        if (spalten.oat && Feld(z, *spalten.oat, extra))
            temperatur = static_cast<int32_t>(std::clamp<int64_t>(InZehnteln(extra, spalten.oat->Breite()) + 2732, 0, 100000));

        // Every field named, so no block of memory is cleared or copied first.
        flug.fixe.push_back({.zeit = zeit,
                             .vario = vario,
                             .laenge = laenge,
                             .breite = breite,
                             .temperatur = temperatur,
                             .sog = sog,
                             .tas = tas,
                             .hatPosition = hatPosition ? 1 : 0,
                             .imAusschnitt = 0,
                             .hoehe = hoehe});
    }

    // Takeoff, start, turnpoints, finish and landing in the order of the declaration; points
    // at 0°/0° are places the pilot left blank.
    void Routenarten()
    {
        const size_t n = route.size();
        uint8_t nummer = 0;
        for (size_t i = 0; i < n; ++i) {
            CWegPunkt& p = route[i];
            if (n >= 4 && i == 0)
                p.art = 3;  // T: takeoff
            else if (n >= 4 && i == 1)
                p.art = 4;  // ring: start
            else if (n >= 4 && i == n - 2)
                p.art = 1;  // cross: finish
            else if (n >= 4 && i == n - 1)
                p.art = 2;  // H: landing
            else
                p.art = 6;
            // Blank points are dropped, so only the points shown are counted.
            if (p.laenge == nullpunkt && p.breite == nullpunkt)
                continue;
            if (p.art == 6)
                p.nummer = ++nummer;
            flug.wegpunkte.push_back(std::move(p));
        }
    }

    HoehenQuelle quelle;
    IgcFlug& flug;
    size_t erwartet_;
    std::vector<int16_t> gnssHoehen;
    std::vector<Erweiterung> erweiterungen;
    std::vector<CWegPunkt> route;
    Spalten spalten;
    std::string aSatz;
    int32_t tage = 0;
    bool druckGesehen = false;
    bool iGelesen = false;
    bool signiert = false;
};

std::string_view OhneBom(std::string_view inhalt)
{
    if (inhalt.starts_with("\xEF\xBB\xBF"))
        inhalt.remove_prefix(3);
    return inhalt;
}

// How many times the byte ende is followed by a B.
size_t BNach(std::string_view inhalt, char ende)
{
    size_t anzahl = 0;
    for (size_t p = 0; p < inhalt.size();) {
        const void* n = std::memchr(inhalt.data() + p, ende, inhalt.size() - p);
        if (!n)
            break;
        p = static_cast<size_t>(static_cast<const char*>(n) - inhalt.data()) + 1;
        if (p < inhalt.size() && inhalt[p] == 'B')
            ++anzahl;
    }
    return anzahl;
}

// The lines that start with a B: a bound on the fixes. Lines ending at a lone CR count only in
// a log without line feeds.
size_t BSaetze(std::string_view inhalt)
{
    const size_t erste = inhalt.starts_with('B') ? 1 : 0;
    const bool lf = inhalt.find('\n') != std::string_view::npos;
    return erste + BNach(inhalt, lf ? '\n' : '\r');
}

// Where the line from ab ends: the first LF or CR, else the end. Sixteen bytes are compared at
// once where the processor can, which matters on logs of short lines that end at CR LF.
size_t Zeilenende(const char* text, size_t ab, size_t groesse)
{
    size_t p = ab;
#ifdef SARNIX_SSE2
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; p + 16 <= groesse; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + p));
        const int treffer = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, lf), _mm_cmpeq_epi8(block, cr)));
        if (treffer != 0)
            return p + static_cast<size_t>(std::countr_zero(static_cast<unsigned>(treffer)));
    }
    for (; p < groesse; ++p)
        if (text[p] == '\n' || text[p] == '\r')
            return p;
    return groesse;
#else
    // The carriage return is looked for only before the line feed.
    const void* lf = std::memchr(text + p, '\n', groesse - p);
    const size_t bis = lf ? static_cast<size_t>(static_cast<const char*>(lf) - text) : groesse;
    const void* cr = std::memchr(text + p, '\r', bis - p);
    return cr ? static_cast<size_t>(static_cast<const char*>(cr) - text) : bis;
#endif
}

}  // namespace

bool IgcKopfsatz(std::string_view inhalt)
{
    inhalt = OhneBom(inhalt);
    const size_t erstes = inhalt.find_first_not_of(" \t\r\n");
    return erstes != std::string_view::npos && inhalt[erstes] == 'A';
}

bool LiesIgc(std::string_view inhalt, HoehenQuelle quelle, IgcFlug& flug)
{
    flug = IgcFlug{};
    inhalt = OhneBom(inhalt);

    Leser leser(quelle, flug, BSaetze(inhalt));
    const char* const text = inhalt.data();
    const size_t groesse = inhalt.size();
    // Lines end at LF, CR LF or a lone CR; trailing blanks belong to no field.
    size_t anfang = 0;
    while (anfang < groesse) {
        const size_t ende = Zeilenende(text, anfang, groesse);
        std::string_view zeile(text + anfang, ende - anfang);
        while (!zeile.empty() && (zeile.back() == ' ' || zeile.back() == '\t'))
            zeile.remove_suffix(1);
        leser.Zeile(zeile);
        const bool crlf = ende + 1 < groesse && text[ende] == '\r' && text[ende + 1] == '\n';
        anfang = ende + (crlf ? 2 : 1);
    }
    leser.Ende();
    if (flug.fixe.capacity() > 2 * flug.fixe.size() + 1024)
        flug.fixe.shrink_to_fit();
    if (flug.fixe.empty())
        return false;
    LeiteIgcWerteAb(flug);
    return true;
}
