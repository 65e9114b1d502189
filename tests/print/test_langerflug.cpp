// A long flight on several sheets, as a pilot prints it: the 11-hour log from Caicó on A4 within
// margins of 5 mm at 100 dpi, through the plan that the printer, the scale dialog and sarnix-cli share.

#include "KartenHilfen.h"
#include "TestHilfen.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

constexpr int breitePx = 787;
constexpr int hoehePx = 1130;
constexpr int fussPx = 23;  // the footer's strip: 6 mm
constexpr int saum = 100;   // white around the page, where anything past its edges shows

// At 100 dpi only the track, 10 pixels wide, leaves a black square of 6 × 6 pixels.
bool MitSpur(const QImage& bild)
{
    std::vector<int> hoch(static_cast<size_t>(bild.width()), 0);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0, breit = 0; x < bild.width(); ++x) {
            breit = karte::Schwarz(bild, x, y) ? breit + 1 : 0;
            int& h = hoch[static_cast<size_t>(x)];
            h = breit >= 6 ? h + 1 : 0;
            if (h >= 6)
                return true;
        }
    return false;
}

}  // namespace

TEST(LangerFlug, JedeSeiteMitSpurDieUebersichtGanzNichtsInDerFusszeile)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten("igc/pg-brazil-caico-11h.igc")));
    const SeitenMass a4 = *SeitenMassAus(breitePx, hoehePx, 100, 100);
    // The turned map's field of 200 × 281 mm holds 50 × 70 km at 1:250 000; the track, 440 km
    // from the north-east to the south-west, crosses 9 of the 3 × 7 sheets, at 1:500 000 5 of
    // 2 × 4 (the other three were printed empty). The overview comes first.
    for (const auto& [massstab, seiten] : {std::pair{250000, 10}, std::pair{500000, 6}}) {
        const std::optional<KartenPlan> plan = KartePlanen(doc, a4, karte::Fest(massstab));
        ASSERT_TRUE(plan);
        EXPECT_EQ(plan->info.seiten, seiten);
        EXPECT_EQ(SeitenAnzahl(doc, a4, massstab), seiten);  // as the scale dialog offers it
        const auto aufDerKarte = [&](int64_t laenge, int64_t breite) {
            const Punkt p = plan->erste.Seitenpunkt(static_cast<int32_t>(laenge), static_cast<int32_t>(breite));
            return p.x >= 0 && p.x < breitePx && p.y >= 0 && p.y < hoehePx - fussPx;
        };
        int daneben = 0;
        for (const CDaten& d : doc.datenListe)
            daneben += d.hatPosition && !aufDerKarte(d.laenge, d.breite);
        for (const Kachel& k : plan->kacheln)
            daneben += !aufDerKarte(k.lage.laengeMin, k.lage.breiteMin) + !aufDerKarte(k.lage.laengeMax, k.lage.breiteMax);
        EXPECT_EQ(daneben, 0) << massstab;

        for (int seite = 0; seite < plan->info.seiten; ++seite) {
            QImage bild = test::LeeresBild(breitePx + 2 * saum, hoehePx + 2 * saum);
            {
                QPainter maler(&bild);
                maler.translate(saum, saum);
                Zeichenflaeche f(maler);
                KartenSeiteDrucken(doc, f, *plan, seite);
            }
            EXPECT_TRUE(MitSpur(bild)) << massstab << " Seite " << seite + 1;
            // Nothing past the page's edges, the footer's end included, and a white strip above
            // the footer's line: no line reaches into it.
            EXPECT_EQ(test::NichtWeiss(bild), test::NichtWeiss(bild.copy(saum, saum, breitePx, hoehePx)));
            EXPECT_EQ(test::NichtWeiss(bild.copy(saum, saum + hoehePx - fussPx, breitePx, 4)), 0);
        }
    }
}

class LangerFlugCli : public test::CliTest {};

TEST_F(LangerFlugCli, DruecktDieSeitenDesPlans)
{
    const test::Lauf l = test::Starte(test::SarnixCli(), {"print", QString::fromStdString(test::Testdaten("igc/pg-brazil-caico-11h.igc")),
                                                          "--massstab", "500000", "--dpi", "20", "-o", Ziel("caico.png")});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_TRUE(l.aus.contains("\"seiten\": 6}")) << l.aus.toStdString();
    EXPECT_EQ(QDir(ordner.path()).entryList({"caico-*.png"}).size(), 6);
}
