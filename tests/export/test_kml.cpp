// The KML file: the timed track, the coloured pieces in the program's colours, the folders.

#include "ExportHilfen.h"
#include "TestHilfen.h"

#include "flight/FarbIndex.h"
#include "flight/Flugphasen.h"

#include <gtest/gtest.h>

using namespace exporttest;

namespace {

// A flight climbing for three fixes, sinking for two, climbing again for one.
CSarnixDoc Wechselnd()
{
    std::vector<CDaten> fixe;
    for (int i = 0; i < 6; ++i)
        fixe.push_back(Fix(i));
    for (int i : {3, 4})
        fixe[static_cast<size_t>(i)].vario = -30;
    return Flug(fixe);
}

QString KmlFarbe(const CSarnixDoc& doc, int index)
{
    const COLORREF c = doc.farbTabelle[static_cast<size_t>(index)];
    return QStringLiteral("ff%1%2%3")
        .arg(GetBValue(c), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(c), 2, 16, QLatin1Char('0'))
        .arg(GetRValue(c), 2, 16, QLatin1Char('0'));
}

}  // namespace

TEST(Kml, ZeitspurMitAbsoluterHoehe)
{
    const CSarnixDoc doc = Wechselnd();
    const KmlInhalt k = LiesKml(Kml(doc));
    ASSERT_TRUE(k.fehlerfrei);
    ASSERT_EQ(k.tracks.size(), 1u);
    ASSERT_EQ(k.tracks[0].size(), 6u);
    ASSERT_EQ(k.zeiten.size(), 6u);
    EXPECT_EQ(k.zeiten.front(), "2026-07-14T10:00:00Z");
    EXPECT_EQ(k.zeiten.back(), "2026-07-14T10:00:05Z");
    EXPECT_DOUBLE_EQ(k.tracks[0].front().laenge, 11.25);
    EXPECT_DOUBLE_EQ(k.tracks[0].front().breite, 47.5);
    EXPECT_DOUBLE_EQ(k.tracks[0].front().hoehe, 1000);
    EXPECT_DOUBLE_EQ(k.tracks[0].back().laenge, 11.26);
    EXPECT_DOUBLE_EQ(k.tracks[0].back().hoehe, 1005);
    // Every geometry sits at its recorded altitude, none on the ground.
    EXPECT_FALSE(k.hoehenModi.isEmpty());
    EXPECT_EQ(k.hoehenModi.count(QStringLiteral("absolute")), k.hoehenModi.size());
    EXPECT_EQ(k.ordner, QStringList({"Flugweg", "Gefärbt nach Vario - Werten"}));
}

TEST(Kml, NachbarnGleicherFarbeSindEinStueck)
{
    const CSarnixDoc doc = Wechselnd();
    const KmlInhalt k = LiesKml(Kml(doc, Variowerte));
    // Climb 1.5 m/s: 102 + 25; sink 3.0 m/s: 102 - 51. A line runs in the colour of the fix it
    // starts from, so the last fix only ends the sinking piece. The pieces come by colour.
    ASSERT_EQ(k.linien.size(), 2u);
    EXPECT_EQ(k.linien[0].stil, "#farbe51");
    EXPECT_EQ(k.linien[1].stil, "#farbe127");
    EXPECT_EQ(k.stilFarben.value("farbe127"), KmlFarbe(doc, 127));
    EXPECT_EQ(k.stilFarben.value("farbe51"), KmlFarbe(doc, 51));
    EXPECT_EQ(k.stilFarben.value("farbe127"), "ff00ffc0");  // RGB(192, 255, 0)
    // Each piece runs on to the first fix of the next: no gap between colours.
    EXPECT_EQ(k.linien[1].punkte.size(), 4u);
    EXPECT_EQ(k.linien[0].punkte.size(), 3u);
    EXPECT_DOUBLE_EQ(k.linien[1].punkte.back().laenge, k.linien[0].punkte.front().laenge);
    EXPECT_DOUBLE_EQ(k.linien[0].punkte.back().hoehe, 1005);
    // Only the colours used get a style.
    EXPECT_EQ(k.stilFarben.size(), 3);  // the track's own line and the two colours
}

TEST(Kml, FarbeDesGewaehltenModus)
{
    const CSarnixDoc doc = Wechselnd();
    const KmlInhalt ohne = LiesKml(Kml(doc, KeineFaerbung));
    ASSERT_EQ(ohne.linien.size(), 1u);
    EXPECT_EQ(ohne.linien[0].stil, "#farbe102");
    EXPECT_EQ(ohne.linien[0].punkte.size(), 6u);
    EXPECT_EQ(ohne.ordner.last(), "Ohne Färbung");

    // Altitude: lowest blue, highest red, every fix a piece of its own.
    const KmlInhalt hoehe = LiesKml(Kml(doc, Flughoehe));
    ASSERT_EQ(hoehe.linien.size(), 5u);
    EXPECT_EQ(hoehe.linien.front().stil, "#farbe0");
    EXPECT_EQ(hoehe.linien.back().stil,
              QStringLiteral("#farbe%1").arg(FarbIndex(Flughoehe, doc.datenListe[4], doc, ReferenzExakt)));
    EXPECT_EQ(hoehe.ordner.last(), "Gefärbt nach Flughöhe");
}

TEST(Kml, LueckenTrennenSpurUndStuecke)
{
    CSarnixDoc doc = Wechselnd();
    doc.datenListe[1].hatPosition = 0;
    const KmlInhalt k = LiesKml(Kml(doc, KeineFaerbung));
    // A lone fix before the gap is a track of one point but no line.
    ASSERT_EQ(k.tracks.size(), 2u);
    EXPECT_EQ(k.tracks[0].size(), 1u);
    EXPECT_EQ(k.tracks[1].size(), 4u);
    EXPECT_EQ(k.zeiten.size(), 5u);
    ASSERT_EQ(k.linien.size(), 1u);
    EXPECT_EQ(k.linien[0].punkte.size(), 4u);
}

