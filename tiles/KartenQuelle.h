#pragma once
// Where map tiles come from: a tile server's address with {z}, {x}, {y} (and {s} for its
// sub-domains), or a local MBTiles file; with the name the pilot picks it by, the largest zoom it
// serves and the attribution that must be drawn under the map.

#include <QString>
#include <QStringList>
#include <vector>

struct KartenQuelle {
    QString name;
    QString vorlage;        // the address template; empty for an MBTiles file
    QString mbtilesDatei;   // the file, empty for a tile server
    int groessterZoom = 19;
    QString namensnennung;

    bool IstDatei() const { return !mbtilesDatei.isEmpty(); }
    friend bool operator==(const KartenQuelle&, const KartenQuelle&) = default;
};

// The OpenStreetMap standard layer.
KartenQuelle StandardQuelle();

// Why a template cannot serve tiles, empty when it can: it needs {z}, {x} and {y} and must be
// an http or https address.
QString VorlagenFehler(const QString& vorlage);
// The same for any source; a file is always taken here, and says what is wrong with it on use.
QString QuellenFehler(const KartenQuelle& quelle);

// The address of one tile; {s} cycles through a, b and c so neighbouring tiles spread over the
// server's names.
QString KachelAdresse(const QString& vorlage, int zoom, int64_t x, int64_t y);

// A short name for the cache folder of a source: the same template always gives the same name.
QString QuellenKennung(const KartenQuelle& quelle);

// Picks a source for a command line's NAME|URL|FILE.mbtiles: a known source by name (case does
// not matter), an address template, or an MBTiles file. An address without {z} still becomes a
// source; VorlagenFehler says what is wrong with it.
KartenQuelle QuelleAus(const QString& text, const std::vector<KartenQuelle>& bekannte);

// The sources as stored in the settings, one per entry: name, template or file, largest zoom
// and attribution separated by tabs. The standard source comes first and is always there.
std::vector<KartenQuelle> QuellenAusText(const QStringList& eintraege);
QStringList QuellenAlsText(const std::vector<KartenQuelle>& quellen);
