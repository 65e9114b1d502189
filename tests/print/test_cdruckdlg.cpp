// The print scale dialog driven through real clicks and keys while it runs modally.

#include "print/CDruckDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

QRadioButton* Knopf(const CDruckDlg& dlg, int id)
{
    return dlg.findChild<QRadioButton*>(QString::number(id));
}

QCheckBox* Zeitmarken(const CDruckDlg& dlg)
{
    return dlg.findChild<QCheckBox*>(QStringLiteral("1011"));
}

// Runs the dialog modally with the proposal; bedienen acts on it once it is open.
int Ausfuehren(CDruckDlg& dlg, int vorschlag, const std::function<void()>& bedienen)
{
    dlg.massstab = vorschlag;
    QTimer::singleShot(0, &dlg, [&] {
        bedienen();
        if (dlg.isVisible())
            dlg.reject();  // a failed step must not leave the test waiting
    });
    return dlg.exec();
}

// On the box itself: the check box stretches across the dialog, its middle is empty.
void KlickeZeitmarken(const CDruckDlg& dlg)
{
    QCheckBox* box = Zeitmarken(dlg);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void Ok(CDruckDlg& dlg)
{
    auto* ok = dlg.findChild<QPushButton*>(QStringLiteral("1"));
    ASSERT_TRUE(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
}

// Checked / enabled state of 1001 .. 1006 as a string: "x" set, "o" clear, "-" disabled.
std::string Zustand(const CDruckDlg& dlg)
{
    std::string s;
    for (int id = 1001; id <= 1006; ++id) {
        const QRadioButton* k = Knopf(dlg, id);
        s += !k->isEnabled() ? (k->isChecked() ? '!' : '-') : (k->isChecked() ? 'x' : 'o');
    }
    return s;
}

}  // namespace

TEST(DruckDialog, TexteUndAnfangswerte)
{
    CDruckDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Sarnix (Drucken)"));
    EXPECT_EQ(dlg.massstab, 0);
    EXPECT_EQ(dlg.mitZeitmarken, 0);
    const char* texte[] = {"1 : 25 000", "1 : 50 000", "1 : 100 000", "1 : 200 000", "1 : 250 000", "1 : 500 000"};
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(Knopf(dlg, 1001 + i));
        EXPECT_EQ(Knopf(dlg, 1001 + i)->text(), QString::fromUtf8(texte[i]));
    }
    EXPECT_EQ(Zeitmarken(dlg)->text(), QStringLiteral("Zeitmarken"));
    EXPECT_TRUE(dlg.findChild<QPushButton*>(QStringLiteral("1"))->isDefault());
}

TEST(DruckDialog, VorschlagHunderttausendSperrtDieFeineren)
{
    CDruckDlg dlg;
    std::string zustand;
    bool haken = false;
    Ausfuehren(dlg, 100000, [&] {
        zustand = Zustand(dlg);
        haken = Zeitmarken(dlg)->isChecked();
        Ok(dlg);
    });
    EXPECT_EQ(zustand, "--xooo");
    EXPECT_TRUE(haken);
    EXPECT_EQ(dlg.massstab, 100000);
    EXPECT_EQ(dlg.mitZeitmarken, 1);
}

TEST(DruckDialog, JederVorschlagSetztSeinenKnopf)
{
    const std::pair<int, const char*> faelle[] = {{25000, "xooooo"},  {50000, "-xoooo"},  {200000, "---xoo"},
                                                  {250000, "----xo"}, {500000, "-----x"}, {1000000, "------"}};
    for (const auto& [vorschlag, erwartet] : faelle) {
        CDruckDlg dlg;
        std::string zustand;
        Ausfuehren(dlg, vorschlag, [&] {
            zustand = Zustand(dlg);
            Ok(dlg);
        });
        EXPECT_EQ(zustand, erwartet) << vorschlag;
        EXPECT_EQ(dlg.massstab, vorschlag);
    }
}

TEST(DruckDialog, EineMillionKeinKnopfUndOkDrucktEineMillion)
{
    CDruckDlg dlg;
    QString feld;
    const int ergebnis = Ausfuehren(dlg, 1000000, [&] {
        feld = dlg.findChild<QLineEdit*>(QStringLiteral("1008"))->text();
        Ok(dlg);
    });
    EXPECT_EQ(ergebnis, QDialog::Accepted);
    EXPECT_EQ(feld, QStringLiteral("1000000"));
    EXPECT_EQ(dlg.massstab, 1000000);
    EXPECT_EQ(dlg.mitZeitmarken, 1);
}

