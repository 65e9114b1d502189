// sarnix-cli info, run as its own process on a sample and on broken input.

#include "Saetze.h"
#include "TestHilfen.h"

#include "flight/CSarnixDoc.h"
#include "flight/FarbIndex.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A run with its output as the bytes JSON is parsed from.
struct Lauf {
    int code = -1;
    QByteArray aus;
    QByteArray fehler;
};

Lauf Starte(const QStringList& argumente, const QString& befehl = QStringLiteral("info"),
            const QByteArray& eingabe = {})
{
    const test::Lauf lauf = test::Starte(test::SarnixCli(), QStringList{befehl} + argumente, eingabe);
    return {lauf.code, lauf.aus.toUtf8(), lauf.fehler.toUtf8()};
}

using CliInfo = test::CliTest;

}  // namespace

TEST_F(CliInfo, BeispielflugAlsJson)
{
    const std::string pfad = test::Sample("lokalflug-1h.vrl");
    const Lauf lauf = Starte({QString::fromStdString(pfad), QStringLiteral("--fixes"), QStringLiteral("--profile")});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.constData();
    const QJsonObject json = QJsonDocument::fromJson(lauf.aus).object();

    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(pfad));
    EXPECT_EQ(json[QStringLiteral("geladen")].toInt(), 1);
    EXPECT_EQ(json[QStringLiteral("dateiname")].toString().toStdString(), pfad);
    EXPECT_EQ(json[QStringLiteral("startplatz")].toString(), QStringLiteral("Sonnalm    "));
    EXPECT_EQ(json[QStringLiteral("flugdatum")].toString(), QStringLiteral("14-07-26"));
    EXPECT_EQ(json[QStringLiteral("flugdauer")].toString().toStdString(), doc.Zusammenfassung().flugdauer);
    EXPECT_EQ(json[QStringLiteral("anzahlFixes")].toInt(), 3600);
    EXPECT_EQ(json[QStringLiteral("ausdehnung")][QStringLiteral("hoeheMax")].toInt(), doc.ausdehnung.hoeheMax);
    EXPECT_EQ(json[QStringLiteral("ausdehnung")][QStringLiteral("laengeMin")].toInt(), doc.ausdehnung.laengeMin);
    // Single-precision values read back to the very same float.
    EXPECT_EQ(static_cast<float>(json[QStringLiteral("meterProBreite")].toDouble()), 0.18518518f);
    EXPECT_EQ(static_cast<float>(json[QStringLiteral("meterProLaenge")].toDouble()), doc.meterProLaenge);

    // Latin-1 names arrive as their characters.
    const QJsonArray punkte = json[QStringLiteral("wegpunkte")].toArray();
    ASSERT_EQ(punkte.size(), static_cast<qsizetype>(doc.wegpunktListe.size()));
    EXPECT_EQ(punkte[4][QStringLiteral("name")].toString(), QStringLiteral("Seebrücke"));
    EXPECT_EQ(punkte[6][QStringLiteral("nummer")].toInt(), 1);
    EXPECT_EQ(punkte[6][QStringLiteral("art")].toInt(), 6);

    const QJsonArray fixe = json[QStringLiteral("fixes")].toArray();
    ASSERT_EQ(fixe.size(), 3600);
    for (const qsizetype i : {qsizetype{0}, qsizetype{1000}, qsizetype{3599}}) {
        const CDaten& f = doc.datenListe[static_cast<size_t>(i)];
        const QJsonObject j = fixe[i].toObject();
        EXPECT_EQ(j[QStringLiteral("zeit")].toInt(), f.zeit);
        EXPECT_EQ(j[QStringLiteral("breite")].toInt(), f.breite);
        EXPECT_EQ(j[QStringLiteral("hoehe")].toInt(), f.hoehe);
        EXPECT_EQ(j[QStringLiteral("vario")].toInt(), f.vario);
        const QJsonArray farben = j[QStringLiteral("farbIndex")].toArray();
        ASSERT_EQ(farben.size(), 5);
        for (int8_t k = 0; k < 5; ++k)
            EXPECT_EQ(farben[k].toInt(), FarbIndex(k, f, doc, ReferenzExakt));
    }

    const QJsonArray profil = json[QStringLiteral("temperaturProfil")].toArray();
    ASSERT_EQ(profil.size(), 1210);
    for (int k = 0; k < 1210; ++k) {
        ASSERT_EQ(static_cast<float>(profil[k][0].toDouble()), doc.temperaturProfil[k].steigung) << k;
        ASSERT_EQ(static_cast<float>(profil[k][1].toDouble()), doc.temperaturProfil[k].basis) << k;
    }
}

