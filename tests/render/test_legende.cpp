#include "render/Legende.h"

#include "flight/Arten.h"
#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "render/Zeichenflaeche.h"

#include "TestHilfen.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFFu;
constexpr QRgb Grau = 0xFFD2D2D2u;
constexpr QRgb Rot = 0xFFFF0000u;
constexpr QRgb Blau = 0xFF0000FFu;
constexpr QRgb Schwarz = 0xFF000000u;

QRgb Tabelle(const CSarnixDoc& doc, int i)
{
    const COLORREF c = doc.farbTabelle[static_cast<std::size_t>(i)];
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

CAnsicht Einzeln(int8_t farbe, Rechteck ecke = {60, 60, 640, 540}, Rechteck client = {0, 0, 800, 600})
{
    CAnsicht a;
    a.client = client;
    a.grafikanzahl = 1;
    a.ansicht.grafik[0].ecke = ecke;
    a.ansicht.grafik[0].farbe = farbe;
    return a;
}

CAnsicht Geteilt(int8_t farbe0, int8_t farbe1)
{
    CAnsicht a;
    a.client = {0, 0, 800, 600};
    a.grafikanzahl = 2;
    a.ansicht.grafik[0].ecke = {60, 220, 397, 540};
    a.ansicht.grafik[1].ecke = {457, 220, 795, 540};
    a.ansicht.grafik[0].farbe = farbe0;
    a.ansicht.grafik[1].farbe = farbe1;
    return a;
}

using Legende = void (*)(const CSarnixDoc&, const CAnsicht&, Zeichenflaeche&, int);

QImage Zeichne(const CSarnixDoc& doc, const CAnsicht& a, Legende legende, int pane, QImage bild = {})
{
    if (bild.isNull())
        bild = test::LeeresBild(a.client.right > 0 ? a.client.right : 10, a.client.bottom > 0 ? a.client.bottom : 10);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    legende(doc, a, f, pane);
    return bild;
}

int Anzahl(const QImage& bild, const QRect& r, QRgb farbe)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += bild.pixel(x, y) == farbe;
    return n;
}

// The rows of a region that hold black ink, grouped into runs of neighbouring rows.
std::vector<std::pair<int, int>> TintenZeilen(const QImage& bild, const QRect& r)
{
    std::vector<std::pair<int, int>> laeufe;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        if (Anzahl(bild, QRect(r.left(), y, r.width(), 1), Schwarz) == 0)
            continue;
        if (!laeufe.empty() && laeufe.back().second == y - 1)
            laeufe.back().second = y;
        else
            laeufe.push_back({y, y});
    }
    return laeufe;
}

// The colour table from red to blue with repeated neighbours merged.
std::vector<QRgb> Verlauf(const CSarnixDoc& doc)
{
    std::vector<QRgb> v;
    for (int i = 203; i >= 0; --i)
        if (v.empty() || v.back() != Tabelle(doc, i))
            v.push_back(Tabelle(doc, i));
    return v;
}

class LegendeTest : public ::testing::Test {
protected:
    CSarnixDoc doc;
};

}  // namespace

TEST(HoehenMarken, BeispielMitSchritt200)
{
    EXPECT_EQ(HoehenMarken(812, 2467), (std::vector<int32_t>{812, 2467, 2200, 2000, 1800, 1600, 1400, 1200, 1000}));
}

TEST(HoehenMarken, KleinerBereichSchritt50)
{
    EXPECT_EQ(HoehenMarken(1000, 1120), (std::vector<int32_t>{1000, 1120, 1050}));
    // Range 349: R / 7 = 49 gives step 0, so 50; 1350 lies 49 m below 1399 and is written.
    EXPECT_EQ(HoehenMarken(1050, 1399), (std::vector<int32_t>{1050, 1399, 1350, 1300, 1250, 1200, 1150, 1100}));
}

TEST(HoehenMarken, HoechsteHoeheAufEinemVielfachen)
{
    // 2000 is a multiple of 200 at distance 0, too close to the 2000 label: the next is 1800.
    EXPECT_EQ(HoehenMarken(500, 2000), (std::vector<int32_t>{500, 2000, 1800, 1600, 1400, 1200, 1000, 800}));
}

TEST(HoehenMarken, UnterMeereshoehe)
{
    // R = 120, step 50: -50 is 10 m below -40 (skipped), -100 is written, -150 is not above -135.
    EXPECT_EQ(HoehenMarken(-160, -40), (std::vector<int32_t>{-160, -40, -100}));
}

