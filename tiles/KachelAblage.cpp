#include "tiles/KachelAblage.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <vector>

namespace {

constexpr quint32 kennung = 0x53584b31;  // "SXK1"
constexpr int64_t standardFrische = 7 * 24 * 3600;

QDateTime HttpDatum(const QByteArray& text)
{
    // RFC 9110's preferred form; servers send nothing else today.
    QDateTime d = QLocale::c().toDateTime(QString::fromLatin1(text.trimmed()),
                                          QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    d.setTimeSpec(Qt::UTC);
    return d;
}

std::optional<int64_t> Anweisung(const QByteArray& cacheControl, const char* name)
{
    for (const QByteArray& teil : cacheControl.split(',')) {
        const QByteArray t = teil.trimmed().toLower();
        if (t == name)
            return 0;
        if (t.startsWith(QByteArray(name) + '=')) {
            bool ok = false;
            const int64_t wert = t.mid(static_cast<qsizetype>(qstrlen(name)) + 1).toLongLong(&ok);
            return ok ? std::optional<int64_t>(wert) : std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

QDateTime FrischBis(const QByteArray& cacheControl, const QByteArray& expires, const QByteArray& date,
                    const QByteArray& age, const QDateTime& jetzt)
{
    if (Anweisung(cacheControl, "no-cache") || Anweisung(cacheControl, "must-revalidate") == 0)
        return jetzt;  // to be asked again each time
    if (const auto maxAge = Anweisung(cacheControl, "max-age"))
        return jetzt.addSecs(std::max<int64_t>(0, *maxAge - std::max<qlonglong>(0, age.trimmed().toLongLong())));
    if (!expires.isEmpty()) {
        const QDateTime bis = HttpDatum(expires);
        if (!bis.isValid())
            return jetzt;  // an invalid date means already expired
        const QDateTime gesendet = HttpDatum(date);
        // Measured against the server's own clock where it sent one.
        return gesendet.isValid() ? jetzt.addSecs(gesendet.secsTo(bis)) : bis;
    }
    return jetzt.addSecs(standardFrische);
}

bool NichtAblegen(const QByteArray& cacheControl)
{
    return Anweisung(cacheControl, "no-store").has_value();
}

KachelAblage::KachelAblage(const QString& wurzelOrdner, const QString& quellOrdner, int64_t grenzeBytes)
    : wurzel(wurzelOrdner), ordner(QDir(wurzelOrdner).filePath(quellOrdner)), grenze(grenzeBytes)
{
    if (!QDir().mkpath(ordner) || !QFileInfo(ordner).isWritable())
        fehler = QCoreApplication::translate("Karte", "Kartenspeicher nicht beschreibbar: %1").arg(QDir::toNativeSeparators(ordner));
}

QString KachelAblage::StandardWurzel()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).filePath(QStringLiteral("kacheln"));
}

QString KachelAblage::Datei(int zoom, int64_t x, int64_t y) const
{
    return QStringLiteral("%1/%2/%3/%4.kachel").arg(ordner).arg(zoom).arg(x).arg(y);
}

std::optional<KachelEintrag> KachelAblage::Lies(int zoom, int64_t x, int64_t y) const
{
    QFile datei(Datei(zoom, x, y));
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    QDataStream s(&datei);
    quint32 k = 0;
    qint64 frisch = 0;
    KachelEintrag e;
    s >> k >> frisch >> e.etag >> e.geaendert >> e.daten;
    if (k != kennung || s.status() != QDataStream::Ok)
        return std::nullopt;  // a foreign or cut-off file is fetched again
    e.frischBis = QDateTime::fromSecsSinceEpoch(frisch, Qt::UTC);
    return e;
}

bool KachelAblage::Schreibe(int zoom, int64_t x, int64_t y, const KachelEintrag& e)
{
    if (!fehler.isEmpty())
        return false;
    const QString pfad = Datei(zoom, x, y);
    const QFileInfo info(pfad);
    QDir().mkpath(info.path());
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        fehler = QCoreApplication::translate("Karte", "Kartenspeicher nicht beschreibbar: %1").arg(QDir::toNativeSeparators(ordner));
        return false;
    }
    QDataStream s(&datei);
    s << kennung << static_cast<qint64>(e.frischBis.toSecsSinceEpoch()) << e.etag << e.geaendert << e.daten;
    const int64_t vorher = info.exists() ? info.size() : 0;
    if (!datei.commit()) {
        fehler = QCoreApplication::translate("Karte", "Kartenspeicher nicht beschreibbar: %1").arg(QDir::toNativeSeparators(ordner));
        return false;
    }
    if (belegt < 0)
        Zaehlen();
    else
        belegt += QFileInfo(pfad).size() - vorher;
    if (belegt > grenze)
        Kuerzen();
    return true;
}

void KachelAblage::Erneuere(int zoom, int64_t x, int64_t y, const QDateTime& frischBis)
{
    if (auto e = Lies(zoom, x, y)) {
        e->frischBis = frischBis;
        Schreibe(zoom, x, y, *e);
    }
}

void KachelAblage::Zaehlen()
{
    belegt = 0;
    QDirIterator it(wurzel, {QStringLiteral("*.kachel")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        belegt += it.fileInfo().size();
    }
}

void KachelAblage::Kuerzen()
{
    struct Datei {
        QString pfad;
        QDateTime zeit;
        int64_t groesse;
    };
    std::vector<Datei> dateien;
    QDirIterator it(wurzel, {QStringLiteral("*.kachel")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo i = it.fileInfo();
        dateien.push_back({i.filePath(), i.lastModified(), i.size()});
    }
    std::sort(dateien.begin(), dateien.end(), [](const Datei& a, const Datei& b) { return a.zeit < b.zeit; });
    // Down to nine tenths, so that the next few tiles do not walk the folder again.
    const int64_t ziel = grenze / 10 * 9;
    for (const Datei& d : dateien) {
        if (belegt <= ziel)
            break;
        if (QFile::remove(d.pfad))
            belegt -= d.groesse;
    }
}
