#include "TestHilfen.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

namespace test {

QImage LeeresBild(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

int NichtWeiss(const QImage& bild)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if ((bild.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                ++n;
    return n;
}

::testing::AssertionResult WarteBis(const std::function<bool()>& bedingung, int ms, const char* was)
{
    const QDeadlineTimer frist(ms);
    while (!bedingung()) {
        if (frist.hasExpired())
            return ::testing::AssertionFailure() << "waited " << ms << " ms for " << was << " in vain";
        QTest::qWait(10);
    }
    return ::testing::AssertionSuccess();
}

QString SarnixCli()
{
    return QStringLiteral(SARNIX_CLI);
}

Lauf Starte(const QString& programm, const QStringList& argumente, const QByteArray& eingabe)
{
    QProcess p;
    p.start(programm, argumente);
    p.write(eingabe);
    p.closeWriteChannel();
    Lauf l;
    if (!p.waitForFinished(120000))
        return l;
    l.code = p.exitCode();
    l.aus = QString::fromUtf8(p.readAllStandardOutput());
    l.fehler = QString::fromUtf8(p.readAllStandardError());
    return l;
}

QString Probe(const char* name)
{
    return QString::fromStdString(Sample(name));
}

void CliTest::SetUp()
{
    ASSERT_TRUE(QFileInfo(SarnixCli()).isExecutable()) << "no sarnix-cli at " << SarnixCli().toStdString();
    ASSERT_TRUE(ordner.isValid());
}

}  // namespace test