TEST_F(CliInfo, OhneSchalterKeineFixeUndKeinProfil)
{
    const Lauf lauf = Starte({QString::fromStdString(test::Sample("suedwest-3h.vrl"))});
    ASSERT_EQ(lauf.code, 0);
    const QJsonObject json = QJsonDocument::fromJson(lauf.aus).object();
    EXPECT_FALSE(json.contains(QStringLiteral("fixes")));
    EXPECT_FALSE(json.contains(QStringLiteral("temperaturProfil")));
    EXPECT_EQ(json[QStringLiteral("anzahlFixes")].toInt(), 10800);
    EXPECT_EQ(json[QStringLiteral("wegpunkte")][2][QStringLiteral("name")].toString(), QStringLiteral("Cañada"));
}

TEST_F(CliInfo, KeineAufzeichnungIstFuerJedenBefehlEinFehler)
{
    const QString ziel = ordner.filePath(QStringLiteral("x.png"));
    for (const std::string& inhalt : {std::string("kein Flug\n"), std::string()}) {
        const std::string pfad = test::TempDatei(inhalt);
        const QByteArray meldung = QByteArray(pfad.c_str()) + " ist keine Flugaufzeichnung.";
        const QString datei = QString::fromStdString(pfad);
        for (const QString& befehl : {QStringLiteral("info"), QStringLiteral("render"), QStringLiteral("print")}) {
            SCOPED_TRACE(befehl.toStdString() + " " + inhalt);
            const QStringList argumente = befehl == QStringLiteral("info") ? QStringList{datei}
                                                                           : QStringList{datei, QStringLiteral("-o"), ziel};
            const Lauf lauf = Starte(argumente, befehl);
            EXPECT_EQ(lauf.code, 1);
            EXPECT_TRUE(lauf.aus.isEmpty());
            EXPECT_EQ(lauf.fehler.trimmed(), meldung);
            EXPECT_FALSE(QFileInfo::exists(ziel));
        }
    }
}

TEST_F(CliInfo, FehlerUndFalscherAufruf)
{
    const Lauf fehlt = Starte({QStringLiteral("/gibt/es/nicht.vrl")});
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_TRUE(fehlt.aus.isEmpty());
    EXPECT_TRUE(fehlt.fehler.contains("/gibt/es/nicht.vrl wurde nicht gefunden."));

    EXPECT_EQ(Starte({}).code, 2);
    // Several files are fine; missing ones are reported and make the call fail.
    EXPECT_EQ(Starte({QStringLiteral("a.vrl"), QStringLiteral("b.vrl")}).code, 1);
    EXPECT_EQ(Starte({QStringLiteral("a.vrl"), QStringLiteral("--unbekannt")}).code, 2);
}

