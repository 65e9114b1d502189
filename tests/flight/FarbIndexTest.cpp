// Colour table and the colour index of a fix in every mode.

#include "flight/Arten.h"
#include "flight/CSarnixDoc.h"
#include "flight/FarbIndex.h"

#include <gtest/gtest.h>

namespace {

CDaten Fix(int16_t vario = 0, int16_t hoehe = 0, int16_t sog = 0, int16_t tas = 0, int32_t temperatur = 0)
{
    CDaten f;
    f.vario = vario;
    f.hoehe = hoehe;
    f.sog = sog;
    f.tas = tas;
    f.temperatur = temperatur;
    return f;
}

}  // namespace

TEST(FarbTabelle, Eckwerte)
{
    const CSarnixDoc doc;
    EXPECT_EQ(doc.farbTabelle[0], RGB(0, 0, 255));
    EXPECT_EQ(doc.farbTabelle[25], RGB(0, 192, 255));
    EXPECT_EQ(doc.farbTabelle[50], RGB(0, 255, 255));
    EXPECT_EQ(doc.farbTabelle[51], RGB(0, 255, 255));
    EXPECT_EQ(doc.farbTabelle[76], RGB(0, 255, 192));
    EXPECT_EQ(doc.farbTabelle[101], RGB(0, 255, 0));
    EXPECT_EQ(doc.farbTabelle[102], RGB(0, 255, 0));
    EXPECT_EQ(doc.farbTabelle[127], RGB(192, 255, 0));
    EXPECT_EQ(doc.farbTabelle[152], RGB(255, 255, 0));
    EXPECT_EQ(doc.farbTabelle[153], RGB(255, 255, 0));
    EXPECT_EQ(doc.farbTabelle[178], RGB(255, 192, 0));
    EXPECT_EQ(doc.farbTabelle[203], RGB(255, 0, 0));
    EXPECT_EQ(doc.rampe[34], 224);
    EXPECT_EQ(doc.rampe[35], 229);
}

TEST(FarbIndex, OhneFaerbungUndUnbekannteArt)
{
    const CSarnixDoc doc;
    const CDaten f = Fix(50, 1000, 300, 200, 2900);
    EXPECT_EQ(FarbIndex(KeineFaerbung, f, doc, ReferenzExakt), 102);
    EXPECT_EQ(FarbIndex(5, f, doc, ReferenzExakt), 102);
    EXPECT_EQ(FarbIndex(-1, f, doc, ReferenzExakt), 102);
    EXPECT_EQ(FarbIndex(127, f, doc, ReferenzExakt), 102);
}

TEST(FarbIndex, Variowerte)
{
    const CSarnixDoc doc;
    EXPECT_EQ(FarbIndex(Variowerte, Fix(0), doc, ReferenzExakt), 102);
    EXPECT_EQ(FarbIndex(Variowerte, Fix(1), doc, ReferenzExakt), 103);
    EXPECT_EQ(FarbIndex(Variowerte, Fix(-1), doc, ReferenzExakt), 101);
    EXPECT_EQ(FarbIndex(Variowerte, Fix(10), doc, ReferenzExakt), 119);
    EXPECT_EQ(FarbIndex(Variowerte, Fix(59), doc, ReferenzExakt), 202);
    EXPECT_EQ(FarbIndex(Variowerte, Fix(60), doc, ReferenzExakt), 203);
    EXPECT_EQ(FarbIndex(Variowerte, Fix(255), doc, ReferenzExakt), 203);
    EXPECT_EQ(FarbIndex(Variowerte, Fix(-59), doc, ReferenzExakt), 2);
    EXPECT_EQ(FarbIndex(Variowerte, Fix(-60), doc, ReferenzExakt), 1);
    EXPECT_EQ(FarbIndex(Variowerte, Fix(-255), doc, ReferenzExakt), 1);
}

TEST(FarbIndex, Wind)
{
    const CSarnixDoc doc;
    EXPECT_EQ(FarbIndex(Wind, Fix(0, 0, 1910, 0), doc, ReferenzExakt), 102);
    EXPECT_EQ(FarbIndex(Wind, Fix(0, 0, 100, 101), doc, ReferenzExakt), 102);
    EXPECT_EQ(FarbIndex(Wind, Fix(0, 0, 400, 300), doc, ReferenzExakt), 142);
    EXPECT_EQ(FarbIndex(Wind, Fix(0, 0, 300, 400), doc, ReferenzExakt), 62);
    EXPECT_EQ(FarbIndex(Wind, Fix(0, 0, 553, 300), doc, ReferenzExakt), 203);
    EXPECT_EQ(FarbIndex(Wind, Fix(0, 0, 300, 553), doc, ReferenzExakt), 1);
    EXPECT_EQ(FarbIndex(Wind, Fix(0, 0, 1910, 5), doc, ReferenzExakt), 203);
}

