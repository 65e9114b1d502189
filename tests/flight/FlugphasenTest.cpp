// Flight phases of hand-made flights: known circles of known climb, a straight glide of known
// ratio, wind drift, coarse logging steps and flights that give nothing to analyse.

#include "flight/CDaten.h"
#include "flight/Flugphasen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Builds a flight second by second in metres and converts it to recorded fixes.
class Flug {
public:
    explicit Flug(double ost_ = 0.0, double nord_ = 0.0) : windOst(ost_), windNord(nord_) {}

    Flug& Boden(int sekunden)
    {
        for (int s = 0; s < sekunden; ++s)
            Schritt(0.0, 0.0, 0.0);
        return *this;
    }

    // Straight flight through the air on a course (degrees) at tempo m/s, sinking at sinken m/s.
    Flug& Gleiten(int sekunden, double kurs, double tempo, double sinken)
    {
        const double r = kurs * std::numbers::pi / 180.0;
        for (int s = 0; s < sekunden; ++s)
            Schritt(tempo * std::sin(r) + windOst, tempo * std::cos(r) + windNord, -sinken);
        return *this;
    }

    // Whole circles to the left of periode s each at 10 m/s through the air, climbing.
    Flug& Kreise(int anzahl, int periode, double steigen)
    {
        for (int s = 0; s < anzahl * periode; ++s) {
            const double r = -2.0 * std::numbers::pi * (s + 0.5) / periode;
            Schritt(10.0 * std::sin(r) + windOst, 10.0 * std::cos(r) + windNord, steigen);
        }
        return *this;
    }

    // Every schritt-th second, as a logger with coarser steps records it.
    std::vector<CDaten> Fixe(int schritt = 1) const
    {
        std::vector<CDaten> fixe;
        for (size_t i = 0; i < punkte.size(); i += static_cast<size_t>(schritt))
            fixe.push_back(punkte[i]);
        return fixe;
    }

    static constexpr int32_t startZeit = 12 * 3600;

private:
    void Schritt(double vOst, double vNord, double vHoch)
    {
        ost += vOst;
        nord += vNord;
        hoehe += vHoch;
        CDaten f;
        f.zeit = startZeit + static_cast<int32_t>(punkte.size());
        f.hatPosition = 1;
        constexpr double meterProEinheit = 40000000.0 / 360.0 / 600000.0;
        f.breite = 500000000 + 28200000 + static_cast<int32_t>(std::lround(nord / meterProEinheit));
        f.laenge = 500000000 + 6000000 + static_cast<int32_t>(std::lround(ost / (meterProEinheit * std::cos(47.0 * std::numbers::pi / 180.0))));
        f.hoehe = static_cast<int16_t>(std::lround(hoehe));
        punkte.push_back(f);
    }

    double windOst;
    double windNord;
    double ost = 0.0;
    double nord = 0.0;
    double hoehe = 1000.0;
    std::vector<CDaten> punkte;
};

int Anzahl(const FlugAnalyse& a, PhasenArt art)
{
    int n = 0;
    for (const Flugphase& p : a.phasen)
        n += p.art == art;
    return n;
}

// Phases follow each other without gap from take-off to landing and never outlast the flight.
void PruefeZusammenhang(const FlugAnalyse& a, const std::vector<CDaten>& fixe)
{
    if (!a.statistik.geflogen) {
        EXPECT_TRUE(a.phasen.empty());
        return;
    }
    ASSERT_FALSE(a.phasen.empty());
    EXPECT_EQ(a.phasen.front().von, a.statistik.start);
    EXPECT_EQ(a.phasen.back().bis, a.statistik.landung);
    for (size_t i = 0; i < a.phasen.size(); ++i) {
        const Flugphase& p = a.phasen[i];
        ASSERT_LT(p.von, p.bis);
        ASSERT_LT(p.bis, fixe.size());
        EXPECT_GT(p.dauer, 0.0);
        EXPECT_LE(p.dauer, a.statistik.flugzeit);
        EXPECT_TRUE(std::isfinite(p.mittelSteigen) && std::isfinite(p.strecke));
        if (i > 0) {
            EXPECT_EQ(p.von, a.phasen[i - 1].bis);
            EXPECT_NE(p.art, a.phasen[i - 1].art);
        }
    }
    EXPECT_GE(a.statistik.anteilKreisen, 0.0);
    EXPECT_LE(a.statistik.anteilKreisen, 1.0);
}

}  // namespace

