#include "tools/VrlGenerator.h"
#include "flight/Koordinaten.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace vrlgen {
namespace {

constexpr int wegpunktZeichen = 48;
constexpr int bodenSekunden = 40;
constexpr int landeSekunden = 60;

// splitmix64: the same numbers everywhere, unlike the distributions of the standard library.
class Zufall {
public:
    explicit Zufall(uint64_t seed) : zustand(seed) {}

    uint64_t Naechste()
    {
        uint64_t z = (zustand += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number from von to bis, both included.
    int Zahl(int von, int bis)
    {
        return von + static_cast<int>(Naechste() % static_cast<uint64_t>(bis - von + 1));
    }

private:
    uint64_t zustand;
};

// sin of k/64 of a quarter turn, times 10 000.
constexpr std::array<int, 17> sinusViertel{0,    980,  1951, 2903, 3827, 4714, 5556, 6344, 7071,
                                           7730, 8315, 8819, 9239, 9569, 9808, 9952, 10000};

// sin of a heading in 1/1024 turn, times 10 000, interpolated from the table.
int Sinus(int kurs)
{
    kurs &= 1023;
    const int viertel = kurs / 256;
    int rest = kurs % 256;
    if (viertel % 2 == 1)
        rest = 256 - rest;
    const int k = rest / 16;
    const int anteil = rest % 16;
    const int wert = k == 16 ? sinusViertel[16]
                             : sinusViertel[static_cast<size_t>(k)]
                                   + (sinusViertel[static_cast<size_t>(k) + 1] - sinusViertel[static_cast<size_t>(k)]) * anteil / 16;
    return viertel >= 2 ? -wert : wert;
}

int Kosinus(int kurs) { return Sinus(kurs + 256); }

int64_t Wurzel(int64_t x)
{
    if (x <= 0)
        return 0;
    int64_t r = 1;
    while (r * r <= x)
        r *= 2;
    int64_t unten = r / 2, oben = r;  // unten² <= x < oben²
    while (oben - unten > 1) {
        const int64_t mitte = (unten + oben) / 2;
        (mitte * mitte <= x ? unten : oben) = mitte;
    }
    return unten;
}

struct Punkt {
    std::string name;  // Latin-1 bytes, at most 11
    int art = 5;
    int ostMeter = 0;
    int nordMeter = 0;
    int hoehe = 0;
};

struct Szenario {
    std::string startplatz;
    std::string datum;  // DDMMYY
    int startSekunde = 0;
    int32_t breite0 = koordinatenNullpunkt;
    int32_t laenge0 = koordinatenNullpunkt;
    int kosinusBreite = 10000;  // cos of the latitude, times 10 000
    int startHoehe = 0;
    int landeHoehe = 0;
    int basisHoehe = 0;
    int bodenTemperatur = 2900;  // 0.1 K at sea level
    int windOst = 0;             // mm/s
    int windNord = 0;
    int landeOst = 0;  // metres from the take-off
    int landeNord = 0;
    bool wendepunkte = false;  // fly the numbered points in order
    std::vector<Punkt> punkte;
};

int32_t Biased(int grad, int minutenHundertstel, bool negativ)
{
    const int32_t betrag = grad * 600000 + minutenHundertstel * 100;
    return negativ ? koordinatenNullpunkt - betrag : koordinatenNullpunkt + betrag;
}

Szenario SzenarioFuer(FlugArt art)
{
    Szenario s;
    switch (art) {
    case FlugArt::Lokal:
    case FlugArt::Lang:
        s.startplatz = "Sonnalm";
        s.datum = "140726";
        s.startSekunde = 11 * 3600 + 5 * 60;
        s.breite0 = Biased(47, 3960, false);
        s.laenge0 = Biased(11, 3120, false);
        s.kosinusBreite = 6735;
        s.startHoehe = 1450;
        s.landeHoehe = 720;
        s.basisHoehe = 2500;
        s.bodenTemperatur = 2960;
        s.windOst = 2200;
        s.windNord = -600;
        s.landeOst = 300;
        s.landeNord = 2200;
        s.punkte = {{"Sonnalm", 0, 0, 0, 1450},           {"Talwiese", 1, 300, 2200, 720},
                    {"Kirchturm", 2, 1500, 2600, 740},     {"Sendemast", 3, -2500, 800, 1620},
                    {"Seebr\xFC" "cke", 4, 3000, 3500, 700}, {"H\xFCtte Nord", 5, -1200, -1800, 1560},
                    {"Gipfelkreuz", 6, -3500, -2500, 1838}, {"Funkturm", 6, 4000, -1500, 1700},
                    {"Staudamm", 6, 2500, 5000, 760}};
        break;
    case FlugArt::Strecke:
        s.startplatz = "Kreuzeck";
        s.datum = "030726";
        s.startSekunde = 10 * 3600 + 12 * 60;
        s.breite0 = Biased(46, 4500, false);
        s.laenge0 = Biased(13, 780, false);
        s.kosinusBreite = 6852;
        s.startHoehe = 1720;
        s.landeHoehe = 620;
        s.basisHoehe = 3000;
        s.bodenTemperatur = 2980;
        s.windOst = 2500;
        s.windNord = 800;
        s.landeOst = -400;
        s.landeNord = -1500;
        s.wendepunkte = true;
        s.punkte = {{"Kreuzeck", 0, 0, 0, 1720},         {"Landewiese", 1, -400, -1500, 620},
                    {"Bahnhof", 2, 2000, -2500, 610},     {"Bergsee", 3, 9000, 4000, 1310},
                    {"Sendeturm", 4, 18000, -6000, 1950}, {"Almh\xFCtte", 5, -6000, 5000, 1540},
                    {"Wende 1", 6, 42000, 3000, 2100},    {"Wende 2", 6, 30000, -33000, 1900},
                    {"Wende 3", 6, -8000, -20000, 1500},  {"Ziel", 6, -400, -1500, 620}};
        break;
    case FlugArt::Suedwest:
        s.startplatz = "Cerro Alto";
        s.datum = "181226";
        s.startSekunde = 13 * 3600 + 30 * 60;
        s.breite0 = Biased(32, 5700, true);
        s.laenge0 = Biased(68, 5700, true);
        s.kosinusBreite = 8391;
        s.startHoehe = 2100;
        s.landeHoehe = 1050;
        s.basisHoehe = 4300;
        s.bodenTemperatur = 3090;
        s.windOst = 1500;
        s.windNord = 2500;
        s.landeOst = 6000;
        s.landeNord = -3000;
        s.wendepunkte = true;
        s.punkte = {{"Cerro Alto", 0, 0, 0, 2100},        {"Pampa Sur", 1, 6000, -3000, 1050},
                    {"Ca\xF1" "ada", 2, 3000, 4000, 1600}, {"Estancia", 3, 9000, 2000, 1250},
                    {"Antena", 4, -2000, 1500, 2350},      {"Puente", 5, 12000, -6000, 1000},
                    {"Punto Uno", 6, 25000, 12000, 1400},  {"Punto Dos", 6, -5000, 35000, 1900},
                    {"Punto Tres", 6, -15000, 8000, 2300}, {"Punto 4", 6, 6000, -3000, 1050}};
        break;
    }
    return s;
}

std::string Hex(uint32_t wert, int stellen)
{
    static constexpr char ziffern[] = "0123456789ABCDEF";
    std::string text(static_cast<size_t>(stellen), '0');
    for (int i = stellen - 1; i >= 0; --i, wert >>= 4)
        text[static_cast<size_t>(i)] = ziffern[wert & 15];
    return text;
}

std::string ZweiStellen(int wert)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", wert % 100);
    return text;
}

std::string Uhrzeit(int sekunde)
{
    sekunde %= 86400;
    return ZweiStellen(sekunde / 3600) + ZweiStellen(sekunde / 60 % 60) + ZweiStellen(sekunde % 60);
}

// The 24-bit field of a coordinate on the 1/100-minute grid: negative angles as ones' complement.
uint32_t Feld(int32_t koordinate)
{
    const int64_t abstand = int64_t{koordinate} - koordinatenNullpunkt;
    const uint32_t betrag = static_cast<uint32_t>((abstand < 0 ? -abstand : abstand) / 100);
    return abstand < 0 ? 0xFFFFFFu - betrag : betrag;
}

// Which quarter of the grid a coordinate lies in, counted away from 0°.
int Viertel(int32_t koordinate)
{
    const int64_t abstand = int64_t{koordinate} - koordinatenNullpunkt;
    return static_cast<int>(((abstand < 0 ? -abstand : abstand) % 100) / 25);
}

// One fix as recorded.
struct Fix {
    int32_t breite = koordinatenNullpunkt;  // on the quarter grid
    int32_t laenge = koordinatenNullpunkt;
    bool hatPosition = true;
    int hoehe = 0;
    int vario = 0;        // 0.1 m/s
    int tasFeld = 0;      // 0.5 km/h
    int sogFeld = 0;      // the two-range field
    int temperatur = 0;   // 0.1 K
};

std::string FixSatz(const Fix& f, char a, char b)
{
    const int flag = (f.hatPosition ? 1 : 0) | (f.vario > 0 ? 2 : 0);
    std::string z;
    z.reserve(31);
    z += f.hatPosition ? Hex(Feld(f.breite), 6) : "000000";
    z += f.hatPosition ? Hex(Feld(f.laenge), 6) : "000000";
    z += Hex(static_cast<uint16_t>(f.hoehe), 4);
    z += Hex(static_cast<uint32_t>(std::min(255, std::abs(f.vario))), 2);
    z += Hex(static_cast<uint32_t>(f.tasFeld), 2);
    z += Hex(static_cast<uint32_t>(f.sogFeld), 2);
    z += "00";
    z += Hex(static_cast<uint32_t>(std::clamp(f.temperatur, 0, 4095)), 3);
    z += a;
    z += b;
    z += Hex(static_cast<uint32_t>(flag), 1);
    z += '\n';
    return z;
}

std::string WegpunktText(const Punkt& p, const Szenario& s)
{
    std::string t = "01" + Hex(static_cast<uint16_t>(p.hoehe), 4);
    for (size_t i = 0; i < 11; ++i)
        t += Hex(i < p.name.size() ? static_cast<unsigned char>(p.name[i]) : 0u, 2);
    t += "0000" + ZweiStellen(p.art) + "00";
    const int32_t breite = s.breite0 + static_cast<int32_t>(int64_t{p.nordMeter} * 54 / 10);
    const int32_t laenge = s.laenge0 + static_cast<int32_t>(int64_t{p.ostMeter} * 54000 / s.kosinusBreite);
    for (const int32_t k : {breite, laenge}) {
        const std::string feld = Hex(Feld(k), 6);
        t += feld.substr(4, 2) + feld.substr(2, 2) + feld.substr(0, 2);  // low byte first
    }
    return t;
}

// The flight itself, one second at a time.
class Flug {
public:
    Flug(const Szenario& szenario, uint64_t seed) : s(szenario), zufall(seed)
    {
        hoeheMm = int64_t{s.startHoehe} * 1000;
        NeuesZiel();
    }

