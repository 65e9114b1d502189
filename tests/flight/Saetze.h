#pragma once
// Builders of recording lines for the reader tests.

#include <string>

namespace saetze {

// The fix record of the worked example: 47°30.00' N, 11°15.50' E, 900 m, +1.5 m/s, 30 km/h
// airspeed, 40 km/h over ground, 290.0 K.
inline const std::string beispielFix = "0459480107DE03840F3C5000B54003";

// A fix record (with line feed) from the example, with other side-channel characters and flag.
inline std::string Fix(char a, char b, char flag, const std::string& basis = beispielFix)
{
    std::string z = basis;
    z[27] = a;
    z[28] = b;
    z[29] = flag;
    return z + "\n";
}

// A fix record with its own latitude and longitude fields.
inline std::string FixBei(const std::string& breite, const std::string& laenge, char a = '0',
                          char b = '0', char flag = '3')
{
    return Fix(a, b, flag, breite + laenge + beispielFix.substr(12));
}

// A time record hhmmss with line feed.
inline std::string Zeit(const std::string& hhmmss) { return hhmmss + "12062600\n"; }

// A header record, the magic at its start, with the given fields and '0' elsewhere.
struct Kopf {
    std::string datum = "120626";
    std::string start = "1305";
    std::string lande = "1435";
    std::string platz = "Brauneck   ";
    std::string startHoehe = "04B0";
    std::string landeHoehe = "02BC";
    std::string maxHoehe = "0A8C";
    std::string steigen = "2A";
    std::string sinken = "19";
    std::string strecke = "0C36";

    std::string Satz() const
    {
        std::string z(78, '0');
        z.replace(0, 3, "@SX");
        z.replace(15, 6, datum);
        z.replace(21, 4, start);
        z.replace(25, 4, lande);
        z.replace(31, 11, platz);
        z.replace(46, 4, startHoehe);
        z.replace(50, 4, landeHoehe);
        z.replace(54, 4, maxHoehe);
        z.replace(66, 2, steigen);
        z.replace(68, 2, sinken);
        z.replace(74, 4, strecke);
        return z + "\n";
    }
};

// A route-point text of 48 characters.
inline std::string Wegpunkt(const std::string& hoehe4, const std::string& nameHex22, const std::string& art2,
                            const std::string& breitePaare, const std::string& laengePaare)
{
    std::string name = nameHex22;
    name.resize(22, '0');
    return "01" + hoehe4 + name + "0000" + art2 + "00" + breitePaare + laengePaare;
}

// The fixes that carry a route-point text through the side channel, each even fix two characters,
// closed by the time record that follows.
inline std::string Block(const std::string& text)
{
    std::string zeilen;
    for (size_t i = 0; i < text.size(); i += 2) {
        zeilen += Fix('0', '0', '3');
        zeilen += Fix(text[i], i + 1 < text.size() ? text[i + 1] : '0', '3');
    }
    return zeilen;
}

// A recording with the given route-point texts, then the block that ends them.
inline std::string MitWegpunkten(const std::initializer_list<std::string>& texte)
{
    std::string datei = "@SX\n" + Zeit("100000") + Zeit("100001");
    for (const std::string& text : texte)
        datei += Block(text) + Zeit("100002") + Zeit("100003");
    return datei + Fix('0', '0', '3') + Fix('0', '0', '3');
}

}  // namespace saetze
