// The IGC reader: A, H, I, C, B and G records; every other record is skipped.

#include "flight/Igc.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <exception>
#include <future>
#include <limits>
#include <thread>

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

constexpr size_t keiner = std::numeric_limits<size_t>::max();

// The first fix of a continuation that found each carried value in its own record. The fixes
// before it carry the value of the last fix before the continuation, which it does not know.
struct ErsteEigene {
    size_t position = keiner;  // also the GNSS altitude of fixes without a position
    size_t tas = keiner;
    size_t sog = keiner;
    size_t vario = keiner;
    size_t temperatur = keiner;

    bool Offen() const
    {
        return position == keiner || tas == keiner || sog == keiner || vario == keiner || temperatur == keiner;
    }
};

class Leser {
public:
    Leser(HoehenQuelle q, IgcFlug& f) : quelle(q), flug(f) {}

    // The reader of the second part of a log, read on another thread: it knows the header read
    // before and keeps what it cannot decide alone for Anschliessen.
    Leser(const Leser& kopf, IgcFlug& f)
        : quelle(kopf.quelle), flug(f), erweiterungen(kopf.erweiterungen), iGelesen(kopf.iGelesen),
          fortsetzung(true)
    {
        flug.hatTemperatur = kopf.flug.hatTemperatur;
        flug.hatVario = kopf.flug.hatVario;
        flug.hatGeschwindigkeit = kopf.flug.hatGeschwindigkeit;
        Zuordnen();
        // A field the log does not record is the same in every fix.
        const auto ohne = [](size_t& erste, const Erweiterung* spalte) {
            if (!spalte)
                erste = 0;
        };
        ohne(ersteEigene.tas, spalten.tas);
        ohne(ersteEigene.sog, spalten.gsp);
        ohne(ersteEigene.vario, spalten.vario);
        ohne(ersteEigene.temperatur, spalten.oat);
    }

    Leser(const Leser&) = delete;
    Leser& operator=(const Leser&) = delete;

    // A bound on the fixes, so no list grows while reading.
    void Erwarte(size_t anzahl)
    {
        erwartet_ = anzahl;
        flug.fixe.reserve(anzahl);
    }

    bool IGelesen() const { return iGelesen; }

    // Whether a continuation met a record whose meaning depends on the records before it (a
    // header, an I or A record, a declaration): then its part is read again in order.
    bool Abgebrochen() const { return abgebrochen; }