TEST_F(CliInfo, PhasenUndStatistik)
{
    const std::string pfad = test::Sample("lokalflug-1h.vrl");
    const Lauf lauf = Starte({QString::fromStdString(pfad), QStringLiteral("--phasen")});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.constData();
    const QJsonObject json = QJsonDocument::fromJson(lauf.aus).object();
    const QJsonArray phasen = json[QStringLiteral("phasen")].toArray();
    ASSERT_GE(phasen.size(), 3);

    const QStringList schluessel{"art", "bis", "gleitzahl", "hoeheBis", "hoeheVon", "mittelSteigen", "strecke",
                                 "von", "windGeschwindigkeit", "windRichtung"};
    int vorher = 0;
    for (const QJsonValue& wert : phasen) {
        const QJsonObject p = wert.toObject();
        EXPECT_EQ(p.keys(), schluessel);
        const bool thermik = p[QStringLiteral("art")].toString() == QStringLiteral("thermik");
        EXPECT_TRUE(thermik || p[QStringLiteral("art")].toString() == QStringLiteral("gleiten"));
        EXPECT_GE(p[QStringLiteral("von")].toInt(), vorher);
        EXPECT_GT(p[QStringLiteral("bis")].toInt(), p[QStringLiteral("von")].toInt());
        vorher = p[QStringLiteral("bis")].toInt();
        if (thermik) {
            EXPECT_TRUE(p[QStringLiteral("gleitzahl")].isNull());
            // The sample's air moves at 2.3 m/s from 285°.
            EXPECT_NEAR(p[QStringLiteral("windRichtung")].toDouble(), 285.0, 15.0);
            EXPECT_NEAR(p[QStringLiteral("windGeschwindigkeit")].toDouble(), 8.2, 1.5);
        } else {
            EXPECT_TRUE(p[QStringLiteral("windRichtung")].isNull());
        }
    }
    const QJsonObject s = json[QStringLiteral("statistik")].toObject();
    EXPECT_EQ(s.keys(), (QStringList{"anteilKreisen", "anzahlThermiken", "landung", "mittelSteigen",
                                     "mittlereGleitzahl", "schnittGeschwindigkeit", "start"}));
    EXPECT_EQ(s[QStringLiteral("start")].toInt(), phasen.first()[QStringLiteral("von")].toInt());
    EXPECT_EQ(s[QStringLiteral("landung")].toInt(), phasen.last()[QStringLiteral("bis")].toInt());
    EXPECT_GT(s[QStringLiteral("anzahlThermiken")].toInt(), 0);
    // The sample is one flight: listed on its own, as the whole log describes it.
    const QJsonArray fluege = json[QStringLiteral("fluege")].toArray();
    ASSERT_EQ(fluege.size(), 1);
    EXPECT_EQ(fluege[0].toObject().keys(), (QStringList{"landung", "phasen", "start", "statistik"}));
    EXPECT_EQ(fluege[0][QStringLiteral("start")].toInt(), s[QStringLiteral("start")].toInt());
    EXPECT_EQ(fluege[0][QStringLiteral("phasen")].toArray(), phasen);

    // A flight that never took off: empty phases and no times.
    const Lauf leer = Starte({QString::fromStdString(test::TempDatei("@SX\n")), QStringLiteral("--phasen")});
    const QJsonObject nichts = QJsonDocument::fromJson(leer.aus).object();
    EXPECT_TRUE(nichts[QStringLiteral("phasen")].toArray().isEmpty());
    EXPECT_TRUE(nichts[QStringLiteral("statistik")][QStringLiteral("start")].isNull());
    EXPECT_EQ(nichts[QStringLiteral("statistik")][QStringLiteral("anzahlThermiken")].toInt(), 0);
    EXPECT_TRUE(nichts[QStringLiteral("fluege")].toArray().isEmpty());
}

