// The GPX file: valid against the GPX 1.1 schema, and the numbers a map tool will show.

#include "ExportHilfen.h"
#include "TestHilfen.h"

#include "export/Exportieren.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace exporttest;

namespace {

CWegPunkt Wegpunkt(const std::string& name, double breite, double laenge, int16_t hoehe, uint8_t nummer = 0)
{
    CWegPunkt w;
    w.name = name;
    w.breite = Grad(breite);
    w.laenge = Grad(laenge);
    w.hoehe = hoehe;
    w.nummer = nummer;
    w.art = nummer != 0 ? 6 : 2;
    return w;
}

// Everything a hostile recording may hold at once: a gap, the date line, a pole, a fix beyond
// the pole, names with markup characters, control bytes and Latin-1 letters.
CSarnixDoc Feindlich()
{
    std::vector<CDaten> fixe{Fix(0), Fix(1), Fix(2), Fix(3), Fix(4), Fix(5)};
    fixe[2].hatPosition = 0;
    fixe[3].laenge = Grad(180.0);
    fixe[4].breite = Grad(90.0);
    fixe[5].breite = Grad(91.0);
    fixe[5].tas = 0;
    CSarnixDoc doc = Flug(fixe);
    doc.startplatz = "Alm <&> \"x\"";
    doc.wegpunktListe = {Wegpunkt("A<B & \"C\" 'D'", 47.6, 11.3, 900, 1),
                         Wegpunkt(std::string("Gr\xFCn\x01\x7F"), 47.7, 11.4, 800),
                         Wegpunkt("Nirgends", 95.0, 11.4, 800)};
    return doc;
}

}  // namespace

TEST(Gpx, FeindlicheEingabeBleibtGueltig)
{
    const QByteArray gpx = Gpx(Feindlich());
    EXPECT_EQ(SchemaFehler(gpx), QString());
    // Valid UTF-8 throughout.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(gpx);
    EXPECT_FALSE(text.isEmpty());
    EXPECT_FALSE(utf8.hasError());

    const GpxInhalt inhalt = LiesGpx(gpx);
    ASSERT_TRUE(inhalt.fehlerfrei);
    // The gap splits the track; the fix beyond the pole has no usable position.
    ASSERT_EQ(inhalt.segmente.size(), 2u);
    EXPECT_EQ(inhalt.segmente[0].size(), 2u);
    ASSERT_EQ(inhalt.segmente[1].size(), 2u);
    EXPECT_DOUBLE_EQ(inhalt.segmente[1][0].laenge, -180.0);
    EXPECT_DOUBLE_EQ(inhalt.segmente[1][1].breite, 90.0);
    // Names come back as they were; what XML cannot carry is replaced, not dropped.
    EXPECT_EQ(inhalt.wegpunktNamen, QStringList({QStringLiteral("A<B & \"C\" 'D'"), QStringLiteral("Grün\uFFFD\uFFFD")}));
    EXPECT_EQ(inhalt.beschreibung, QStringLiteral("Flug Datum: 14-07-26\nStart Platz: Alm <&> \"x\""));
}

TEST(Gpx, PunkteMitHoeheZeitUndWerten)
{
    CSarnixDoc doc = Flug({Fix(0), Fix(1), Fix(2)});
    doc.datenListe[1].vario = -23;
    doc.datenListe[1].temperatur = 2727;  // -0.5 °C
    doc.datenListe[2].tas = 0;            // no airspeed recorded
    doc.datenListe[2].hoehe = -12;        // below sea level
    const GpxInhalt inhalt = LiesGpx(Gpx(doc));
    ASSERT_EQ(inhalt.segmente.size(), 1u);
    const std::vector<Punkt>& p = inhalt.segmente[0];
    ASSERT_EQ(p.size(), 3u);
    EXPECT_DOUBLE_EQ(p[0].breite, 47.5);
    EXPECT_DOUBLE_EQ(p[0].laenge, 11.25);
    EXPECT_DOUBLE_EQ(p[0].hoehe, 1000);
    EXPECT_EQ(p[0].zeit, "2026-07-14T10:00:00Z");
    EXPECT_EQ(p[0].werte, (QMap<QString, QString>{{"temperatur", "16.8"}, {"vario", "1.5"}, {"tas", "30.0"}}));
    EXPECT_EQ(p[1].werte.value("vario"), "-2.3");
    EXPECT_EQ(p[1].werte.value("temperatur"), "-0.5");
    EXPECT_FALSE(p[2].werte.contains("tas"));
    EXPECT_DOUBLE_EQ(p[2].hoehe, -12);
    EXPECT_DOUBLE_EQ(p[2].breite, 47.502);
    EXPECT_DOUBLE_EQ(p[2].laenge, 11.254);
    EXPECT_EQ(p[2].zeit, "2026-07-14T10:00:02Z");

    EXPECT_EQ(inhalt.metadatenZeit, "2026-07-14T10:00:00Z");
    EXPECT_EQ(inhalt.grenzen, (QMap<QString, QString>{{"minlat", "47.5000000"}, {"minlon", "11.2500000"},
                                                      {"maxlat", "47.5020000"}, {"maxlon", "11.2540000"}}));
}

