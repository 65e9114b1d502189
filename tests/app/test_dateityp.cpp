// Desktop integration: the desktop entry and the MIME type land in the user's data folder once,
// pointing at the running program under a name of its own, and never in the package's place.

#include "app/Dateityp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <gtest/gtest.h>

namespace {

QString Daten() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }

QByteArray Lies(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

bool Schreibe(const QString& pfad, const QByteArray& inhalt)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

// The system's data folders, where a package puts its entry: an empty one unless one is given.
struct SystemOrdner {
    QTemporaryDir ordner;
    QByteArray vorher = qgetenv("XDG_DATA_DIRS");
    SystemOrdner() { qputenv("XDG_DATA_DIRS", QFile::encodeName(ordner.path())); }
    ~SystemOrdner() { qputenv("XDG_DATA_DIRS", vorher); }
};

}  // namespace

#ifndef Q_OS_WIN

TEST(Dateityp, SchreibtEintragUndMimeTypEinmal)
{
    const SystemOrdner ohnePaket;
    const QString eintrag = Daten() + "/applications/sarnix-build.desktop";
    const QString mime = Daten() + "/mime/packages/sarnix-vrl.xml";
    QFile::remove(eintrag);
    QFile::remove(mime);

    EXPECT_EQ(RegistriereDateityp("/opt/sarnix/bin/sarnix"), 2);
    const QByteArray text = Lies(eintrag);
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nExec=/opt/sarnix/bin/sarnix %f\n"));
    EXPECT_TRUE(text.contains("\nMimeType=application/x-sarnix-vrl;application/x-igc;\n"));
    EXPECT_TRUE(text.contains("\nName=Sarnix (Build)\n"));
    EXPECT_TRUE(text.contains("\nComment[de]=Zeigt Flugaufzeichnungen grafisch an\n"));
    const QByteArray xml = Lies(mime);
    EXPECT_TRUE(xml.contains("type=\"application/x-sarnix-vrl\""));
    EXPECT_TRUE(xml.contains("<glob pattern=\"*.vrl\"/>"));
    EXPECT_TRUE(xml.contains("value=\"@SX\""));
    EXPECT_TRUE(xml.contains("<comment>Sarnix flight recording</comment>"));
    EXPECT_TRUE(xml.contains("<comment xml:lang=\"de\">Sarnix Flugaufzeichnung</comment>"));
    EXPECT_TRUE(xml.contains("type=\"application/x-igc\""));
    EXPECT_TRUE(xml.contains("<glob pattern=\"*.igc\"/>"));

    // A second start finds everything in place and writes nothing.
    const QDateTime zeit = QFileInfo(eintrag).lastModified();
    EXPECT_EQ(RegistriereDateityp("/opt/sarnix/bin/sarnix"), 0);
    EXPECT_EQ(Lies(eintrag), text);
    EXPECT_EQ(QFileInfo(eintrag).lastModified(), zeit);

    // The program moved: only the desktop entry follows.
    EXPECT_EQ(RegistriereDateityp("/nirgends/bin/sarnix"), 1);
    EXPECT_TRUE(Lies(eintrag).contains("\nExec=/nirgends/bin/sarnix %f\n"));
}

TEST(Dateityp, InstalliertesProgrammSchreibtNichts)
{
    // The layout a package leaves: <prefix>/bin/sarnix and <prefix>/share/applications.
    QTemporaryDir wurzel;
    ASSERT_TRUE(wurzel.isValid());
    ASSERT_TRUE(QDir(wurzel.path()).mkpath("usr/bin"));
    ASSERT_TRUE(QDir(wurzel.path()).mkpath("usr/share/applications"));
    QFile paketEintrag(wurzel.path() + "/usr/share/applications/sarnix.desktop");
    ASSERT_TRUE(paketEintrag.open(QIODevice::WriteOnly));
    paketEintrag.close();

    const SystemOrdner ohnePaket;
    const QString eintrag = Daten() + "/applications/sarnix-build.desktop";
    const QString mime = Daten() + "/mime/packages/sarnix-vrl.xml";
    QFile::remove(eintrag);
    QFile::remove(mime);
    EXPECT_EQ(RegistriereDateityp(wurzel.path() + "/usr/bin/sarnix"), 0);
    EXPECT_FALSE(QFile::exists(eintrag));
    EXPECT_FALSE(QFile::exists(mime));

    // The same program run from a build folder registers itself as before.
    EXPECT_EQ(RegistriereDateityp(wurzel.path() + "/build/app/sarnix"), 2);
    EXPECT_TRUE(Lies(eintrag).contains("/build/app/sarnix %f\n"));
}

TEST(Dateityp, BauVerdraengtDasPaketNicht)
{
    const QString paket = Daten() + "/applications/sarnix.desktop";
    const QString bau = Daten() + "/applications/sarnix-build.desktop";
    const QString programm = "/home/pilot/sarnix/build/app/sarnix";
    RegistriereDateityp(programm);  // makes the program's entry readable here
    // What a build wrote under the package's name before, and the same entry changed by hand.
    const QByteArray frueher = Lies(":/sarnix.desktop").replace("Exec=sarnix %f", "Exec=" + programm.toUtf8() + " %f");
    const QByteArray vonHand = QByteArray(frueher).replace("Terminal=false", "Terminal=true");
    const struct {
        QByteArray paketVorher;
        bool paketInstalliert;
        QByteArray paketNachher;
        bool bauNachher;
    } faelle[] = {{frueher, false, {}, true}, {{}, true, {}, false}, {frueher, true, {}, false}, {vonHand, false, vonHand, true}};
    for (const auto& fall : faelle) {
        QFile::remove(paket);
        QFile::remove(bau);
        SystemOrdner system;
        RegistriereDateityp(programm);  // a start before the package came
        if (!fall.paketVorher.isEmpty())
            Schreibe(paket, fall.paketVorher);
        if (fall.paketInstalliert)
            Schreibe(system.ordner.path() + "/applications/sarnix.desktop", "[Desktop Entry]\n");
        RegistriereDateityp(programm);
        EXPECT_EQ(Lies(paket), fall.paketNachher) << fall.paketInstalliert;
        EXPECT_EQ(QFile::exists(bau), fall.bauNachher) << fall.paketInstalliert;
    }
}

TEST(Dateityp, NichtBeschreibbarIstStill)
{
    // A data folder below a plain file cannot be made, not even by root.
    QTemporaryFile sperre;
    ASSERT_TRUE(sperre.open());
    const QByteArray vorher = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(sperre.fileName() + "/daten"));
    const int geschrieben = RegistriereDateityp("/nirgends/sarnix");
    qputenv("XDG_DATA_HOME", vorher);
    EXPECT_EQ(geschrieben, 0);
}

#endif

TEST(Dateityp, ExecZeileQuotetWoNoetig)
{
    EXPECT_EQ(DesktopExec("/usr/bin/sarnix"), "/usr/bin/sarnix %f");
    EXPECT_EQ(DesktopExec("/home/pilot/Mein Flug/sarnix"), "\"/home/pilot/Mein Flug/sarnix\" %f");
    EXPECT_EQ(DesktopExec("/opt/100%/sarnix"), "/opt/100%%/sarnix %f");
    // Inside quotes " ` $ \ take a backslash, and the file level doubles each backslash.
    EXPECT_EQ(DesktopExec("/a b/$x"), "\"/a b/\\\\$x\" %f");
    EXPECT_EQ(DesktopExec("/a\\b"), "\"/a\\\\\\\\b\" %f");
}
