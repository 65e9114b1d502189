// The temperature reference profile: band fits worked out by hand, the gap filling, and the
// one-pass computation against a plain scan of every band.

#include "flight/CSarnixDoc.h"
#include "flight/TemperaturProfil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

CDaten Sinkend(int16_t hoehe, int32_t temperatur, int16_t vario = -10, int32_t hatPosition = 1)
{
    CDaten f;
    f.hoehe = hoehe;
    f.temperatur = temperatur;
    f.vario = vario;
    f.hatPosition = hatPosition;
    f.breite = 528500000;
    f.laenge = 506755000;
    return f;
}

void Berechne(CSarnixDoc& doc)
{
    doc.BerechneAusdehnung();
    doc.BerechneTemperaturProfil();
}

bool AllesNull(const CSarnixDoc& doc)
{
    for (const TemperaturSlot& s : doc.temperaturProfil)
        if (s.steigung != 0.0f || s.basis != 0.0f)
            return false;
    return true;
}

// Every band scanned on its own over the whole list, as plainly as it can be written.
void ReferenzProfil(CSarnixDoc& doc)
{
    for (int32_t b = (doc.ausdehnung.hoeheMin - 15) / 5 * 5; b <= doc.ausdehnung.hoeheMax + 15; b += 5) {
        int32_t n = 0;
        uint32_t sH = 0, sT = 0, sHT = 0, sHH = 0;
        for (const CDaten& f : doc.datenListe) {
            if (f.vario > -6 || f.hoehe < b - 70 || f.hoehe > b + 70)
                continue;
            const uint32_t h = static_cast<uint32_t>(f.hoehe);
            const uint32_t t = static_cast<uint32_t>(f.temperatur);
            ++n;
            sH += h;
            sT += t;
            sHT += h * t;
            sHH += h * h;
            if (sHH > 4000000000u || sHT > 4000000000u)
                break;
        }
        const uint32_t t1 = static_cast<uint32_t>(static_cast<int32_t>(sT * 0.1));
        const uint32_t ht1 = static_cast<uint32_t>(static_cast<int32_t>(sHT * 0.1));
        if (n <= 15)
            continue;
        const float nf = static_cast<float>(n);
        const uint32_t q = sH * sH;
        const float d = static_cast<float>(double(sHH) * nf - double(q));
        const float v = static_cast<float>(double(d) / (double(nf) * double(nf)));
        if (v < 4000 && v > -4000)
            continue;
        const uint32_t r = t1 * sH;
        const float steigung = static_cast<float>((double(ht1) * nf - double(r)) / double(d));
        const float basis = static_cast<float>((double(steigung) * double(sH) + double(t1)) * (1.0 / double(nf)));
        if (b / 5 >= 0 && b / 5 <= 1209)
            doc.temperaturProfil[static_cast<size_t>(b / 5)] = {steigung, basis};
    }
    FuelleProfilLuecken(doc.temperaturProfil);
}

}  // namespace

TEST(TemperaturProfil, FuenfzehnFixeReichenNicht)
{
    CSarnixDoc doc;
    for (int i = 0; i < 15; ++i)
        doc.datenListe.push_back(Sinkend(4100, i == 14 ? 2503 : 2500));
    Berechne(doc);
    EXPECT_TRUE(AllesNull(doc));
}

TEST(TemperaturProfil, SechzehnFixeUeber4096mWerdenGespeichert)
{
    // sH = 65 600 passes 65 536, so sH² wraps and V is 2^32 / 256.
    CSarnixDoc doc;
    for (int i = 0; i < 16; ++i)
        doc.datenListe.push_back(Sinkend(4100, i == 15 ? 2503 : 2500));
    Berechne(doc);
    for (int slot : {0, 817, 820, 823, 1200}) {
        EXPECT_EQ(doc.temperaturProfil[slot].steigung, 4.58210707e-06f) << slot;
        EXPECT_EQ(doc.temperaturProfil[slot].basis, 250.018784f) << slot;
    }
    for (int slot = 1201; slot < 1210; ++slot)
        EXPECT_EQ(doc.temperaturProfil[slot].steigung, 0.0f);
}

TEST(TemperaturProfil, GeradeMitSteigungNullZaehltAlsLeer)
{
    // Temperatures summing to a multiple of 10 give a slope of exactly 0: no band counts.
    CSarnixDoc doc;
    for (int i = 0; i < 16; ++i)
        doc.datenListe.push_back(Sinkend(4100, 2500 + i));
    Berechne(doc);
    EXPECT_EQ(doc.temperaturProfil[820].steigung, 0.0f);
    EXPECT_EQ(doc.temperaturProfil[820].basis, 250.75f);
    EXPECT_EQ(doc.temperaturProfil[0].basis, 0.0f);
}

TEST(TemperaturProfil, SechzehnGleichmaessigVerteilteFixeOhneWert)
{
    CSarnixDoc doc;
    for (int i = 0; i < 16; ++i)
        doc.datenListe.push_back(Sinkend(static_cast<int16_t>(930 + (i * 140 + 7) / 15), 2800));
    Berechne(doc);
    EXPECT_TRUE(AllesNull(doc));
}

