#pragma once
// A tile server on 127.0.0.1 inside the test process. The first path segment says how it
// answers: gut (a generated tile), fehlt (404), fehler (500), kaputt (no PNG), riesig (a few
// bytes claiming 6000 x 6000 pixels), schmal (256 x 128), langsam (a tile after 300 ms), stumm
// (never), kreis (a redirect to itself).

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <functional>

class KachelServer : public QObject {
public:
    KachelServer();
    QString Vorlage(const char* art) const;

    // The tile's picture; a 5° checkerboard of black and white by default.
    std::function<QImage(int z, int x, int y)> kachel;
    QByteArray zusatz;  // header lines sent with every tile, each ending in \r\n
    int anfragen = 0;
    int offen = 0;
    int hoechstensOffen = 0;
    QByteArray letzterAgent;
    QByteArray letztesIfNoneMatch;

private:
    void Antworte(class QTcpSocket* s, const QByteArray& anfrage);
    QTcpServer server;
};

// The checkerboard: black where floor(lat / 5) + floor(lon / 5) is odd, taken at each tile
// pixel's centre.
QImage Schachbrett(int z, int x, int y);
