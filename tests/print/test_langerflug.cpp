// A long flight on several sheets, as a pilot prints it: the 11-hour log from Caicó at 1:250 000
// and 1:500 000 on A4 within margins of 5 mm, through the printer, the scale dialog and sarnix-cli.

#include "KartenHilfen.h"
#include "print/Drucken.h"
#include "TestHilfen.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// A4 less 5 mm all round at 100 dpi; the footer's strip is its bottom 6 mm.
constexpr int breitePx = 787;
constexpr int hoehePx = 1130;
constexpr int fussStreifen = 23;

SeitenMass A4()
{
    return *SeitenMassAus(breitePx, hoehePx, 100, 100);
}

const CSarnixDoc& Caico()
{
    static const CSarnixDoc doc = [] {
        CSarnixDoc d;
        d.OnOpenDocument(test::Testdaten("igc/pg-brazil-caico-11h.igc"));
        return d;
    }();
    return doc;
}

// A margin of white around the page, where anything drawn past its edges shows.
constexpr int saum = 100;

QImage Seite(const KartenPlan& plan, int seite)
{
    QImage bild = test::LeeresBild(breitePx + 2 * saum, hoehePx + 2 * saum);
    QPainter maler(&bild);
    maler.translate(saum, saum);
    Zeichenflaeche f(maler);
    KartenSeiteDrucken(Caico(), f, plan, seite);
    return bild;
}

int Tinte(const QImage& bild, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += !karte::Weiss(bild, x, y);
    return n;
}

// At 100 dpi the track is 10 pixels wide; grid, marks and text are at most 2: only the track
// leaves a black square of 6 × 6 pixels.
bool MitSpur(const QImage& bild)
{
    std::vector<int> spalte(static_cast<size_t>(bild.width()), 0);
    for (int y = 0; y < bild.height(); ++y) {
        int zeile = 0;
        for (int x = 0; x < bild.width(); ++x) {
            zeile = karte::Schwarz(bild, x, y) ? zeile + 1 : 0;
            int& hoch = spalte[static_cast<size_t>(x)];
            hoch = zeile >= 6 ? hoch + 1 : 0;
            if (hoch >= 6)
                return true;
        }
    }
    return false;
}

struct Fall {
    int massstab;
    int seiten;
};
// The turned map's field of 200 × 281 mm holds 50 × 70 km at 1:250 000; the track, 440 km from
// the north-east to the south-west, crosses 9 of the 3 × 7 sheets, at 1:500 000 5 of 2 × 4 (the
// other three were printed empty). The overview comes first.
constexpr Fall faelle[] = {{250000, 10}, {500000, 6}};

}  // namespace

TEST(LangerFlug, JedeSeiteZeigtDieSpurUndNichtsLaeuftInDieFusszeile)
{
    ASSERT_TRUE(Caico().geladen);
    for (const Fall& fall : faelle) {
        const std::optional<KartenPlan> plan = KartePlanen(Caico(), A4(), karte::Fest(fall.massstab));
        ASSERT_TRUE(plan);
        EXPECT_EQ(plan->info.seiten, fall.seiten) << fall.massstab;
        // The scale dialog offers the scale with the pages that come out.
        EXPECT_EQ(SeitenAnzahl(Caico(), A4(), fall.massstab), fall.seiten) << fall.massstab;
        for (int seite = 0; seite < plan->info.seiten; ++seite) {
            const QImage bild = Seite(*plan, seite);
            EXPECT_TRUE(MitSpur(bild)) << fall.massstab << " Seite " << seite + 1;
            // Nothing past the page's edges, the footer's end included.
            EXPECT_EQ(Tinte(bild, bild.rect()), Tinte(bild, QRect(saum, saum, breitePx, hoehePx)))
                << fall.massstab << " Seite " << seite + 1;
            // Above the footer's line the strip stays white: no line reaches into the footer.
            EXPECT_EQ(Tinte(bild, QRect(saum, saum + hoehePx - fussStreifen, breitePx, 4)), 0)
                << fall.massstab << " Seite " << seite + 1;
        }
    }
}

TEST(LangerFlug, UebersichtZeigtDenGanzenFlugUndJedenRahmen)
{
    const auto aufDerKarte = [](Punkt p) {
        return p.x >= 0 && p.x < breitePx && p.y >= 0 && p.y < hoehePx - fussStreifen;
    };
    for (const Fall& fall : faelle) {
        const std::optional<KartenPlan> plan = KartePlanen(Caico(), A4(), karte::Fest(fall.massstab));
        ASSERT_TRUE(plan);
        const KartenLage& uebersicht = plan->erste;
        int daneben = 0;
        for (const CDaten& d : Caico().datenListe)
            daneben += d.hatPosition && !aufDerKarte(uebersicht.Seitenpunkt(d.laenge, d.breite));
        EXPECT_EQ(daneben, 0) << fall.massstab;
        for (const Kachel& k : plan->kacheln)
            for (const int64_t laenge : {k.lage.laengeMin, k.lage.laengeMax})
                for (const int64_t breite : {k.lage.breiteMin, k.lage.breiteMax})
                    EXPECT_TRUE(aufDerKarte(uebersicht.Seitenpunkt(static_cast<int32_t>(laenge),
                                                                   static_cast<int32_t>(breite))))
                        << fall.massstab << " Reihe " << k.zeile + 1 << ", Spalte " << k.spalte + 1;
    }
}

class LangerFlugGedruckt : public test::CliTest {};

TEST_F(LangerFlugGedruckt, DruckerUndSarnixCliGebenDieselbenSeiten)
{
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                         QPageLayout::Millimeter);
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(Ziel("caico.pdf"));
    drucker.setResolution(100);
    drucker.setPageLayout(a4);
    KartenInfo info;
    SeiteDrucken(Caico(), drucker, karte::Fest(500000), &info);
    EXPECT_EQ(info.seiten, 6);
    QFile pdf(Ziel("caico.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page\\b")), 6);

    const test::Lauf l = test::Starte(test::SarnixCli(),
                                      {"print", QString::fromStdString(test::Testdaten("igc/pg-brazil-caico-11h.igc")),
                                       "--massstab", "500000", "--dpi", "20", "-o", Ziel("caico.png")});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_TRUE(l.aus.contains("\"seiten\": 6}")) << l.aus.toStdString();
    EXPECT_EQ(QDir(ordner.path()).entryList({"caico-*.png"}).size(), 6);
}
