// sarnix-cli score and info --wertung, run as their own process: the league's figure, a log
// that never takes off, a rule set that does not exist.

#include "TestHilfen.h"
#include "common/Dateien.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Lauf {
    int code = -1;
    QJsonObject json;
    QByteArray fehler;
};

Lauf Starte(const QStringList& argumente, const QByteArray& eingabe = {})
{
    QProcess p;
    p.start(test::SarnixCli(), argumente);
    p.write(eingabe);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), QJsonDocument::fromJson(p.readAllStandardOutput()).object(), p.readAllStandardError()};
}

// Ten minutes on one spot: an IGC log that never takes off.
QByteArray AmBoden()
{
    QByteArray log = "AXXX001\r\nHFDTE150621\r\n";
    for (char m = '0'; m <= '9'; ++m)
        log += QByteArray("B100") + m + "004612000N00712000EA0150001500\r\n";
    return log;
}

TEST(WertungCli, PunkteGrundUndRueckgabe)
{
    const QString valais = QString::fromStdString(test::Testdaten("igc/pg-valais-9h-task-vario.igc"));
    const struct {
        QStringList argumente;
        QByteArray eingabe;
        int code;
        const char* schluessel;  // where the answer stands
        QJsonValue wert;
    } faelle[] = {
        {{"score", valais}, {}, 0, "art", QStringLiteral("fai-geschlossen")},
        {{"score", "--regeln", "ffvl", "--jsonl", valais}, {}, 0, "regeln", QStringLiteral("ffvl")},
        {{"score", "-"}, AmBoden(), 1, "keineWertung", QStringLiteral("kein Start gefunden")},
        {{"score", "--regeln", "dhv", valais}, {}, 2, nullptr, {}},
        {{"score", "--zeitlimit", "-1", valais}, {}, 2, nullptr, {}},
    };
    for (const auto& f : faelle) {
        const Lauf lauf = Starte(f.argumente, f.eingabe);
        EXPECT_EQ(lauf.code, f.code) << f.argumente.join(' ').toStdString() << lauf.fehler.constData();
        if (f.schluessel) {
            EXPECT_EQ(lauf.json.value(QLatin1String(f.schluessel)), f.wert) << f.argumente.join(' ').toStdString();
        }
    }
    // info --wertung carries the same object as score: the league's 362.70 within 0.3 %.
    const QJsonObject wertung = Starte({"info", "--wertung", valais}).json.value("wertung").toObject();
    EXPECT_NEAR(wertung.value("punkte").toDouble() / 362.70, 1.0, 0.003);
    EXPECT_EQ(wertung.value("optimal"), QJsonValue(true));
}

}  // namespace
