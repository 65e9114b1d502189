#pragma once
// Building hostile recordings line by line, and running everything a user can do with a flight
// (every graph kind and colour mode in both layouts, the track cursor, the printed map) on them.

#include <QImage>
#include <cstdint>
#include <string>

class CSarnixDoc;

namespace robust {

// Built with AddressSanitizer: the slowest inputs are left to the plain build.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool unterSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool unterSanitizer = true;
#else
inline constexpr bool unterSanitizer = false;
#endif
#else
inline constexpr bool unterSanitizer = false;
#endif

// A fix record of 30 characters and its line feed. Every field holds the value as the file codes
// it: coordinates as 24-bit values (1/100 arc minute, negative as ones' complement), speeds in
// the instrument's steps, temperature in 0.1 K; the flag's bit 0 says "has a position".
struct Fix {
    uint32_t breite = 0x045948;  // 47°30.00' N
    uint32_t laenge = 0x0107DE;  // 11°15.50' E
    int hoehe = 900;
    int vario = 15;
    int tas = 60;
    int sog = 80;
    int temperatur = 2900;
    char a = '0';
    char b = '0';
    char flag = '3';
};
std::string FixZeile(const Fix& fix);
// A time record: hours, minutes, seconds and eight characters nobody reads.
std::string ZeitZeile(int stunden, int minuten, int sekunden);
// A header record of 78 characters and its line feed, beginning with the magic.
std::string KopfZeile();

// How much of the drawing to do for one input: everything, or (for inputs of millions of fixes)
// each kind and mode once in the small window.
enum class Umfang { Voll, Knapp };

// Draws every graph kind with every colour mode, single and split, with time marks, route points
// and the track cursor, at 1 x 1, 220 x 120 and (Voll only) 1920 x 1080. Returns the number of
// full draws; the picture of the last one at 220 x 120 goes to `bild` when given.
int AllesZeichnen(CSarnixDoc& doc, Umfang umfang, QImage* bild = nullptr);

// The printed map on a page image of 300 x 420 pixels at 1.5 pixels per millimetre: at the
// proposed scale (massstab 0) or the given one, with or without time marks. Returns what
// KarteDrucken returns.
int KarteAufBild(const CSarnixDoc& doc, int massstab, bool zeitmarken, QImage* seite = nullptr);

}  // namespace robust