TEST_F(CliInfo, RenderZoomInGradWieInEinheiten)
{
    const QString probe = QString::fromStdString(test::Sample("lokalflug-1h.vrl"));
    const QString grad = ordner.filePath(QStringLiteral("grad.png"));
    const QString einheiten = ordner.filePath(QStringLiteral("einheiten.png"));
    const QString ganz = ordner.filePath(QStringLiteral("ganz.png"));
    const QString render = QStringLiteral("render");
    ASSERT_EQ(Starte({probe, "-o", grad, "--zoom", "11.52,47.67,11.55,47.70"}, render).code, 0);
    ASSERT_EQ(Starte({probe, "-o", einheiten, "--zoom", "506912000,528602000,506930000,528620000"}, render).code, 0);
    ASSERT_EQ(Starte({probe, "-o", ganz}, render).code, 0);
    const QImage bildGrad(grad);
    EXPECT_FALSE(bildGrad.isNull());
    EXPECT_EQ(bildGrad, QImage(einheiten));
    EXPECT_NE(bildGrad, QImage(ganz));
    // South and west are negative; a minimum above its maximum is refused.
    EXPECT_EQ(Starte({probe, "-o", grad, "--zoom", "-70.5,-33.5,-70.4,-33.4"}, render).code, 0);
    const Lauf falsch = Starte({probe, "-o", grad, "--zoom", "11.55,47.67,11.52,47.70"}, render);
    EXPECT_EQ(falsch.code, 2);
    EXPECT_TRUE(falsch.fehler.contains("Grad"));
}

TEST_F(CliInfo, ZeitbarogrammThermikenUndTemperaturreferenz)
{
    const QString probe = QString::fromStdString(test::Sample("streckenflug-6h.vrl"));
    const QString ohne = ordner.filePath(QStringLiteral("ohne.png"));
    const QString mit = ordner.filePath(QStringLiteral("mit.png"));
    const QString render = QStringLiteral("render");
    ASSERT_EQ(Starte({probe, "-o", ohne, "--left", "zeit:vario"}, render).code, 0);
    ASSERT_EQ(Starte({probe, "-o", mit, "--left", "zeit:vario", "--thermiken"}, render).code, 0);
    const QImage zeit(ohne);
    ASSERT_FALSE(zeit.isNull());
    EXPECT_NE(zeit, QImage(mit));

    // The reference changes the profile the gradient compares against, and nothing else.
    const auto profil = [&](const char* referenz) {
        const Lauf lauf = Starte({probe, QStringLiteral("--profile"), QStringLiteral("--temperaturreferenz"), QLatin1String(referenz)});
        EXPECT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
        return QJsonDocument::fromJson(lauf.aus).object();
    };
    const QJsonObject exakt = profil("exakt");
    const QJsonObject physikalisch = profil("physikalisch");
    EXPECT_EQ(exakt, QJsonDocument::fromJson(Starte({probe, QStringLiteral("--profile")}).aus).object());
    EXPECT_NE(exakt[QStringLiteral("temperaturProfil")], physikalisch[QStringLiteral("temperaturProfil")]);
    EXPECT_EQ(exakt[QStringLiteral("maxHoehe")], physikalisch[QStringLiteral("maxHoehe")]);

    const Lauf falsch = Starte({probe, "-o", ohne, "--temperaturreferenz", "warm"}, render);
    EXPECT_EQ(falsch.code, 2);
    EXPECT_TRUE(falsch.fehler.contains("exakt und physikalisch"));
}

TEST_F(CliInfo, MehrereDateienAlsFeldOderZeilen)
{
    const QString lokal = QString::fromStdString(test::Sample("lokalflug-1h.vrl"));
    const QString suedwest = QString::fromStdString(test::Sample("suedwest-3h.vrl"));

    const Lauf feld = Starte({lokal, suedwest});
    ASSERT_EQ(feld.code, 0) << feld.fehler.constData();
    const QJsonArray fluege = QJsonDocument::fromJson(feld.aus).array();
    ASSERT_EQ(fluege.size(), 2);
    EXPECT_EQ(fluege[0][QStringLiteral("anzahlFixes")].toInt(), 3600);
    EXPECT_EQ(fluege[1][QStringLiteral("anzahlFixes")].toInt(), 10800);

    // One line per flight, the fixes included, each line JSON of its own.
    const Lauf zeilen = Starte({lokal, suedwest, QStringLiteral("--jsonl"), QStringLiteral("--fixes")});
    ASSERT_EQ(zeilen.code, 0);
    const QList<QByteArray> teile = zeilen.aus.trimmed().split('\n');
    ASSERT_EQ(teile.size(), 2);
    QJsonParseError fehler;
    const QJsonObject zweiter = QJsonDocument::fromJson(teile[1], &fehler).object();
    ASSERT_EQ(fehler.error, QJsonParseError::NoError) << fehler.errorString().toStdString();
    EXPECT_EQ(zweiter[QStringLiteral("fixes")].toArray().size(), 10800);
    EXPECT_EQ(zweiter[QStringLiteral("dateiname")].toString(), suedwest);

    // A missing file among others keeps its place with an entry of its own; the call fails.
    const Lauf teilweise = Starte({lokal, QStringLiteral("/gibt/es/nicht.vrl"), suedwest});
    EXPECT_EQ(teilweise.code, 1);
    EXPECT_EQ(QJsonDocument::fromJson(teilweise.aus).array().size(), 3);
}

