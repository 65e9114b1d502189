#include "tiles/KartenQuelle.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QUrl>

KartenQuelle StandardQuelle()
{
    // The policy asks for this address alone: the old a/b/c names may disappear.
    return KartenQuelle{QStringLiteral("OpenStreetMap"),
                        QStringLiteral("https://tile.openstreetmap.org/{z}/{x}/{y}.png"), {}, 19,
                        QStringLiteral("© OpenStreetMap-Mitwirkende")};
}

QString VorlagenFehler(const QString& vorlage)
{
    QStringList fehlend;
    for (const char* teil : {"{z}", "{x}", "{y}"}) {
        if (!vorlage.contains(QLatin1String(teil)))
            fehlend << QLatin1String(teil);
    }
    if (!fehlend.isEmpty())
        return QCoreApplication::translate("Karte", "Der Kartenadresse fehlt %1").arg(fehlend.join(QStringLiteral(", ")));
    const QUrl url(QString(vorlage).replace(QLatin1Char('{'), QLatin1Char('_')).replace(QLatin1Char('}'), QLatin1Char('_')));
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        || url.host().isEmpty())
        return QCoreApplication::translate("Karte", "Die Kartenadresse ist keine http- oder https-Adresse");
    return {};
}

QString KachelAdresse(const QString& vorlage, int zoom, int64_t x, int64_t y)
{
    static const char* const namen[] = {"a", "b", "c"};
    QString s = vorlage;
    s.replace(QLatin1String("{z}"), QString::number(zoom));
    s.replace(QLatin1String("{x}"), QString::number(x));
    s.replace(QLatin1String("{y}"), QString::number(y));
    s.replace(QLatin1String("{s}"), QLatin1String(namen[static_cast<size_t>((x + y) % 3)]));
    return s;
}

QString QuellenKennung(const KartenQuelle& quelle)
{
    const QString was = quelle.IstDatei() ? quelle.mbtilesDatei : quelle.vorlage;
    const QByteArray h = QCryptographicHash::hash(was.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(h.left(16));
}

KartenQuelle QuelleAus(const QString& text, const std::vector<KartenQuelle>& bekannte)
{
    for (const KartenQuelle& q : bekannte) {
        if (q.name.compare(text, Qt::CaseInsensitive) == 0)
            return q;
    }
    KartenQuelle q;
    q.name = text;
    if (text.endsWith(QLatin1String(".mbtiles"), Qt::CaseInsensitive) || QFileInfo(text).isFile()) {
        q.mbtilesDatei = QFileInfo(text).absoluteFilePath();
        q.name = QFileInfo(text).completeBaseName();
        q.groessterZoom = 30;  // the file says what it holds
    } else {
        q.vorlage = text;
        const QUrl url(text);
        q.name = url.host().isEmpty() ? text : url.host();
        q.namensnennung = q.name;
    }
    return q;
}

std::vector<KartenQuelle> QuellenAusText(const QStringList& eintraege)
{
    std::vector<KartenQuelle> quellen{StandardQuelle()};
    for (const QString& e : eintraege) {
        const QStringList t = e.split(QLatin1Char('\t'));
        if (t.size() != 4 || t[0].isEmpty() || t[0] == quellen.front().name)
            continue;
        KartenQuelle q;
        q.name = t[0];
        if (t[1].endsWith(QLatin1String(".mbtiles"), Qt::CaseInsensitive))
            q.mbtilesDatei = t[1];
        else
            q.vorlage = t[1];
        bool ok = false;
        q.groessterZoom = t[2].toInt(&ok);
        if (!ok)
            q.groessterZoom = 19;
        q.namensnennung = t[3];
        quellen.push_back(q);
    }
    return quellen;
}

QStringList QuellenAlsText(const std::vector<KartenQuelle>& quellen)
{
    QStringList eintraege;
    for (size_t i = 1; i < quellen.size(); ++i) {
        const KartenQuelle& q = quellen[i];
        eintraege << QStringList{q.name, q.IstDatei() ? q.mbtilesDatei : q.vorlage,
                                 QString::number(q.groessterZoom), q.namensnennung}
                         .join(QLatin1Char('\t'));
    }
    return eintraege;
}

QString QuellenFehler(const KartenQuelle& quelle)
{
    return quelle.IstDatei() ? QString() : VorlagenFehler(quelle.vorlage);
}
