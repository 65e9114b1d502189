// The recording reader: lines of 79 (header), 15 (time) and 31 (fix) characters.

#include "flight/Flugdaten.h"
#include "flight/Koordinaten.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

// Lines come in pieces of at most this many characters, as a 199-byte line buffer reads them.
constexpr size_t stueckLaenge = 198;
constexpr size_t kopfLaenge = 79;
constexpr size_t zeitLaenge = 15;
constexpr size_t fixLaenge = 31;
constexpr size_t wegpunktLaenge = 48;
constexpr size_t textGrenze = 80;

// The digit of every byte: '0'..'9' and 'A'..'F', lower-case 'a'..'f' like upper-case ones; every
// other byte, the seven between '9' and 'A' included, counts 0, so no byte of a damaged file
// reads outside the table.
constexpr std::array<int8_t, 256> ziffernWert = [] {
    std::array<int8_t, 256> t{};
    for (int i = 0; i < 10; ++i)
        t[static_cast<size_t>('0' + i)] = static_cast<int8_t>(i);
    for (int i = 0; i < 6; ++i) {
        t[static_cast<size_t>('A' + i)] = static_cast<int8_t>(10 + i);
        t[static_cast<size_t>('a' + i)] = static_cast<int8_t>(10 + i);
    }
    return t;
}();

