#include "export/FlugZeit.h"

#include "flight/CSarnixDoc.h"
#include "export/ExportWahl.h"

#include <QDateTime>

std::optional<QDate> DatumAus(const std::string& flugdatum)
{
    if (flugdatum.size() != 8 || flugdatum[2] != '-' || flugdatum[5] != '-')
        return std::nullopt;
    int gruppe[3] = {};
    for (int i = 0; i < 3; ++i) {
        const char zehner = flugdatum[static_cast<size_t>(3 * i)];
        const char einer = flugdatum[static_cast<size_t>(3 * i + 1)];
        if (zehner < '0' || zehner > '9' || einer < '0' || einer > '9')
            return std::nullopt;
        gruppe[i] = (zehner - '0') * 10 + (einer - '0');
    }
    const int jahr = gruppe[2] >= 80 ? 1900 + gruppe[2] : 2000 + gruppe[2];
    const QDate datum(jahr, gruppe[1], gruppe[0]);
    if (!datum.isValid())
        return std::nullopt;
    return datum;
}

FlugZeit::FlugZeit(const std::string& flugdatum, const QTimeZone& zeitzone)
    : datum(DatumAus(flugdatum)), zone(zeitzone.isValid() ? zeitzone : QTimeZone::utc())
{
    if (datum)
        mitternacht = QDateTime(*datum, QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch();
}

int64_t FlugZeit::Utc(int32_t zeit) const
{
    const int64_t lokal = mitternacht + zeit;
    if (lokal < gueltigVon || lokal > gueltigBis) {
        // Asking the zone costs microseconds; its offset holds until the next transition, which
        // for a whole flight is mostly never.
        const QDateTime moment = QDateTime::fromSecsSinceEpoch(lokal, QTimeZone::utc());
        const QDateTime hier(moment.date(), moment.time(), zone);
        versatz = hier.isValid() ? hier.offsetFromUtc() : zone.offsetFromUtc(moment);
        const int64_t utc = lokal - versatz;
        const QTimeZone::OffsetData naechste =
            zone.nextTransition(QDateTime::fromSecsSinceEpoch(utc, QTimeZone::utc()));
        gueltigVon = lokal;
        gueltigBis = naechste.atUtc.isValid() ? naechste.atUtc.toSecsSinceEpoch() + versatz - 1
                                              : INT64_MAX;
    }
    return lokal - versatz;
}

std::vector<int64_t> UtcZeiten(const std::vector<CDaten>& fixe, const FlugZeit& uhr)
{
    std::vector<int64_t> zeiten;
    if (!uhr.gueltig())
        return zeiten;
    zeiten.reserve(fixe.size());
    for (const CDaten& f : fixe)
        zeiten.push_back(uhr.Utc(f.zeit));
    return zeiten;
}

QTimeZone ZoneDerAufzeichnung(const CSarnixDoc& doc, const ExportWahl& wahl)
{
    return doc.igc.istIgc ? QTimeZone::utc() : wahl.zeitzone;
}

std::vector<int64_t> UtcZeiten(const CSarnixDoc& doc, const ExportWahl& wahl)
{
    return UtcZeiten(doc.datenListe, FlugZeit(doc.flugdatum, ZoneDerAufzeichnung(doc, wahl)));
}
