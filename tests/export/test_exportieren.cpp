// Writing the file: refused targets, a write that fails half-way, and the recording never touched.

#include "ExportHilfen.h"
#include "TestHilfen.h"

#include "export/Exportieren.h"
#include "export/Gpx.h"
#include "export/Kml.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

namespace {

QByteArray Inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void Schreibe(const QString& pfad, const QByteArray& bytes)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(bytes);
}

class Ziele : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        aufzeichnung = ordner.filePath(QStringLiteral("flug.vrl"));
        ASSERT_TRUE(QFile::copy(QString::fromStdString(test::Sample("lokalflug-1h.vrl")), aufzeichnung));
        ASSERT_TRUE(doc.OnOpenDocument(aufzeichnung.toStdString()));
        original = Inhalt(aufzeichnung);
    }
    ExportWahl Wahl(ExportFormat format) const
    {
        ExportWahl wahl = KeineWahl();
        wahl.format = format;
        return wahl;
    }
    QTemporaryDir ordner;
    QString aufzeichnung;
    QByteArray original;
    CSarnixDoc doc;
};

}  // namespace

TEST(Endung, GpxUndKmlInJederSchreibweise)
{
    EXPECT_EQ(FormatAusEndung(QStringLiteral("a/flug.gpx")), ExportFormat::Gpx);
    EXPECT_EQ(FormatAusEndung(QStringLiteral("FLUG.KML")), ExportFormat::Kml);
    EXPECT_FALSE(FormatAusEndung(QStringLiteral("flug.kmz")));
    EXPECT_FALSE(FormatAusEndung(QStringLiteral("flug")));
}

TEST_F(Ziele, BeideFormateWerdenGeschrieben)
{
    const QString gpx = ordner.filePath(QStringLiteral("flug.gpx"));
    const ExportErgebnis e = Exportiere(doc, gpx, Wahl(ExportFormat::Gpx));
    ASSERT_TRUE(e.geschrieben) << e.fehler.toStdString();
    EXPECT_EQ(e.bericht.punkte, 3560);
    EXPECT_EQ(e.bericht.wegpunkte, 9);
    EXPECT_EQ(SchemaFehler(Inhalt(gpx)), QString());

    const QString kml = ordner.filePath(QStringLiteral("flug.kml"));
    const ExportErgebnis k = Exportiere(doc, kml, Wahl(ExportFormat::Kml));
    ASSERT_TRUE(k.geschrieben);
    EXPECT_EQ(k.bericht.punkte, 3560);
    EXPECT_GT(k.bericht.stuecke, 0);
    EXPECT_TRUE(LiesKml(Inhalt(kml)).fehlerfrei);
    // Nothing else was left in the folder.
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 3);
}

TEST_F(Ziele, DieAufzeichnungWirdNieUeberschrieben)
{
    ExportErgebnis e = Exportiere(doc, aufzeichnung, Wahl(ExportFormat::Gpx));
    EXPECT_FALSE(e.geschrieben);
    EXPECT_TRUE(e.fehler.endsWith(QStringLiteral("ist die geöffnete Aufzeichnung; sie wird nie überschrieben.")))
        << e.fehler.toStdString();
    // Also under another spelling of its path, and through a link.
    e = Exportiere(doc, ordner.path() + QStringLiteral("/./flug.vrl"), Wahl(ExportFormat::Kml));
    EXPECT_FALSE(e.geschrieben);
    const QString verweis = ordner.filePath(QStringLiteral("verweis.gpx"));
    if (QFile::link(aufzeichnung, verweis)) {
        e = Exportiere(doc, verweis, Wahl(ExportFormat::Gpx));
        EXPECT_FALSE(e.geschrieben);
    }
    EXPECT_EQ(Inhalt(aufzeichnung), original);
}

TEST_F(Ziele, OrdnerUndUnerreichbareZiele)
{
    const ExportErgebnis ordnerZiel = Exportiere(doc, ordner.path(), Wahl(ExportFormat::Gpx));
    EXPECT_FALSE(ordnerZiel.geschrieben);
    EXPECT_EQ(ordnerZiel.fehler, QDir::toNativeSeparators(ordner.path()) + QStringLiteral(" ist ein Ordner."));

    const QString fehlt = ordner.filePath(QStringLiteral("fehlt/flug.gpx"));
    const ExportErgebnis e = Exportiere(doc, fehlt, Wahl(ExportFormat::Gpx));
    EXPECT_FALSE(e.geschrieben);
    EXPECT_EQ(e.fehler, QDir::toNativeSeparators(fehlt) + QStringLiteral(" konnte nicht geschrieben werden."));
    EXPECT_FALSE(QFile::exists(fehlt));
}

TEST_F(Ziele, AbgebrochenesSchreibenLaesstDieAlteDatei)
{
    const QString ziel = ordner.filePath(QStringLiteral("alt.gpx"));
    Schreibe(ziel, "alte Datei");
    const bool ok = SchreibeAtomar(ziel, [](QIODevice& datei) {
        datei.write("halb");
        return false;
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(Inhalt(ziel), "alte Datei");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 2);  // the recording and the old file

    EXPECT_TRUE(SchreibeAtomar(ziel, [](QIODevice& datei) { return datei.write("neu") == 3; }));
    EXPECT_EQ(Inhalt(ziel), "neu");
}

#if defined(Q_OS_LINUX)
TEST_F(Ziele, VolleFestplatteWirdGemeldet)
{
    // /dev/full takes nothing: the writer notices, the caller is told.
    QFile voll(QStringLiteral("/dev/full"));
    ASSERT_TRUE(voll.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    EXPECT_FALSE(SchreibeGpx(doc, Wahl(ExportFormat::Gpx), voll));
    EXPECT_FALSE(SchreibeKml(doc, Wahl(ExportFormat::Kml), voll));
}
#endif
