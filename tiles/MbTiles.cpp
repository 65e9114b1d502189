#include "tiles/MbTiles.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString NeueVerbindung()
{
    static QAtomicInteger<int> zaehler;
    return QStringLiteral("sarnix-mbtiles-%1").arg(zaehler.fetchAndAddRelaxed(1));
}

}  // namespace

MbTiles::MbTiles(const QString& datei) : verbindung(NeueVerbindung())
{
    if (!QFileInfo(datei).isFile()) {
        fehler = QCoreApplication::translate("Karte", "MBTiles-Datei nicht gefunden: %1").arg(datei);
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindung);
    if (!db.isValid()) {
        fehler = QCoreApplication::translate("Karte", "SQLite fehlt: MBTiles-Dateien können nicht gelesen werden");
        return;
    }
    db.setDatabaseName(datei);
    // A file another program holds locked answers at once instead of after the default 5 s.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=200"));
    if (!db.open()) {
        fehler = QCoreApplication::translate("Karte", "MBTiles-Datei lässt sich nicht öffnen: %1").arg(db.lastError().text());
        return;
    }
    QSqlQuery q(db);
    // Files made by hand often lack the metadata; the tiles alone are enough to draw.
    q.exec(QStringLiteral("SELECT name, value FROM metadata"));
    while (q.next()) {
        const QString name = q.value(0).toString();
        if (name == QLatin1String("attribution"))
            namensnennung = q.value(1).toString();
        else if (name == QLatin1String("maxzoom"))
            groessterZoom = q.value(1).toInt();
    }
    // A file without maxzoom in its metadata says it through its tiles.
    if (q.exec(QStringLiteral("SELECT max(zoom_level) FROM tiles")) && q.next() && !q.value(0).isNull())
        groessterZoom = q.value(0).toInt();
    else if (q.lastError().isValid())
        fehler = QCoreApplication::translate("Karte", "MBTiles-Datei ist beschädigt oder gesperrt: %1").arg(q.lastError().text());
}

MbTiles::~MbTiles()
{
    if (QSqlDatabase::contains(verbindung)) {
        QSqlDatabase::database(verbindung, false).close();
        QSqlDatabase::removeDatabase(verbindung);
    }
}

std::optional<QByteArray> MbTiles::Kachel(int zoom, int64_t x, int64_t y)
{
    if (!fehler.isEmpty() || zoom < 0 || zoom > 30)
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(verbindung, false));
    q.prepare(QStringLiteral(
        "SELECT tile_data FROM tiles WHERE zoom_level = ? AND tile_column = ? AND tile_row = ?"));
    q.addBindValue(zoom);
    q.addBindValue(static_cast<qlonglong>(x));
    q.addBindValue(static_cast<qlonglong>((int64_t{1} << zoom) - 1 - y));
    if (!q.exec()) {
        fehler = QCoreApplication::translate("Karte", "MBTiles-Datei ist beschädigt oder gesperrt: %1").arg(q.lastError().text());
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    return q.value(0).toByteArray();
}