// A signed decimal number from a group of characters: leading blanks and a sign, then digits up
// to the first non-digit; no digits give 0.
int Dezimal(const char* text, int anzahl)
{
    int i = 0;
    while (i < anzahl && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negativ = false;
    if (i < anzahl && (text[i] == '+' || text[i] == '-'))
        negativ = text[i++] == '-';
    int wert = 0;
    for (; i < anzahl && text[i] >= '0' && text[i] <= '9'; ++i)
        wert = wert * 10 + (text[i] - '0');
    return negativ ? -wert : wert;
}

bool PositionsBit(char flag)
{
    switch (flag) {
    case '1': case '3': case '5': case '7': case '9': case 'B': case 'D': case 'F':
    case 'b': case 'd': case 'f':
        return true;
    default:
        return false;
    }
}

bool SteigenBit(char flag)
{
    switch (flag) {
    case '2': case '3': case '6': case '7': case 'A': case 'B': case 'E': case 'F':
        return true;
    default:
        return false;
    }
}

// Moves a coordinate away from 0° by the given amount; 0° itself stays. Copied positions are
// refined again and again, so a long run without position creeps outward: held at the ends of
// the type instead of overflowing.
int32_t WegVomNullpunkt(int32_t wert, int32_t betrag)
{
    if (wert == koordinatenNullpunkt)
        return wert;
    const int64_t neu = int64_t{wert} + (wert > koordinatenNullpunkt ? betrag : -betrag);
    return static_cast<int32_t>(std::clamp<int64_t>(neu, INT32_MIN, INT32_MAX));
}

void Verfeinere(CDaten& fix, int32_t ziffer)
{
    fix.laenge = WegVomNullpunkt(fix.laenge, 25 * (ziffer % 4));
    fix.breite = WegVomNullpunkt(fix.breite, 25 * (ziffer / 4));
}

std::string Formatiert(const char* format, double wert)
{
    char text[64];
    std::snprintf(text, sizeof text, format, wert);
    return text;
}

std::string Formatiert(const char* format, int wert)
{
    char text[32];
    std::snprintf(text, sizeof text, format, wert);
    return text;
}

int32_t HexZahl(const char* text, int anzahl)
{
    uint32_t wert = 0;  // more than seven digits wrap instead of overflowing
    for (int i = 0; i < anzahl; ++i)
        wert = wert * 16 + static_cast<uint32_t>(ziffernWert[static_cast<unsigned char>(text[i])]);
    return static_cast<int32_t>(wert);
}

int32_t Koordinate(const char* text)
{
    const int32_t wert = HexZahl(text, 6);
    // Negative angles are written as the ones' complement of their magnitude.
    if (wert <= 0x7FFFFF)
        return koordinatenNullpunkt + 100 * wert;
    return 100 * wert - 1177721500;
}

// A route point from the characters its fix records carried two by two.
CWegPunkt Wegpunkt(const std::string& text)
{
    // Characters a short block never collected count as '0'.
    char z[wegpunktLaenge];
    const size_t gesammelt = std::min(text.size(), wegpunktLaenge);
    std::fill(std::copy_n(text.data(), gesammelt, z), z + wegpunktLaenge, '0');

    CWegPunkt punkt;
    punkt.hoehe = static_cast<int16_t>(HexZahl(z + 2, 4));
    for (int i = 0; i < 11; ++i) {
        const int32_t code = HexZahl(z + 6 + 2 * i, 2);
        if (code == 0)
            break;
        punkt.name.push_back(static_cast<char>(code));
    }
    punkt.art = static_cast<uint8_t>(Dezimal(z + 32, 2));
    // Byte pairs are stored least significant first.
    const char breite[6] = {z[40], z[41], z[38], z[39], z[36], z[37]};
    const char laenge[6] = {z[46], z[47], z[44], z[45], z[42], z[43]};
    punkt.breite = Koordinate(breite);
    punkt.laenge = Koordinate(laenge);
    return punkt;
}

// The records come as lines of 79 (header), 15 (time) and 31 (fix) characters. Before the
// flight, the fix records carry the route points, two characters in every second record, and
// the time records close each point; a second record with "00" there ends the route.
class VrlLeser {
public:
    explicit VrlLeser(Flugdaten& flug) : flug_(flug) {}

    void Kopfsatz(const char* z);
    void Zeitsatz(const char* z);
    void Fixsatz(const char* z);

private:
    Flugdaten& flug_;
    bool routenphase_ = true;
    int zeitsaetze_ = -1;
    uint32_t uhr_ = 0;  // wraps instead of overflowing on absurd time records
    int zaehler_ = 0;   // fix records since the last time record
    std::string text_;
    uint8_t nummern_ = 0;
};

void VrlLeser::Kopfsatz(const char* z)
{
    Flugdaten& f = flug_;
    FlugZusammenfassung& texte = f.zusammenfassung;
    f.flugdatum = std::string(z + 15, 2) + '-' + std::string(z + 17, 2) + '-' + std::string(z + 19, 2);
    texte.startzeit = std::string(z + 21, 2) + ':' + std::string(z + 23, 2);
    texte.landezeit = std::string(z + 25, 2) + ':' + std::string(z + 27, 2);
    // Text up to a NUL byte, as a C string would hold it.
    f.startplatz = std::string(z + 31, 11).c_str();
    // Signed like the fixes' altitude: low airfields lie below the pressure altitude's 0 m.
    texte.startplatzHoehe = Formatiert("%i m", static_cast<int16_t>(HexZahl(z + 46, 4)));
    texte.landeplatzHoehe = Formatiert("%i m", static_cast<int16_t>(HexZahl(z + 50, 4)));
    texte.maxHoehe = Formatiert("%i m", static_cast<int16_t>(HexZahl(z + 54, 4)));
    texte.maxSteigen = Formatiert("%0.1f m/s", static_cast<double>(static_cast<float>(HexZahl(z + 66, 2)) * 0.1f));
    texte.maxSinken = Formatiert("%0.1f m/s", static_cast<double>(static_cast<float>(HexZahl(z + 68, 2)) * 0.1f));
    texte.flugstrecke = Formatiert("%0.1f km", static_cast<double>(static_cast<float>(HexZahl(z + 74, 4)) * 0.1f));
    const int start = Dezimal(z + 21, 2) * 60 + Dezimal(z + 23, 2);
    const int lande = Dezimal(z + 25, 2) * 60 + Dezimal(z + 27, 2);
    // A landing before the take-off time is on the next day.
    int dauer = lande - start;
    if (dauer < 0)
        dauer = (dauer % (24 * 60) + 24 * 60) % (24 * 60);
    char dauerText[32];
    std::snprintf(dauerText, sizeof dauerText, "%.2i:%.2i", dauer / 60, dauer % 60);
    texte.flugdauer = dauerText;
}

void VrlLeser::Zeitsatz(const char* z)
{
    if (!routenphase_)
        return;
    ++zeitsaetze_;
    if (uhr_ == 0)
        uhr_ = static_cast<uint32_t>(Dezimal(z, 2) * 3600 + Dezimal(z + 2, 2) * 60 + Dezimal(z + 4, 2));
    if (zeitsaetze_ % 2 == 0 && zeitsaetze_ != 0) {
        CWegPunkt punkt = Wegpunkt(text_);
        if (punkt.art == 6)
            punkt.nummer = ++nummern_;
        flug_.wegpunkte.push_back(std::move(punkt));
        text_.clear();
        zaehler_ = 0;
    }
}

void VrlLeser::Fixsatz(const char* z)
{
    std::vector<CDaten>& fixe = flug_.fixe;
    CDaten fix;
    ++uhr_;
    fix.zeit = static_cast<int32_t>(uhr_);
    const char a = z[27];
    const char b = z[28];
    const char flag = z[29];
    if (PositionsBit(flag)) {
        fix.hatPosition = 1;
        fix.breite = Koordinate(z);
        fix.laenge = Koordinate(z + 6);
    } else if (!fixe.empty()) {
        fix.laenge = fixe.back().laenge;
        fix.breite = fixe.back().breite;
    }
    fix.hoehe = static_cast<int16_t>(HexZahl(z + 12, 4));
    const int32_t vario = HexZahl(z + 16, 2);
    fix.vario = static_cast<int16_t>(SteigenBit(flag) ? vario : -vario);
    fix.tas = static_cast<int16_t>(HexZahl(z + 18, 2) * 5);
    const int32_t grund = HexZahl(z + 20, 2);
    fix.sog = static_cast<int16_t>(grund <= 128 ? grund * 5 : (grund - 64) * 10);
    fix.temperatur = HexZahl(z + 24, 3);

    ++zaehler_;
    if (routenphase_) {
        if (zaehler_ % 2 == 0 && text_.size() < textGrenze) {
            text_.push_back(a);
            text_.push_back(b);
        }
        if (zaehler_ == 2 && a == '0' && b == '0') {
            routenphase_ = false;
            text_.clear();
        }
    } else if (zaehler_ % 2 == 0) {
        // In flight the two characters refine the positions of this fix and the one before.
        if (!fixe.empty())
            Verfeinere(fixe.back(), HexZahl(&a, 1));
        Verfeinere(fix, HexZahl(&b, 1));
    }
    fixe.push_back(fix);
}

}  // namespace

