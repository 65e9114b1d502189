#pragma once
// The tiles fetched from a server, kept on disk in the user's cache folder with what HTTP said
// about them (until when they are fresh, ETag, Last-Modified), so that a tile is asked for again
// only when it has expired, and then with a question the server can answer with "unchanged".
// Each tile is written to a temporary file and renamed; past the size limit the tiles written
// longest ago go first.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

struct KachelEintrag {
    QByteArray daten;
    QDateTime frischBis;  // UTC
    QByteArray etag;
    QByteArray geaendert;  // Last-Modified as the server wrote it
};

class KachelAblage {
public:
    // ordner is the folder of one source; grenze the bytes all sources together may take,
    // counted under wurzel.
    KachelAblage(const QString& wurzel, const QString& ordner, int64_t grenze);

    // Empty while the folder can be written.
    const QString& Fehler() const { return fehler; }

    std::optional<KachelEintrag> Lies(int zoom, int64_t x, int64_t y) const;
    // False when it could not be written; Fehler() then says why.
    bool Schreibe(int zoom, int64_t x, int64_t y, const KachelEintrag& eintrag);
    // A tile the server confirmed unchanged: only its freshness moves on.
    void Erneuere(int zoom, int64_t x, int64_t y, const QDateTime& frischBis);

    // The cache folder for tiles in the user's cache location.
    static QString StandardWurzel();
    int64_t Belegt() const { return belegt; }

private:
    QString Datei(int zoom, int64_t x, int64_t y) const;
    void Zaehlen();
    void Kuerzen();

    QString wurzel;
    QString ordner;
    int64_t grenze;
    int64_t belegt = -1;  // counted on the first write
    QString fehler;
};

// What the answer's headers say about freshness: max-age (less Age) before Expires; seven days
// when the server says nothing, as the OpenStreetMap tile policy asks. `jetzt` in UTC.
QDateTime FrischBis(const QByteArray& cacheControl, const QByteArray& expires, const QByteArray& date,
                    const QByteArray& age, const QDateTime& jetzt);
// True for "no-store": the answer may be shown but not kept.
bool NichtAblegen(const QByteArray& cacheControl);
