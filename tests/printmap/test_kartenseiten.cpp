// Maps on several sheets: how many pages each scale needs, tiles that leave nothing of the flight
// off, the overview page first, and a footer that stays on the sheet.

#include "KartenHilfen.h"

#include "printmap/KartenSeiten.h"

#include <gtest/gtest.h>

#include <set>

using namespace karte;

namespace {

// A4 at 100 dpi.
constexpr int breitePx = 827;
constexpr int hoehePx = 1169;

SeitenMass A4()
{
    return *SeitenMassAus(breitePx, hoehePx, 100, 100);
}

// A long way north-east: 60 km by 40 km, one fix every 100 m or so.
void Strecke(CSarnixDoc& doc)
{
    Einrichten(doc, bias, bias + 480000, bias, bias + 160000, 0.125f, 0.25f);
    for (int i = 0; i <= 600; ++i)
        Fix(doc, 36000 + i, bias + i * 800, bias + (i * 160000) / 600);
}

int Tinte(const QImage& bild, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += bild.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

}  // namespace

TEST(KartenSeiten, EineSeiteWoDerFlugPasstSonstUebersichtUndKacheln)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    const SeitenMass m = A4();
    // The worked example fits at 1:50 000 and coarser, as before.
    EXPECT_EQ(Entwerfen(doc, m.breiteMm, m.hoeheMm).vorschlag, 50000);
    for (const int s : {50000, 100000, 1000000})
        EXPECT_EQ(SeitenAnzahl(doc, m, s), 1) << s;
    // 1:25 000: 16 cm across, 40 cm down the turned page: two tiles and the overview. The two
    // tiles span 5.25 km by 14.3 km, on the 285 mm of the field less its margins 1:50 182.
    const std::optional<KartenPlan> plan = KartePlanen(doc, m, Fest(25000));
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->info.seiten, 3);
    EXPECT_EQ(plan->kacheln.size(), 2u);
    EXPECT_EQ(plan->erste.massstab, 100000);
}

TEST(KartenSeiten, KachelnLassenNichtsVomFlugAus)
{
    CSarnixDoc doc;
    Strecke(doc);
    const SeitenMass m = A4();
    const bool gedreht = Entwerfen(doc, m.breiteMm, m.hoeheMm).gedreht;
    const KartenSeiten seiten = SeitenAufteilung(doc, m.breiteMm, m.hoeheMm, gedreht, 50000);
    ASSERT_GT(seiten.spalten * seiten.zeilen, 4);
    std::vector<KartenLage> kacheln;
    for (int z = 0; z < seiten.zeilen; ++z)
        for (int s = 0; s < seiten.spalten; ++s)
            kacheln.push_back(KachelLage(doc, m, gedreht, 50000, seiten, s, z));
    int doppelt = 0;
    for (const CDaten& fix : doc.datenListe) {
        int auf = 0;
        for (const KartenLage& k : kacheln) {
            const Punkt p = k.Seitenpunkt(fix.laenge, fix.breite);
            auf += p.x >= 0 && p.x <= breitePx && p.y >= 0 && p.y <= hoehePx;
        }
        EXPECT_GE(auf, 1) << fix.zeit;
        doppelt += auf > 1;
    }
    // Neighbouring tiles overlap, so the track runs on from one sheet to the next.
    EXPECT_GT(doppelt, 0);
}

TEST(KartenSeiten, UebersichtZuerstDannJedeKachelMitSpur)
{
    CSarnixDoc doc;
    Strecke(doc);
    const SeitenMass m = A4();
    const std::optional<KartenPlan> plan = KartePlanen(doc, m, Fest(50000));
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->info.massstab, 50000);
    ASSERT_GT(plan->info.seiten, 5);
    int mitSpur = 0;
    for (int seite = 0; seite < plan->info.seiten; ++seite) {
        QImage bild(breitePx, hoehePx, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        mitSpur += KartenSeiteDrucken(doc, f, *plan, seite);
        maler.end();
        EXPECT_GT(Tinte(bild, bild.rect()), 0) << seite;
    }
    EXPECT_EQ(mitSpur, plan->info.seiten);
    QImage zuViel(10, 10, QImage::Format_RGB32);
    QPainter maler(&zuViel);
    Zeichenflaeche f(maler);
    EXPECT_EQ(KartenSeiteDrucken(doc, f, *plan, plan->info.seiten), 0);
}

TEST(KartenSeiten, LangerDateinameBleibtAufDemBlatt)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    const auto rechterRand = [&] {
        QImage bild(breitePx, hoehePx, QImage::Format_RGB32);
        bild.fill(Qt::white);
        Drucke(doc, bild, 100, Vorschlag());
        return Tinte(bild, QRect(breitePx - 4, hoehePx - 40, 4, 40));
    };
    EXPECT_EQ(rechterRand(), 0);
    doc.dateiname = "/home/pilot/Flüge/" + std::string(300, 'x') + "/2026-07-03 Streckenflug.vrl";
    EXPECT_EQ(rechterRand(), 0);
}

TEST(KartenSeiten, ZuGrossFuerEineMillionDruecktNichtNurDieMitte)
{
    // 500 km by 300 km: even 1:1 000 000 leaves part of it off one A4 page.
    CSarnixDoc doc;
    Einrichten(doc, bias, bias + 4000000, bias, bias + 1200000, 0.125f, 0.25f);
    Fix(doc, 36000, bias, bias);
    Fix(doc, 36001, bias + 4000000, bias + 1200000);
    const SeitenMass m = A4();
    const std::optional<KartenPlan> plan = KartePlanen(doc, m, Vorschlag());
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->info.vorschlag, 1000000);
    EXPECT_EQ(plan->info.massstab, 1000000);
    EXPECT_GE(plan->info.seiten, 3);
    // The overview takes whatever scale the whole flight needs.
    EXPECT_GT(plan->erste.massstab, 1000000);
    const KartenLage& uebersicht = plan->erste;
    for (const CDaten& fix : doc.datenListe) {
        const Punkt p = uebersicht.Seitenpunkt(fix.laenge, fix.breite);
        EXPECT_TRUE(p.x >= 0 && p.x <= breitePx && p.y >= 0 && p.y <= hoehePx) << p.x << " " << p.y;
    }
}
