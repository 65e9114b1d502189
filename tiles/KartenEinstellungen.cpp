#include "tiles/KartenEinstellungen.h"

#include <QSettings>
#include <algorithm>

namespace {

const QString gruppe = QStringLiteral("Settings");

}  // namespace

const KartenQuelle& KartenEinstellungen::Gewaehlt() const
{
    const auto it = std::find_if(quellen.begin(), quellen.end(), [&](const KartenQuelle& q) { return q.name == quelle; });
    return it != quellen.end() ? *it : quellen.front();
}

KartenEinstellungen KartenEinstellungenLesen()
{
    QSettings s;
    s.beginGroup(gruppe);
    KartenEinstellungen e;
    e.an = s.value(QStringLiteral("Karte"), 0).toInt() == 1;
    e.quellen = QuellenAusText(s.value(QStringLiteral("KartenQuellen")).toStringList());
    e.quelle = s.value(QStringLiteral("KartenQuelle"), e.quellen.front().name).toString();
    bool ok = false;
    const int mb = s.value(QStringLiteral("KartenSpeicherMB"), 200).toInt(&ok);
    e.speicherMb = ok ? std::clamp(mb, 10, 100000) : 200;
    return e;
}

void KartenEinstellungenSchreiben(const KartenEinstellungen& e)
{
    QSettings s;
    s.beginGroup(gruppe);
    s.setValue(QStringLiteral("Karte"), e.an ? 1 : 0);
    s.setValue(QStringLiteral("KartenQuelle"), e.quelle);
    s.setValue(QStringLiteral("KartenQuellen"), QuellenAlsText(e.quellen));
    s.setValue(QStringLiteral("KartenSpeicherMB"), e.speicherMb);
}
