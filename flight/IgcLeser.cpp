// The IGC reader, after the published IGC file format (FAI GNSS Flight Recorder Approval,
// Appendix A): A, H, I, C, B and G records in one pass; E, F, J, K, L and unknown
// records are skipped. Columns below are counted from 0, the B record's letter included.

#include "flight/Flugdaten.h"
#include "flight/IgcAbleitung.h"
#include "flight/Igc.h"
#include "flight/Koordinaten.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int32_t einheitenProMinute = 10000;
constexpr int32_t tag = 86400;
constexpr int32_t naechsterTagAb = 3600;  // a step back by more than this is the next day
constexpr size_t bLaenge = 35;            // a B record without extensions
constexpr size_t textGrenze = 80;

// The number the digits z[von, von + anzahl) spell; false when the record is too short or a
// character is no digit.
bool Zahl(std::string_view z, size_t von, size_t anzahl, int32_t& wert)
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

// A field of digits that may start with a minus sign ("-0042", "-12").
bool VorzeichenZahl(std::string_view z, size_t von, size_t anzahl, int32_t& wert)
{
    if (anzahl == 0 || von + anzahl > z.size())
        return false;
    const bool negativ = z[von] == '-';
    const size_t erste = negativ ? von + 1 : von;
    const size_t ziffern = von + anzahl - erste;
    // More than nine digits are no value any logger writes.
    if (ziffern == 0 || ziffern > 9 || !Zahl(z, erste, ziffern, wert))
        return false;
    if (negativ)
        wert = -wert;
    return true;
}

