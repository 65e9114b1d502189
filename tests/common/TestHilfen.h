#pragma once
// Small helpers shared by the tests: sample paths, temporary recordings, blank canvases.

#include "Dateien.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace test {

// A white RGB32 canvas.
QImage LeeresBild(int breite, int hoehe);
// Number of pixels of the image that are not white.
int NichtWeiss(const QImage& bild);

// Processes events until the condition holds. Use as ASSERT_TRUE(test::WarteBis(...)): a timeout
// is a failure that says what was awaited, not a silent return.
[[nodiscard]] ::testing::AssertionResult WarteBis(const std::function<bool()>& bedingung, int ms = 5000,
                                                  const char* was = "the condition");

// The sarnix-cli of this build.
QString SarnixCli();

// One run of a program as a script sees it.
struct Lauf {
    int code = -1;  // also when it did not end within two minutes
    QString aus;
    QString fehler;
};

// Runs programm with argumente and eingabe on its standard input until it ends; its output and
// error output read as UTF-8.
Lauf Starte(const QString& programm, const QStringList& argumente, const QByteArray& eingabe = {});

// A bundled sample's path as a QString, for command lines.
QString Probe(const char* name);

// The fixture of the sarnix-cli tests that write files: the program must be built, and what it
// writes goes into a temporary folder.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override;
    QString Ziel(const char* name) const { return ordner.filePath(QString::fromLatin1(name)); }
    QTemporaryDir ordner;
};

}  // namespace test
