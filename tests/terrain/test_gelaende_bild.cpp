// The ground in the picture of a real log: generated tiles under its track, read through the
// pipeline, drawn under the plan view and the barogram looking north.

#include "pipeline/GelaendeLesen.h"

#include "flight/CSarnixDoc.h"
#include "pipeline/Layout.h"
#include "pipeline/Zeichnen.h"
#include "render/Ansicht.h"
#include "render/Gelaende.h"
#include "terrain/Gelaende.h"

#include "TestHilfen.h"

#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <future>
#include <gtest/gtest.h>

namespace {

constexpr QRgb gruen = 0xFF00FF00u;  // the track without colouring
constexpr QRgb erde = 0xFFDECDAAu;

int Anzahl(const QImage& bild, const QRect& r, const std::function<bool(QRgb)>& passt)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += passt(bild.pixel(x, y)) ? 1 : 0;
    return n;
}

// 3" tiles over every whole degree the flight touches: ridges running north-south, 600 to 1400 m,
// below the log's track everywhere.
void KachelnUnter(const CSarnixDoc& doc, const QString& ordner)
{
    const int b0 = int(std::floor(GradAus(doc.ausdehnung.breiteMin)));
    const int b1 = int(std::floor(GradAus(doc.ausdehnung.breiteMax)));
    const int l0 = int(std::floor(GradAus(doc.ausdehnung.laengeMin)));
    const int l1 = int(std::floor(GradAus(doc.ausdehnung.laengeMax)));
    for (int b = b0; b <= b1; ++b)
        for (int l = l0; l <= l1; ++l) {
            std::string bytes;
            for (int z = 0; z < 1201; ++z)
                for (int s = 0; s < 1201; ++s) {
                    const auto v = static_cast<uint16_t>(1000 + std::lround(400 * std::sin((l * 1200 + s) / 40.0)));
                    bytes += static_cast<char>(v >> 8);
                    bytes += static_cast<char>(v & 0xFF);
                }
            const QString name = QString::asprintf("N%02dE%03d.hgt", b, l);
            std::ofstream((ordner + "/" + name).toStdString(), std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        }
}

}  // namespace

// The relief fills the plan view, the ground the lower part of the barogram, and every pixel of
// the track is still there.
TEST(GelaendeBild, UnterDerSpurEinesEchtenFlugs)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(std::string(SARNIX_TESTDATA_DIR) + "/igc/pg-riederalp-1h-vfix.igc"));
    QTemporaryDir ordner;
    KachelnUnter(doc, ordner.path());
    const GelaendeDienst dienst(ordner.path().toStdString());

    CAnsicht ansicht;
    QImage bild = Leinwand(1200, 600, 1.0);
    NeuZeichnen(doc, ansicht, bild);
    ansicht.grafikanzahl = 2;
    ansicht.ansicht.grafik[0].art = Grundriss;
    ansicht.ansicht.grafik[1].art = BarogrammNord;
    ansicht.gelaendeRelief = 1;
    NeuZeichnen(doc, ansicht, bild);
    const QImage ohne = bild.copy();

    // Read on another thread, as the window reads.
    std::promise<std::shared_ptr<const GelaendeAnsicht>> versprochen;
    dienst.Lies(doc, ansicht, nullptr, true, [&](auto gelesen, auto) { versprochen.set_value(gelesen); });
    ansicht.gelaende = versprochen.get_future().get();
    EXPECT_TRUE(GelaendeAktuell(*ansicht.gelaende, doc, ansicht, true));
    NeuZeichnen(doc, ansicht, bild);
    const QImage mit = bild.copy();

    const Rechteck& g = ansicht.ansicht.grafik[0].ecke;
    const Rechteck& b = ansicht.ansicht.grafik[1].ecke;
    const QRect grundriss(g.left, g.top, g.right - g.left, g.bottom - g.top);
    const QRect barogramm(b.left, b.top, b.right - b.left, b.bottom - b.top + 1);
    const auto istGruen = [](QRgb p) { return p == gruen; };
    EXPECT_EQ(Anzahl(mit, mit.rect(), istGruen), Anzahl(ohne, ohne.rect(), istGruen));
    const auto istRelief = [](QRgb p) { return qRed(p) != qGreen(p) && qRed(p) > qBlue(p) && p != erde && p != gruen; };
    EXPECT_GT(Anzahl(mit, grundriss, istRelief), grundriss.width() * grundriss.height() / 2);
    EXPECT_EQ(Anzahl(ohne, grundriss, istRelief), 0);
    EXPECT_GT(Anzahl(mit, barogramm, [](QRgb p) { return p == erde; }), 0);

    // A zoomed plan view needs its relief read again; the heights per fix stay.
    ansicht.zoomFenster.laengeMax -= (ansicht.zoomFenster.laengeMax - ansicht.zoomFenster.laengeMin) / 2;
    EXPECT_FALSE(GelaendeAktuell(*ansicht.gelaende, doc, ansicht, true));
    EXPECT_TRUE(GelaendeAktuell(*ansicht.gelaende, doc, ansicht, false));
    if (qEnvironmentVariableIsSet("SARNIX_GELAENDE_BILD"))
        mit.save(qEnvironmentVariable("SARNIX_GELAENDE_BILD"));
}
