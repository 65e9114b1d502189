// The map from a tile server on 127.0.0.1: the warp pixel by pixel, the server's failures, the
// tile policy (User-Agent, two connections, caching and revalidation) and the disk cache.

#include "KartenHilfen.h"

#include "tiles/KachelAblage.h"

#include <QFile>

using namespace karte;

TEST_F(KarteTest, SchachbrettLiegtLinearInLaengeUndBreite)
{
    // 0..20° E, 40..60° N on 400 x 400 pixels: 0.05° per pixel, zoom 5. The 50° line lies
    // between rows 199 and 200; in Mercator spacing it would lie 21 rows lower.
    const KartenAusschnitt a{0, 20, 60, 40, 400, 400};
    auto d = Dienst("gut");
    const QImage bild = Zeichnen(*d, a);
    EXPECT_EQ(bild.pixel(0, 0), dunkel);     // 59.975° N, 0.025° E: 11 + 0 fields, odd
    EXPECT_EQ(bild.pixel(100, 0), hell);     // 5.025° E
    EXPECT_EQ(bild.pixel(0, 199), hell);     // 50.025° N
    EXPECT_EQ(bild.pixel(0, 200), dunkel);   // 49.975° N
    EXPECT_EQ(bild.pixel(0, 220), dunkel);
    EXPECT_EQ(Abweichungen(bild, a), 0);
    EXPECT_TRUE(d->Hinweis().isEmpty()) << d->Hinweis().toStdString();
    EXPECT_EQ(d->Namensnennung(), QStringLiteral("© Test"));
}

TEST_F(KarteTest, UeberDenDatumsgrenzeUndBisZumPol)
{
    auto d = Dienst("gut");
    // 170° E to 170° W: the eastern half comes from the tiles west of the meridian.
    const KartenAusschnitt um{170, 190, 5, -5, 200, 100};
    EXPECT_EQ(Abweichungen(Zeichnen(*d, um), um), 0);
    // 80..89° N: rows from 79 on (85.0011° N) have a map, the 79 above 85.0511° keep the red.
    const KartenAusschnitt pol{0, 20, 89, 80, 200, 180};
    const QImage bild = Zeichnen(*d, pol, 0xFFFF0000);
    EXPECT_EQ(bild.pixel(50, 78), 0xFFFF0000u);
    EXPECT_EQ(Abweichungen(bild.copy(0, 79, 200, 101), {0, 20, 85.05, 80, 200, 101}, 0xFFFF0000), 0);
}

TEST_F(KarteTest, FehlerDesServersWerdenZumHinweis)
{
    struct Fall {
        const char* art;
        const char* hinweis;
    };
    for (const Fall& f : {Fall{"fehlt", "HTTP 404"}, Fall{"fehler", "HTTP 500"}, Fall{"kaputt", "kein lesbares Bild"},
                          Fall{"riesig", "unerwartete Größe 6000 × 6000"}, Fall{"schmal", "Größe 256 × 128"},
                          Fall{"kreis", "im Kreis"}, Fall{"stumm", "antwortet nicht"}}) {
        auto d = Dienst(f.art, 300);
        const KartenAusschnitt a{0, 20, 60, 40, 400, 400};
        const QImage bild = Zeichnen(*d, a);
        EXPECT_EQ(d->Offen(), 0) << f.art;
        EXPECT_EQ(bild.pixel(200, 200), hell) << f.art;
        EXPECT_TRUE(d->Hinweis().startsWith(QStringLiteral("8 von 8 Kacheln fehlen"))) << d->Hinweis().toStdString();
        EXPECT_TRUE(d->Hinweis().contains(QString::fromUtf8(f.hinweis))) << d->Hinweis().toStdString();
        // A tile that failed is not asked for again.
        const int anfragen = server.anfragen;
        Zeichnen(*d, a);
        EXPECT_EQ(server.anfragen, anfragen) << f.art;
    }
}

