// The seven view settings: defaults on a first run, the round trip, and stored values the view
// cannot use.

#include "render/Ansicht.h"
#include "pipeline/Einstellungen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

class Einstellungen : public ::testing::Test {
protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }

    static void Setze(const char* name, const QVariant& wert)
    {
        QSettings().setValue(QStringLiteral("Settings/") + QLatin1String(name), wert);
    }
    static QVariant Gespeichert(const char* name)
    {
        return QSettings().value(QStringLiteral("Settings/") + QLatin1String(name));
    }
};

TEST_F(Einstellungen, ErsterStartGibtDieStandardwerte)
{
    CAnsicht a;
    EXPECT_EQ(a.ansicht.grafik[1].farbe, KeineFaerbung);  // construction default
    EinstellungenLesen(a);
    EXPECT_EQ(a.zeitmarken, 0);
    EXPECT_EQ(a.wegpunkte, 0);
    EXPECT_EQ(a.grafikanzahl, 1);
    EXPECT_EQ(a.ansicht.grafik[0].art, Grundriss);
    EXPECT_EQ(a.ansicht.grafik[0].farbe, KeineFaerbung);
    EXPECT_EQ(a.ansicht.grafik[1].art, Grundriss);
    // The right pane of a first split view is coloured by climb and sink.
    EXPECT_EQ(a.ansicht.grafik[1].farbe, Variowerte);
}

TEST_F(Einstellungen, GeschriebeneWerteKommenUnveraendertZurueck)
{
    CAnsicht a;
    a.zeitmarken = 1;
    a.wegpunkte = 1;
    a.grafikanzahl = 2;
    a.ansicht.grafik[0].art = BarogrammNord;
    a.ansicht.grafik[0].farbe = Wind;
    a.ansicht.grafik[1].art = Temperaturverlauf;
    a.ansicht.grafik[1].farbe = Temperaturgradient;
    EinstellungenSchreiben(a);

    EXPECT_EQ(Gespeichert("Grafikanzahl").toInt(), 2);
    EXPECT_EQ(Gespeichert("RechteAnsicht").toInt(), 4);

    CAnsicht b;
    EinstellungenLesen(b);
    EXPECT_EQ(b.zeitmarken, 1);
    EXPECT_EQ(b.wegpunkte, 1);
    EXPECT_EQ(b.grafikanzahl, 2);
    EXPECT_EQ(b.ansicht.grafik[0].art, BarogrammNord);
    EXPECT_EQ(b.ansicht.grafik[0].farbe, Wind);
    EXPECT_EQ(b.ansicht.grafik[1].art, Temperaturverlauf);
    EXPECT_EQ(b.ansicht.grafik[1].farbe, Temperaturgradient);
}

TEST_F(Einstellungen, JederGueltigeWertUeberlebtDieRundreise)
{
    for (int8_t art = Grundriss; art <= Temperaturverlauf; ++art)
        for (int8_t farbe = KeineFaerbung; farbe <= Temperaturgradient; ++farbe) {
            CAnsicht a;
            a.ansicht.grafik[0].art = art;
            a.ansicht.grafik[1].farbe = farbe;
            EinstellungenSchreiben(a);
            CAnsicht b;
            EinstellungenLesen(b);
            EXPECT_EQ(b.ansicht.grafik[0].art, art);
            EXPECT_EQ(b.ansicht.grafik[1].farbe, farbe);
        }
}

TEST_F(Einstellungen, ByteWerteWerdenMitVorzeichenGeschrieben)
{
    CAnsicht a;
    a.ansicht.grafik[1].farbe = -3;
    EinstellungenSchreiben(a);
    EXPECT_EQ(Gespeichert("RechteFarbe").toInt(), -3);
}

TEST_F(Einstellungen, UnbrauchbareWerteFallenAufDenStandard)
{
    Setze("Zeitmarken", 2);
    Setze("Wegpunkte", QStringLiteral("ja"));
    Setze("Grafikanzahl", 7);
    Setze("LinkeAnsicht", 0);
    Setze("LinkeFarbe", 5);
    Setze("RechteAnsicht", 9);
    Setze("RechteFarbe", -3);
    CAnsicht a;
    EinstellungenLesen(a);
    EXPECT_EQ(a.zeitmarken, 0);
    EXPECT_EQ(a.wegpunkte, 0);
    EXPECT_EQ(a.grafikanzahl, 1);
    EXPECT_EQ(a.ansicht.grafik[0].art, Grundriss);
    EXPECT_EQ(a.ansicht.grafik[0].farbe, KeineFaerbung);
    EXPECT_EQ(a.ansicht.grafik[1].art, Grundriss);
    EXPECT_EQ(a.ansicht.grafik[1].farbe, Variowerte);
}

TEST_F(Einstellungen, TextUndZahlenJenseitsVon32BitFallenAufDenStandard)
{
    Setze("Grafikanzahl", QStringLiteral("2x"));
    Setze("RechteAnsicht", QStringLiteral("4294967298"));  // 2 in its low 32 bits
    Setze("LinkeFarbe", 2.5);
    CAnsicht a;
    EinstellungenLesen(a);
    EXPECT_EQ(a.grafikanzahl, 1);
    EXPECT_EQ(a.ansicht.grafik[1].art, Grundriss);
    EXPECT_EQ(a.ansicht.grafik[0].farbe, KeineFaerbung);
}

TEST_F(Einstellungen, BeschaedigteDateiGibtStandardwerteUndLesbareWerte)
{
    const QString pfad = QSettings().fileName();
    QDir().mkpath(QFileInfo(pfad).absolutePath());  // the test may run before any other wrote settings
    {
        QFile datei(pfad);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        datei.write("[Settings]\nGrafikanzahl=2\nLinkeAnsicht=@Variant(\\0\\0\\0\\x7f\\0\nRechteAnsicht=\xff\xfe\x01"
                    "\nRechteFarbe=@ByteArray(");
    }
    CAnsicht a;
    EinstellungenLesen(a);
    EXPECT_EQ(a.grafikanzahl, 2);
    EXPECT_EQ(a.ansicht.grafik[0].art, Grundriss);
    EXPECT_EQ(a.ansicht.grafik[1].art, Grundriss);
    EXPECT_EQ(a.ansicht.grafik[1].farbe, Variowerte);
    QFile::remove(pfad);
}

}  // namespace
