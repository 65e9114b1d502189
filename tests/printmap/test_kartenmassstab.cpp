// Orientation, fitted and proposed scale, grid interval and the page metrics of the printed map.

#include "KartenHilfen.h"
#include "printmap/KartenLage.h"
#include "TestHilfen.h"

#include <QPageLayout>
#include <QPageSize>

#include <gtest/gtest.h>

using namespace karte;

TEST(Seitenmass, AusAufloesungUndDruckbereich)
{
    // 4800 × 6814 pixels at 600 dpi: 203.2 mm × 288.46 mm, 23.62 pixels a millimetre.
    const auto m = SeitenMassAus(4800, 6814, 600, 600);
    ASSERT_TRUE(m);
    EXPECT_NEAR(m->breiteMm, 203.2f, 1e-3f);
    EXPECT_NEAR(m->hoeheMm, 288.459f, 1e-3f);
    EXPECT_NEAR(m->pxMmX, 23.622f, 1e-3f);
    EXPECT_NEAR(m->pxMmY, 23.622f, 1e-3f);
    EXPECT_EQ(m->seite, (Rechteck{0, 0, 4800, 6814}));
}

TEST(Seitenmass, OhneAufloesungOderFlaecheKeinMassstab)
{
    EXPECT_FALSE(SeitenMassAus(4800, 6814, 0, 600));
    EXPECT_FALSE(SeitenMassAus(4800, 6814, 600, -3));
    EXPECT_FALSE(SeitenMassAus(0, 6814, 600, 600));
    EXPECT_FALSE(SeitenMassAus(4800, -1, 600, 600));
}

TEST(Seitenmass, PixelwerteWerdenAbgeschnittenUndBegrenzt)
{
    EXPECT_EQ(AufPixel(12.9), 12);
    EXPECT_EQ(AufPixel(-12.9), -12);
    EXPECT_EQ(AufPixel(1e300), 1 << 24);
    EXPECT_EQ(AufPixel(-1e300), -(1 << 24));
    EXPECT_EQ(AufPixel(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Massstab, ZehnMalVierKilometerAufHochformat)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    // NS 4000 < EW 10 000 on a page higher than wide: turned, A = 4000, D = 10 000;
    // 288.46 / 203.2 < 2.5, so Q = trunc(10 000 000 / 288.46) = 34 666: 1:50 000, 1' grid.
    const auto m = SeitenMassAus(4800, 6814, 600, 600);
    EXPECT_EQ(AngepassterMassstab(4000, 10000, m->breiteMm, m->hoeheMm), 34666);
    const KartenInfo info = Rechne(doc, 4800, 6814, 600, Vorschlag());
    EXPECT_EQ(info.vorschlag, 50000);
    EXPECT_EQ(info.massstab, 50000);
    EXPECT_TRUE(info.gedreht);
    EXPECT_EQ(info.gitter, 10000);
}

TEST(Massstab, ZehnMalVierKilometerAufQuerformat)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    // Wider than high: not turned; 203.2 / 288.46 >= 0.4, so Q = trunc(10 000 000 / 288.46).
    const KartenInfo info = Rechne(doc, 6814, 4800, 600, Vorschlag());
    EXPECT_FALSE(info.gedreht);
    EXPECT_EQ(info.vorschlag, 50000);
}

TEST(Massstab, Ausrichtung)
{
    // Turned only when the longer side of the track meets the longer side of the page.
    EXPECT_TRUE(KarteGedreht(10000, 4000, 210.0f, 297.0f));
    EXPECT_FALSE(KarteGedreht(4000, 10000, 210.0f, 297.0f));
    EXPECT_TRUE(KarteGedreht(4000, 10000, 297.0f, 210.0f));
    EXPECT_FALSE(KarteGedreht(10000, 4000, 297.0f, 210.0f));
    EXPECT_FALSE(KarteGedreht(5000, 5000, 210.0f, 297.0f));
    EXPECT_FALSE(KarteGedreht(10000, 4000, 250.0f, 250.0f));
}

TEST(Massstab, VorschlagIstDerErsteNichtFeinere)
{
    EXPECT_EQ(MassstabVorschlag(0), 25000);
    EXPECT_EQ(MassstabVorschlag(25000), 25000);
    EXPECT_EQ(MassstabVorschlag(25001), 50000);
    EXPECT_EQ(MassstabVorschlag(199999), 200000);
    EXPECT_EQ(MassstabVorschlag(200001), 250000);
    EXPECT_EQ(MassstabVorschlag(500000), 500000);
    EXPECT_EQ(MassstabVorschlag(500001), 1000000);
    EXPECT_EQ(MassstabVorschlag(90000000), 1000000);
}

TEST(Massstab, GitterabstandJeMassstab)
{
    EXPECT_EQ(GitterAbstand(25000), 5000);
    EXPECT_EQ(GitterAbstand(50000), 10000);
    EXPECT_EQ(GitterAbstand(100000), 20000);
    EXPECT_EQ(GitterAbstand(200000), 40000);
    EXPECT_EQ(GitterAbstand(250000), 50000);
    EXPECT_EQ(GitterAbstand(500000), 100000);
    EXPECT_EQ(GitterAbstand(1000000), 200000);
}