TEST(Flugphasen, FuenfKreiseMitBekanntemSteigenZwischenZweiGleitstrecken)
{
    const Flug flug = Flug().Boden(60).Gleiten(300, 0.0, 10.0, 1.0).Kreise(5, 25, 2.0).Gleiten(300, 90.0, 10.0, 1.0).Boden(60);
    const auto fixe = flug.Fixe();
    const FlugAnalyse a = AnalysiereFlug(fixe);
    PruefeZusammenhang(a, fixe);

    ASSERT_TRUE(a.statistik.geflogen);
    EXPECT_NEAR(a.statistik.startZeit, Flug::startZeit + 59, 2);
    EXPECT_NEAR(a.statistik.landeZeit, Flug::startZeit + 59 + 725, 2);
    ASSERT_EQ(a.phasen.size(), 3u);
    EXPECT_EQ(a.phasen[0].art, PhasenArt::Gleiten);
    const Flugphase& thermik = a.phasen[1];
    EXPECT_EQ(thermik.art, PhasenArt::Thermik);
    EXPECT_NEAR(thermik.zeitVon, Flug::startZeit + 360, 3);
    EXPECT_NEAR(thermik.zeitBis, Flug::startZeit + 485, 3);
    EXPECT_NEAR(thermik.mittelSteigen, 2.0, 0.1);
    EXPECT_FALSE(thermik.gleitzahl);

    EXPECT_EQ(a.statistik.anzahlThermiken, 1);
    EXPECT_EQ(a.statistik.besteThermik, 1u);
    EXPECT_NEAR(a.statistik.anteilKreisen, 125.0 / 725.0, 0.01);
    EXPECT_NEAR(a.statistik.mittelSteigen, 2.0, 0.1);
    ASSERT_TRUE(a.statistik.mittlereGleitzahl);
    EXPECT_NEAR(*a.statistik.mittlereGleitzahl, 10.0, 0.3);
}

TEST(Flugphasen, GeradeGleitstreckeBekannterGleitzahl)
{
    const Flug flug = Flug().Boden(40).Gleiten(600, 45.0, 12.0, 1.5).Boden(40);
    const auto fixe = flug.Fixe();
    const FlugAnalyse a = AnalysiereFlug(fixe);
    PruefeZusammenhang(a, fixe);

    ASSERT_EQ(a.phasen.size(), 1u);
    const Flugphase& g = a.phasen[0];
    EXPECT_EQ(g.art, PhasenArt::Gleiten);
    EXPECT_NEAR(g.dauer, 600.0, 2.0);
    EXPECT_NEAR(g.strecke, 7200.0, 30.0);
    EXPECT_NEAR(g.hoeheVon - g.hoeheBis, 900, 4);
    ASSERT_TRUE(g.gleitzahl);
    EXPECT_NEAR(*g.gleitzahl, 8.0, 0.05);
    EXPECT_NEAR(g.geschwindigkeit, 43.2, 0.3);
    EXPECT_NEAR(g.mittelSteigen, -1.5, 0.02);
    EXPECT_FALSE(g.windRichtung);

    EXPECT_EQ(a.statistik.anzahlThermiken, 0);
    EXPECT_EQ(a.statistik.anteilKreisen, 0.0);
    EXPECT_EQ(a.statistik.mittelSteigen, 0.0);
    EXPECT_FALSE(a.statistik.besteThermik);
    EXPECT_NEAR(*a.statistik.mittlereGleitzahl, 8.0, 0.05);
    EXPECT_NEAR(a.statistik.schnittGeschwindigkeit, 43.2, 0.3);
}