TEST(HoehenMarken, GleicheHoeheUndKeineHoehe)
{
    EXPECT_EQ(HoehenMarken(1500, 1500), (std::vector<int32_t>{1500, 1500}));
    // The empty document's extent: no fix had an altitude.
    EXPECT_TRUE(HoehenMarken(100000, 0).empty());
}

TEST(HoehenMarken, GroessterBereichOhneUeberlauf)
{
    const auto m = HoehenMarken(INT32_MIN, INT32_MAX);
    ASSERT_GE(m.size(), 2u);
    EXPECT_LE(m.size(), 10u);
    for (std::size_t i = 3; i < m.size(); ++i)
        EXPECT_LT(m[i], m[i - 1]);
}

TEST_F(LegendeTest, SeitlichPanelUndLeiste)
{
    ASSERT_EQ(Tabelle(doc, 203), Rot);
    ASSERT_EQ(Tabelle(doc, 0), Blau);
    const QImage bild = Zeichne(doc, Einzeln(Variowerte), LegendeSeitlich, 0);
    // Panel (645, 2) to (798, 598), right and bottom excluded.
    EXPECT_EQ(bild.pixel(645, 2), Grau);
    EXPECT_EQ(bild.pixel(644, 2), Weiss);
    EXPECT_EQ(bild.pixel(645, 1), Weiss);
    EXPECT_EQ(bild.pixel(797, 597), Grau);
    EXPECT_EQ(bild.pixel(798, 597), Weiss);
    EXPECT_EQ(bild.pixel(797, 598), Weiss);
    // Bar: x 755 to 794, from row 60; B = 320, s = 1.5686275, the float end passes 380.
    EXPECT_EQ(bild.pixel(755, 60), Rot);
    EXPECT_EQ(bild.pixel(794, 60), Rot);
    EXPECT_EQ(bild.pixel(754, 60), Grau);
    EXPECT_EQ(bild.pixel(795, 60), Grau);
    EXPECT_EQ(bild.pixel(775, 59), Grau);
    EXPECT_EQ(bild.pixel(775, 380), Blau);
    EXPECT_EQ(bild.pixel(775, 381), Grau);
    // One colour per row, and the rows run through the whole table from red to blue.
    std::vector<QRgb> zeilen;
    for (int y = 60; y <= 380; ++y) {
        EXPECT_EQ(Anzahl(bild, QRect(755, y, 40, 1), bild.pixel(755, y)), 40) << y;
        if (zeilen.empty() || zeilen.back() != bild.pixel(755, y))
            zeilen.push_back(bild.pixel(755, y));
    }
    EXPECT_EQ(zeilen, Verlauf(doc));
}

TEST_F(LegendeTest, SeitlichVarioBeschriftung)
{
    const QImage bild = Zeichne(doc, Einzeln(Variowerte), LegendeSeitlich, 0);
    // Labels at k = 0, 34, ... 204: rows 60, 113, 166, 220, 273, 326, 380, each cell centred on it.
    const auto laeufe = TintenZeilen(bild, QRect(645, 52, 110, 340));
    const int plaetze[] = {60, 113, 166, 220, 273, 326, 380};
    ASSERT_EQ(laeufe.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_GE(laeufe[i].first, plaetze[i] - 5) << i;
        EXPECT_LE(laeufe[i].second, plaetze[i] + 5) << i;
    }
    // Right-aligned 5 pixels left of the bar.
    int rechts = 0;
    for (int x = 645; x < 755; ++x)
        if (Anzahl(bild, QRect(x, 52, 1, 340), Schwarz) > 0)
            rechts = x;
    EXPECT_LE(rechts, 749);
    EXPECT_GE(rechts, 746);
    // The title sits above the bar, centred on x 720, its lower edge 10 pixels above row 60.
    const auto titel = TintenZeilen(bild, QRect(645, 2, 153, 50));
    ASSERT_EQ(titel.size(), 1u);
    EXPECT_LT(titel[0].second, 50);
    EXPECT_GT(titel[0].second, 40);
    EXPECT_EQ(Anzahl(bild, QRect(645, 2, 20, 50), Schwarz), 0);
    EXPECT_GT(Anzahl(bild, QRect(700, 2, 40, 50), Schwarz), 20);
}