    void Zeile(std::string_view z)
    {
        if (z.empty() || abgebrochen)
            return;
        if (fortsetzung && z[0] != 'B' && z[0] != 'G') {
            abgebrochen = z[0] == 'H' || z[0] == 'I' || z[0] == 'A' || z[0] == 'C';
            return;
        }
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

    // Appends the fixes of a continuation that read the rest of the log: what they carry
    // from the fixes before and the days they count start where this part ended.
    void Anschliessen(Leser& rest)
    {
        std::vector<CDaten>& neu = rest.flug.fixe;
        flug.inZweiHaelften = true;
        signiert = signiert || rest.signiert;
        if (quelle == HoehenQuelle::Automatisch && !druckGesehen) {
            if (rest.druckGesehen) {
                druckGesehen = true;
                gnssHoehen = {};
            } else {
                gnssHoehen.insert(gnssHoehen.end(), rest.gnssHoehen.begin(), rest.gnssHoehen.end());
            }
        }
        if (neu.empty())
            return;
        if (!flug.fixe.empty()) {
            const CDaten& letzter = flug.fixe.back();
            int32_t versatz = tage * tag;
            if (neu.front().zeit + versatz < letzter.zeit - naechsterTagAb)
                versatz += tag;
            const ErsteEigene& e = rest.ersteEigene;
            const bool gnssGetragen = quelle == HoehenQuelle::Gnss;
            for (size_t i = 0; i < neu.size(); ++i) {
                CDaten& d = neu[i];
                d.zeit += versatz;
                if (i < e.position) {
                    d.breite = letzter.breite;
                    d.laenge = letzter.laenge;
                    if (gnssGetragen)
                        d.hoehe = letzter.hoehe;
                }
                if (i < e.tas)
                    d.tas = letzter.tas;
                if (i < e.sog)
                    d.sog = letzter.sog;
                if (i < e.vario)
                    d.vario = letzter.vario;
                if (i < e.temperatur)
                    d.temperatur = letzter.temperatur;
            }
        }
        flug.fixe.insert(flug.fixe.end(), neu.begin(), neu.end());
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
        Zuordnen();
    }

    void Zuordnen()
    {
        spalten = {};
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
        const bool tasEigen = spalten.tas && Feld(z, *spalten.tas, extra);
        if (tasEigen)
            tas = AufInt16(std::max<int64_t>(0, InZehnteln(extra, spalten.tas->Breite())));
        const bool sogEigen = spalten.gsp && Feld(z, *spalten.gsp, extra);
        if (sogEigen)
            sog = AufInt16(std::max<int64_t>(0, InZehnteln(extra, spalten.gsp->Breite())));
        const bool varioEigen = spalten.vario && Feld(z, *spalten.vario, extra);
        if (varioEigen)
            vario = AufInt16(InZehnteln(extra, spalten.vario->Breite()));
        const bool temperaturEigen = spalten.oat && Feld(z, *spalten.oat, extra);
        if (temperaturEigen)
            temperatur = static_cast<int32_t>(std::clamp<int64_t>(InZehnteln(extra, spalten.oat->Breite()) + 2732, 0, 100000));
        if (fortsetzung && offen) {
            const size_t i = flug.fixe.size();
            ErsteEigene& e = ersteEigene;
            const auto merke = [i](size_t& erste, bool eigen) {
                if (eigen && erste == keiner)
                    erste = i;
            };
            merke(e.position, hatPosition);
            merke(e.tas, tasEigen);
            merke(e.sog, sogEigen);
            merke(e.vario, varioEigen);
            merke(e.temperatur, temperaturEigen);
            offen = e.Offen();
        }

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
    size_t erwartet_ = 0;
    std::vector<int16_t> gnssHoehen;
    std::vector<Erweiterung> erweiterungen;
    std::vector<CWegPunkt> route;
    Spalten spalten;
    std::string aSatz;
    int32_t tage = 0;
    bool druckGesehen = false;
    bool iGelesen = false;
    bool signiert = false;
    bool fortsetzung = false;
    bool abgebrochen = false;
    bool offen = true;
    ErsteEigene ersteEigene;
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
    const char* const text = inhalt.data();
    const size_t groesse = inhalt.size();
    size_t anzahl = 0;
    size_t p = 0;
#ifdef SARNIX_SSE2
    // Sixteen pairs of neighbouring bytes at once: a call per line would cost more than the test.
    // Each byte of the sum counts the pairs at its place, for at most 255 blocks.
    const __m128i trenner = _mm_set1_epi8(ende);
    const __m128i b = _mm_set1_epi8('B');
    const __m128i null = _mm_setzero_si128();
    while (p + 17 <= groesse) {
        __m128i summe = null;
        for (int block = 0; block < 255 && p + 17 <= groesse; ++block, p += 16) {
            const __m128i hier = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + p));
            const __m128i danach = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + p + 1));
            // A match is all ones, minus one: subtracting it counts it.
            summe = _mm_sub_epi8(summe, _mm_and_si128(_mm_cmpeq_epi8(hier, trenner), _mm_cmpeq_epi8(danach, b)));
        }
        const __m128i halbe = _mm_sad_epu8(summe, null);
        anzahl += static_cast<size_t>(_mm_cvtsi128_si32(halbe)) + static_cast<size_t>(_mm_extract_epi16(halbe, 4));
    }
#endif
    for (; p + 1 < groesse; ++p)
        anzahl += text[p] == ende && text[p + 1] == 'B' ? 1 : 0;
    return anzahl;
}

// The byte that ends lines for counting: lines ending at a lone CR count only in a log without
// line feeds.
char Zeilentrenner(std::string_view inhalt)
{
    return inhalt.find('\n') != std::string_view::npos ? '\n' : '\r';
}