bool IstVrl(std::string_view inhalt)
{
    return inhalt.starts_with("@SX");
}

Flugdaten LiesVrl(std::string_view inhalt)
{
    Flugdaten flug;
    // Every fix record takes at least 31 bytes, so this bounds the count and the list never
    // grows while reading.
    flug.fixe.reserve(inhalt.size() / fixLaenge);
    VrlLeser leser(flug);
    size_t anfang = 0;
    while (anfang < inhalt.size()) {
        // One line as text mode delivers it: up to and with its line feed, a CR before it dropped.
        const size_t lf = inhalt.find('\n', anfang);
        const bool mitLf = lf != std::string_view::npos;
        const size_t ende = mitLf ? lf : inhalt.size();
        size_t inhaltEnde = ende;
        if (mitLf && inhaltEnde > anfang && inhalt[inhaltEnde - 1] == '\r')
            --inhaltEnde;
        const size_t laenge = inhaltEnde - anfang + (mitLf ? 1 : 0);
        const size_t naechste = mitLf ? lf + 1 : inhalt.size();

        // Pieces of 198 characters before the last have no classified length; only the last counts.
        const size_t stueck = (laenge - 1) % stueckLaenge + 1;
        const char* z = inhalt.data() + anfang + (laenge - stueck);
        anfang = naechste;

        if (stueck == kopfLaenge)
            leser.Kopfsatz(z);
        else if (stueck == zeitLaenge)
            leser.Zeitsatz(z);
        else if (stueck == fixLaenge)
            leser.Fixsatz(z);
    }
    // A file of little but garbage must not keep the whole estimate.
    if (flug.fixe.capacity() > 2 * flug.fixe.size() + 1024)
        flug.fixe.shrink_to_fit();
    return flug;
}