TEST(Flugphasen, GleitstreckeMitHoehengewinnHatKeineGleitzahl)
{
    const Flug flug = Flug().Boden(40).Gleiten(300, 0.0, 10.0, -0.5).Boden(40);
    const FlugAnalyse a = AnalysiereFlug(flug.Fixe());
    ASSERT_EQ(a.phasen.size(), 1u);
    EXPECT_FALSE(a.phasen[0].gleitzahl);
    EXPECT_FALSE(a.statistik.mittlereGleitzahl);
}

TEST(Flugphasen, WindAusDerVersetzungDerKreise)
{
    // 5 m/s (18 km/h) from the west carries the circles east.
    const Flug flug = Flug(5.0, 0.0).Boden(0).Gleiten(200, 0.0, 10.0, 1.0).Kreise(6, 30, 1.5).Gleiten(200, 0.0, 10.0, 1.0);
    const auto fixe = flug.Fixe();
    const FlugAnalyse a = AnalysiereFlug(fixe);
    PruefeZusammenhang(a, fixe);
    ASSERT_EQ(Anzahl(a, PhasenArt::Thermik), 1);
    const Flugphase& t = a.phasen[1];
    ASSERT_TRUE(t.windRichtung && t.windGeschwindigkeit);
    EXPECT_NEAR(*t.windRichtung, 270.0, 5.0);
    EXPECT_NEAR(*t.windGeschwindigkeit, 18.0, 1.5);
    EXPECT_NEAR(t.mittelSteigen, 1.5, 0.1);
    // Gliding has no wind of its own.
    EXPECT_FALSE(a.phasen[0].windRichtung);
}

TEST(Flugphasen, GroebereSchritteGebenDieselbenPhasen)
{
    const Flug flug = Flug().Boden(60).Gleiten(400, 0.0, 11.0, 1.0).Kreise(4, 28, 3.0).Gleiten(400, 200.0, 11.0, 1.0)
                          .Kreise(6, 24, 1.0).Gleiten(300, 90.0, 11.0, 1.0).Boden(60);
    for (const int schritt : {1, 2, 4, 8}) {
        SCOPED_TRACE(schritt);
        const auto fixe = flug.Fixe(schritt);
        const FlugAnalyse a = AnalysiereFlug(fixe);
        PruefeZusammenhang(a, fixe);
        ASSERT_EQ(Anzahl(a, PhasenArt::Thermik), 2);
        ASSERT_EQ(a.phasen.size(), 5u);
        EXPECT_NEAR(a.phasen[1].mittelSteigen, 3.0, 0.25);
        EXPECT_NEAR(a.phasen[3].mittelSteigen, 1.0, 0.25);
        EXPECT_NEAR(a.phasen[1].dauer, 112.0, 2.0 * schritt + 4.0);
        EXPECT_EQ(a.statistik.besteThermik, 1u);
    }
}

TEST(Flugphasen, WiederholtePositionenUndMehrfacheFixeGebenDieselbenPhasen)
{
    const auto fixe = Flug().Boden(60).Gleiten(400, 0.0, 11.0, 1.0).Kreise(4, 28, 3.0).Gleiten(400, 200.0, 11.0, 1.0)
                          .Kreise(6, 24, 1.0).Gleiten(300, 90.0, 11.0, 1.0).Boden(60).Fixe();
    // Every third fix keeps the position of the one before; every fix written four times.
    auto wiederholt = fixe;
    for (size_t i = 3; i < wiederholt.size(); i += 3) {
        wiederholt[i].laenge = wiederholt[i - 1].laenge;
        wiederholt[i].breite = wiederholt[i - 1].breite;
    }
    std::vector<CDaten> vierfach;
    for (const CDaten& f : fixe)
        vierfach.insert(vierfach.end(), 4, f);
    for (const auto& variante : {wiederholt, vierfach}) {
        const FlugAnalyse a = AnalysiereFlug(variante);
        PruefeZusammenhang(a, variante);
        ASSERT_EQ(a.phasen.size(), 5u);
        EXPECT_EQ(Anzahl(a, PhasenArt::Thermik), 2);
        EXPECT_NEAR(a.phasen[1].mittelSteigen, 3.0, 0.25);
        EXPECT_NEAR(a.phasen[1].dauer, 112.0, 6.0);
        EXPECT_NEAR(a.statistik.startZeit, Flug::startZeit + 59, 2);
    }
}