TEST_F(LegendeTest, SeitlichHoehenBeschriftung)
{
    doc.ausdehnung.hoeheMin = 812;
    doc.ausdehnung.hoeheMax = 2467;
    const QImage bild = Zeichne(doc, Einzeln(Flughoehe), LegendeSeitlich, 0);
    // f = 320 / 1655; 812 at 380, 2467 at 60, 2200 at 111.6, 2000 at 150.3, ..., 1000 at 343.6.
    const int plaetze[] = {60, 111, 150, 188, 227, 266, 304, 343, 380};
    const auto laeufe = TintenZeilen(bild, QRect(645, 52, 110, 340));
    ASSERT_EQ(laeufe.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_GE(laeufe[i].first, plaetze[i] - 5) << i;
        EXPECT_LE(laeufe[i].second, plaetze[i] + 5) << i;
    }
}

TEST_F(LegendeTest, HoehenOhneSpanne)
{
    // A level flight is coloured green, the middle of the bar (row 220): both labels go there.
    doc.ausdehnung.hoeheMin = 1500;
    doc.ausdehnung.hoeheMax = 1500;
    const QImage eben = Zeichne(doc, Einzeln(Flughoehe), LegendeSeitlich, 0);
    const auto laeufe = TintenZeilen(eben, QRect(645, 52, 110, 340));
    ASSERT_EQ(laeufe.size(), 1u);
    EXPECT_GE(laeufe[0].first, 215);
    EXPECT_LE(laeufe[0].second, 225);
    // No altitude at all: no labels, the bar and title stay.
    doc.ausdehnung = Fenster{0, 100000, 0, 0, 1000000000, 1000000000};
    const QImage leer = Zeichne(doc, Einzeln(Flughoehe), LegendeSeitlich, 0);
    EXPECT_TRUE(TintenZeilen(leer, QRect(645, 52, 110, 546)).empty());
    EXPECT_EQ(leer.pixel(775, 60), Rot);
    EXPECT_FALSE(TintenZeilen(leer, QRect(645, 2, 153, 50)).empty());
}

TEST_F(LegendeTest, ObenPanelUndLeiste)
{
    const CAnsicht a = Geteilt(Variowerte, Wind);
    const QImage links = Zeichne(doc, a, LegendeOben, 0);
    EXPECT_EQ(links.pixel(2, 2), Grau);
    EXPECT_EQ(links.pixel(1, 2), Weiss);
    EXPECT_EQ(links.pixel(399, 157), Grau);
    EXPECT_EQ(links.pixel(400, 157), Weiss);
    EXPECT_EQ(links.pixel(2, 158), Weiss);
    // W = 337: s = 1.1013073, columns 10 to 234, rows 10 to 39.
    EXPECT_EQ(links.pixel(10, 10), Rot);
    EXPECT_EQ(links.pixel(10, 39), Rot);
    EXPECT_EQ(links.pixel(10, 9), Grau);
    EXPECT_EQ(links.pixel(10, 40), Grau);
    EXPECT_EQ(links.pixel(9, 20), Grau);
    EXPECT_EQ(links.pixel(234, 10), Blau);
    EXPECT_EQ(links.pixel(235, 10), Grau);
    std::vector<QRgb> spalten;
    for (int x = 10; x <= 234; ++x) {
        // The title is written across the bar from row 15; above it each column is one colour.
        EXPECT_EQ(Anzahl(links, QRect(x, 10, 1, 5), links.pixel(x, 10)), 5) << x;
        if (spalten.empty() || spalten.back() != links.pixel(x, 10))
            spalten.push_back(links.pixel(x, 10));
    }
    EXPECT_EQ(spalten, Verlauf(doc));

    const QImage rechts = Zeichne(doc, a, LegendeOben, 1);
    EXPECT_EQ(rechts.pixel(400, 2), Grau);
    EXPECT_EQ(rechts.pixel(399, 2), Weiss);
    EXPECT_EQ(rechts.pixel(797, 157), Grau);
    EXPECT_EQ(rechts.pixel(798, 157), Weiss);
    // Starts at 457 + 338 / 3 - 10 = 559; s = 1.1045753, ends at column 784.
    EXPECT_EQ(rechts.pixel(559, 12), Rot);
    EXPECT_EQ(rechts.pixel(558, 12), Grau);
    EXPECT_EQ(rechts.pixel(784, 12), Blau);
    EXPECT_EQ(rechts.pixel(785, 12), Grau);
    EXPECT_EQ(test::NichtWeiss(rechts.copy(0, 0, 400, 600)), 0);
}