TEST(DruckDialog, KlickAufGroeberenMassstabOhneZeitmarken)
{
    CDruckDlg dlg;
    std::string zustand;
    Ausfuehren(dlg, 50000, [&] {
        QTest::mouseClick(Knopf(dlg, 1005), Qt::LeftButton);
        zustand = Zustand(dlg);
        KlickeZeitmarken(dlg);
        Ok(dlg);
    });
    EXPECT_EQ(zustand, "-oooxo");
    EXPECT_EQ(dlg.massstab, 250000);
    EXPECT_EQ(dlg.mitZeitmarken, 0);
}

TEST(DruckDialog, KlickAufGesetztenKnopfBleibtGesetzt)
{
    CDruckDlg dlg;
    std::string zustand;
    Ausfuehren(dlg, 200000, [&] {
        QTest::mouseClick(Knopf(dlg, 1004), Qt::LeftButton);
        zustand = Zustand(dlg);
        Ok(dlg);
    });
    EXPECT_EQ(zustand, "---xoo");
    EXPECT_EQ(dlg.massstab, 200000);
}

TEST(DruckDialog, GesperrterKnopfNimmtKeinenKlick)
{
    CDruckDlg dlg;
    Ausfuehren(dlg, 100000, [&] {
        QTest::mouseClick(Knopf(dlg, 1001), Qt::LeftButton);
        Ok(dlg);
    });
    EXPECT_EQ(dlg.massstab, 100000);
}

TEST(DruckDialog, EscapeGleichNachDemOeffnenBehaeltDenVorschlag)
{
    CDruckDlg dlg;
    const int ergebnis = Ausfuehren(dlg, 200000, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
    EXPECT_EQ(ergebnis, QDialog::Rejected);
    EXPECT_EQ(dlg.massstab, 200000);
    EXPECT_EQ(dlg.mitZeitmarken, 1);
}

TEST(DruckDialog, EscapeBehaeltWasDieKlicksGesetztHaben)
{
    CDruckDlg dlg;
    Ausfuehren(dlg, 25000, [&] {
        QTest::mouseClick(Knopf(dlg, 1006), Qt::LeftButton);
        KlickeZeitmarken(dlg);
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.massstab, 500000);
    EXPECT_EQ(dlg.mitZeitmarken, 0);
}

TEST(DruckDialog, ZeitmarkenStartenGesetztAuchNachAbwahl)
{
    // A new opening starts with time marks, whatever the members held before.
    CDruckDlg dlg;
    dlg.mitZeitmarken = 0;
    bool haken = false;
    Ausfuehren(dlg, 50000, [&] {
        haken = Zeitmarken(dlg)->isChecked();
        Ok(dlg);
    });
    EXPECT_TRUE(haken);
    EXPECT_EQ(dlg.mitZeitmarken, 1);
}

TEST(DruckDialog, MitSeitenzahlenIstJederMassstabWaehlbar)
{
    CDruckDlg dlg;
    dlg.seitenZahl = [](int massstab) { return massstab >= 200000 ? 1 : 200000 / massstab + 1; };
    Ausfuehren(dlg, 200000, [&] {
        EXPECT_EQ(Zustand(dlg), "oooxoo");
        EXPECT_EQ(Knopf(dlg, 1001)->text(), QStringLiteral("1 : 25 000 (9 Seiten)"));
        EXPECT_EQ(Knopf(dlg, 1003)->text(), QStringLiteral("1 : 100 000 (3 Seiten)"));
        EXPECT_EQ(Knopf(dlg, 1004)->text(), QStringLiteral("1 : 200 000"));
        QTest::mouseClick(Knopf(dlg, 1002), Qt::LeftButton, {}, QPoint(6, Knopf(dlg, 1002)->height() / 2));
        Ok(dlg);
    });
    EXPECT_EQ(dlg.massstab, 50000);

    // A proposal without a button names its pages below the buttons.
    CDruckDlg gross;
    gross.seitenZahl = [](int massstab) { return massstab >= 1000000 ? 7 : 20; };
    Ausfuehren(gross, 1000000, [&] {
        const auto* vorschlag = gross.findChild<QLabel*>(QStringLiteral("vorschlag"));
        ASSERT_TRUE(vorschlag);
        EXPECT_TRUE(vorschlag->isVisible());
        EXPECT_EQ(vorschlag->text(), QStringLiteral("Vorschlag: 1 : 1 000 000 (7 Seiten)"));
        Ok(gross);
    });
    EXPECT_EQ(gross.massstab, 1000000);
}
