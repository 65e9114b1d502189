// Whole pictures compared pixel for pixel with the PNGs beside this file: the window's pictures
// of the bundled flights in every graph kind, split, zoomed, with the track cursor, the printed
// map at two scales and a hostile flight. A small scene test cannot see how the pieces combine
// (order, overlap, clipping, legend placement, fonts); these can.
//
// On a difference the new picture and a difference image (changed pixels red) go to the build
// folder and the failure names them. After an intended change, tools/golden-neu.sh writes the
// new pictures here; look at each before committing it.

#include "flight/CSarnixDoc.h"
#include "printmap/KarteDrucken.h"
#include "printmap/SeitenMass.h"
#include "pipeline/BildWahl.h"
#include "pipeline/SpurCursor.h"
#include "render/Zeichenflaeche.h"

#include "TestHilfen.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

struct Fall {
    const char* name;
    std::function<QImage()> bild;
};

void PrintTo(const Fall& fall, std::ostream* aus)
{
    *aus << fall.name;
}

// The printed map on an A4 page without margins, drawn as sarnix-cli print draws a PNG.
QImage Karte(const std::string& datei, int dpi, int massstab)
{
    CSarnixDoc doc;
    if (!doc.OnOpenDocument(datei))
        return {};
    // The page names the file; the folder differs from checkout to checkout.
    doc.dateiname = QFileInfo(QString::fromStdString(datei)).fileName().toStdString();
    const QPageLayout seite(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
    QImage bild(seite.fullRectPixels(dpi).size(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    const auto mass = SeitenMassAus(bild.width(), bild.height(), dpi, dpi);
    if (!mass)
        return {};
    QPainter maler(&bild);
    Zeichenflaeche f(maler);
    KartenInfo info;
    const MassstabFrage frage = [massstab](int vorschlag) { return DruckWahl{massstab ? massstab : vorschlag, 1}; };
    KarteDrucken(doc, f, *mass, frage, &info);
    return bild;
}

QImage Fensterbild(const std::string& pfad, const BildWahl& wahl, ListenPos cursor = keinePosition)
{
    CSarnixDoc doc;
    if (!doc.OnOpenDocument(pfad))
        return {};
    CursorZustand z;
    z.pos = cursor;
    return WahlBild(doc, wahl, &z);
}

BildWahl Einzeln(int8_t art, int8_t farbe, int zeitmarken = 0, int wegpunkte = 0)
{
    BildWahl w;
    w.breite = 960;
    w.hoehe = 600;
    w.linkeArt = art;
    w.linkeFarbe = farbe;
    w.zeitmarken = zeitmarken;
    w.wegpunkte = wegpunkte;
    return w;
}

BildWahl Geteilt(int8_t links, int8_t linksFarbe, int8_t rechts, int8_t rechtsFarbe)
{
    BildWahl w = Einzeln(links, linksFarbe, 1, 1);
    w.breite = 1200;
    w.grafikanzahl = 2;
    w.rechteArt = rechts;
    w.rechteFarbe = rechtsFarbe;
    return w;
}

const std::vector<Fall>& Faelle()
{
    static const std::vector<Fall> faelle = {
        {"grundriss-hoehe", [] { return Fensterbild(test::Sample("lokalflug-1h.vrl"), Einzeln(Grundriss, Flughoehe, 1, 1)); }},
        {"west-vario", [] { return Fensterbild(test::Sample("streckenflug-6h.vrl"), Einzeln(BarogrammWest, Variowerte)); }},
        {"nord-wind", [] { return Fensterbild(test::Sample("streckenflug-6h.vrl"), Einzeln(BarogrammNord, Wind, 1)); }},
        {"temperatur-temperaturgradient",
         [] { return Fensterbild(test::Sample("lokalflug-1h.vrl"), Einzeln(Temperaturverlauf, Temperaturgradient)); }},
        {"grundriss-keine-suedwest",
         [] { return Fensterbild(test::Sample("suedwest-3h.vrl"), Einzeln(Grundriss, KeineFaerbung, 0, 1)); }},
        {"geteilt-zeitmarken-wegpunkte",
         [] { return Fensterbild(test::Sample("streckenflug-6h.vrl"), Geteilt(Grundriss, Variowerte, BarogrammWest, Flughoehe)); }},
        {"gezoomt",
         [] {
             // The middle ninth of the local flight's ground.
             const std::string pfad = test::Sample("lokalflug-1h.vrl");
             CSarnixDoc doc;
             doc.OnOpenDocument(pfad);
             const Fenster ganz = doc.ausdehnung;
             const int32_t dl = (ganz.laengeMax - ganz.laengeMin) / 3;
             const int32_t db = (ganz.breiteMax - ganz.breiteMin) / 3;
             BildWahl w = Einzeln(Grundriss, Variowerte, 1, 1);
             w.zoom = Fenster{0, 0, ganz.breiteMax - db, ganz.laengeMax - dl, ganz.breiteMin + db, ganz.laengeMin + dl};
             return Fensterbild(pfad, w);
         }},
        {"verkleinert",
         [] {
             BildWahl w = Einzeln(Grundriss, Flughoehe, 1, 1);
             w.verkleinern = 1;
             return Fensterbild(test::Sample("lokalflug-1h.vrl"), w);
         }},
        {"cursor-einzeln", [] { return Fensterbild(test::Sample("lokalflug-1h.vrl"), Einzeln(Grundriss, Variowerte), 1800); }},
        {"cursor-geteilt",
         [] {
             return Fensterbild(test::Sample("streckenflug-6h.vrl"), Geteilt(Grundriss, Wind, BarogrammNord, Variowerte),
                                12000);
         }},
        {"karte-vorschlag", [] { return Karte(test::Sample("lokalflug-1h.vrl"), 100, 0); }},
        {"karte-250000", [] { return Karte(test::Sample("streckenflug-6h.vrl"), 100, 250000); }},
        {"feindlich-pol",
         [] { return Fensterbild(test::Testdaten("robust-pol.vrl"), Geteilt(Grundriss, Flughoehe, Temperaturverlauf, Temperaturgradient), 5); }},
    };
    return faelle;
}

QString GoldenOrdner()
{
    return QStringLiteral(SARNIX_GOLDEN_DIR);
}

// Unchanged pixels as a pale copy of the golden picture, changed ones red.
QImage Unterschied(const QImage& golden, const QImage& neu)
{
    QImage bild(neu.size(), QImage::Format_RGB32);
    for (int y = 0; y < neu.height(); ++y)
        for (int x = 0; x < neu.width(); ++x) {
            const bool drin = x < golden.width() && y < golden.height();
            if (drin && golden.pixel(x, y) == neu.pixel(x, y)) {
                const QRgb c = golden.pixel(x, y);
                bild.setPixel(x, y, qRgb(191 + qRed(c) / 4, 191 + qGreen(c) / 4, 191 + qBlue(c) / 4));
            } else {
                bild.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    return bild;
}

class Golden : public ::testing::TestWithParam<Fall> {};

TEST_P(Golden, GleichtDemGespeichertenBild)
{
    const Fall& fall = GetParam();
    const QImage neu = fall.bild().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(neu.isNull());
    const QString name = QString::fromLatin1(fall.name);
    const QString pfad = GoldenOrdner() + QLatin1Char('/') + name + QStringLiteral(".png");
    const QImage golden = QImage(pfad).convertToFormat(QImage::Format_RGB32);

    if (qEnvironmentVariableIntValue("SARNIX_GOLDEN_NEU") == 1) {
        // Only what changed is written again, so untouched pictures keep their bytes.
        if (golden != neu) {
            ASSERT_TRUE(neu.save(pfad, "PNG")) << pfad.toStdString();
        }
        return;
    }
    if (golden == neu)
        return;

    const QString ablage = QStringLiteral(SARNIX_GOLDEN_ABLAGE);
    ASSERT_TRUE(QDir().mkpath(ablage));
    const QString neuPfad = ablage + QLatin1Char('/') + name + QStringLiteral(".png");
    const QString diffPfad = ablage + QLatin1Char('/') + name + QStringLiteral("-unterschied.png");
    ASSERT_TRUE(neu.save(neuPfad, "PNG"));
    if (golden.isNull())
        FAIL() << "no golden picture " << pfad.toStdString() << "; the new one is " << neuPfad.toStdString();

    ASSERT_TRUE(Unterschied(golden, neu).save(diffPfad, "PNG"));
    int anders = 0;
    QRect wo;
    for (int y = 0; y < neu.height(); ++y)
        for (int x = 0; x < neu.width(); ++x)
            if (x >= golden.width() || y >= golden.height() || golden.pixel(x, y) != neu.pixel(x, y)) {
                ++anders;
                wo |= QRect(x, y, 1, 1);
            }
    ADD_FAILURE() << fall.name << ": " << neu.width() << "x" << neu.height() << " drawn, golden "
                  << golden.width() << "x" << golden.height() << "; " << anders << " pixels differ within ("
                  << wo.left() << "," << wo.top() << ")-(" << wo.right() << "," << wo.bottom() << ")\n"
                  << "  new picture: " << neuPfad.toStdString() << "\n"
                  << "  difference:  " << diffPfad.toStdString() << "\n"
                  << "  golden:      " << pfad.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Bilder, Golden, ::testing::ValuesIn(Faelle()),
                         [](const ::testing::TestParamInfo<Fall>& p) {
                             std::string name = p.param.name;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

// A picture whose case was renamed or dropped would lie in the folder unchecked.
TEST(GoldenOrdner, JedesBildGehoertZuEinemFall)
{
    std::set<QString> namen;
    for (const Fall& fall : Faelle())
        namen.insert(QString::fromLatin1(fall.name) + QStringLiteral(".png"));
    const QStringList bilder = QDir(GoldenOrdner()).entryList({QStringLiteral("*.png")}, QDir::Files);
    for (const QString& bild : bilder)
        EXPECT_TRUE(namen.count(bild)) << bild.toStdString() << " belongs to no case";
}

}  // namespace