TEST(Massstab, UeberFuenfhundertKilometerEinsZuEinerMillion)
{
    // 600 km east-west: Q = trunc(600 000 000 / 288.46) = 2 080 011, beyond 1:500 000.
    CSarnixDoc doc;
    Einrichten(doc, bias, bias + 4800000, bias + 28000000, bias + 28100000, 0.125f, 0.25f);
    Fix(doc, 36000, bias, bias + 28000000);
    Fix(doc, 36001, bias + 4800000, bias + 28100000);
    const KartenInfo info = Rechne(doc, 4800, 6814, 600, Vorschlag());
    EXPECT_EQ(info.vorschlag, 1000000);
    EXPECT_EQ(info.massstab, 1000000);
    EXPECT_EQ(info.gitter, 200000);
}

TEST(Massstab, EinzelnerPunktFeinsterMassstab)
{
    CSarnixDoc doc;
    Einrichten(doc, bias + 4900000, bias + 4900000, bias + 28000000, bias + 28000000, 0.125f, 0.25f);
    Fix(doc, 36000, bias + 4900000, bias + 28000000);
    QImage bild = test::LeeresBild(1200, 1703);
    KartenInfo info;
    EXPECT_EQ(Drucke(doc, bild, 150, Vorschlag(), &info), 1);
    EXPECT_EQ(info.vorschlag, 25000);
    EXPECT_FALSE(info.gedreht);
    EXPECT_GT(test::NichtWeiss(bild), 0);  // grid and header
}

TEST(Massstab, GewaehlterMassstabGiltFremderNicht)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    EXPECT_EQ(Rechne(doc, 4800, 6814, 600, Fest(250000)).massstab, 250000);
    EXPECT_EQ(Rechne(doc, 4800, 6814, 600, Fest(250000)).gitter, 50000);
    // An answer that is no standard scale has no grid interval: the proposal is printed.
    EXPECT_EQ(Rechne(doc, 4800, 6814, 600, Fest(0)).massstab, 50000);
    EXPECT_EQ(Rechne(doc, 4800, 6814, 600, Fest(12345)).massstab, 50000);
}

TEST(Massstab, FrageBekommtDenVorschlag)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    int gefragt = 0;
    int fragen = 0;
    Rechne(doc, 4800, 6814, 600, [&](int v) {
        gefragt = v;
        ++fragen;
        return DruckWahl{v, 1};
    });
    EXPECT_EQ(gefragt, 50000);
    EXPECT_EQ(fragen, 1);
}

TEST(Leer, OhneFlugNichtsGezeichnetUndNichtGefragt)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    doc.geladen = 0;
    QImage bild = test::LeeresBild(600, 850);
    bool gefragt = false;
    KartenInfo info;
    EXPECT_EQ(Drucke(doc, bild, 75, [&](int v) { gefragt = true; return DruckWahl{v, 1}; }, &info), 0);
    EXPECT_FALSE(gefragt);
    EXPECT_EQ(info.massstab, 0);
    EXPECT_EQ(test::NichtWeiss(bild), 0);
}

TEST(Leer, OhneFixeNurGitterUndKopf)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    doc.datenListe.clear();
    QImage bild = test::LeeresBild(600, 850);
    EXPECT_EQ(Drucke(doc, bild, 75, Vorschlag()), 0);
    EXPECT_GT(test::NichtWeiss(bild), 0);
}

TEST(Leer, OhnePositionBleibtDieAusdehnungBeimStartwert)
{
    // Extent at its start values (maxima 0, minima 10^9): no grid line, the header, no crash.
    CSarnixDoc doc;
    doc.geladen = 1;
    doc.meterProBreite = 0.185f;
    doc.meterProLaenge = 0.127f;
    Fix(doc, 36000, 0, 0, 0);
    QImage bild = test::LeeresBild(600, 850);
    EXPECT_EQ(Drucke(doc, bild, 75, Vorschlag()), 1);
    EXPECT_GT(test::NichtWeiss(bild), 0);
}

TEST(Leer, OhneMeterfaktorenKeineDivisionDurchNull)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    doc.meterProBreite = 0.0f;
    doc.meterProLaenge = 0.0f;
    QImage bild = test::LeeresBild(600, 850);
    KartenInfo info;
    EXPECT_EQ(Drucke(doc, bild, 75, Vorschlag(), &info), 1);
    EXPECT_EQ(info.vorschlag, 25000);
}

TEST(Leer, OhneSeitenmassNichtsGezeichnet)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    QImage bild = test::LeeresBild(200, 200);
    KartenInfo info;
    {
        QPainter maler(&bild);
        Zeichenflaeche f(maler);
        EXPECT_EQ(KarteDrucken(doc, f, 0.0f, 0.0f, 0.0f, 0.0f, Rechteck{0, 0, 200, 200}, Vorschlag(), &info), 0);
    }
    EXPECT_EQ(info.massstab, 0);
    EXPECT_EQ(test::NichtWeiss(bild), 0);
}

TEST(Seitenmass, BildDpiBleibtImSpeicherrahmen)
{
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    const QPageLayout a3(QPageSize(QPageSize::A3), QPageLayout::Portrait, QMarginsF());
    // A4 at 600 dpi: 4961 × 7016 pixels, 34.8 million: as asked.
    EXPECT_EQ(BildDpi(a4, 600, 10), 600);
    // A3 (297 mm × 420 mm) at 720 dpi would be 8419 × 11906 = 100.2 million pixels; 719 fits.
    EXPECT_EQ(BildDpi(a3, 9600, 10), 719);
    EXPECT_EQ(BildDpi(a3, 719, 10), 719);
    // Never below the floor.
    EXPECT_EQ(BildDpi(a3, 9600, 800), 800);
}
