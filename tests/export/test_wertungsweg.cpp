// The scored path in the export files: a GPX route from start over the turnpoints to the finish,
// and in KML one placemark a point and a line through them.

#include "ExportHilfen.h"

#include "flight/Wertung.h"

#include "export/Kml.h"

#include <QBuffer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace exporttest;

namespace {

WertungsPunkt FixPunkt(size_t i)
{
    const CDaten f = Fix(static_cast<int>(i));
    return {i, f.zeit, f.breite, f.laenge};
}

struct Station {
    QString name, zeit, lat, lon;
    friend bool operator==(const Station&, const Station&) = default;
};

std::vector<Station> Route(const QByteArray& gpx)
{
    std::vector<Station> route;
    QXmlStreamReader xml(gpx);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement() || xml.name() != QLatin1String("rtept"))
            continue;
        Station s{{}, {}, xml.attributes().value("lat").toString(), xml.attributes().value("lon").toString()};
        while (xml.readNextStartElement())
            (xml.name() == QLatin1String("name") ? s.name : s.zeit) = xml.readElementText();
        route.push_back(s);
    }
    return route;
}

}  // namespace

TEST(WertungsWeg, GpxRouteUndKmlPunkte)
{
    std::vector<CDaten> fixe;
    for (int i = 0; i < 10; ++i)
        fixe.push_back(Fix(i));
    const CSarnixDoc doc = Flug(fixe);
    auto w = std::make_shared<Wertung>();
    w->regeln = "xcontest";
    w->art = "frei";
    w->punkte = 1.23;
    w->start = FixPunkt(0);
    w->wendepunkte = {FixPunkt(4), FixPunkt(7)};
    w->ziel = FixPunkt(9);
    ExportWahl wahl = KeineWahl();
    wahl.wertung = w;

    // Fix i lies at 47.5° + i × 0.001°, 11.25° + i × 0.002°, 10:00:00 + i s.
    const std::vector<Station> erwartet{{"Start", "2026-07-14T10:00:00Z", "47.5000000", "11.2500000"},
                                        {"Wendepunkt 1", "2026-07-14T10:00:04Z", "47.5040000", "11.2580000"},
                                        {"Wendepunkt 2", "2026-07-14T10:00:07Z", "47.5070000", "11.2640000"},
                                        {"Ziel", "2026-07-14T10:00:09Z", "47.5090000", "11.2680000"}};
    const QByteArray gpx = Gpx(doc, wahl);
    EXPECT_EQ(Route(gpx), erwartet);
    EXPECT_TRUE(gpx.contains("<name>Wertung xcontest: frei, 1.23 Punkte</name>"));
    EXPECT_TRUE(Route(Gpx(doc)).empty());  // only when asked

    wahl.format = ExportFormat::Kml;
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    SchreibeKml(doc, wahl, puffer);
    const QByteArray kml = puffer.data();
    const qsizetype ordner = kml.indexOf("<name>Wertung xcontest");
    ASSERT_GE(ordner, 0);
    const QByteArray weg = kml.mid(ordner);
    for (const char* name : {"<name>Start</name>", "<name>Wendepunkt 1</name>", "<name>Wendepunkt 2</name>", "<name>Ziel</name>"})
        EXPECT_TRUE(weg.contains(name)) << name;
    const qsizetype linie = weg.indexOf("<LineString>");
    ASSERT_GE(linie, 0);
    const QString koordinaten =
        QString::fromUtf8(weg.mid(linie)).section(QStringLiteral("<coordinates>"), 1).section(QStringLiteral("</coordinates>"), 0, 0);
    EXPECT_EQ(koordinaten.split(' ').size(), 4);
}