TEST_F(KarteTest, HoeflichGegenueberDemServer)
{
    server.zusatz = "Cache-Control: max-age=3600\r\n";
    const KartenAusschnitt a{0, 20, 60, 40, 400, 400};
    auto d = Dienst("langsam");
    QImage bild(400, 400, QImage::Format_RGB32);
    d->Zeichne(bild, a);
    // The view moves on before the first answers: the tiles it no longer shows are not fetched.
    // 45..65° E is again two columns (20 and 21.78) by four rows.
    Zeichnen(*d, {45, 65, 60, 40, 400, 400});
    EXPECT_EQ(server.anfragen, 2 + 8);
    EXPECT_EQ(server.hoechstensOffen, 2);
    EXPECT_TRUE(server.letzterAgent.startsWith("Sarnix/1.0.0 ")) << server.letzterAgent.toStdString();
    // Fresh for an hour: a second start draws from the disk cache without asking.
    auto zweiter = Dienst("langsam");
    EXPECT_EQ(zweiter->Zeichne(bild, {45, 65, 60, 40, 400, 400}).fehlend, 0);
    EXPECT_EQ(zweiter->Offen(), 0);
    EXPECT_EQ(server.anfragen, 10);
}

TEST_F(KarteTest, AbgelaufeneKachelnWerdenNachgefragt)
{
    server.zusatz = "Cache-Control: no-cache\r\nETag: \"v1\"\r\n";
    const KartenAusschnitt a{0, 20, 60, 40, 400, 400};
    auto erster = Dienst("gut");
    Zeichnen(*erster, a);
    EXPECT_EQ(server.anfragen, 8);
    // Drawn at once from the cache, and asked for again with the ETag: "304 unchanged".
    auto zweiter = Dienst("gut");
    QImage bild(400, 400, QImage::Format_RGB32);
    bild.fill(0);
    EXPECT_EQ(zweiter->Zeichne(bild, a).fehlend, 0);
    EXPECT_EQ(Abweichungen(bild, a), 0);
    EXPECT_TRUE(zweiter->Warten(5000));
    EXPECT_EQ(server.anfragen, 16);
    EXPECT_EQ(server.letztesIfNoneMatch, "\"v1\"");
    zweiter->Zeichne(bild, a);
    EXPECT_TRUE(zweiter->Hinweis().isEmpty()) << zweiter->Hinweis().toStdString();
}

TEST_F(KarteTest, UnbeschreibbarerSpeicherZeigtDieKarteTrotzdem)
{
    QFile datei(ablage.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    Kartendienst d(KartenQuelle{QStringLiteral("Test"), server.Vorlage("gut"), {}, 19, {}}, datei.fileName() + QStringLiteral("/kacheln"));
    const KartenAusschnitt a{0, 20, 60, 40, 400, 400};
    EXPECT_EQ(Abweichungen(Zeichnen(d, a), a), 0);
    EXPECT_TRUE(d.Hinweis().startsWith(QStringLiteral("Kartenspeicher nicht beschreibbar"))) << d.Hinweis().toStdString();
}

TEST(KachelAblage, GrenzeUndFrische)
{
    QTemporaryDir ordner;
    KachelAblage ablage(ordner.path(), QStringLiteral("q"), 10000);
    // Each tile takes 2000 bytes and 28 of bookkeeping: the fifth crosses 10 000.
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(ablage.Schreibe(3, i, 0, {QByteArray(2000, 'k'), {}, "e", "g"}));
    EXPECT_LE(ablage.Belegt(), 10000);
    EXPECT_TRUE(ablage.Lies(3, 9, 0).has_value());
    EXPECT_EQ(ablage.Lies(3, 9, 0)->etag, "e");

    const QDateTime jetzt(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC);
    struct Fall {
        const char* cacheControl;
        const char* expires;
        const char* date;
        const char* age;
        int64_t sekunden;
    };
    for (const Fall& f : {Fall{"max-age=3600", "", "", "", 3600}, Fall{"public, max-age=3600", "", "", "600", 3000},
                          Fall{"no-cache", "", "", "", 0}, Fall{"", "", "", "", 7 * 86400},
                          Fall{"", "Thu, 10 Dec 2026 09:00:00 GMT", "Wed, 09 Dec 2026 09:00:00 GMT", "", 86400},
                          Fall{"", "0", "", "", 0}}) {
        EXPECT_EQ(jetzt.secsTo(FrischBis(f.cacheControl, f.expires, f.date, f.age, jetzt)), f.sekunden) << f.cacheControl;
    }
}
