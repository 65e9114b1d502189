// Titles, time marks and route points.

#include "render/Graphen.h"
#include "render/Zeitmarken.h"

#include "GraphHilfen.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace graph;

namespace {

LogFont MarkenSchrift()
{
    LogFont s;
    s.lfHeight = -10;
    s.lfWidth = 5;
    return s;
}

Groesse Ausdehnung(const LogFont& schrift, const QString& text)
{
    Groesse g;
    Zeichne(1, 1, [&](Zeichenflaeche& f) {
        const Zeichenflaeche::SchriftWahl wahl(f, schrift);
        g = f.GetTextExtentPoint(text);
    });
    return g;
}

QImage Symbol(uint8_t art, uint8_t nummer = 0)
{
    const CSarnixDoc doc;
    return Zeichne(40, 40, [&](Zeichenflaeche& f) { ZeichneWegpunktSymbol(doc, f, nummer, art, 20, 20); });
}

}  // namespace

TEST(WegpunktSymbol, MusterPixelGenau)
{
    const std::array<std::array<std::string, 12>, 5> tabelle{{
        {".....##.....", ".....##.....", ".....##.....", ".....##.....", ".....##.....", "############",
         "############", ".....##.....", ".....##.....", ".....##.....", ".....##.....", ".....##....."},
        {"##........##", "###......###", ".###....###.", "..###..###..", "...######...", "....####....",
         "....####....", "...######...", "..###..###..", ".###....###.", "###......###", "##........##"},
        {"##........##", "##........##", "##........##", "##........##", "##........##", "############",
         "############", "##........##", "##........##", "##........##", "##........##", "##........##"},
        {"############", "############", ".....##.....", ".....##.....", ".....##.....", ".....##.....",
         ".....##.....", ".....##.....", ".....##.....", ".....##.....", ".....##.....", ".....##....."},
        {"...######...", ".##########.", ".##......##.", "##........##", "##........##", "##........##",
         "##........##", "##........##", "##........##", ".##......##.", ".##########.", "...######..."},
    }};
    for (uint8_t art = 0; art < 5; ++art) {
        const QImage bild = Symbol(art);
        int gesetzt = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool imFeld = x >= 14 && x < 26 && y >= 14 && y < 26;
                const bool soll = imFeld && tabelle[art][size_t(y - 14)][size_t(x - 14)] == '#';
                EXPECT_EQ(bild.pixel(x, y), soll ? symbolBlau : weiss)
                    << "Art " << int(art) << " bei " << x << "," << y;
                gesetzt += soll ? 1 : 0;
            }
        EXPECT_GT(gesetzt, 20);
    }
}

TEST(WegpunktSymbol, Art5UndUnbekannteZeichnenNichts)
{
    EXPECT_EQ(test::NichtWeiss(Symbol(5)), 0);
    EXPECT_EQ(test::NichtWeiss(Symbol(7)), 0);
    EXPECT_EQ(test::NichtWeiss(Symbol(255)), 0);
}

TEST(WegpunktSymbol, NummerInSymbolblauMittig)
{
    const CSarnixDoc doc;
    COLORREF danach = 0;
    const QImage bild = Zeichne(40, 40, [&](Zeichenflaeche& f) {
        f.SetTextColor(RGB(10, 20, 30));
        ZeichneWegpunktSymbol(doc, f, 7, 6, 20, 20);
        danach = f.GetTextColor();
    });
    EXPECT_EQ(danach, RGB(10, 20, 30));
    LogFont schrift;
    schrift.lfHeight = -14;
    schrift.lfWeight = 800;
    const Groesse g = Ausdehnung(schrift, QStringLiteral("7"));
    QImage vorlage = Zeichne(40, 40, [&](Zeichenflaeche& f) {
        const Zeichenflaeche::SchriftWahl wahl(f, schrift);
        f.SetTextColor(RGB(0, 12, 255));
        f.TextOut(20 - g.cx / 2, 20 - g.cy / 2, QStringLiteral("7"));
    });
    EXPECT_EQ(bild, vorlage);
    EXPECT_GT(Anzahl(bild, symbolBlau), 5);
    const QRect tinte = Tinte(bild, bild.rect());
    EXPECT_NEAR(tinte.center().x(), 20, 2);
    EXPECT_NEAR(tinte.center().y(), 20, 3);
}

namespace {

// n fixes one second apart from 09:00:00 east along row 100 of a 1300-pixel pane at (20, 20).
struct Zeitmarken : ::testing::Test {
    static constexpr int32_t l0 = 1000000;
    static constexpr int32_t b0 = 2000000;
    CSarnixDoc doc;
    CAnsicht ansicht;
    double pixelProFix = 1.0;

