// The about box: title, icon, name, version, licence, OK; opened by F1 and the help menu.

#include "AppHilfen.h"

#include "app/CInfoDlg.h"
#include "pipeline/Befehle.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

TEST(InfoBox, TitelSymbolUndName)
{
    CInfoDlg info;
    EXPECT_EQ(info.windowTitle(), "Info über Sarnix");
    const auto* name = info.findChild<QLabel*>("name");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "SARNIX");
    EXPECT_TRUE(name->alignment() & Qt::AlignHCenter);
    bool symbol = false;
    for (const QLabel* l : info.findChildren<QLabel*>())
        symbol = symbol || !l->pixmap().isNull();
    EXPECT_TRUE(symbol);
    const auto* knoepfe = info.findChild<QDialogButtonBox*>();
    ASSERT_NE(knoepfe, nullptr);
    EXPECT_EQ(knoepfe->buttons().size(), 1);
}

TEST(InfoBox, VersionQtUndLizenz)
{
    CInfoDlg info;
    const auto* angaben = info.findChild<QLabel*>("angaben");
    ASSERT_NE(angaben, nullptr);
    const QStringList zeilen = angaben->text().split(QLatin1Char('\n'));
    ASSERT_GE(zeilen.size(), 4);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(zeilen[0]).hasMatch())
        << zeilen[0].toStdString();
    EXPECT_EQ(zeilen[1], QStringLiteral("Qt ") + QString::fromLatin1(qVersion()));
    EXPECT_TRUE(angaben->text().contains(QStringLiteral("kostenlos genutzt und weitergegeben")));
    // Nothing is cut off: the box is as large as its texts.
    info.show();
    EXPECT_GE(angaben->height(), angaben->heightForWidth(angaben->width()));
}

TEST(InfoBox, OkSchliesst)
{
    CInfoDlg info;
    info.show();
    QAbstractButton* ok = info.findChild<QDialogButtonBox*>()->buttons().first();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(info.isVisible());
    EXPECT_EQ(info.result(), QDialog::Accepted);
}

TEST(InfoBox, F1OeffnetSie)
{
    test::Fenster f;
    f.rahmen->show();
    f.rahmen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.rahmen.get()));
    QString titel;
    test::BeiModalemFenster([&](QWidget* fenster) {
        if (qobject_cast<CInfoDlg*>(fenster) == nullptr)
            return false;
        titel = fenster->windowTitle();
        fenster->close();
        return true;
    });
    QTest::keyClick(f.rahmen.get(), Qt::Key_F1);
    EXPECT_EQ(titel, "Info über Sarnix");
}