TEST(Flugphasen, KurzeKurswechselSindKeineThermik)
{
    // Ten seconds of a hard turn, then straight on: a course change, not circling.
    const Flug flug = Flug().Boden(40).Gleiten(200, 0.0, 10.0, 1.0).Kreise(1, 40, 0.0).Gleiten(10, 0.0, 10.0, 1.0).Boden(0);
    Flug kurswechsel = Flug().Boden(40).Gleiten(200, 0.0, 10.0, 1.0);
    for (int kurs = 0; kurs <= 90; kurs += 9)
        kurswechsel.Gleiten(1, kurs, 10.0, 1.0);
    kurswechsel.Gleiten(200, 90.0, 10.0, 1.0).Boden(40);
    const FlugAnalyse a = AnalysiereFlug(kurswechsel.Fixe());
    EXPECT_EQ(a.statistik.anzahlThermiken, 0);
    EXPECT_EQ(a.phasen.size(), 1u);
    // One whole circle of 40 s is circling all the same.
    EXPECT_EQ(AnalysiereFlug(flug.Fixe()).statistik.anzahlThermiken, 1);
}

TEST(Flugphasen, NichtsZuAnalysieren)
{
    const auto nichts = [](const std::vector<CDaten>& fixe) {
        const FlugAnalyse a = AnalysiereFlug(fixe);
        PruefeZusammenhang(a, fixe);
        return !a.statistik.geflogen && a.phasen.empty();
    };
    EXPECT_TRUE(nichts({}));
    EXPECT_TRUE(nichts(Flug().Boden(1).Fixe()));
    EXPECT_TRUE(nichts(Flug().Boden(600).Fixe()));
    // Too short to be a flight.
    EXPECT_TRUE(nichts(Flug().Boden(30).Gleiten(20, 0.0, 10.0, 1.0).Boden(30).Fixe()));

    auto ohnePosition = Flug().Boden(10).Gleiten(300, 0.0, 10.0, 1.0).Fixe();
    for (CDaten& f : ohnePosition)
        f.hatPosition = 0;
    EXPECT_TRUE(nichts(ohnePosition));

    // Every fix at the same time.
    auto gleicheZeit = Flug().Gleiten(300, 0.0, 10.0, 1.0).Fixe();
    for (CDaten& f : gleicheZeit)
        f.zeit = 1000;
    EXPECT_TRUE(nichts(gleicheZeit));
}

TEST(Flugphasen, RueckwaertsLaufendeZeitUndOhneHoehenaenderung)
{
    auto fixe = Flug().Boden(40).Gleiten(200, 0.0, 10.0, 0.0).Kreise(3, 25, 0.0).Gleiten(200, 0.0, 10.0, 0.0).Boden(40).Fixe();
    // A stretch whose clock jumps back: those fixes are left out, the flight stays whole.
    for (size_t i = 300; i < 320; ++i)
        fixe[i].zeit -= 200;
    const FlugAnalyse a = AnalysiereFlug(fixe);
    PruefeZusammenhang(a, fixe);
    ASSERT_EQ(a.statistik.anzahlThermiken, 1);
    EXPECT_EQ(a.statistik.mittelSteigen, 0.0);
    EXPECT_FALSE(a.statistik.mittlereGleitzahl);
    for (const Flugphase& p : a.phasen)
        EXPECT_FALSE(p.gleitzahl);
}
