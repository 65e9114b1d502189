#pragma once
// Flights built in memory for the export tests, and the exported files read back.

#include "flight/CSarnixDoc.h"
#include "export/ExportWahl.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <vector>

namespace exporttest {

// Biased coordinate of an angle given in 1/10 000 arc minute (600 000 to the degree).
constexpr int32_t Grad(double grad) { return static_cast<int32_t>(500000000 + grad * 600000 + (grad < 0 ? -0.5 : 0.5)); }

// A fix with position at 47.5° N 11.25° E plus (i × 0.001°, i × 0.002°), at 1000 + i metres,
// time 10:00:00 + i s, 16.8 °C, +1.5 m/s, 40 km/h over ground, 30 km/h airspeed.
CDaten Fix(int i);

// A loaded document with these fixes, flight date 14-07-26, and its extent worked out.
CSarnixDoc Flug(const std::vector<CDaten>& fixe);

// UTC, so that the times can be read off.
ExportWahl KeineWahl();

// The written bytes of an export.
QByteArray Gpx(const CSarnixDoc& doc, const ExportWahl& wahl = KeineWahl());
QByteArray Kml(const CSarnixDoc& doc, int8_t farbe = Variowerte);

// One track point or placemark coordinate as read back.
struct Punkt {
    double breite = 0;
    double laenge = 0;
    double hoehe = 0;
    QString zeit;
    QMap<QString, QString> werte;  // extension elements by local name
};

struct GpxInhalt {
    std::vector<std::vector<Punkt>> segmente;
    std::vector<Punkt> wegpunkte;
    QStringList wegpunktNamen;
    QString metadatenZeit;
    QString beschreibung;
    QMap<QString, QString> grenzen;
    bool fehlerfrei = false;  // well-formed XML
};
GpxInhalt LiesGpx(const QByteArray& xml);

struct KmlStueck {
    QString stil;
    std::vector<Punkt> punkte;
};
struct KmlInhalt {
    std::vector<std::vector<Punkt>> tracks;  // gx:Track with when and gx:coord
    std::vector<QString> zeiten;
    std::vector<KmlStueck> linien;            // LineString placemarks, in order
    QMap<QString, QString> stilFarben;        // Style id -> LineStyle colour
    QStringList ordner;
    QStringList placemarkNamen;
    std::vector<Punkt> orte;                  // Point placemarks, in order
    QStringList hoehenModi;
    bool fehlerfrei = false;
};
KmlInhalt LiesKml(const QByteArray& xml);

// Runs xmllint on the bytes against the GPX 1.1 schema (the file SARNIX_GPX_SCHEMA names, in the
// environment or else at the build); empty when valid, else its complaint.
QString SchemaFehler(const QByteArray& gpx);

}  // namespace exporttest