TEST_F(LegendeTest, ObenBeschriftungGedrehtUnterDerLeiste)
{
    const QImage bild = Zeichne(doc, Geteilt(Variowerte, Wind), LegendeOben, 0);
    // Places 10, 47, 84, 122, 159, 197, 234; each turned label centred on its place, from row 45 down.
    const int plaetze[] = {10, 47, 84, 122, 159, 197, 234};
    for (const int q : plaetze) {
        EXPECT_GT(Anzahl(bild, QRect(q - 5, 46, 11, 112), Schwarz), 20) << q;
        EXPECT_EQ(Anzahl(bild, QRect(q + 7, 46, 23, 112), Schwarz), 0) << q;
    }
    EXPECT_EQ(Anzahl(bild, QRect(2, 40, 398, 5), Schwarz), 0);  // the upper ends stand at row 45
    // Labels read upward: the longest ("6 m/s steigen") reaches further down than the shortest.
    const auto tiefste = [&](int q) {
        int unten = 0;
        for (int y = 46; y < 158; ++y)
            if (Anzahl(bild, QRect(q - 5, y, 11, 1), Schwarz) > 0)
                unten = y;
        return unten;
    };
    EXPECT_GT(tiefste(10), 90);
    EXPECT_EQ(tiefste(10), tiefste(122));  // same length, "6 m/s steigen" and "0 m/s steigen"
    // The title is written across the bar, centred on column 122.
    EXPECT_GT(Anzahl(bild, QRect(100, 15, 44, 25), Schwarz), 20);
}

TEST_F(LegendeTest, ObenHoehenBeschriftung)
{
    doc.ausdehnung.hoeheMin = 1000;
    doc.ausdehnung.hoeheMax = 1120;
    const QImage bild = Zeichne(doc, Geteilt(Flughoehe, Flughoehe), LegendeOben, 0);
    // Reference end 10 + trunc(204 s) = 234, f = B / 120: 1000 at 234, 1120 at 9.3, 1050 at 140.4.
    for (const int q : {234, 9, 140}) {
        EXPECT_GT(Anzahl(bild, QRect(q - 5, 46, 11, 112), Schwarz), 20) << q;
    }
    EXPECT_EQ(Anzahl(bild, QRect(20, 46, 110, 112), Schwarz), 0);
    EXPECT_EQ(Anzahl(bild, QRect(150, 46, 78, 112), Schwarz), 0);
}

TEST_F(LegendeTest, UnbekannteFarbeWieKeineFaerbung)
{
    const QImage keine = Zeichne(doc, Einzeln(KeineFaerbung), LegendeSeitlich, 0);
    EXPECT_EQ(Zeichne(doc, Einzeln(7), LegendeSeitlich, 0), keine);
    EXPECT_EQ(Zeichne(doc, Einzeln(-3), LegendeSeitlich, 0), keine);
    // One label, at the green middle (row 220).
    const auto laeufe = TintenZeilen(keine, QRect(645, 52, 110, 340));
    ASSERT_EQ(laeufe.size(), 1u);
    EXPECT_GE(laeufe[0].first, 215);
    EXPECT_LE(laeufe[0].second, 225);
    EXPECT_EQ(Zeichne(doc, Geteilt(7, 0), LegendeOben, 0), Zeichne(doc, Geteilt(0, 0), LegendeOben, 0));
}

TEST_F(LegendeTest, FarbwechselErsetztDieAlteLegende)
{
    for (const int8_t neu : {KeineFaerbung, Flughoehe, Wind, Temperaturgradient}) {
        const QImage alt = Zeichne(doc, Einzeln(Variowerte), LegendeSeitlich, 0);
        EXPECT_EQ(Zeichne(doc, Einzeln(neu), LegendeSeitlich, 0, alt), Zeichne(doc, Einzeln(neu), LegendeSeitlich, 0))
            << int(neu);
        const QImage altOben = Zeichne(doc, Geteilt(Variowerte, Variowerte), LegendeOben, 1);
        EXPECT_EQ(Zeichne(doc, Geteilt(0, neu), LegendeOben, 1, altOben), Zeichne(doc, Geteilt(0, neu), LegendeOben, 1))
            << int(neu);
    }
}