    // Advances one second; returns the fix for it.
    Fix Schritt(int64_t index, int64_t anzahl, int64_t bodenFixe)
    {
        const int64_t rest = anzahl - index;
        if (index < bodenFixe || rest <= landeSekunden)
            return AmBoden(rest <= landeSekunden);
        if (!abheben) {
            abheben = true;
            startIndex = index;
        }
        landeIndex = index + 1;
        return ImFlug(rest - landeSekunden);
    }

    int64_t startIndex = 0;
    int64_t landeIndex = 0;
    int maxHoehe = 0;
    int maxSteigen = 0;
    int maxSinken = 0;
    int64_t streckeMm = 0;

private:
    enum class Modus { Gleiten, Kreisen };

    Fix AmBoden(bool gelandet)
    {
        if (gelandet && !landung) {
            landung = true;
            hoeheMm = int64_t{s.landeHoehe} * 1000;
        }
        Fix f = Lage();
        f.hoehe = static_cast<int>(hoeheMm / 1000);
        f.temperatur = s.bodenTemperatur - f.hoehe * 65 / 1000 + zufall.Zahl(-1, 1);
        maxHoehe = std::max(maxHoehe, f.hoehe);
        return f;
    }

    Fix ImFlug(int64_t flugRest)
    {
        const int hoehe = static_cast<int>(hoeheMm / 1000);
        int luftMmS = 0;
        int vario = 0;
        int kern = 0;
        const bool endanflug = flugRest <= 90 + (hoehe - s.landeHoehe) / 2;  // about 2 m/s down
        if (endanflug) {
            // Down to the landing field, spread over what is left of the flight.
            const int64_t ueber = hoeheMm - int64_t{s.landeHoehe} * 1000;
            vario = -static_cast<int>(std::clamp<int64_t>((ueber + flugRest * 50) / (flugRest * 100), 0, 80));
            luftMmS = 11500 + zufall.Zahl(-300, 300);
            modus = Modus::Gleiten;
            Lenke(s.landeOst, s.landeNord);
        } else if (modus == Modus::Kreisen) {
            kurs = (kurs + richtung * (36 + zufall.Zahl(0, 6))) & 1023;
            luftMmS = 9800 + zufall.Zahl(-300, 300);
            vario = staerke + Sinus(kurs) * 6 / 10000 + zufall.Zahl(-3, 3);
            kern = kernBonus;
            if (--modusSekunden <= 0 || hoehe >= s.basisHoehe - zufall.Zahl(0, 150))
                Gleiten();
        } else {
            luftMmS = 11800 + zufall.Zahl(-500, 500);
            vario = -zufall.Zahl(9, 17);
            if (Entfernt(zielOst, zielNord) < int64_t{500} * 500)
                NeuesZiel();
            Lenke(zielOst, zielNord);
            const bool tief = hoehe < s.landeHoehe + 350;
            if ((--modusSekunden <= 0 && hoehe < s.basisHoehe - 200) || tief)
                Kreisen(tief);
        }

        hoeheMm += int64_t{vario} * 100;
        const int64_t boeOst = zufall.Zahl(-400, 400);
        const int64_t boeNord = zufall.Zahl(-400, 400);
        const int64_t ost = int64_t{luftMmS} * Sinus(kurs) / 10000 + s.windOst + boeOst;
        const int64_t nord = int64_t{luftMmS} * Kosinus(kurs) / 10000 + s.windNord + boeNord;
        ostMm += ost;
        nordMm += nord;
        const int64_t grundMmS = Wurzel(ost * ost + nord * nord);
        streckeMm += grundMmS;

        Fix f = Lage();
        f.hoehe = static_cast<int>(hoeheMm / 1000);
        f.vario = vario;
        f.tasFeld = std::min(255, luftMmS * 36 / 1000 / 5);
        const int sog = static_cast<int>(grundMmS * 36 / 1000);  // 0.1 km/h
        f.sogFeld = sog <= 640 ? sog / 5 : std::min(255, sog / 10 + 64);
        f.temperatur = s.bodenTemperatur - f.hoehe * 65 / 1000 + kern + zufall.Zahl(-2, 2);
        maxHoehe = std::max(maxHoehe, f.hoehe);
        maxSteigen = std::max(maxSteigen, vario);
        maxSinken = std::max(maxSinken, -vario);

        // Now and then the receiver loses the satellites for a moment.
        if (ohnePosition > 0) {
            --ohnePosition;
            f.hatPosition = false;
        } else if (zufall.Zahl(0, 1999) == 0) {
            ohnePosition = zufall.Zahl(5, 30);
        } else if (zufall.Zahl(0, 299) == 0) {
            f.hatPosition = false;
        }
        return f;
    }