// An altitude of the B record: five characters, a minus sign first below sea level ("-0042").
// Its width is fixed, unlike an extension's, so the compiler reads it without a loop.
bool Hoehe(std::string_view z, size_t von, int32_t& wert)
{
    const bool negativ = z[von] == '-';
    if (!(negativ ? Zahl(z, von + 1, 4, wert) : Zahl(z, von, 5, wert)))
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

// An extension of the I record: its columns in the B record (from 1, inclusive, as the record
// states them).
struct Spalte {
    size_t von = 0;
    size_t bis = 0;

    size_t Breite() const { return bis - von + 1; }

    // The value in this record, false when the record is too short for it or it is no number.
    bool Wert(std::string_view z, int32_t& wert) const { return VorzeichenZahl(z, von - 1, Breite(), wert); }
};

// The extensions this reader uses, the first of each kind.
struct Spalten {
    std::optional<Spalte> lad;  // a further digit of the latitude's minutes
    std::optional<Spalte> lod;  // ... and of the longitude's
    std::optional<Spalte> tas;
    std::optional<Spalte> oat;
    std::optional<Spalte> vario;
    std::optional<Spalte> gsp;
};

class IgcLeser {
public:
    IgcLeser(HoehenQuelle quelle, Flugdaten& flug) : quelle_(quelle), flug_(flug) {}

    void Zeile(std::string_view z)
    {
        if (z.empty())
            return;
        switch (z[0]) {
        case 'A': ASatz(z); break;
        case 'H': HSatz(z); break;
        case 'I': ISatz(z); break;
        case 'C': CSatz(z); break;
        case 'B': BSatz(z); break;
        case 'G': signiert_ = true; break;
        default: break;
        }
    }

    void Ende();

private:
    // The recorder as the manufacturer names it, when no FTY header says better.
    void ASatz(std::string_view z)
    {
        if (aSatz_.empty())
            aSatz_ = std::string(Getrimmt(z.substr(1)).substr(0, textGrenze));
    }

    void HSatz(std::string_view z);
    void ISatz(std::string_view z);
    void CSatz(std::string_view z);
    void BSatz(std::string_view z);
    void Routenarten();

    HoehenQuelle quelle_;
    Flugdaten& flug_;
    Spalten spalten_;
    bool iGelesen_ = false;
    bool hatVario_ = false;            // else derived from the altitudes
    bool hatGeschwindigkeit_ = false;  // else derived from the positions
    std::vector<CWegPunkt> route_;
    std::string aSatz_;
    bool signiert_ = false;
    int32_t tage_ = 0;
    // Without a barometer a logger writes pressure altitude 0 throughout: until one fix shows
    // otherwise, the GNSS altitudes are kept for the automatic choice at the end.
    bool druckGesehen_ = false;
    std::vector<int16_t> gnssHoehen_;
};

// "HFPLTPILOTINCHARGE:Name", "HFDTE050818" or "HFDTEDATE:121018,01": the code is in columns 2
// to 4, the value after the first colon, else right behind the code. The first of each counts.
void IgcLeser::HSatz(std::string_view z)
{
    if (z.size() < 5)
        return;
    const std::string_view code = z.substr(2, 3);
    const size_t doppelpunkt = z.find(':');
    const std::string_view wert = Getrimmt(doppelpunkt == std::string_view::npos ? z.substr(5) : z.substr(doppelpunkt + 1));
    IgcKopf& k = flug_.igc;
    if (code == "DTE") {
        int32_t t = 0, m = 0, j = 0;
        if (k.datum.empty() && Zahl(wert, 0, 2, t) && Zahl(wert, 2, 2, m) && Zahl(wert, 4, 2, j)) {
            if (t >= 1 && t <= 31 && m >= 1 && m <= 12)
                k.datum = std::string(wert.substr(0, 2)) + '-' + std::string(wert.substr(2, 2)) + '-'
                          + std::string(wert.substr(4, 2));
        }
        return;
    }
    static constexpr std::pair<std::string_view, std::string IgcKopf::*> felder[] = {
        {"PLT", &IgcKopf::pilot},      {"GTY", &IgcKopf::muster},     {"GID", &IgcKopf::kennzeichen},
        {"CID", &IgcKopf::wettbewerb}, {"SIT", &IgcKopf::startplatz}, {"FTY", &IgcKopf::logger},
        {"TZN", &IgcKopf::zeitzone},   {"TZO", &IgcKopf::zeitzone}};
    for (const auto& [name, feld] : felder)
        if (code == name && (k.*feld).empty())
            k.*feld = std::string(wert.substr(0, textGrenze));
}

// "I033638FXA3940SIU4143ENL": the number of extensions, then per extension its first and last
// column and its three-letter code. Only the first I record counts.
void IgcLeser::ISatz(std::string_view z)
{
    if (iGelesen_)
        return;
    iGelesen_ = true;
    int32_t anzahl = 0;
    if (!Zahl(z, 1, 2, anzahl))
        return;
    static constexpr std::pair<std::string_view, std::optional<Spalte> Spalten::*> arten[] = {
        {"LAD", &Spalten::lad}, {"LOD", &Spalten::lod},   {"TAS", &Spalten::tas},
        {"OAT", &Spalten::oat}, {"VAT", &Spalten::vario}, {"VAR", &Spalten::vario}, {"GSP", &Spalten::gsp}};
    for (size_t i = 0; i < static_cast<size_t>(anzahl); ++i) {
        const size_t p = 3 + 7 * i;
        int32_t von = 0, bis = 0;
        if (p + 7 > z.size() || !Zahl(z, p, 2, von) || !Zahl(z, p + 2, 2, bis))
            break;
        const Spalte spalte{static_cast<size_t>(von), static_cast<size_t>(bis)};
        // Columns inside the basic record or the wrong way round are a damaged I record.
        if (spalte.von <= bLaenge || spalte.bis < spalte.von)
            continue;
        const std::string_view code = z.substr(p + 4, 3);
        flug_.igc.erweiterungen.emplace_back(code);
        for (const auto& [name, ziel] : arten)
            if (code == name && !(spalten_.*ziel))
                spalten_.*ziel = spalte;
    }
    flug_.hatTemperatur = spalten_.oat.has_value();
    hatVario_ = spalten_.vario.has_value();
    hatGeschwindigkeit_ = spalten_.gsp.has_value();
}

// A route point of the declaration, "C4553500N00707300ETurnpoint"; the first C record (date,
// task number, count) and damaged lines are no point. A C block after the first fix belongs to
// no task of this flight.
void IgcLeser::CSatz(std::string_view z)
{
    int32_t bGrad = 0, bMin = 0, lGrad = 0, lMin = 0;  // the minutes in thousandths
    if (!flug_.fixe.empty() || z.size() < 18 || (z[8] != 'N' && z[8] != 'S') || (z[17] != 'E' && z[17] != 'W')
        || !Zahl(z, 1, 2, bGrad) || !Zahl(z, 3, 5, bMin) || !Zahl(z, 9, 3, lGrad) || !Zahl(z, 12, 5, lMin))
        return;
    if (bGrad > 90 || lGrad > 180 || bMin >= 60000 || lMin >= 60000)
        return;
    const int32_t b = (bGrad * 60) * einheitenProMinute + bMin * 10;
    const int32_t l = (lGrad * 60) * einheitenProMinute + lMin * 10;
    CWegPunkt punkt;
    punkt.breite = z[8] == 'N' ? koordinatenNullpunkt + b : koordinatenNullpunkt - b;
    punkt.laenge = z[17] == 'E' ? koordinatenNullpunkt + l : koordinatenNullpunkt - l;
    punkt.name = std::string(Getrimmt(z.substr(18)).substr(0, 40));
    route_.push_back(std::move(punkt));
}

// "B1101355206343N00006198WA0058700558": time HHMMSS, latitude DDMMmmmN, longitude DDDMMmmmE,
// validity A (3D fix) or V, pressure and GNSS altitude in metres, then the extensions. A
// damaged record is skipped; what a record leaves out keeps the value of the fix before.
void IgcLeser::BSatz(std::string_view z)
{
    if (z.size() < bLaenge)
        return;
    const char ns = z[14];
    const char ew = z[23];
    const char gueltig = z[24];
    if ((ns != 'N' && ns != 'S') || (ew != 'E' && ew != 'W') || (gueltig != 'A' && gueltig != 'V'))
        return;
    int32_t h = 0, m = 0, s = 0, bGrad = 0, bMin = 0, lGrad = 0, lMin = 0, druck = 0, gnss = 0;  // minutes in thousandths
    if (!Zahl(z, 1, 2, h) || !Zahl(z, 3, 2, m) || !Zahl(z, 5, 2, s) || !Zahl(z, 7, 2, bGrad) || !Zahl(z, 9, 5, bMin)
        || !Zahl(z, 15, 3, lGrad) || !Zahl(z, 18, 5, lMin) || !Hoehe(z, 25, druck)
        || !Hoehe(z, 30, gnss))
        return;
    if (h > 23 || m > 59 || s > 59 || bMin >= 60000 || lMin >= 60000)
        return;

    // Ten-thousandths of a minute: the B record's thousandths, then the extra digit of LAD/LOD
    // where the logger writes one.
    int32_t b = (bGrad * 60) * einheitenProMinute + bMin * 10;
    int32_t l = (lGrad * 60) * einheitenProMinute + lMin * 10;
    int32_t ziffer = 0;
    if (spalten_.lad && Zahl(z, spalten_.lad->von - 1, 1, ziffer))
        b += ziffer;
    if (spalten_.lod && Zahl(z, spalten_.lod->von - 1, 1, ziffer))
        l += ziffer;
    if (b > 90 * 60 * einheitenProMinute || l > 180 * 60 * einheitenProMinute)
        return;

    // Filled in place: a fix put together aside and copied in stalls the copy on its own
    // narrower writes.
    const bool erster = flug_.fixe.empty();
    CDaten& fix = erster ? flug_.fixe.emplace_back() : flug_.fixe.emplace_back(flug_.fixe.back());
    if (erster && spalten_.oat)
        fix.temperatur = 2732;  // 0 °C until the first record that has a temperature

    const int32_t zeitVorher = fix.zeit;
    fix.zeit = h * 3600 + m * 60 + s + tage_ * tag;
    if (!erster && fix.zeit < zeitVorher - naechsterTagAb) {
        ++tage_;
        fix.zeit += tag;
    }
    // 0°/0° is what some loggers write before their receiver has a position.
    const bool hatPosition = gueltig == 'A' && (b != 0 || l != 0);
    fix.hatPosition = hatPosition ? 1 : 0;
    if (hatPosition) {
        fix.breite = ns == 'N' ? koordinatenNullpunkt + b : koordinatenNullpunkt - b;
        fix.laenge = ew == 'E' ? koordinatenNullpunkt + l : koordinatenNullpunkt - l;
    }

    // A fix without a valid position has no valid GNSS altitude either: it keeps the one before.
    if (quelle_ == HoehenQuelle::Gnss) {
        if (hatPosition || erster)
            fix.hoehe = AufInt16(gnss);
    } else {
        fix.hoehe = AufInt16(druck);
        if (quelle_ == HoehenQuelle::Automatisch && !druckGesehen_) {
            druckGesehen_ = druck != 0;
            if (druckGesehen_)
                gnssHoehen_ = {};
            else
                gnssHoehen_.push_back(AufInt16(gnss));
        }
    }

    int32_t wert = 0;
    if (spalten_.tas && spalten_.tas->Wert(z, wert))
        fix.tas = AufInt16(std::max<int64_t>(0, InZehnteln(wert, spalten_.tas->Breite())));
    if (spalten_.gsp && spalten_.gsp->Wert(z, wert))
        fix.sog = AufInt16(std::max<int64_t>(0, InZehnteln(wert, spalten_.gsp->Breite())));
    if (spalten_.vario && spalten_.vario->Wert(z, wert))
        fix.vario = AufInt16(InZehnteln(wert, spalten_.vario->Breite()));
    if (spalten_.oat && spalten_.oat->Wert(z, wert))
        fix.temperatur = static_cast<int32_t>(std::clamp<int64_t>(InZehnteln(wert, spalten_.oat->Breite()) + 2732, 0, 100000));
}

// Take-off, start, turnpoints, finish and landing in the order of the declaration; points at
// 0°/0° are places the pilot left blank.
void IgcLeser::Routenarten()
{
    const size_t n = route_.size();
    uint8_t nummer = 0;
    for (size_t i = 0; i < n; ++i) {
        CWegPunkt& p = route_[i];
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
        if (p.laenge == koordinatenNullpunkt && p.breite == koordinatenNullpunkt)
            continue;
        if (p.art == 6)
            p.nummer = ++nummer;
        flug_.wegpunkte.push_back(std::move(p));
    }
}

void IgcLeser::Ende()
{
    IgcKopf& k = flug_.igc;
    k.istIgc = true;
    if (k.logger.empty())
        k.logger = aSatz_;
    k.signatur = signiert_ ? "signiert, nicht geprüft" : "keine";

    // Pressure altitude unless the logger has no barometer or the user chose GNSS; then what
    // the GNSS source would have read.
    const bool druck = quelle_ == HoehenQuelle::Druck || (quelle_ == HoehenQuelle::Automatisch && druckGesehen_);
    k.hoehe = druck ? "druck" : "gnss";
    if (quelle_ == HoehenQuelle::Automatisch && !druck) {
        std::vector<CDaten>& fixe = flug_.fixe;
        for (size_t i = 0; i < fixe.size(); ++i)
            fixe[i].hoehe = fixe[i].hatPosition || i == 0 ? gnssHoehen_[i] : fixe[i - 1].hoehe;
    }
    Routenarten();
    LeiteIgcWerteAb(flug_.fixe, hatVario_, hatGeschwindigkeit_);
    if (!k.datum.empty())
        flug_.flugdatum = k.datum;
    if (!k.startplatz.empty())
        flug_.startplatz = k.startplatz;
}

std::string_view OhneBom(std::string_view inhalt)
{
    if (inhalt.starts_with("\xEF\xBB\xBF"))
        inhalt.remove_prefix(3);
    return inhalt;
}

// Where the next one of a character stands, searched for only once the reading has passed the
// one found before: a file that ends its lines with CR alone is then searched once for LF, not
// once per line to its end.
class Naechstes {
public:
    Naechstes(std::string_view text, char zeichen) : text_(text), zeichen_(zeichen) {}

    // The first position at or after ab holding the character, else the text's size.
    size_t Ab(size_t ab)
    {
        if (ab > stelle_ || !gesucht_) {
            const void* p = std::memchr(text_.data() + ab, zeichen_, text_.size() - ab);
            stelle_ = p ? static_cast<size_t>(static_cast<const char*>(p) - text_.data()) : text_.size();
            gesucht_ = true;
        }
        return stelle_;
    }

private:
    std::string_view text_;
    char zeichen_;
    size_t stelle_ = 0;
    bool gesucht_ = false;
};

}  // namespace

