#pragma once
// The map of one source for whoever draws: it answers "the map for this picture" with what it
// has at once (memory, then the disk cache or the MBTiles file, coarser tiles standing in for
// missing ones) and fetches the rest in the background, politely: an identifying User-Agent, at
// most two requests per server at a time, the server's cache headers honoured, and only the
// tiles the last picture needed. When tiles arrive it says so once per burst.

#include "tiles/KachelAblage.h"
#include "tiles/KartenQuelle.h"
#include "tiles/KartenWarp.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <memory>
#include <unordered_map>
#include <vector>

class MbTiles;
class QNetworkAccessManager;
class QNetworkReply;

class Kartendienst : public QObject {
    Q_OBJECT
public:
    // ablageGrenze: bytes the disk cache may take (all sources together).
    explicit Kartendienst(const KartenQuelle& quelle, const QString& ablageWurzel = KachelAblage::StandardWurzel(),
                          int64_t ablageGrenze = int64_t{200} << 20, QObject* parent = nullptr);
    ~Kartendienst() override;
    Kartendienst(const Kartendienst&) = delete;
    Kartendienst& operator=(const Kartendienst&) = delete;

    const KartenQuelle& Quelle() const { return quelle; }
    // The text that must be drawn with the map.
    QString Namensnennung() const;

    struct Ergebnis {
        int zoom = 0;
        int benoetigt = 0;  // tiles of that zoom the picture touches
        int fehlend = 0;    // of those, drawn from a coarser tile or not at all
    };
    // Draws the map into ziel (see Verzerren). With laden false nothing is fetched from the
    // network (printing: the cache and MBTiles only).
    Ergebnis Zeichne(QImage& ziel, const KartenAusschnitt& a, bool laden = true);

    // What is missing and why; empty when the last picture was complete.
    QString Hinweis() const;
    // Requests queued or under way.
    int Offen() const;
    // Processes events until nothing is open or ms have passed; true when nothing is open.
    bool Warten(int ms);

    // How long one answer may take before it counts as lost (default 15 s).
    void SetzeWartezeit(int ms) { wartezeit = ms; }

    // The User-Agent sent with every request: the program and its version.
    static QByteArray BenutzerKennung();

signals:
    void kachelnAngekommen();

private:
    struct Speicherkachel {
        QImage bild;
        uint64_t benutzt = 0;
    };
    struct Anfrage {
        KachelNummer k;
        QByteArray etag;
        QByteArray geaendert;
    };

    // The tile from memory, or a coarser one that covers it.
    KachelTreffer Ersatz(const KachelNummer& k);
    const QImage* AusSpeicher(const KachelNummer& k);
    // Reads the tile from the MBTiles file or the disk cache into memory; a stale cached tile is
    // used and also asked for again.
    const QImage* AusDatei(const KachelNummer& k, bool laden);
    void Ablegen(const KachelNummer& k, const QImage& bild);
    void Wuensche(std::vector<Anfrage> liste);
    void StarteNaechste();
    void Fertig(QNetworkReply* antwort, const Anfrage& anfrage);
    void Fehlschlag(const KachelNummer& k, const QString& grund);
    void Aufraeumen();

    KartenQuelle quelle;
    QString quellenFehler;
    std::unique_ptr<MbTiles> datei;
    std::unique_ptr<KachelAblage> ablage;
    std::unique_ptr<QNetworkAccessManager> netz;
    std::unordered_map<uint64_t, Speicherkachel> speicher;
    uint64_t uhr = 0;  // counts lookups, for dropping the tiles used longest ago
    std::vector<Anfrage> warteschlange;
    QHash<QNetworkReply*, Anfrage> laufend;
    QHash<QString, int> laufendJeServer;
    QSet<uint64_t> unterwegs;            // queued or running
    QSet<uint64_t> geprueft;             // asked once in this session, fresh or not
    QHash<uint64_t, QString> gescheitert;  // not asked again in this session
    std::vector<Anfrage> gewuenscht;     // collected while drawing
    QStringList letzteGruende;
    Ergebnis letztes;
    int wartezeit = 15000;
    QTimer meldung;
};
