#pragma once
// An MBTiles file (SQLite) read only: its metadata and its tiles. Rows are counted from the south
// (TMS) in the file and from the north in the tile address, so the row is turned over here.

#include <QByteArray>
#include <QString>
#include <optional>

class MbTiles {
public:
    explicit MbTiles(const QString& datei);
    ~MbTiles();
    MbTiles(const MbTiles&) = delete;
    MbTiles& operator=(const MbTiles&) = delete;

    // Empty when the file opened and holds a tiles table.
    const QString& Fehler() const { return fehler; }
    const QString& Namensnennung() const { return namensnennung; }
    int GroessterZoom() const { return groessterZoom; }

    // The tile's bytes at zoom z, column x, row y counted from the north; nullopt when the file
    // does not hold it. A read that fails (the file locked or damaged) sets Fehler().
    std::optional<QByteArray> Kachel(int zoom, int64_t x, int64_t y);

private:
    QString verbindung;
    QString fehler;
    QString namensnennung;
    int groessterZoom = 30;
};
