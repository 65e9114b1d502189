// sarnix-cli print as the user runs it: exit codes, the JSON line, the PDF and the PNG page.

#include "TestHilfen.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using test::Lauf;
using test::Probe;

QString Programm()
{
    return test::SarnixCli();
}

Lauf Starte(const QStringList& argumente)
{
    return test::Starte(Programm(), QStringList{QStringLiteral("print")} + argumente);
}

class CliDruck : public test::CliTest {};

}  // namespace

TEST_F(CliDruck, PdfMitJsonZeile)
{
    // A local flight of a few kilometres: 1:25 000 with the half-minute grid, north up.
    const QString ziel = Ziel("lokal.pdf");
    const Lauf l = Starte({Probe("lokalflug-1h.vrl"), QStringLiteral("-o"), ziel});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_EQ(l.aus, QStringLiteral("{\"vorschlag\": 25000, \"massstab\": 25000, \"gedreht\": false, \"gitter\": 5000, \"seiten\": 1}\n"));
    QFile pdf(ziel);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
}

TEST_F(CliDruck, GewaehlterMassstabUndQuerformat)
{
    const Lauf l = Starte({Probe("suedwest-3h.vrl"), QStringLiteral("-o"), Ziel("sw.pdf"), QStringLiteral("--landscape"),
                           QStringLiteral("--massstab"), QStringLiteral("1000000"), QStringLiteral("--ohne-zeitmarken")});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_TRUE(l.aus.contains(QStringLiteral("\"massstab\": 1000000, \"gedreht\": true, \"gitter\": 200000, \"seiten\": 1}")))
        << l.aus.toStdString();
}

TEST_F(CliDruck, PngIstDieGanzeSeite)
{
    // A4 at 50 dpi: 210 mm × 297 mm are 413 × 585 pixels, white with the map on it.
    const QString ziel = Ziel("lokal.png");
    const Lauf l = Starte({Probe("lokalflug-1h.vrl"), QStringLiteral("-o"), ziel, QStringLiteral("--dpi"), QStringLiteral("50")});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const QImage bild(ziel);
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.size(), QSize(413, 585));
    EXPECT_EQ(bild.pixel(412, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_GT(test::NichtWeiss(bild), 2000);
    EXPECT_EQ(bild.dotsPerMeterX(), 1969);
}

TEST_F(CliDruck, RandVonFuenfMillimeternBleibtWeiss)
{
    // 5 mm at 100 dpi are 19 pixels; the footer and the labels stay inside.
    const QString ziel = Ziel("rand.png");
    ASSERT_EQ(Starte({Probe("streckenflug-6h.vrl"), QStringLiteral("-o"), ziel, QStringLiteral("--dpi"), QStringLiteral("100")}).code, 0);
    const QImage bild(ziel);
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(test::NichtWeiss(bild.copy(0, 0, bild.width(), 19)), 0);
    EXPECT_EQ(test::NichtWeiss(bild.copy(0, bild.height() - 19, bild.width(), 19)), 0);
    EXPECT_EQ(test::NichtWeiss(bild.copy(0, 0, 19, bild.height())), 0);
    EXPECT_EQ(test::NichtWeiss(bild.copy(bild.width() - 19, 0, 19, bild.height())), 0);
    EXPECT_GT(test::NichtWeiss(bild.copy(19, bild.height() - 60, bild.width() - 38, 41)), 0);  // the footer
}

TEST_F(CliDruck, FeinererMassstabDruecktAufMehrereSeiten)
{
    // The six-hour flight at 1:50 000: an overview and the tiles, as PDF pages and as numbered PNGs.
    const QString pdf = Ziel("strecke.pdf");
    const Lauf l = Starte({Probe("streckenflug-6h.vrl"), QStringLiteral("-o"), pdf, QStringLiteral("--dpi"), QStringLiteral("72"),
                           QStringLiteral("--massstab"), QStringLiteral("50000")});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const QRegularExpressionMatch treffer = QRegularExpression(QStringLiteral("\"seiten\": (\\d+)")).match(l.aus);
    ASSERT_TRUE(treffer.hasMatch()) << l.aus.toStdString();
    const int seiten = treffer.captured(1).toInt();
    EXPECT_GT(seiten, 2);
    QFile datei(pdf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    EXPECT_EQ(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page\r") + inhalt.count("/Type /Page "), seiten);

    const QString png = Ziel("strecke.png");
    ASSERT_EQ(Starte({Probe("streckenflug-6h.vrl"), QStringLiteral("-o"), png, QStringLiteral("--dpi"), QStringLiteral("30"),
                      QStringLiteral("--massstab"), QStringLiteral("50000")}).code, 0);
    EXPECT_FALSE(QFileInfo::exists(png));
    for (int i = 1; i <= seiten; ++i)
        EXPECT_FALSE(QImage(Ziel("strecke-%1.png").arg(i)).isNull()) << i;
    EXPECT_FALSE(QFileInfo::exists(Ziel("strecke-%1.png").arg(seiten + 1)));
}

TEST_F(CliDruck, FalscheAufrufeSindNutzungsfehler)
{
    const QString ziel = Ziel("x.pdf");
    const QString datei = Probe("lokalflug-1h.vrl");
    EXPECT_EQ(Starte({datei, QStringLiteral("-o"), ziel, QStringLiteral("--massstab"), QStringLiteral("30000")}).code, 2);
    EXPECT_EQ(Starte({datei, QStringLiteral("-o"), ziel, QStringLiteral("--massstab")}).code, 2);
    EXPECT_EQ(Starte({datei, QStringLiteral("-o"), ziel, QStringLiteral("--dpi"), QStringLiteral("null")}).code, 2);
    EXPECT_EQ(Starte({datei, QStringLiteral("-o"), ziel, QStringLiteral("--page"), QStringLiteral("A5")}).code, 2);
    EXPECT_EQ(Starte({datei, QStringLiteral("-o"), Ziel("x.svg")}).code, 2);
    EXPECT_EQ(Starte({datei}).code, 2);
    EXPECT_EQ(Starte({QStringLiteral("-o"), ziel}).code, 2);
    EXPECT_FALSE(QFileInfo::exists(ziel));
}

TEST_F(CliDruck, FehlendeDateiUndKeinFlug)
{
    const QString ziel = Ziel("x.pdf");
    const Lauf fehlt = Starte({Ziel("gibtsnicht.vrl"), QStringLiteral("-o"), ziel});
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_TRUE(fehlt.fehler.contains(QStringLiteral("gibtsnicht.vrl"))) << fehlt.fehler.toStdString();
    const QString leer = QString::fromStdString(test::TempDatei("kein Flug\n"));
    const Lauf keinFlug = Starte({leer, QStringLiteral("-o"), ziel});
    EXPECT_EQ(keinFlug.code, 1);
    EXPECT_EQ(keinFlug.fehler.trimmed(), leer + QStringLiteral(" ist keine Flugaufzeichnung."));
    EXPECT_TRUE(keinFlug.aus.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(ziel));
}

TEST_F(CliDruck, UnschreibbaresZielMeldetFehler)
{
    const Lauf l = Starte({Probe("lokalflug-1h.vrl"), QStringLiteral("-o"), Ziel("fehlt/ordner/x.pdf")});
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.aus.isEmpty());
}
