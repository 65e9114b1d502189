// The page step on a printer: here a printer writing PDF, the only printer this machine has.

#include "KartenHilfen.h"
#include "print/Drucken.h"
#include "TestHilfen.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace karte;

namespace {

struct PdfDrucker : ::testing::Test {
    QTemporaryDir ordner;
    QString datei;
    QPrinter drucker{QPrinter::HighResolution};
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        datei = ordner.filePath(QStringLiteral("seite.pdf"));
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        drucker.setResolution(600);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setPageOrientation(QPageLayout::Portrait);
    }
};

}  // namespace

TEST_F(PdfDrucker, EineSeiteMitDemVorgeschlagenenMassstab)
{
    // The printable area of A4 less 10 mm all round is 190 mm × 277 mm; the 10 × 4 km flight
    // is turned and needs 1:50 000 (Q = trunc(10 000 000 / 277) = 36 101).
    drucker.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    CSarnixDoc doc;
    ZehnMalVier(doc);
    int fragen = 0;
    KartenInfo info;
    const int ergebnis = SeiteDrucken(doc, drucker, [&](int v) { ++fragen; return DruckWahl{v, 1}; }, &info);
    EXPECT_EQ(ergebnis, 1);
    EXPECT_EQ(fragen, 1);
    EXPECT_EQ(info.vorschlag, 50000);
    EXPECT_TRUE(info.gedreht);
    EXPECT_EQ(info.gitter, 10000);
    QFile pdf(datei);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
}

TEST_F(PdfDrucker, DruckbereichUndAufloesungGebenDieSeitenmasse)
{
    drucker.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    const auto mass = DruckerMass(drucker);
    ASSERT_TRUE(mass);
    // The PDF printer holds A4 as 595 × 842 points: 4958 × 7017 pixels at 600 dpi,
    // 209.89 mm × 297.05 mm, 23.62 pixels a millimetre.
    EXPECT_EQ(mass->seite, (Rechteck{0, 0, 4958, 7017}));
    EXPECT_NEAR(mass->breiteMm, 209.889f, 0.01f);
    EXPECT_NEAR(mass->hoeheMm, 297.053f, 0.01f);
    EXPECT_NEAR(mass->pxMmX, 23.622f, 1e-3f);
}

TEST_F(PdfDrucker, OhneFlugKeineSeite)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    doc.geladen = 0;
    bool gefragt = false;
    EXPECT_EQ(SeiteDrucken(doc, drucker, [&](int v) { gefragt = true; return DruckWahl{v, 1}; }), 0);
    EXPECT_FALSE(gefragt);
    EXPECT_FALSE(QFile::exists(datei));
}

TEST(DruckeDatei, FehlendeDateiUndUnbekannterDrucker)
{
    EXPECT_EQ(DruckeDatei(QStringLiteral("/gibt/es/nicht.vrl"), QString()), 1);
    const QString probe = QString::fromStdString(test::Sample("lokalflug-1h.vrl"));
    EXPECT_EQ(DruckeDatei(probe, QStringLiteral("Kein solcher Drucker 4711")), 1);
    const QString leer = QString::fromStdString(test::TempDatei("kein Flug\n"));
    EXPECT_EQ(DruckeDatei(leer, QString()), 1);
}

TEST(DruckeDatei, OhneDruckerKeinErfolg)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "a printer is set up; printing would really print";
    const QString probe = QString::fromStdString(test::Sample("lokalflug-1h.vrl"));
    EXPECT_EQ(DruckeDatei(probe, QString()), 1);
}

TEST_F(PdfDrucker, FeinererMassstabDruecktAlleSeiten)
{
    // The worked example at 1:25 000: an overview and two tiles, one sheet each, one question.
    drucker.setResolution(150);
    drucker.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    CSarnixDoc doc;
    ZehnMalVier(doc);
    int fragen = 0;
    KartenInfo info;
    EXPECT_EQ(SeiteDrucken(doc, drucker, [&](int) { ++fragen; return DruckWahl{25000, 1}; }, &info), 1);
    EXPECT_EQ(fragen, 1);
    EXPECT_EQ(info.massstab, 25000);
    EXPECT_EQ(info.seiten, 3);
    QFile pdf(datei);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), 3);
}