// The lines of a part that starts at a line's start and begin with a B: a bound on its fixes.
size_t BSaetze(std::string_view teil, char trenner)
{
    return (teil.starts_with('B') ? 1 : 0) + BNach(teil, trenner);
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

// Feeds the lines of inhalt[von, bis) to the reader; von is a line's start, bis one or the end.
// Lines end at LF, CR LF or a lone CR; trailing blanks belong to no field.
void LiesZeilen(std::string_view inhalt, size_t von, size_t bis, Leser& leser)
{
    const char* const text = inhalt.data();
    size_t anfang = von;
    while (anfang < bis) {
        const size_t ende = Zeilenende(text, anfang, bis);
        std::string_view zeile(text + anfang, ende - anfang);
        while (!zeile.empty() && (zeile.back() == ' ' || zeile.back() == '\t'))
            zeile.remove_suffix(1);
        leser.Zeile(zeile);
        const bool crlf = ende + 1 < bis && text[ende] == '\r' && text[ende + 1] == '\n';
        anfang = ende + (crlf ? 2 : 1);
    }
}

// The start of the first line that begins with a B, or npos.
size_t ErsterFix(std::string_view inhalt)
{
    for (size_t p = 0; p < inhalt.size(); ++p) {
        p = inhalt.find('B', p);
        if (p == std::string_view::npos || p == 0 || inhalt[p - 1] == '\n' || inhalt[p - 1] == '\r')
            return p;
    }
    return std::string_view::npos;
}

// The start of the first line after position ab, or npos.
size_t NaechsteZeile(std::string_view inhalt, size_t ab)
{
    const size_t ende = inhalt.find_first_of("\r\n", ab);
    if (ende == std::string_view::npos)
        return ende;
    const size_t naechste = ende + (inhalt[ende] == '\r' && ende + 1 < inhalt.size() && inhalt[ende + 1] == '\n' ? 2 : 1);
    return naechste < inhalt.size() ? naechste : std::string_view::npos;
}

// Reads the fixes from von on in two halves at once, the second on another thread, and joins
// them as if read in order. False (nothing read from von on) when the log gives no place to
// split or no thread can start.
bool LiesGeteilt(std::string_view inhalt, size_t von, char trenner, Leser& leser)
{
    const size_t mitte = NaechsteZeile(inhalt, von + (inhalt.size() - von) / 2);
    if (mitte == std::string_view::npos || mitte <= von)
        return false;

    IgcFlug zweiterFlug;
    Leser zweiter(leser, zweiterFlug);
    std::promise<size_t> anzahlZweiter;
    std::future<size_t> anzahl = anzahlZweiter.get_future();
    // Waiting for the thread to end would wait for it to be taken down too.
    std::promise<void> zweiteGelesen;
    std::future<void> gelesen = zweiteGelesen.get_future();
    std::exception_ptr fehler;
    std::jthread faden;
    try {
        faden = std::jthread([&] {
            // Counting allocates nothing and cannot fail; the count lets the first half reserve
            // the whole list at once.
            const size_t n = BSaetze(inhalt.substr(mitte), trenner);
            anzahlZweiter.set_value(n);
            try {
                zweiter.Erwarte(n);
                LiesZeilen(inhalt, mitte, inhalt.size(), zweiter);
            } catch (...) {
                fehler = std::current_exception();
            }
            zweiteGelesen.set_value();
        });
    } catch (const std::system_error&) {
        return false;
    }

    const bool iVorher = leser.IGelesen();
    leser.Erwarte(BSaetze(inhalt.substr(von, mitte - von), trenner) + anzahl.get());
    LiesZeilen(inhalt, von, mitte, leser);
    gelesen.wait();

    // A record of the second half that depends on what came before it, or an I record of the
    // first half that changes the columns the second half was read with: read it again in order.
    if (fehler || zweiter.Abgebrochen() || leser.IGelesen() != iVorher)
        LiesZeilen(inhalt, mitte, inhalt.size(), leser);
    else
        leser.Anschliessen(zweiter);
    return true;
}

}  // namespace

bool IgcKopfsatz(std::string_view inhalt)
{
    inhalt = OhneBom(inhalt);
    const size_t erstes = inhalt.find_first_not_of(" \t\r\n");
    return erstes != std::string_view::npos && inhalt[erstes] == 'A';
}

bool LiesIgc(std::string_view inhalt, HoehenQuelle quelle, IgcFlug& flug, size_t zweiFaedenAb)
{
    if (!LiesIgcFixe(inhalt, quelle, flug, zweiFaedenAb))
        return false;
    LeiteIgcWerteAb(flug);
    return true;
}

bool LiesIgcFixe(std::string_view inhalt, HoehenQuelle quelle, IgcFlug& flug, size_t zweiFaedenAb)
{
    flug = IgcFlug{};
    inhalt = OhneBom(inhalt);

    Leser leser(quelle, flug);
    const char trenner = Zeilentrenner(inhalt);
    // The header before the first fix is read first: the second half needs its I record.
    const size_t ersterFix = ErsterFix(inhalt);
    const size_t kopfEnde = ersterFix == std::string_view::npos ? inhalt.size() : ersterFix;
    LiesZeilen(inhalt, 0, kopfEnde, leser);
    const bool geteilt = inhalt.size() - kopfEnde >= zweiFaedenAb && inhalt.size() > kopfEnde
                         && LiesGeteilt(inhalt, kopfEnde, trenner, leser);
    if (!geteilt) {
        leser.Erwarte(BSaetze(inhalt.substr(kopfEnde), trenner));
        LiesZeilen(inhalt, kopfEnde, inhalt.size(), leser);
    }
    leser.Ende();
    if (flug.fixe.capacity() > 2 * flug.fixe.size() + 1024)
        flug.fixe.shrink_to_fit();
    return !flug.fixe.empty();
}