bool IgcKopfsatz(std::string_view inhalt)
{
    inhalt = OhneBom(inhalt);
    const size_t erstes = inhalt.find_first_not_of(" \t\r\n");
    return erstes != std::string_view::npos && inhalt[erstes] == 'A';
}

bool LiesIgc(std::string_view inhalt, HoehenQuelle quelle, Flugdaten& flug)
{
    flug = Flugdaten{};
    flug.hatTemperatur = false;
    inhalt = OhneBom(inhalt);
    // A well-formed fix takes a record and a line end: a bound that keeps the list from growing.
    flug.fixe.reserve(inhalt.size() / (bLaenge + 1) + 1);

    IgcLeser leser(quelle, flug);
    // Lines end at LF, CR LF or a lone CR; trailing blanks belong to no field.
    Naechstes lf(inhalt, '\n');
    Naechstes cr(inhalt, '\r');
    size_t anfang = 0;
    while (anfang < inhalt.size()) {
        const size_t ende = std::min(lf.Ab(anfang), cr.Ab(anfang));
        std::string_view zeile = inhalt.substr(anfang, ende - anfang);
        while (!zeile.empty() && (zeile.back() == ' ' || zeile.back() == '\t'))
            zeile.remove_suffix(1);
        leser.Zeile(zeile);
        const bool crlf = ende + 1 < inhalt.size() && inhalt[ende] == '\r' && inhalt[ende + 1] == '\n';
        anfang = ende + (crlf ? 2 : 1);
    }
    leser.Ende();
    if (flug.fixe.capacity() > 2 * flug.fixe.size() + 1024)
        flug.fixe.shrink_to_fit();
    return !flug.fixe.empty();
}