TEST(FarbIndex, Flughoehe)
{
    CSarnixDoc doc;
    doc.ausdehnung.hoeheMin = 500;
    doc.ausdehnung.hoeheMax = 2530;
    EXPECT_EQ(FarbIndex(Flughoehe, Fix(0, 500), doc, ReferenzExakt), 0);
    EXPECT_EQ(FarbIndex(Flughoehe, Fix(0, 2530), doc, ReferenzExakt), 203);
    EXPECT_EQ(FarbIndex(Flughoehe, Fix(0, 1515), doc, ReferenzExakt), 101);
    EXPECT_EQ(FarbIndex(Flughoehe, Fix(0, 509), doc, ReferenzExakt), 0);
    EXPECT_EQ(FarbIndex(Flughoehe, Fix(0, 510), doc, ReferenzExakt), 1);
    // Fixes without position may lie outside the extent: held to the table.
    EXPECT_EQ(FarbIndex(Flughoehe, Fix(0, 100), doc, ReferenzExakt), 0);
    EXPECT_EQ(FarbIndex(Flughoehe, Fix(0, 9000), doc, ReferenzExakt), 203);
}

TEST(FarbIndex, FlughoeheOhneHoehenunterschied)
{
    // A flight at one altitude: the middle of the scale, not an end.
    CSarnixDoc doc;
    doc.ausdehnung.hoeheMin = 800;
    doc.ausdehnung.hoeheMax = 800;
    EXPECT_EQ(FarbIndex(Flughoehe, Fix(0, 800), doc, ReferenzExakt), 102);
    // No fix with position: the extent keeps its start values, hoeheMin above hoeheMax.
    const CSarnixDoc leer;
    for (int16_t h : {int16_t{-32768}, int16_t{0}, int16_t{500}, int16_t{32767}}) {
        const int index = FarbIndex(Flughoehe, Fix(0, h), leer, ReferenzExakt);
        EXPECT_GE(index, 0);
        EXPECT_LE(index, 203);
    }
}

TEST(FarbIndex, Temperaturgradient)
{
    CSarnixDoc doc;
    // Band 1000 m: 290.00 K at 1000 m.
    doc.temperaturProfil[200] = {0.5f, 790.0f};
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(-10, 1000, 0, 0, 2900), doc, ReferenzExakt), 50);
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(-10, 1000, 0, 0, 2905), doc, ReferenzExakt), 75);
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(-10, 1000, 0, 0, 2890), doc, ReferenzExakt), 0);
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(-10, 1000, 0, 0, 2880), doc, ReferenzExakt), 0);
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(-10, 1000, 0, 0, 2930), doc, ReferenzExakt), 202);
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(-10, 1000, 0, 0, 3000), doc, ReferenzExakt), 202);
    // 1004 m is the same band: reference 288.00 K.
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(-10, 1004, 0, 0, 2880), doc, ReferenzExakt), 50);
    // No profile in the band: neutral.
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(-10, 1005, 0, 0, 2500), doc, ReferenzExakt), 50);
}

TEST(FarbIndex, TemperaturgradientAusserhalbDerTabelle)
{
    CSarnixDoc doc;
    for (TemperaturSlot& slot : doc.temperaturProfil)
        slot = {0.0065f, 300.0f};
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(0, 6050, 0, 0, 1000), doc, ReferenzExakt), 50);
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(0, 32767, 0, 0, 1000), doc, ReferenzExakt), 50);
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(0, -5, 0, 0, 1000), doc, ReferenzExakt), 50);
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(0, -32768, 0, 0, 1000), doc, ReferenzExakt), 50);
    // -4 m is band 0: there is a reference, 300.02 K; 290.0 K is far colder.
    EXPECT_EQ(FarbIndex(Temperaturgradient, Fix(0, -4, 0, 0, 2900), doc, ReferenzExakt), 0);
}