    Fix Lage() const
    {
        Fix f;
        const int32_t breite = s.breite0 + static_cast<int32_t>(nordMm * 54 / 10000);
        const int32_t laenge = s.laenge0 + static_cast<int32_t>(ostMm * 54 / s.kosinusBreite);
        // Onto the quarter grid, rounding toward 0° like the instrument.
        const auto raster = [](int32_t k) {
            const int64_t abstand = int64_t{k} - koordinatenNullpunkt;
            const int64_t betrag = (abstand < 0 ? -abstand : abstand) / 25 * 25;
            return static_cast<int32_t>(koordinatenNullpunkt + (abstand < 0 ? -betrag : betrag));
        };
        f.breite = raster(breite);
        f.laenge = raster(laenge);
        return f;
    }

    int64_t Entfernt(int zielOstMeter, int zielNordMeter) const
    {
        const int64_t dOst = int64_t{zielOstMeter} - ostMm / 1000;
        const int64_t dNord = int64_t{zielNordMeter} - nordMm / 1000;
        return dOst * dOst + dNord * dNord;
    }

    // Turns at most 12/1024 of a turn per second toward a point.
    void Lenke(int zielOstMeter, int zielNordMeter)
    {
        const int64_t dOst = int64_t{zielOstMeter} - ostMm / 1000;
        const int64_t dNord = int64_t{zielNordMeter} - nordMm / 1000;
        const int64_t kreuz = Sinus(kurs) * dNord - Kosinus(kurs) * dOst;
        const int64_t vorn = Sinus(kurs) * dOst + Kosinus(kurs) * dNord;
        const int64_t laenge = Wurzel(dOst * dOst + dNord * dNord) + 1;
        if (vorn < 0 || kreuz > laenge * 800 || kreuz < -laenge * 800)
            kurs += kreuz > 0 ? -12 : 12;
        kurs &= 1023;
    }

