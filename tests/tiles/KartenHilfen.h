#pragma once
// Drawing a map from the test server into a picture, and checking it against the checkerboard.

#include "KachelServer.h"

#include "tiles/Kartendienst.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace karte {

// Lightened black and white as the map draws them.
inline constexpr QRgb dunkel = 0xFF808080;
inline constexpr QRgb hell = 0xFFFFFFFF;

// Draws once, waits for the tiles and draws again onto a picture filled with `grund`.
QImage Zeichnen(Kartendienst& d, const KartenAusschnitt& a, QRgb grund = hell);

// Pixels that differ from the checkerboard, taken at each pixel's centre in the view's linear
// longitude and latitude; pixels still showing `grund` count as missing.
int Abweichungen(const QImage& bild, const KartenAusschnitt& a, QRgb grund = 0);

struct KarteTest : ::testing::Test {
    KachelServer server;
    QTemporaryDir ablage;
    std::unique_ptr<Kartendienst> Dienst(const char* art, int wartezeit = 3000)
    {
        auto d = std::make_unique<Kartendienst>(KartenQuelle{QStringLiteral("Test"), server.Vorlage(art), {}, 19,
                                                             QStringLiteral("© Test")},
                                                ablage.path());
        d->SetzeWartezeit(wartezeit);
        return d;
    }
};

}  // namespace karte