TEST_F(CliInfo, StandardeingabeWieDatei)
{
    QFile datei(QString::fromStdString(test::Sample("lokalflug-1h.vrl")));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const Lauf lauf = Starte({QStringLiteral("-"), QStringLiteral("--profile")}, QStringLiteral("info"), datei.readAll());
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.constData();
    QJsonObject ausEingabe = QJsonDocument::fromJson(lauf.aus).object();
    EXPECT_EQ(ausEingabe[QStringLiteral("dateiname")].toString(), QStringLiteral("-"));
    QJsonObject ausDatei = QJsonDocument::fromJson(Starte({datei.fileName(), QStringLiteral("--profile")}).aus).object();
    ausEingabe.remove(QStringLiteral("dateiname"));
    ausDatei.remove(QStringLiteral("dateiname"));
    EXPECT_EQ(ausEingabe, ausDatei);
}

// Every byte a recording's texts may hold comes out as valid JSON that reads back to the same
// characters: quotes, backslashes, control characters and Latin-1 letters.
TEST_F(CliInfo, JedesZeichenIstGueltigesJson)
{
    using namespace saetze;
    Kopf kopf;
    kopf.platz = std::string("\"A\\\x01\t\x1f\x7f\xe4\xdf\xff/", 11);
    // Route-point name bytes in hex: quote, backslash, line feed, DEL, Ä, carriage return.
    const std::string punkt = Wegpunkt("0384", "225C0A7FC40D", "06", "485904", "DE0701");
    std::string inhalt = kopf.Satz() + MitWegpunkten({punkt}).substr(4);
    for (int i = 0; i < 4; ++i)
        inhalt += Fix('0', '0', '1');
    const QString pfad = QString::fromStdString(test::TempDatei(inhalt));

    for (const QStringList& schalter : {QStringList{}, QStringList{QStringLiteral("--jsonl")}}) {
        const Lauf lauf = Starte(QStringList{pfad, QStringLiteral("--fixes")} + schalter);
        ASSERT_EQ(lauf.code, 0) << lauf.fehler.constData();
        QJsonParseError fehler;
        const QJsonObject json = QJsonDocument::fromJson(lauf.aus, &fehler).object();
        ASSERT_EQ(fehler.error, QJsonParseError::NoError) << fehler.errorString().toStdString() << lauf.aus.constData();
        EXPECT_EQ(json[QStringLiteral("startplatz")].toString(), QString::fromLatin1(kopf.platz.data(), 11));
        EXPECT_EQ(json[QStringLiteral("wegpunkte")][0][QStringLiteral("name")].toString(),
                  QString::fromLatin1("\"\\\n\x7f\xc4\r"));
        EXPECT_EQ(json[QStringLiteral("fixes")].toArray().size(), json[QStringLiteral("anzahlFixes")].toInt());
        if (!schalter.isEmpty()) {
            EXPECT_EQ(lauf.aus.count('\n'), 1);
        }
    }
}

