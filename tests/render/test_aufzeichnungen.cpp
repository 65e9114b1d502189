// Whole pictures of the bundled recordings: every drawn fix sits on the pixel that the mapping
// (and with it the track cursor) gives for it.

#include "render/Abbildung.h"
#include "render/Graphen.h"

#include "GraphHilfen.h"

#include <gtest/gtest.h>

using namespace graph;

namespace {

class Aufzeichnung : public ::testing::TestWithParam<const char*> {
protected:
    CSarnixDoc doc;
    CAnsicht ansicht;

    void SetUp() override
    {
        ASSERT_TRUE(doc.OnOpenDocument(test::Sample(GetParam()))) << GetParam();
        ansicht.zoomFenster = doc.ausdehnung;
        ansicht.zeitmarken = 1;
        ansicht.wegpunkte = 1;
    }
    QImage Bild(int8_t art)
    {
        ansicht.ansicht.grafik[0] = {Rechteck{80, 80, 1180, 700}, art, KeineFaerbung};
        return Zeichne(1300, 800, [&](Zeichenflaeche& f) {
            switch (art) {
            case Grundriss:
                ZeichneGrundriss(doc, ansicht, f, 0);
                break;
            case BarogrammWest:
                ZeichneBarogrammWest(doc, ansicht, f, 0);
                break;
            default:
                ZeichneBarogrammNord(doc, ansicht, f, 0);
                break;
            }
        });
    }
    // Fixes inside the window whose mapped pixel is not of the track's green.
    int Daneben(const QImage& bild, int8_t art, int* drin)
    {
        int daneben = 0;
        *drin = 0;
        for (const CDaten& fix : doc.datenListe) {
            if (!fix.hatPosition || !ImFenster(ansicht.anzeigeFenster, fix.laenge, fix.breite))
                continue;
            ++*drin;
            const Punkt p = PixelVon(ansicht, doc, 0, art, fix.laenge, fix.breite, fix.hoehe);
            daneben += bild.pixel(p.x, p.y) == gruen ? 0 : 1;
        }
        return daneben;
    }
};

}  // namespace

TEST_P(Aufzeichnung, JederFixLiegtAufSeinemPixel)
{
    for (const int8_t art : {Grundriss, BarogrammWest, BarogrammNord}) {
        const QImage bild = Bild(art);
        int drin = 0;
        EXPECT_EQ(Daneben(bild, art, &drin), 0) << int(art);
        // Nearly the whole flight is shown: not the fixes without a position or on the edges.
        EXPECT_GT(drin, static_cast<int>(doc.datenListe.size()) * 3 / 4) << int(art);
    }
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Aufzeichnung,
                         ::testing::Values("lokalflug-1h.vrl", "streckenflug-6h.vrl", "suedwest-3h.vrl"));