    void Flug(int n, int draussen = 0)
    {
        // 10 units per fix; the window holds the n fixes and ends before the ones outside.
        Einrichten(doc, FensterAus(l0, l0 + 10 * n + 10, b0, b0 + 2000));
        ansicht = AnsichtMit({20, 20, 1320, 180}, Grundriss, doc.ausdehnung);
        pixelProFix = 1300.0 * 10 / (10.0 * n + 10);
        for (int i = 0; i < n + draussen; ++i)
            doc.datenListe.push_back(Fix(l0 + 5 + 10 * i, b0 + 1000, 0, 9 * 3600 + i));
    }
    int X(int i) const { return 20 + int((5 + 10.0 * i) * pixelProFix / 10); }
    QImage Bild()
    {
        return Zeichne(1400, 200, [&](Zeichenflaeche& f) { ZeichneZeitmarken(doc, ansicht, f, 0); });
    }
    // The left edge of the circle of a mark at fix i.
    static bool Marke(const QImage& bild, int x)
    {
        for (int dx = -7; dx <= -5; ++dx)
            if (bild.pixel(x + dx, 100) == schwarz)
                return bild.pixel(x, 100) == weiss;
        return false;
    }
};

}  // namespace

TEST_F(Zeitmarken, NeunundzwanzigMinutenAlleZweiMinuten)
{
    Flug(29 * 60, 2000);  // the fixes outside the window do not count
    const QImage bild = Bild();
    EXPECT_TRUE(Marke(bild, X(0)));
    EXPECT_TRUE(Marke(bild, X(120)));
    EXPECT_TRUE(Marke(bild, X(1680)));
}

TEST_F(Zeitmarken, DreissigMinutenAlleFuenfMinuten)
{
    Flug(30 * 60);
    const QImage bild = Bild();
    EXPECT_TRUE(Marke(bild, X(300)));
    EXPECT_TRUE(Marke(bild, X(1500)));
    EXPECT_FALSE(Marke(bild, X(120)));
    EXPECT_FALSE(Marke(bild, X(240)));
}

TEST_F(Zeitmarken, DreiStundenDreissigAlleHalbeStunde)
{
    Flug(210 * 60);
    const QImage bild = Bild();
    EXPECT_TRUE(Marke(bild, X(1800)));
    EXPECT_TRUE(Marke(bild, X(9000)));
    EXPECT_FALSE(Marke(bild, X(900)));
}

TEST_F(Zeitmarken, BeschriftungIstDieUhrzeit)
{
    Flug(30 * 60);
    const QImage bild = Bild();
    // The mark of 09:05:00, found by the left edge of its circle.
    int x = X(300) - 7;
    while (bild.pixel(x, 100) != schwarz)
        ++x;
    x += 6;
    const Groesse g = Ausdehnung(MarkenSchrift(), QStringLiteral("09:05"));
    const QImage vorlage = Text(1400, 200, MarkenSchrift(), x + 11, 100 - g.cy / 2, QStringLiteral("09:05"));
    const QRect feld(x + 8, 85, 50, 30);
    EXPECT_TRUE(WieVorlage(bild, vorlage, feld));
    EXPECT_FALSE(Tinte(bild, feld).isEmpty());
}

TEST_F(Zeitmarken, LueckeOhneMarke)
{
    Flug(29 * 60);
    doc.datenListe.erase(doc.datenListe.begin() + 240);  // no fix at 09:04:00
    EXPECT_FALSE(Marke(Bild(), X(240)));
}

TEST_F(Zeitmarken, IgcLogMitFuenfSekundenSchritten)
{
    // Every fifth fix of 29 minutes, starting at 09:00:02: no fix at a full minute, so each mark
    // goes to the first fix after it, and the spacing follows the time, not the fix count.
    Flug(29 * 60);
    doc.igc.istIgc = true;
    std::vector<CDaten> fuenf;
    for (size_t i = 2; i < doc.datenListe.size(); i += 5)
        fuenf.push_back(doc.datenListe[i]);
    doc.datenListe = fuenf;
    const QImage bild = Bild();
    EXPECT_FALSE(Marke(bild, X(2)));   // 09:00:02, the first fix: no full minute passed
    EXPECT_TRUE(Marke(bild, X(122)));  // 09:02:02
    EXPECT_TRUE(Marke(bild, X(242)));
    EXPECT_FALSE(Marke(bild, X(62)));
    EXPECT_EQ(AufgezeichneteSekunden(doc.datenListe, [](const CDaten&) { return true; }), 29 * 60 - 4);
}