TEST_F(CliInfo, IgcLogMitKopfUndHoehenwahl)
{
    const QString log = QString::fromStdString(test::Testdaten("igc/sp-quebec-pik20-ausschnitt.igc"));
    const Lauf lauf = Starte({log, QStringLiteral("--fixes")});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.constData();
    const QJsonObject json = QJsonDocument::fromJson(lauf.aus).object();
    EXPECT_EQ(json[QStringLiteral("geladen")].toInt(), 1);
    EXPECT_EQ(json[QStringLiteral("flugdatum")].toString(), QStringLiteral("14-06-20"));
    const QJsonObject igc = json[QStringLiteral("igc")].toObject();
    EXPECT_EQ(igc[QStringLiteral("pilot")].toString(), QStringLiteral("Mathieu Cote"));
    EXPECT_EQ(igc[QStringLiteral("muster")].toString(), QStringLiteral("PIK 20B"));
    EXPECT_EQ(igc[QStringLiteral("kennzeichen")].toString(), QStringLiteral("C-FLPS"));
    EXPECT_EQ(igc[QStringLiteral("logger")].toString(), QStringLiteral("PowerFLARM-IGC"));
    EXPECT_EQ(igc[QStringLiteral("signatur")].toString(), QStringLiteral("signiert, nicht geprüft"));
    EXPECT_EQ(igc[QStringLiteral("hoehe")].toString(), QStringLiteral("druck"));
    EXPECT_EQ(igc[QStringLiteral("erweiterungen")].toArray(), (QJsonArray{QStringLiteral("FXA"), QStringLiteral("SIU")}));
    EXPECT_FALSE(igc[QStringLiteral("temperatur")].toBool());
    const QJsonObject erster = json[QStringLiteral("fixes")][0].toObject();
    EXPECT_EQ(erster[QStringLiteral("zeit")].toInt(), 15 * 3600 + 8 * 60 + 24);
    EXPECT_EQ(erster[QStringLiteral("hoehe")].toInt(), -103);

    for (const QStringList& wahl : {QStringList{QStringLiteral("--hoehe"), QStringLiteral("gnss")},
                                    QStringList{QStringLiteral("--hoehe=gnss")}}) {
        const Lauf gnss = Starte(QStringList{log, QStringLiteral("--fixes")} + wahl);
        ASSERT_EQ(gnss.code, 0) << gnss.fehler.constData();
        const QJsonObject j = QJsonDocument::fromJson(gnss.aus).object();
        EXPECT_EQ(j[QStringLiteral("igc")][QStringLiteral("hoehe")].toString(), QStringLiteral("gnss"));
        EXPECT_EQ(j[QStringLiteral("fixes")][0][QStringLiteral("hoehe")].toInt(), 39);
    }

    const Lauf falsch = Starte({log, QStringLiteral("--hoehe"), QStringLiteral("barometer")});
    EXPECT_EQ(falsch.code, 2);
    EXPECT_TRUE(falsch.fehler.contains("gnss oder druck"));
    EXPECT_TRUE(falsch.aus.isEmpty());
}

TEST_F(CliInfo, VrlOhneIgcObjektIgcKopfOhneFixIstFehler)
{
    const Lauf vrl = Starte({QString::fromStdString(test::Sample("lokalflug-1h.vrl"))});
    ASSERT_EQ(vrl.code, 0);
    EXPECT_FALSE(QJsonDocument::fromJson(vrl.aus).object().contains(QStringLiteral("igc")));

    const std::string ohneFix = test::TempDatei("AXXX001\r\nHFDTE150726\r\nHFPLTPILOT:Otto\r\n", ".igc");
    const Lauf leer = Starte({QString::fromStdString(ohneFix)});
    EXPECT_EQ(leer.code, 1);
    EXPECT_TRUE(leer.fehler.contains("ist keine Flugaufzeichnung."));
    EXPECT_TRUE(leer.aus.isEmpty());
}