    void NeuesZiel()
    {
        if (s.wendepunkte) {
            // The numbered points in order, then around the landing field.
            while (naechsterPunkt < s.punkte.size() && s.punkte[naechsterPunkt].art != 6)
                ++naechsterPunkt;
            if (naechsterPunkt < s.punkte.size()) {
                zielOst = s.punkte[naechsterPunkt].ostMeter;
                zielNord = s.punkte[naechsterPunkt].nordMeter;
                ++naechsterPunkt;
                return;
            }
        }
        zielOst = s.landeOst + zufall.Zahl(-6000, 6000);
        zielNord = s.landeNord + zufall.Zahl(-6000, 6000);
    }

    void Gleiten()
    {
        modus = Modus::Gleiten;
        modusSekunden = zufall.Zahl(90, 420);
    }

    void Kreisen(bool tief)
    {
        modus = Modus::Kreisen;
        modusSekunden = zufall.Zahl(200, 700);
        staerke = zufall.Zahl(tief ? 15 : 10, 35);
        richtung = zufall.Zahl(0, 1) == 0 ? -1 : 1;
        kernBonus = zufall.Zahl(5, 15);
    }

    const Szenario& s;
    Zufall zufall;
    int64_t ostMm = 0;
    int64_t nordMm = 0;
    int64_t hoeheMm = 0;
    int kurs = 0;  // 1/1024 turn, clockwise from north
    Modus modus = Modus::Gleiten;
    int modusSekunden = 60;
    int staerke = 0;
    int richtung = 1;
    int kernBonus = 0;
    int ohnePosition = 0;
    int zielOst = 0;
    int zielNord = 0;
    size_t naechsterPunkt = 0;
    bool abheben = false;
    bool landung = false;
};

std::string KopfSatz(const Szenario& s, const Flug& flug)
{
    const int start = s.startSekunde + static_cast<int>(flug.startIndex % 86400) + 1;
    const int lande = s.startSekunde + static_cast<int>(flug.landeIndex % 86400) + 1;
    std::string z = "@SXV2.1-0004711" + s.datum + Uhrzeit(start).substr(0, 4) + Uhrzeit(lande).substr(0, 4) + "00";
    std::string platz = s.startplatz;
    platz.resize(11, ' ');
    z += platz + "0000";
    z += Hex(static_cast<uint16_t>(s.startHoehe), 4) + Hex(static_cast<uint16_t>(s.landeHoehe), 4);
    z += Hex(static_cast<uint16_t>(flug.maxHoehe), 4) + "00000000";
    z += Hex(static_cast<uint32_t>(std::min(255, flug.maxSteigen)), 2);
    z += Hex(static_cast<uint32_t>(std::min(255, flug.maxSinken)), 2) + "0000";
    z += Hex(static_cast<uint32_t>(std::min<int64_t>(0xFFFF, flug.streckeMm / 100000)), 4) + "\n";
    return z;
}

}  // namespace

std::optional<FlugArt> ArtAusName(std::string_view name)
{
    if (name == "lokal")
        return FlugArt::Lokal;
    if (name == "strecke")
        return FlugArt::Strecke;
    if (name == "suedwest")
        return FlugArt::Suedwest;
    if (name == "lang")
        return FlugArt::Lang;
    return std::nullopt;
}

std::string Erzeuge(const Optionen& optionen)
{
    const Szenario s = SzenarioFuer(optionen.art);
    const int64_t anzahl = std::max<int64_t>(0, optionen.fixe);
    const auto zeit = [&](int64_t index) { return Uhrzeit(s.startSekunde + static_cast<int>(index % 86400)) + s.datum + "00\n"; };

    // Route points only when the recording is long enough to carry them all before take-off.
    std::vector<std::string> texte;
    if (anzahl >= static_cast<int64_t>(s.punkte.size()) * wegpunktZeichen + 2 + bodenSekunden + landeSekunden + 60)
        for (const Punkt& p : s.punkte)
            texte.push_back(WegpunktText(p, s));
    const int64_t routenFixe = static_cast<int64_t>(texte.size()) * wegpunktZeichen + 2;
    const int64_t bodenFixe = std::min(anzahl, routenFixe + bodenSekunden);

    Flug flug(s, optionen.seed);
    std::string rumpf;
    rumpf.reserve(static_cast<size_t>(anzahl) * 31 + static_cast<size_t>(anzahl / 600 + texte.size() * 2 + 4) * 15);
    rumpf += zeit(0);
    int64_t index = 0;
    const auto naechster = [&] { return flug.Schritt(index++, anzahl, bodenFixe); };

    // Route points: each text two characters per even fix, closed by every second time record.
    for (const std::string& text : texte) {
        rumpf += zeit(index);
        for (size_t i = 0; i < text.size(); i += 2) {
            rumpf += FixSatz(naechster(), '0', '0');
            rumpf += FixSatz(naechster(), text[i], text[i + 1]);
        }
        rumpf += zeit(index);
    }
    // The block whose first pair is "00" ends the route points.
    for (int i = 0; i < 2 && index < anzahl; ++i)
        rumpf += FixSatz(naechster(), '0', '0');

    // From here each even fix carries the quarter-grid digits of its predecessor and of itself.
    int64_t zaehler = 2;
    int vorherZiffer = 0;
    while (index < anzahl) {
        if (index % 600 == 0)
            rumpf += zeit(index);
        const Fix f = naechster();
        const int ziffer = f.hatPosition ? Viertel(f.breite) * 4 + Viertel(f.laenge) : 0;
        ++zaehler;
        if (zaehler % 2 == 0)
            rumpf += FixSatz(f, Hex(static_cast<uint32_t>(vorherZiffer), 1)[0], Hex(static_cast<uint32_t>(ziffer), 1)[0]);
        else
            rumpf += FixSatz(f, '0', '0');
        vorherZiffer = ziffer;
    }
    return KopfSatz(s, flug) + rumpf;
}

bool Schreibe(const Optionen& optionen, const std::string& pfad)
{
    const std::string inhalt = Erzeuge(optionen);
    std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
    datei.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    datei.close();
    return static_cast<bool>(datei);
}

}  // namespace vrlgen