namespace {

struct Wegpunkte : ::testing::Test {
    static constexpr int32_t l0 = 1000000;
    static constexpr int32_t b0 = 2000000;
    CSarnixDoc doc;
    CAnsicht ansicht;
    void SetUp() override
    {
        Einrichten(doc, FensterAus(l0, l0 + 4000, b0, b0 + 2000, 1000));
        ansicht = AnsichtMit({20, 20, 420, 220}, Grundriss, doc.ausdehnung);
    }
    void Punkt(int32_t laenge, int32_t breite, int16_t hoehe, uint8_t art, const std::string& name)
    {
        CWegPunkt p;
        p.laenge = laenge;
        p.breite = breite;
        p.hoehe = hoehe;
        p.art = art;
        p.name = name;
        doc.wegpunktListe.push_back(p);
    }
    QImage Bild()
    {
        return Zeichne(460, 260, [&](Zeichenflaeche& f) { ZeichneWegpunkte(doc, ansicht, f, 0); });
    }
};

}  // namespace

TEST_F(Wegpunkte, NameRechtsDanebenSymbolDarauf)
{
    Punkt(l0 + 1000, b0 + 1000, 0, 0, "M\xFC" "hle");  // Latin-1 ü
    const QImage bild = Bild();
    const QString name = QStringLiteral("Mühle");
    const Groesse g = Ausdehnung(MarkenSchrift(), name);
    const QImage vorlage = Text(460, 260, MarkenSchrift(), 120 + 15, 120 - g.cy / 2, name);
    EXPECT_TRUE(WieVorlage(bild, vorlage, QRect(128, 100, 100, 40)));
    EXPECT_EQ(bild.pixel(120, 120), symbolBlau);  // the plus's middle
    EXPECT_EQ(bild.pixel(114, 119), symbolBlau);
}

TEST_F(Wegpunkte, Art5ZeigtNurDenNamen)
{
    Punkt(l0 + 1000, b0 + 1000, 0, 5, "Start");
    const QImage bild = Bild();
    EXPECT_EQ(Anzahl(bild, symbolBlau), 0);
    EXPECT_FALSE(Tinte(bild, QRect(130, 100, 100, 40)).isEmpty());
}

TEST_F(Wegpunkte, PunktAufDemRandFehlt)
{
    Punkt(l0, b0 + 1000, 0, 0, "Rand");
    Punkt(l0 + 1000, b0 + 2000, 0, 1, "Oben");
    Punkt(l0 + 5000, b0 + 1000, 0, 2, "Weit");
    EXPECT_EQ(test::NichtWeiss(Bild()), 0);
}

TEST_F(Wegpunkte, ImBarogrammAufSeinerHoehe)
{
    ansicht.ansicht.grafik[0].art = BarogrammNord;
    Punkt(l0 + 1000, b0 + 1000, 500, 0, "");
    doc.datenListe = {Fix(l0 + 2000, b0 + 1000, 250, 9 * 3600)};
    const QImage bild = Zeichne(460, 260, [&](Zeichenflaeche& f) {
        ZeichneWegpunkte(doc, ansicht, f, 0);
        ZeichneZeitmarken(doc, ansicht, f, 0);
    });
    EXPECT_EQ(bild.pixel(120, 120), symbolBlau);  // 500 of 1000 m: halfway up
    EXPECT_EQ(bild.pixel(214, 170), schwarz);     // the mark's circle at 250 m
    EXPECT_EQ(bild.pixel(220, 170), weiss);
}

TEST(Titel, UnterDerScheibe30PixelLinksDerMitte)
{
    LogFont schrift;
    schrift.lfHeight = -20;
    schrift.lfWeight = 500;
    const CSarnixDoc doc;
    const std::array<std::pair<int8_t, QString>, 4> titel{{
        {Grundriss, QStringLiteral("Grundriß")},
        {BarogrammWest, QStringLiteral("Barogramm mit Blickrichtung nach Westen")},
        {BarogrammNord, QStringLiteral("Barogramm mit Blickrichtung nach Norden")},
        {Temperaturverlauf, QStringLiteral("Temperaturverlauf")},
    }};
    for (const auto& [art, text] : titel) {
        const CAnsicht ansicht = AnsichtMit({100, 50, 600, 250}, art, Fenster{});
        const QImage bild = Zeichne(700, 300, [&](Zeichenflaeche& f) { ZeichneTitel(doc, ansicht, f, 0); });
        const int cx = Ausdehnung(schrift, text).cx;
        EXPECT_EQ(bild, Text(700, 300, schrift, 320 - cx / 2, 255, text)) << text.toStdString();
        const QRect tinte = Tinte(bild, bild.rect());
        EXPECT_GE(tinte.top(), 255);
        EXPECT_NEAR(tinte.center().x(), 320, 4);
    }
    const CAnsicht andere = AnsichtMit({100, 50, 600, 250}, 9, Fenster{});
    EXPECT_EQ(test::NichtWeiss(Zeichne(700, 300, [&](Zeichenflaeche& f) { ZeichneTitel(doc, andere, f, 0); })), 0);
}
