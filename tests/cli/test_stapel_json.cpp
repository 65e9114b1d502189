// The JSON of several recordings as a script reads it: one entry per input in the order given,
// a failed input as {"datei", "fehler"}, the summary's figures as numbers.

#include "TestHilfen.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

class StapelJson : public test::CliTest {};

// The entries of a run: its array, or one object a line.
QJsonArray Eintraege(const QString& aus)
{
    const QJsonDocument ganz = QJsonDocument::fromJson(aus.toUtf8());
    if (ganz.isArray())
        return ganz.array();
    QJsonArray liste;
    for (const QString& zeile : aus.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        liste.append(QJsonDocument::fromJson(zeile.toUtf8()).object());
    return liste;
}

}  // namespace

TEST_F(StapelJson, JedeEingabeHatIhrenEintrag)
{
    const QString fehlt = ordner.filePath(QStringLiteral("fehlt.igc"));
    const QStringList eingaben{test::Probe("lokalflug-1h.vrl"), fehlt, test::Probe("suedwest-3h.vrl")};
    const QString kml = ordner.filePath(QStringLiteral("kml/"));
    const struct {
        QStringList argumente;
        QStringList dateien;  // written by the run
    } faelle[] = {
        {QStringList{QStringLiteral("info")} + eingaben, {}},
        {QStringList{QStringLiteral("info"), QStringLiteral("--jsonl")} + eingaben, {}},
        {QStringList{QStringLiteral("export")} + eingaben
             + QStringList{QStringLiteral("-o"), kml, QStringLiteral("--format"), QStringLiteral("kml")},
         {kml + QStringLiteral("lokalflug-1h.kml"), kml + QStringLiteral("suedwest-3h.kml")}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.argumente.join(QLatin1Char(' ')).toStdString());
        const test::Lauf lauf = test::Starte(test::SarnixCli(), fall.argumente);
        EXPECT_EQ(lauf.code, 1);
        const QJsonArray liste = Eintraege(lauf.aus);
        ASSERT_EQ(liste.size(), 3) << lauf.aus.toStdString();
        EXPECT_FALSE(liste[0].toObject().contains(QStringLiteral("fehler")));
        EXPECT_EQ(liste[1][QStringLiteral("datei")].toString(), fehlt);
        EXPECT_TRUE(liste[1][QStringLiteral("fehler")].toString().startsWith(fehlt + QLatin1Char(' ')));
        EXPECT_FALSE(liste[2].toObject().contains(QStringLiteral("fehler")));
        for (const QString& datei : fall.dateien)
            EXPECT_TRUE(QFileInfo::exists(datei)) << datei.toStdString();
    }
}

TEST_F(StapelJson, ZahlenUndVersatzDerUhrzeit)
{
    // The one-hour sample's summary reads 1450 m, 720 m, 2385 m, 4.2 m/s, 1.9 m/s, 32.7 km, 00:52.
    const QDir igc(QStringLiteral(SARNIX_TESTDATA_DIR "/igc"));
    const test::Lauf lauf = test::Starte(test::SarnixCli(), {QStringLiteral("info"), test::Probe("lokalflug-1h.vrl"),
                                                             igc.filePath(QStringLiteral("sp-quebec-asw27-ausschnitt.igc")),
                                                             igc.filePath(QStringLiteral("pg-brazil-ausschnitt.igc"))});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    const QJsonArray liste = Eintraege(lauf.aus);
    ASSERT_EQ(liste.size(), 3);
    EXPECT_EQ(liste[0][QStringLiteral("startplatzHoehe")].toString(), QStringLiteral("1450 m"));
    const std::pair<const char*, double> zahlen[] = {
        {"startHoeheMeter", 1450},          {"landeHoeheMeter", 720},          {"maxHoeheMeter", 2385},
        {"maxSteigenMeterProSekunde", 4.2}, {"maxSinkenMeterProSekunde", 1.9}, {"flugstreckeKilometer", 32.7},
        {"flugdauerMinuten", 52}};
    for (const auto& [schluessel, wert] : zahlen)
        EXPECT_EQ(liste[0][QLatin1String(schluessel)].toDouble(-1), wert) << schluessel;
    // The fixes' "zeit" stays as recorded (UTC in an IGC log); the offset says how the window shows it.
    const std::pair<int, const char*> versatz[] = {{0, "aufzeichnung"}, {-240, "ortszeit"}, {0, "utc"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(liste[i][QStringLiteral("zeitVersatzMinuten")].toInt(-1), versatz[i].first) << i;
        EXPECT_EQ(liste[i][QStringLiteral("zeitBezug")].toString(), QLatin1String(versatz[i].second)) << i;
    }
}