TEST(TemperaturProfil, HundertFixeBei1000m)
{
    CSarnixDoc doc;
    for (int i = 0; i < 100; ++i) {
        const int h = 990 + i % 21;
        doc.datenListe.push_back(Sinkend(static_cast<int16_t>(h), 2900 - h * 65 / 1000 + i % 3));
    }
    Berechne(doc);
    EXPECT_EQ(doc.temperaturProfil[200].steigung, 1.02394742e-05f);
    EXPECT_EQ(doc.temperaturProfil[200].basis, 283.650238f);
    EXPECT_EQ(doc.temperaturProfil[0].basis, 283.650238f);
}

TEST(TemperaturProfil, LangsamesSinkenZaehltNicht)
{
    CSarnixDoc doc;
    for (int i = 0; i < 100; ++i)
        doc.datenListe.push_back(Sinkend(static_cast<int16_t>(990 + i % 21), 2800 + i % 3, -5));
    Berechne(doc);
    EXPECT_TRUE(AllesNull(doc));
}

TEST(TemperaturProfil, OhnePositionKeinBand)
{
    CSarnixDoc doc;
    for (int i = 0; i < 100; ++i)
        doc.datenListe.push_back(Sinkend(4100, 2500 + i % 3, -10, 0));
    Berechne(doc);
    EXPECT_EQ(doc.ausdehnung.hoeheMin, 100000);
    EXPECT_TRUE(AllesNull(doc));
}

TEST(ProfilLuecken, EinWertFuelltAlles)
{
    TemperaturProfil profil{};
    profil[200] = {0.0065f, 290.0f};
    FuelleProfilLuecken(profil);
    for (int k = 0; k <= 1200; ++k)
        ASSERT_EQ(profil[k].basis, 290.0f) << k;
    EXPECT_EQ(profil[1201].basis, 0.0f);
    EXPECT_EQ(profil[1209].basis, 0.0f);
}

TEST(ProfilLuecken, ZweiWerte)
{
    TemperaturProfil profil{};
    profil[100] = {0.006f, 295.0f};
    profil[300] = {0.007f, 289.0f};
    profil[1205] = {0.008f, 200.0f};
    FuelleProfilLuecken(profil);
    EXPECT_EQ(profil[0].basis, 295.0f);
    EXPECT_EQ(profil[99].basis, 295.0f);
    EXPECT_EQ(profil[100].basis, 295.0f);
    EXPECT_EQ(profil[101].basis, 289.0f);
    EXPECT_EQ(profil[299].steigung, 0.007f);
    EXPECT_EQ(profil[301].basis, 289.0f);
    EXPECT_EQ(profil[1200].basis, 289.0f);
    EXPECT_EQ(profil[1201].basis, 0.0f);
    EXPECT_EQ(profil[1205].basis, 200.0f);
}

TEST(ProfilLuecken, SteigungNullIstLeer)
{
    TemperaturProfil profil{};
    profil[10] = {0.0f, 123.0f};
    profil[11] = {0.005f, 280.0f};
    FuelleProfilLuecken(profil);
    EXPECT_EQ(profil[10].basis, 280.0f);
    EXPECT_EQ(profil[0].basis, 280.0f);
}

TEST(ProfilLuecken, OberstesSlotUndLeeresProfil)
{
    TemperaturProfil nurOben{};
    nurOben[1200] = {0.005f, 270.0f};
    FuelleProfilLuecken(nurOben);
    EXPECT_EQ(nurOben[0].basis, 270.0f);

    TemperaturProfil leer{};
    leer[1209] = {0.005f, 270.0f};
    FuelleProfilLuecken(leer);
    EXPECT_EQ(leer[0].basis, 0.0f);
    EXPECT_EQ(leer[1200].basis, 0.0f);
}

TEST(TemperaturProfil, EinDurchlaufGleichtDerBandSchleife)
{
    std::mt19937 zufall(20260612);
    const auto wuerfel = [&](int von, int bis) {
        return von + static_cast<int>(zufall() % static_cast<uint32_t>(bis - von + 1));
    };
    int mitWerten = 0;
    for (int runde = 0; runde < 150; ++runde) {
        CSarnixDoc schnell;
        // Low and negative, around 1000 m, and high enough for sH to wrap within a band.
        const int basis = runde % 3 == 0 ? -300 : runde % 3 == 1 ? 900 : 5500;
        const int spanne = wuerfel(20, 900);
        const int anzahl = wuerfel(50, 2500);
        for (int i = 0; i < anzahl; ++i) {
            CDaten f = Sinkend(static_cast<int16_t>(basis + wuerfel(0, spanne)), wuerfel(1500, 3400),
                               static_cast<int16_t>(wuerfel(-40, 8)), wuerfel(0, 9) != 0);
            if (runde % 10 == 7)
                f.temperatur = wuerfel(60000, 400000);  // sums past 4e9 early
            schnell.datenListe.push_back(f);
        }
        CSarnixDoc referenz;
        referenz.datenListe = schnell.datenListe;
        Berechne(schnell);
        referenz.BerechneAusdehnung();
        ReferenzProfil(referenz);
        ASSERT_EQ(std::memcmp(schnell.temperaturProfil.data(), referenz.temperaturProfil.data(),
                              sizeof(TemperaturSlot) * CSarnixDoc::anzahlSlots),
                  0)
            << "round " << runde;
        mitWerten += AllesNull(schnell) ? 0 : 1;
    }
    EXPECT_GT(mitWerten, 50);
}