TEST_F(LegendeTest, WindOhneFahrtmessung)
{
    // The seven wind labels only when some fix has an airspeed; otherwise one label at the
    // middle of the bar (row 220), where every fix is coloured.
    doc.datenListe.resize(3);
    for (const auto& [tas, zeilen] : {std::pair{0, 1u}, std::pair{300, 7u}}) {
        doc.datenListe[1].tas = static_cast<int16_t>(tas);
        const auto laeufe = TintenZeilen(Zeichne(doc, Einzeln(Wind), LegendeSeitlich, 0), QRect(645, 52, 110, 340));
        ASSERT_EQ(laeufe.size(), zeilen) << tas;
        EXPECT_LE(laeufe[zeilen / 2].first, 220) << tas;
        EXPECT_GE(laeufe[zeilen / 2].second, 220) << tas;
    }
}

TEST_F(LegendeTest, TemperaturBeschriftung)
{
    const QImage bild = Zeichne(doc, Einzeln(Temperaturgradient), LegendeSeitlich, 0);
    // Nine labels 25.5 steps apart: 60, 100, 140, 180, 220, 260, 300, 340, 380 (s = 1.5686275).
    const auto laeufe = TintenZeilen(bild, QRect(645, 52, 110, 340));
    ASSERT_EQ(laeufe.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        const int q = 60 + 40 * static_cast<int>(i);
        EXPECT_GE(laeufe[i].first, q - 5) << i;
        EXPECT_LE(laeufe[i].second, q + 5) << i;
    }
}

TEST_F(LegendeTest, FlaecheUnveraendert)
{
    QImage bild = test::LeeresBild(800, 600);
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    LogFont lf;
    lf.lfHeight = -13;
    lf.lfWeight = 700;
    const Zeichenflaeche::SchriftWahl schrift(f, lf);
    const Zeichenflaeche::StiftWahl stift(f, {2, RGB(1, 2, 3)});
    doc.ausdehnung.hoeheMin = 812;
    doc.ausdehnung.hoeheMax = 2467;
    LegendeSeitlich(doc, Einzeln(Flughoehe), f, 0);
    LegendeOben(doc, Geteilt(Wind, Temperaturgradient), f, 1);
    EXPECT_EQ(f.AktuelleSchrift(), lf);
    EXPECT_EQ(f.AktuellerStift().breite, 2);
    EXPECT_EQ(f.AktuellerStift().farbe, RGB(1, 2, 3));
    EXPECT_EQ(f.GetBkMode(), OPAQUE);
}

TEST_F(LegendeTest, EntarteteFlaechen)
{
    doc.ausdehnung.hoeheMin = 812;
    doc.ausdehnung.hoeheMax = 2467;
    // A window lower than the margins: the pane's top lies below its bottom, the bar has no length.
    const QImage flach = Zeichne(doc, Einzeln(Flughoehe, {60, 60, 640, 40}, {0, 0, 800, 100}), LegendeSeitlich, 0);
    EXPECT_EQ(Anzahl(flach, flach.rect(), Rot), 0);
    EXPECT_EQ(Anzahl(flach, flach.rect(), Blau), 0);
    const QImage null = Zeichne(doc, Einzeln(Wind, {0, 0, 0, 0}, {0, 0, 0, 0}), LegendeSeitlich, 0);
    EXPECT_EQ(Anzahl(null, null.rect(), Rot), 0);

    CAnsicht schmal = Geteilt(Flughoehe, Variowerte);
    schmal.client = {0, 0, 40, 300};
    schmal.ansicht.grafik[0].ecke = {35, 220, 35, 240};
    schmal.ansicht.grafik[1].ecke = {35, 220, 35, 240};
    for (const int pane : {0, 1}) {
        const QImage bild = Zeichne(doc, schmal, LegendeOben, pane);
        EXPECT_EQ(Anzahl(bild, bild.rect(), Rot), 0) << pane;
    }

    // Far-off rectangles end quickly and draw only inside the picture.
    const CAnsicht riesig = Einzeln(Variowerte, {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    const QImage gross = Zeichne(doc, riesig, LegendeSeitlich, 0);
    EXPECT_EQ(gross.size(), QSize(800, 600));
    CAnsicht riesigOben = Geteilt(Wind, Wind);
    riesigOben.ansicht.grafik[1].ecke = {INT_MIN, 220, INT_MAX, 540};
    Zeichne(doc, riesigOben, LegendeOben, 1);

    // Panes other than 0 and 1 draw nothing.
    for (const int pane : {-1, 2, 3})
        EXPECT_EQ(test::NichtWeiss(Zeichne(doc, Einzeln(Wind), LegendeSeitlich, pane)), 0) << pane;
}
