// IGC logs exported: their times are UTC whatever zone is chosen, a flight past midnight goes on
// into the next day, and values the log does not record are left out.

#include "ExportHilfen.h"
#include "TestHilfen.h"

#include "flight/FarbIndex.h"
#include "export/Kml.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace exporttest;

namespace {

// An IGC flight around midnight UTC: 23:59:58, then two seconds later, past 24 h.
CSarnixDoc IgcUmMitternacht()
{
    std::vector<CDaten> fixe{Fix(0), Fix(1), Fix(2)};
    for (size_t i = 0; i < fixe.size(); ++i)
        fixe[i].zeit = 86398 + static_cast<int32_t>(i) * 2;
    CSarnixDoc doc = Flug(fixe);
    doc.flugdatum = "31-12-26";
    doc.igc.istIgc = true;
    doc.igc.datum = doc.flugdatum;
    return doc;
}

ExportWahl Berlin(ExportFormat format = ExportFormat::Gpx)
{
    ExportWahl wahl;
    wahl.format = format;
    wahl.zeitzone = QTimeZone("Europe/Berlin");
    return wahl;
}

}  // namespace

TEST(IgcExport, ZeitenInUtcUeberMitternacht)
{
    const CSarnixDoc doc = IgcUmMitternacht();
    // The zone of a .vrl's local clock is no concern of an IGC log.
    const GpxInhalt gpx = LiesGpx(Gpx(doc, Berlin()));
    ASSERT_EQ(gpx.segmente.size(), 1u);
    ASSERT_EQ(gpx.segmente[0].size(), 3u);
    EXPECT_EQ(gpx.segmente[0][0].zeit, "2026-12-31T23:59:58Z");
    EXPECT_EQ(gpx.segmente[0][1].zeit, "2027-01-01T00:00:00Z");
    EXPECT_EQ(gpx.segmente[0][2].zeit, "2027-01-01T00:00:02Z");
    EXPECT_EQ(gpx.metadatenZeit, "2026-12-31T23:59:58Z");

    const KmlInhalt kml = LiesKml(Kml(doc));
    ASSERT_EQ(kml.zeiten.size(), 3u);
    EXPECT_EQ(kml.zeiten.front(), "2026-12-31T23:59:58Z");
    EXPECT_EQ(kml.zeiten.back(), "2027-01-01T00:00:02Z");

    // The same fixes from a .vrl are Berlin's local time, an hour ahead in winter.
    CSarnixDoc vrl = doc;
    vrl.igc.istIgc = false;
    EXPECT_EQ(LiesGpx(Gpx(vrl, Berlin())).segmente[0][0].zeit, "2026-12-31T22:59:58Z");
}

TEST(IgcExport, OhneTemperaturNichtsUeberTemperatur)
{
    CSarnixDoc doc = IgcUmMitternacht();
    doc.hatTemperatur = false;
    doc.datenListe[1].tas = 0;
    for (CDaten& f : doc.datenListe)
        f.temperatur = 0;

    const QByteArray gpx = Gpx(doc);
    EXPECT_EQ(SchemaFehler(gpx), QString());
    const GpxInhalt inhalt = LiesGpx(gpx);
    ASSERT_EQ(inhalt.segmente.at(0).size(), 3u);
    // Climb and airspeed stay where recorded; a fix without airspeed has none.
    EXPECT_EQ(inhalt.segmente[0][0].werte, (QMap<QString, QString>{{"vario", "1.5"}, {"tas", "30.0"}}));
    EXPECT_EQ(inhalt.segmente[0][1].werte, (QMap<QString, QString>{{"vario", "1.5"}}));

    // The temperature colouring has nothing to colour: the track is written uncoloured.
    EXPECT_EQ(KmlFaerbung(doc, Temperaturgradient), KeineFaerbung);
    EXPECT_EQ(KmlFaerbung(doc, Wind), Wind);
    const QByteArray kml = Kml(doc, Temperaturgradient);
    EXPECT_EQ(kml, Kml(doc, KeineFaerbung));
    EXPECT_FALSE(kml.contains("emperatur"));
    EXPECT_EQ(LiesKml(kml).ordner.at(1), "Ohne Färbung");

    // Without a single airspeed the wind colouring has nothing to colour either.
    for (CDaten& f : doc.datenListe)
        f.tas = 0;
    EXPECT_EQ(KmlFaerbung(doc, Wind), KeineFaerbung);
    EXPECT_EQ(Kml(doc, Wind), Kml(doc, KeineFaerbung));
    doc.datenListe[2].tas = 300;
    EXPECT_EQ(KmlFaerbung(doc, Wind), Wind);

    // With temperature the colouring stays.
    doc.hatTemperatur = true;
    EXPECT_EQ(KmlFaerbung(doc, Temperaturgradient), Temperaturgradient);
    EXPECT_EQ(LiesKml(Kml(doc, Temperaturgradient)).ordner.at(1), "Gefärbt nach Temperaturgradient");
}

