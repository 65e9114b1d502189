// A settings file that was hand-edited, written by another version or cut off by a full disk:
// every value that is not a valid one falls back to its default, valid values read back as they
// were, and the first draw of the view shows a flight all the same.

#include "RobustHilfen.h"
#include "TestHilfen.h"

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "view/CSarnixView.h"
#include "pipeline/Einstellungen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

using robust::Fix;

// What the view holds of the seven stored values.
struct Sieben {
    int zeitmarken, wegpunkte, grafikanzahl, linkeAnsicht, linkeFarbe, rechteAnsicht, rechteFarbe;
    friend bool operator==(const Sieben&, const Sieben&) = default;
    friend std::ostream& operator<<(std::ostream& o, const Sieben& s)
    {
        return o << s.zeitmarken << ' ' << s.wegpunkte << ' ' << s.grafikanzahl << ' ' << s.linkeAnsicht
                 << ' ' << s.linkeFarbe << ' ' << s.rechteAnsicht << ' ' << s.rechteFarbe;
    }
};

Sieben Von(const CAnsicht& a)
{
    const auto& g = a.ansicht.grafik;
    return {a.zeitmarken, a.wegpunkte, a.grafikanzahl, g[0].art, g[0].farbe, g[1].art, g[1].farbe};
}

// The defaults of a first run: one plan view without colouring; the right pane coloured by climb.
constexpr Sieben standard{0, 0, 1, 1, 0, 1, 1};

class KaputteEinstellungen : public ::testing::Test {
protected:
    void SetUp() override
    {
        pfad = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               + QStringLiteral("/Orvexa/sarnix.conf");
        QDir().mkpath(QFileInfo(pfad).path());
    }
    void TearDown() override { QFile::remove(pfad); }

    // Replaces the settings file with these bytes and makes sure no cached copy survives.
    void Schreibe(const QByteArray& inhalt) const
    {
        QFile::remove(pfad);
        QFile datei(pfad);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        datei.close();
        QSettings().sync();
    }

    static Sieben Gelesen()
    {
        CAnsicht a;
        EinstellungenLesen(a);
        return Von(a);
    }

    QString pfad;
};

TEST_F(KaputteEinstellungen, FalscheTypenGebenDieStandardwerte)
{
    Schreibe("[Settings]\n"
             "Zeitmarken=ja\n"
             "Wegpunkte=1, 1\n"
             "Grafikanzahl=@Rect(1 2 3 4)\n"
             "LinkeAnsicht=2.5\n"
             "LinkeFarbe=\n"
             "RechteAnsicht=0x3\n"
             "RechteFarbe=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\aunknown)\n");
    EXPECT_EQ(Gelesen(), standard);
}

TEST_F(KaputteEinstellungen, WerteAusserhalbIhresBereichsGebenDieStandardwerte)
{
    Schreibe("[Settings]\nZeitmarken=2\nWegpunkte=-1\nGrafikanzahl=7\nLinkeAnsicht=0\n"
             "LinkeFarbe=5\nRechteAnsicht=99\nRechteFarbe=-5\n");
    EXPECT_EQ(Gelesen(), standard);
    // Values whose low byte would be valid are not cut down to it.
    Schreibe("[Settings]\nGrafikanzahl=258\nLinkeAnsicht=-255\nRechteFarbe=2147483648\n");
    EXPECT_EQ(Gelesen(), standard);
    Schreibe("[Settings]\nLinkeAnsicht=99\n");
    EXPECT_EQ(Gelesen(), standard);
}

TEST_F(KaputteEinstellungen, EineAbgeschnitteneDateiBehaeltWasVollstaendigIst)
{
    Schreibe("[Settings]\nZeitmarken=1\nGrafikanzahl=2\nRechteAnsicht=4\nLinkeFar");
    EXPECT_EQ(Gelesen(), (Sieben{1, 0, 2, 1, 0, 4, 1}));
    Schreibe("[Settings]\nZeitmarken=1\nRechteAnsicht=");
    EXPECT_EQ(Gelesen(), (Sieben{1, 0, 1, 1, 0, 1, 1}));
    Schreibe("[Setti");
    EXPECT_EQ(Gelesen(), standard);
    Schreibe(QByteArray("\xFF\xFE\0\0[Settings]\0\nGrafikanzahl=2\0", 30));
    const Sieben gelesen = Gelesen();
    EXPECT_TRUE(gelesen.grafikanzahl == 1 || gelesen.grafikanzahl == 2) << gelesen;
}

TEST_F(KaputteEinstellungen, GueltigeWerteKommenUnveraendertZurueck)
{
    Schreibe("[Settings]\nZeitmarken=1\nWegpunkte=1\nGrafikanzahl=2\nLinkeAnsicht=4\n"
             "LinkeFarbe=3\nRechteAnsicht=2\nRechteFarbe=0\n");
    EXPECT_EQ(Gelesen(), (Sieben{1, 1, 2, 4, 3, 2, 0}));

    // Every kind and colour mode survives writing and reading.
    for (int8_t art = Grundriss; art <= Temperaturverlauf; ++art)
        for (int8_t farbe = KeineFaerbung; farbe <= Temperaturgradient; ++farbe) {
            CAnsicht a;
            a.zeitmarken = farbe % 2;
            a.wegpunkte = art % 2;
            a.grafikanzahl = static_cast<int8_t>(1 + farbe % 2);
            a.ansicht.grafik[0] = Grafik{{}, art, farbe};
            a.ansicht.grafik[1] = Grafik{{}, static_cast<int8_t>(5 - art), static_cast<int8_t>(4 - farbe)};
            EinstellungenSchreiben(a);
            QSettings().sync();
            EXPECT_EQ(Gelesen(), Von(a));
        }
}

TEST_F(KaputteEinstellungen, DieAnsichtZeichntTrotzdemUndSchreibtGueltigeWerteZurueck)
{
    Schreibe("[Settings]\nZeitmarken=x\nGrafikanzahl=7\nLinkeAnsicht=0\nRechteAnsicht=99\n"
             "RechteFarbe=-5\nLinkeFarbe=1, 2, 3\n[Recent File List]\nFile1=@Invalid(\n");
    std::string text = robust::KopfZeile() + robust::FixZeile(Fix{.a = '1', .b = '1'});
    for (uint32_t i = 0; i < 200; ++i)
        text += robust::FixZeile(Fix{.breite = 0x045948u + i, .laenge = 0x0107DEu + i * 2});
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::TempDatei(text)));
    {
        CSarnixView view(doc);
        view.resize(640, 480);
        view.show();
        view.DokumentGeoeffnet();
        EXPECT_EQ(Von(view.ansicht()), standard);
        // A single plan view: the track lies inside its pane (60, 60)..(480, 420).
        const QImage& bild = view.leinwand();
        int spur = 0;
        for (int y = 61; y < 420; ++y)
            for (int x = 61; x < 480; ++x)
                spur += (bild.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        EXPECT_GT(spur, 50);
    }
    // Closing the view stores the values it used.
    QSettings s;
    s.beginGroup(QStringLiteral("Settings"));
    EXPECT_EQ(s.value(QStringLiteral("Grafikanzahl")).toInt(), 1);
    EXPECT_EQ(s.value(QStringLiteral("LinkeAnsicht")).toInt(), 1);
    EXPECT_EQ(s.value(QStringLiteral("RechteFarbe")).toInt(), 1);
}

}  // namespace
