#pragma once
// What an export writes and what it reports back.

#include "flight/Arten.h"

#include <QTimeZone>

#include <cstdint>
#include <memory>

struct Wertung;

enum class ExportFormat { Gpx, Kml };

struct ExportWahl {
    ExportFormat format = ExportFormat::Gpx;
    int8_t farbe = Variowerte;  // FarbArt of the KML's coloured track
    TemperaturReferenzArt temperaturReferenz = ReferenzExakt;  // of its temperature colouring
    // The zone the recording's time of day was kept in: the instrument's clock runs on local time.
    QTimeZone zeitzone = QTimeZone::systemTimeZone();
    // The scored path, written as a route (GPX) or placemarks and a line (KML) when given.
    std::shared_ptr<const Wertung> wertung;
};

struct ExportBericht {
    int64_t punkte = 0;     // track points written
    int64_t strecken = 0;   // stretches with positions (GPX segments, KML tracks)
    int64_t wegpunkte = 0;  // route points written
    int64_t stuecke = 0;    // coloured line pieces of the KML
    int64_t thermiken = 0;  // thermal placemarks of the KML
};