TEST(Gpx, ZeitzoneDerAufzeichnung)
{
    ExportWahl wahl = KeineWahl();
    wahl.zeitzone = QTimeZone("Europe/Berlin");
    const GpxInhalt inhalt = LiesGpx(Gpx(Flug({Fix(0)}), wahl));
    ASSERT_EQ(inhalt.segmente.size(), 1u);
    EXPECT_EQ(inhalt.segmente[0][0].zeit, "2026-07-14T08:00:00Z");
}

TEST(Gpx, LeereUndEinzelneFlugeBleibenGueltig)
{
    // No fix at all, and fixes that never had a position: an empty track.
    for (const std::vector<CDaten>& fixe : {std::vector<CDaten>{}, std::vector<CDaten>{Fix(0), Fix(1)}}) {
        CSarnixDoc doc = Flug(fixe);
        for (CDaten& f : doc.datenListe)
            f.hatPosition = 0;
        const QByteArray gpx = Gpx(doc);
        EXPECT_EQ(SchemaFehler(gpx), QString());
        EXPECT_TRUE(LiesGpx(gpx).segmente.empty());
    }
    // A single fix is a segment of one point.
    const QByteArray gpx = Gpx(Flug({Fix(7)}));
    EXPECT_EQ(SchemaFehler(gpx), QString());
    const GpxInhalt inhalt = LiesGpx(gpx);
    ASSERT_EQ(inhalt.segmente.size(), 1u);
    EXPECT_EQ(inhalt.segmente[0].size(), 1u);
}

TEST(Gpx, OhneFlugdatumOhneZeiten)
{
    CSarnixDoc doc = Flug({Fix(0), Fix(1)});
    doc.flugdatum.assign(1, ' ');  // as the reader leaves it without a header
    const QByteArray gpx = Gpx(doc);
    EXPECT_EQ(SchemaFehler(gpx), QString());
    const GpxInhalt inhalt = LiesGpx(gpx);
    ASSERT_EQ(inhalt.segmente.size(), 1u);
    EXPECT_EQ(inhalt.segmente[0][0].zeit, QString());
    EXPECT_EQ(inhalt.metadatenZeit, QString());
}

TEST(Gpx, JedeProbeGueltigUndVollstaendig)
{
    for (const char* name : {"lokalflug-1h.vrl", "streckenflug-6h.vrl", "suedwest-3h.vrl"}) {
        SCOPED_TRACE(name);
        CSarnixDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(test::Sample(name)));
        const QByteArray gpx = Gpx(doc);
        EXPECT_EQ(SchemaFehler(gpx), QString());
        const GpxInhalt inhalt = LiesGpx(gpx);
        size_t punkte = 0;
        for (const auto& segment : inhalt.segmente)
            punkte += segment.size();
        std::vector<const CDaten*> mitLage;
        for (const CDaten& f : doc.datenListe)
            if (f.hatPosition)
                mitLage.push_back(&f);
        ASSERT_EQ(punkte, mitLage.size());
        ASSERT_FALSE(mitLage.empty());
        EXPECT_NEAR(inhalt.segmente.front().front().breite, (mitLage.front()->breite - 500000000) / 600000.0, 1e-7);
        EXPECT_NEAR(inhalt.segmente.back().back().laenge, (mitLage.back()->laenge - 500000000) / 600000.0, 1e-7);
        EXPECT_EQ(inhalt.wegpunkte.size(), doc.wegpunktListe.size());
    }
}

TEST(Gpx, EinPunktJeZeileWieBisher)
{
    // The layout files written before hold, so that exports of one flight compare line by line.
    const QByteArray gpx = Gpx(Flug({Fix(0), Fix(1)}));
    EXPECT_TRUE(gpx.startsWith("<?xml version=\"1.0\"?>\n<gpx xmlns=\"http://www.topografix.com/GPX/1/1\""));
    EXPECT_TRUE(gpx.contains(
        "  <trkseg>\n<trkpt lat=\"47.5000000\" lon=\"11.2500000\"><ele>1000</ele><time>2026-07-14T10:00:00Z</time>"
        "<extensions><sx:temperatur>16.8</sx:temperatur><sx:vario>1.5</sx:vario><sx:tas>30.0</sx:tas></extensions>"
        "</trkpt>\n<trkpt lat=\"47.5010000\" lon=\"11.2520000\"><ele>1001</ele>"))
        << gpx.toStdString();
    EXPECT_TRUE(gpx.endsWith("</trkpt></trkseg>\n </trk>\n</gpx>\n")) << gpx.right(80).toStdString();
}