// Every real log the tests carry: valid GPX, a KML whose track holds every fix with a position,
// first and last point and time equal to the log's.
TEST(IgcExport, EchteAufzeichnungen)
{
    const QDir ordner(QString::fromStdString(test::Testdaten("igc")));
    const QStringList logs = ordner.entryList({QStringLiteral("*.igc")}, QDir::Files, QDir::Name);
    ASSERT_GE(logs.size(), 9);
    for (const QString& name : logs) {
        SCOPED_TRACE(name.toStdString());
        CSarnixDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(ordner.filePath(name).toStdString()));
        ASSERT_TRUE(doc.igc.istIgc);
        std::vector<const CDaten*> mitLage;
        for (const CDaten& f : doc.datenListe)
            if (f.hatPosition)
                mitLage.push_back(&f);
        ASSERT_FALSE(mitLage.empty());
        const auto grad = [](int32_t koordinate) { return (koordinate - 500000000) / 600000.0; };

        const QByteArray gpx = Gpx(doc, Berlin());
        EXPECT_EQ(SchemaFehler(gpx), QString());
        const GpxInhalt g = LiesGpx(gpx);
        ASSERT_TRUE(g.fehlerfrei);
        size_t punkte = 0;
        for (const auto& segment : g.segmente)
            punkte += segment.size();
        EXPECT_EQ(punkte, mitLage.size());
        const Punkt& erster = g.segmente.front().front();
        EXPECT_NEAR(erster.breite, grad(mitLage.front()->breite), 1e-7);
        EXPECT_NEAR(erster.laenge, grad(mitLage.front()->laenge), 1e-7);
        EXPECT_EQ(erster.werte.contains("temperatur"), doc.hatTemperatur);

        const QByteArray kml = Kml(doc, Temperaturgradient);
        const KmlInhalt k = LiesKml(kml);
        ASSERT_TRUE(k.fehlerfrei);
        size_t trackPunkte = 0;
        for (const auto& track : k.tracks)
            trackPunkte += track.size();
        EXPECT_EQ(trackPunkte, mitLage.size());
        EXPECT_EQ(k.zeiten.size(), mitLage.size());
        EXPECT_NEAR(k.tracks.back().back().laenge, grad(mitLage.back()->laenge), 1e-7);
        EXPECT_NEAR(k.tracks.back().back().breite, grad(mitLage.back()->breite), 1e-7);
        EXPECT_DOUBLE_EQ(k.tracks.back().back().hoehe, mitLage.back()->hoehe);
        EXPECT_EQ(kml.contains("emperatur"), doc.hatTemperatur);
    }
}

// The log that crosses midnight UTC, with the times its B records carry.
TEST(IgcExport, NeuseelandUeberMitternacht)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten("igc/sp-nz-duodiscus-6h-midnight.igc")));
    const GpxInhalt g = LiesGpx(Gpx(doc, Berlin()));
    ASSERT_FALSE(g.segmente.empty());
    EXPECT_EQ(g.segmente.front().front().zeit, "2016-11-08T22:43:17Z");
    EXPECT_EQ(g.segmente.back().back().zeit, "2016-11-09T04:43:01Z");
}
