// sarnix-cli render --skalierung: pictures for screens of higher density, and the values refused.

#include "TestHilfen.h"
#include "cli/Cli.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CliSkalierung, BildMitDenPixelnDesVerhaeltnisses)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString flug = QString::fromStdString(test::Sample("suedwest-3h.vrl"));
    for (const auto& [wert, groesse] : {std::pair{"2", QSize(800, 600)}, std::pair{"1.5", QSize(600, 450)},
                                        std::pair{"1", QSize(400, 300)}}) {
        const QString ziel = ordner.filePath(QStringLiteral("bild.png"));
        ASSERT_EQ(CliRender({flug, "-o", ziel, "--size", "400x300", "--skalierung", wert}), 0) << wert;
        const QImage bild(ziel);
        EXPECT_EQ(bild.size(), groesse) << wert;
        EXPECT_EQ(bild.pixel(0, bild.height() - 1), qRgb(0, 50, 255)) << wert;
    }
}

TEST(CliSkalierung, UnsinnigeWerteSindNutzungsfehler)
{
    QTemporaryDir ordner;
    const QString flug = QString::fromStdString(test::Sample("lokalflug-1h.vrl"));
    const QString ziel = ordner.filePath(QStringLiteral("nie.png"));
    for (const char* wert : {"0", "0.5", "-2", "9", "zwei", "1,5", "nan", "inf", ""})
        EXPECT_EQ(CliRender({flug, "-o", ziel, "--skalierung", wert}), 2) << wert;
    // Too many pixels for one side: refused before anything is drawn.
    EXPECT_EQ(CliRender({flug, "-o", ziel, "--size", "10000x100", "--skalierung", "2"}), 2);
    EXPECT_FALSE(QFile::exists(ziel));
}