TEST(Kml, OhneDatumLinienStattZeitspur)
{
    CSarnixDoc doc = Wechselnd();
    doc.flugdatum = "00-00-00";
    const KmlInhalt k = LiesKml(Kml(doc, KeineFaerbung));
    ASSERT_TRUE(k.fehlerfrei);
    EXPECT_TRUE(k.tracks.empty());
    EXPECT_TRUE(k.zeiten.empty());
    // The track's line and the one coloured piece.
    ASSERT_EQ(k.linien.size(), 2u);
    EXPECT_EQ(k.linien[0].punkte.size(), 6u);
}

TEST(Kml, WegpunkteUndLeererFlug)
{
    CSarnixDoc doc = Flug({});
    CWegPunkt w;
    w.name = "Nord <1> & \"2\"";
    w.breite = Grad(-33.5);
    w.laenge = Grad(-70.25);
    w.hoehe = 2100;
    w.nummer = 3;
    w.art = 6;
    doc.wegpunktListe = {w};
    const KmlInhalt k = LiesKml(Kml(doc));
    ASSERT_TRUE(k.fehlerfrei);
    EXPECT_TRUE(k.tracks.empty());
    EXPECT_TRUE(k.linien.empty());
    EXPECT_EQ(k.ordner, QStringList({"Flugweg", "Gefärbt nach Vario - Werten", "Wegpunkte"}));
    EXPECT_EQ(k.placemarkNamen, QStringList({"Nord <1> & \"2\""}));
}

TEST(Kml, JedeProbeVollstaendig)
{
    for (const char* name : {"lokalflug-1h.vrl", "streckenflug-6h.vrl", "suedwest-3h.vrl"}) {
        SCOPED_TRACE(name);
        CSarnixDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::Sample(name)));
        const KmlInhalt k = LiesKml(Kml(doc, Flughoehe));
        ASSERT_TRUE(k.fehlerfrei);
        std::vector<const CDaten*> mitLage;
        for (const CDaten& f : doc.datenListe)
            if (f.hatPosition)
                mitLage.push_back(&f);
        size_t punkte = 0;
        for (const auto& track : k.tracks)
            punkte += track.size();
        ASSERT_EQ(punkte, mitLage.size());
        EXPECT_EQ(k.zeiten.size(), punkte);
        const Punkt& erster = k.tracks.front().front();
        const Punkt& letzter = k.tracks.back().back();
        EXPECT_NEAR(erster.breite, (mitLage.front()->breite - 500000000) / 600000.0, 1e-7);
        EXPECT_NEAR(erster.laenge, (mitLage.front()->laenge - 500000000) / 600000.0, 1e-7);
        EXPECT_EQ(erster.hoehe, mitLage.front()->hoehe);
        EXPECT_NEAR(letzter.breite, (mitLage.back()->breite - 500000000) / 600000.0, 1e-7);
        EXPECT_NEAR(letzter.laenge, (mitLage.back()->laenge - 500000000) / 600000.0, 1e-7);
        EXPECT_EQ(letzter.hoehe, mitLage.back()->hoehe);
        // Far fewer pieces than fixes: altitude changes its colour only every few fixes.
        EXPECT_LT(k.linien.size(), punkte / 2);
    }
}

TEST(Kml, ThermikenMitIhrenZahlen)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Sample("streckenflug-6h.vrl")));
    std::vector<Flugphase> thermiken;
    for (const Flugphase& p : BerechneFlugphasen(doc))
        if (p.art == PhasenArt::Thermik)
            thermiken.push_back(p);
    ASSERT_FALSE(thermiken.empty());
    const KmlInhalt k = LiesKml(Kml(doc));
    ASSERT_TRUE(k.fehlerfrei);
    EXPECT_EQ(k.ordner.last(), "Thermiken");
    // Route points first, then one place per thermal, at the thermal's top.
    ASSERT_EQ(k.orte.size(), doc.wegpunktListe.size() + thermiken.size());
    const Punkt& erste = k.orte[doc.wegpunktListe.size()];
    EXPECT_DOUBLE_EQ(erste.hoehe, thermiken.front().hoeheBis);
    EXPECT_NEAR(erste.breite, (thermiken.front().breite - 500000000) / 600000.0, 1e-7);
    EXPECT_NEAR(erste.laenge, (thermiken.front().laenge - 500000000) / 600000.0, 1e-7);
    const QString name = QStringLiteral("Thermik 1: %1 m/s").arg(thermiken.front().mittelSteigen, 0, 'f', 1);
    EXPECT_TRUE(k.placemarkNamen.contains(name)) << name.toStdString();
}

TEST(Kml, EinEintragJeZeileWieBisher)
{
    const QByteArray kml = Kml(Wechselnd());
    EXPECT_TRUE(kml.contains("      <altitudeMode>absolute</altitudeMode>\n<when>2026-07-14T10:00:00Z</when>\n"
                             "<when>2026-07-14T10:00:01Z</when>\n"));
    EXPECT_TRUE(kml.contains("\n<gx:coord>11.2500000 47.5000000 1000</gx:coord>\n<gx:coord>11.2520000 47.5010000 1001</gx:coord>\n"));
    EXPECT_TRUE(kml.contains("    <MultiGeometry>\n<LineString><altitudeMode>absolute</altitudeMode><coordinates>"
                             "11.2560000,47.5030000,1003 11.2580000,47.5040000,1004 11.2600000,47.5050000,1005"
                             "</coordinates></LineString></MultiGeometry>\n"))
        << kml.toStdString();
}
