// Runs the tests headless, with settings and desktop folders in a temporary folder, so that no
// test reads or writes the user's own files.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QTemporaryDir heim;
    if (!heim.isValid())
        return 3;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray wurzel = QFile::encodeName(heim.path());
    // The interface texts are German, also in the programs the tests start.
    qputenv("LANGUAGE", "de");
    qputenv("XDG_CONFIG_HOME", wurzel + "/config");
    qputenv("XDG_DATA_HOME", wurzel + "/data");
    qputenv("XDG_CACHE_HOME", wurzel + "/cache");
    qputenv("XDG_RUNTIME_DIR", wurzel + "/runtime");
    QDir().mkpath(heim.path() + QStringLiteral("/runtime"));
    QFile::setPermissions(heim.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvexa"));
    QCoreApplication::setApplicationName(QStringLiteral("sarnix"));

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
