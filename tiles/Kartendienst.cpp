#include "tiles/Kartendienst.h"

#include "tiles/KachelBild.h"
#include "tiles/MbTiles.h"
#include "tiles/Mercator.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int jeServer = 2;                      // the tile policies' limit
constexpr qint64 groessteAntwort = 4 << 20;      // bytes; a tile is a few tens of KiB
constexpr size_t kachelnImSpeicher = 384;        // 96 MiB of decoded tiles: four full screens
constexpr int ersatzStufen = 4;                  // coarser zooms that may stand in

uint64_t Schluessel(const KachelNummer& k)
{
    return (uint64_t(unsigned(k.zoom)) << 58) | (uint64_t(k.x) << 29) | uint64_t(k.y);
}

QString ServerVon(const QString& adresse)
{
    return QUrl(adresse).host();
}

// The tile `stufe` zoom levels coarser that covers k.
KachelNummer Grober(const KachelNummer& k, int stufe) { return {k.zoom - stufe, k.x >> stufe, k.y >> stufe}; }

}  // namespace

Kartendienst::Kartendienst(const KartenQuelle& q, const QString& ablageWurzel, int64_t ablageGrenze, QObject* parent)
    : QObject(parent), quelle(q)
{
    meldung.setSingleShot(true);
    meldung.setInterval(40);  // a burst of tiles is one redraw, not one per tile
    connect(&meldung, &QTimer::timeout, this, &Kartendienst::kachelnAngekommen);
    if (quelle.IstDatei()) {
        datei = std::make_unique<MbTiles>(quelle.mbtilesDatei);
        quellenFehler = datei->Fehler();
        quelle.groessterZoom = std::min(quelle.groessterZoom, datei->GroessterZoom());
        if (quelle.namensnennung.isEmpty())
            quelle.namensnennung = datei->Namensnennung();
        return;
    }
    quellenFehler = VorlagenFehler(quelle.vorlage);
    if (!quellenFehler.isEmpty())
        return;
    ablage = std::make_unique<KachelAblage>(ablageWurzel, QuellenKennung(quelle), ablageGrenze);
    netz = std::make_unique<QNetworkAccessManager>();
    netz->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

Kartendienst::~Kartendienst()
{
    const auto antworten = laufend.keys();
    for (QNetworkReply* a : antworten) {
        a->disconnect(this);
        a->abort();
        a->deleteLater();
    }
}

QByteArray Kartendienst::BenutzerKennung()
{
    return QByteArrayLiteral("Sarnix/" SARNIX_VERSION " (flight recording viewer; Qt/") + qVersion() + ')';
}

QString Kartendienst::Namensnennung() const
{
    return quelle.namensnennung;
}

const QImage* Kartendienst::AusSpeicher(const KachelNummer& k)
{
    const auto it = speicher.find(Schluessel(k));
    if (it == speicher.end())
        return nullptr;
    it->second.benutzt = ++uhr;
    return &it->second.bild;
}

void Kartendienst::Ablegen(const KachelNummer& k, const QImage& bild)
{
    speicher[Schluessel(k)] = {bild, ++uhr};
}

const QImage* Kartendienst::AusDatei(const KachelNummer& k, bool laden)
{
    const uint64_t s = Schluessel(k);
    if (gescheitert.contains(s))
        return nullptr;
    if (datei) {
        const std::optional<QByteArray> daten = datei->Kachel(k.zoom, k.x, k.y);
        if (!daten) {
            if (!datei->Fehler().isEmpty())
                quellenFehler = datei->Fehler();
            return nullptr;
        }
        KachelBild b = KachelDekodieren(*daten);
        if (b.bild.isNull()) {
            Fehlschlag(k, b.fehler);
            return nullptr;
        }
        Ablegen(k, b.bild);
        return AusSpeicher(k);
    }
    if (!ablage)
        return nullptr;
    const std::optional<KachelEintrag> e = ablage->Lies(k.zoom, k.x, k.y);
    const QImage* gefunden = nullptr;
    if (e) {
        KachelBild b = KachelDekodieren(e->daten);
        if (!b.bild.isNull()) {
            Ablegen(k, b.bild);
            gefunden = AusSpeicher(k);
        }
    }
    const bool frisch = gefunden && e->frischBis > QDateTime::currentDateTimeUtc();
    if (laden && !frisch && !geprueft.contains(s) && !unterwegs.contains(s))
        gewuenscht.push_back(gefunden ? Anfrage{k, e->etag, e->geaendert} : Anfrage{k, {}, {}});
    return gefunden;
}

KachelTreffer Kartendienst::Ersatz(const KachelNummer& k)
{
    if (const QImage* b = AusSpeicher(k))
        return {b, 0, {0, 0}};
    // A coarser tile already in memory, enlarged, until the right one arrives: no blank
    // squares after a wheel notch.
    for (int stufe = 1; stufe <= ersatzStufen && stufe <= k.zoom; ++stufe) {
        if (const QImage* b = AusSpeicher(Grober(k, stufe))) {
            const int teil = kachelPixel >> stufe;
            const int maske = (1 << stufe) - 1;
            return {b, stufe, {static_cast<int>(k.x & maske) * teil, static_cast<int>(k.y & maske) * teil}};
        }
    }
    return {};
}

Kartendienst::Ergebnis Kartendienst::Zeichne(QImage& ziel, const KartenAusschnitt& a, bool laden)
{
    letztes = {};
    letzteGruende.clear();
    if (!quellenFehler.isEmpty())
        return letztes;
    Aufraeumen();
    const int zoom = ZoomFuerAusschnitt(a, quelle.groessterZoom);
    const std::vector<KachelNummer> kacheln = KachelnIm(a, zoom);
    letztes.zoom = zoom;
    letztes.benoetigt = static_cast<int>(kacheln.size());
    gewuenscht.clear();
    // Looked up in the order of nearness, so the fetch queue starts in the middle.
    for (const KachelNummer& k : kacheln) {
        if (AusSpeicher(k) || AusDatei(k, laden))
            continue;
        ++letztes.fehlend;
        const QString grund = gescheitert.value(Schluessel(k));
        if (!grund.isEmpty() && !letzteGruende.contains(grund))
            letzteGruende << grund;
        // Printing asks for finer tiles than the window showed and fetches none: a coarser one
        // from the cache or the file stands in.
        for (int stufe = 1; !laden && stufe <= ersatzStufen && stufe <= k.zoom; ++stufe)
            if (AusSpeicher(Grober(k, stufe)) || AusDatei(Grober(k, stufe), false))
                break;
    }
    Verzerren(ziel, a, zoom, [this](const KachelNummer& k) { return Ersatz(k); });
    if (laden && netz)
        Wuensche(std::move(gewuenscht));
    return letztes;
}

void Kartendienst::Aufraeumen()
{
    if (speicher.size() <= kachelnImSpeicher)
        return;
    std::vector<std::pair<uint64_t, uint64_t>> alter;  // used, key
    alter.reserve(speicher.size());
    for (const auto& [s, e] : speicher)
        alter.emplace_back(e.benutzt, s);
    std::sort(alter.begin(), alter.end());
    for (size_t i = 0; i + kachelnImSpeicher < alter.size(); ++i)
        speicher.erase(alter[i].second);
}

void Kartendienst::Wuensche(std::vector<Anfrage> liste)
{
    // What the view no longer shows is not fetched; what is under way finishes.
    for (const Anfrage& a : warteschlange)
        unterwegs.remove(Schluessel(a.k));
    warteschlange.clear();
    for (Anfrage& a : liste) {
        const uint64_t s = Schluessel(a.k);
        if (unterwegs.contains(s) || gescheitert.contains(s))
            continue;
        unterwegs.insert(s);
        warteschlange.push_back(std::move(a));
    }
    StarteNaechste();
}

void Kartendienst::StarteNaechste()
{
    for (auto it = warteschlange.begin(); it != warteschlange.end();) {
        const QString adresse = KachelAdresse(quelle.vorlage, it->k.zoom, it->k.x, it->k.y);
        const QString server = ServerVon(adresse);
        if (laufendJeServer.value(server) >= jeServer) {
            ++it;
            continue;
        }
        QNetworkRequest anfrage{QUrl(adresse)};
        anfrage.setHeader(QNetworkRequest::UserAgentHeader, BenutzerKennung());
        anfrage.setRawHeader("Accept", "image/png,image/*;q=0.8");
        if (!it->etag.isEmpty())
            anfrage.setRawHeader("If-None-Match", it->etag);
        if (!it->geaendert.isEmpty())
            anfrage.setRawHeader("If-Modified-Since", it->geaendert);
        anfrage.setMaximumRedirectsAllowed(5);
        anfrage.setTransferTimeout(wartezeit);
        QNetworkReply* antwort = netz->get(anfrage);
        const Anfrage auftrag = *it;
        laufend.insert(antwort, auftrag);
        ++laufendJeServer[server];
        connect(antwort, &QNetworkReply::downloadProgress, antwort, [antwort](qint64 erhalten, qint64) {
            if (erhalten > groessteAntwort) {
                antwort->setProperty("zuGross", true);
                antwort->abort();
            }
        });
        connect(antwort, &QNetworkReply::finished, this, [this, antwort, auftrag, server] {
            laufend.remove(antwort);
            if (--laufendJeServer[server] <= 0)
                laufendJeServer.remove(server);
            Fertig(antwort, auftrag);
            antwort->deleteLater();
            StarteNaechste();
        });
        it = warteschlange.erase(it);
    }
}

void Kartendienst::Fehlschlag(const KachelNummer& k, const QString& grund)
{
    gescheitert.insert(Schluessel(k), grund);
}

void Kartendienst::Fertig(QNetworkReply* antwort, const Anfrage& anfrage)
{
    const KachelNummer k = anfrage.k;
    const uint64_t s = Schluessel(k);
    unterwegs.remove(s);
    geprueft.insert(s);
    const int status = antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QDateTime jetzt = QDateTime::currentDateTimeUtc();
    const QDateTime frisch = FrischBis(antwort->rawHeader("Cache-Control"), antwort->rawHeader("Expires"),
                                       antwort->rawHeader("Date"), antwort->rawHeader("Age"), jetzt);
    if (status == 304) {
        ablage->Erneuere(k.zoom, k.x, k.y, frisch);
        return;  // the picture in memory stays right
    }
    if (antwort->error() != QNetworkReply::NoError || status != 200) {
        QString grund;
        if (antwort->error() == QNetworkReply::TooManyRedirectsError)
            grund = QCoreApplication::translate("Karte", "Kachelserver leitet im Kreis um");
        else if (antwort->property("zuGross").toBool())
            grund = QCoreApplication::translate("Karte", "Kachel ist zu groß");
        else if (antwort->error() == QNetworkReply::OperationCanceledError
                 || antwort->error() == QNetworkReply::TimeoutError)
            grund = QCoreApplication::translate("Karte", "Kachelserver antwortet nicht");
        else if (status >= 400)
            grund = QCoreApplication::translate("Karte", "Kachelserver antwortet mit HTTP %1").arg(status);
        else
            grund = QCoreApplication::translate("Karte", "Kachelserver nicht erreichbar: %1").arg(antwort->errorString());
        // A tile that failed is not asked for again while this map is shown, except one
        // that is only out of date: its old picture goes on being drawn.
        if (!AusSpeicher(k))
            Fehlschlag(k, grund);
        return;
    }
    const QByteArray daten = antwort->readAll();
    KachelBild b = KachelDekodieren(daten);
    if (b.bild.isNull()) {
        Fehlschlag(k, b.fehler);
        return;
    }
    if (!NichtAblegen(antwort->rawHeader("Cache-Control")))
        ablage->Schreibe(k.zoom, k.x, k.y,
                         {daten, frisch, antwort->rawHeader("ETag"), antwort->rawHeader("Last-Modified")});
    Ablegen(k, b.bild);
    meldung.start();
}

QString Kartendienst::Hinweis() const
{
    if (!quellenFehler.isEmpty())
        return quellenFehler;
    QStringList teile;
    if (ablage && !ablage->Fehler().isEmpty())
        teile << ablage->Fehler();
    if (letztes.fehlend > 0) {
        teile << QCoreApplication::translate("Karte", "%1 von %2 Kacheln fehlen").arg(letztes.fehlend).arg(letztes.benoetigt);
        teile << letzteGruende.mid(0, 2);
    }
    return teile.join(QStringLiteral("; "));
}

int Kartendienst::Offen() const
{
    return static_cast<int>(warteschlange.size()) + static_cast<int>(laufend.size());
}

bool Kartendienst::Warten(int ms)
{
    if (Offen() == 0)
        return true;
    const QDeadlineTimer frist(ms);
    QEventLoop schleife;
    QTimer pruefen;
    connect(&pruefen, &QTimer::timeout, &schleife, [&] {
        if (Offen() == 0 || frist.hasExpired())
            schleife.quit();
    });
    pruefen.start(10);
    schleife.exec();
    return Offen() == 0;
}
