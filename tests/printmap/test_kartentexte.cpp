// The texts on the printed map: header and time-mark labels and intervals.

#include "printmap/KartenTexte.h"
#include "render/Zeitmarken.h"

#include <gtest/gtest.h>

TEST(Kopfzeile, MassstabOhneTausenderpunktePfadUndDatum)
{
    const QString kopf = KopfText(50000, "C:\\Flüge\\lokal.vrl", "12-07-03");
    EXPECT_TRUE(kopf.startsWith(QStringLiteral("Maßstab 1:50000    Dateiname: "))) << kopf.toStdString();
    EXPECT_EQ(kopf, QStringLiteral("Maßstab 1:50000    Dateiname: C:\\Flüge\\lokal.vrl    Flugdatum:12-07-03 "));
}

TEST(Kopfzeile, DatumAlsLatin1UndProzentImPfad)
{
    // The date comes from the file's bytes; a "%1" in the path is no placeholder.
    const QString kopf = KopfText(1000000, "/home/a/%1 flug.vrl", std::string("3\xE4", 2));
    EXPECT_EQ(kopf, QStringLiteral("Maßstab 1:1000000    Dateiname: /home/a/%1 flug.vrl    Flugdatum:3ä "));
}

TEST(Zeitmarken, AbstandNachAnzahlDerFixe)
{
    EXPECT_EQ(ZeitmarkenAbstand(0), 2);
    EXPECT_EQ(ZeitmarkenAbstand(1799), 2);
    EXPECT_EQ(ZeitmarkenAbstand(1800), 5);
    EXPECT_EQ(ZeitmarkenAbstand(3599), 5);
    EXPECT_EQ(ZeitmarkenAbstand(3600), 10);
    EXPECT_EQ(ZeitmarkenAbstand(5000), 10);
    EXPECT_EQ(ZeitmarkenAbstand(6599), 10);
    EXPECT_EQ(ZeitmarkenAbstand(6600), 15);
    EXPECT_EQ(ZeitmarkenAbstand(12599), 15);
    EXPECT_EQ(ZeitmarkenAbstand(12600), 30);
    EXPECT_EQ(ZeitmarkenAbstand(86400), 30);
}

TEST(Zeitmarken, StundenUndMinutenZweistellig)
{
    EXPECT_EQ(ZeitText(9 * 3600 + 5 * 60), QStringLiteral("09:05"));
    EXPECT_EQ(ZeitText(14 * 3600 + 30 * 60 + 59), QStringLiteral("14:30"));
    EXPECT_EQ(ZeitText(0), QStringLiteral("00:00"));
    // Past midnight the marks go on with the next day's time.
    EXPECT_EQ(ZeitText(24 * 3600), QStringLiteral("00:00"));
    EXPECT_EQ(ZeitText(28 * 3600 + 43 * 60), QStringLiteral("04:43"));
}
