// A log of two flights with forty minutes on the ground between them: the phases dialog offers
// all flights and each one, the flight information counts them.

#include "flight/CSarnixDoc.h"
#include "view/CFlugInfoDlg.h"
#include "view/CFlugphasenDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Twenty minutes north at 11 m/s sinking 1 m/s, then climbing back: from 12:05 and from 13:05.
std::string ZweiFluege()
{
    std::string log = "AXXX001\r\nHFDTE150726\r\n";
    int zeit = 12 * 3600, breite = 46 * 60000, hoehe = 1500;
    const auto fixe = [&](int sekunden, int schritt, int steigen) {
        for (int s = 0; s < sekunden; ++s, ++zeit) {
            breite += schritt;
            hoehe += steigen;
            char z[64];
            std::snprintf(z, sizeof z, "B%02d%02d%02d%02d%05dN00700000EA%05d%05d\r\n", zeit / 3600, zeit / 60 % 60,
                          zeit % 60, breite / 60000, breite % 60000, hoehe, hoehe);
            log += z;
        }
    };
    fixe(300, 0, 0);
    fixe(1200, 6, -1);
    fixe(2400, 0, 0);
    fixe(1200, 6, 1);
    fixe(300, 0, 0);
    return log;
}

}  // namespace

TEST(FluegeDlg, JederFlugFuerSichUndAlleZusammen)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OeffneInhalt("zwei.igc", ZweiFluege()));
    CFlugphasenDlg dialog(doc);
    QComboBox* wahl = dialog.FlugAuswahl();
    ASSERT_NE(wahl, nullptr);
    // The last fix at the launch spot and the first at the landing spot; a log without a zone in UTC.
    const QStringList eintraege{"Alle Flüge", "1. Flug, 12:04:59 UTC bis 12:24:59 UTC", "2. Flug, 13:04:59 UTC bis 13:24:59 UTC"};
    ASSERT_EQ(wahl->count(), eintraege.size());
    for (int i = 0; i < wahl->count(); ++i)
        EXPECT_EQ(wahl->itemText(i), eintraege[i]);
    EXPECT_EQ(dialog.Wert("Flüge:"), "2");
    // Twice twenty minutes in the air; the forty on the ground count for nothing.
    EXPECT_EQ(dialog.Wert("Flugzeit:"), "0:40:00");
    EXPECT_EQ(dialog.Tabelle()->rowCount(), 2);

    wahl->setCurrentIndex(2);
    EXPECT_EQ(dialog.Wert("Start:"), "13:04:59 UTC");
    EXPECT_EQ(dialog.Wert("Flugzeit:"), "0:20:00");
    ASSERT_EQ(dialog.Tabelle()->rowCount(), 1);
    EXPECT_EQ(dialog.Tabelle()->item(0, 2)->text(), "13:04:59 UTC");

    CFlugInfoDlg info;
    info.Uebernehmen(doc);
    info.FelderFuellen();
    EXPECT_EQ(info.findChild<QLabel*>("FL_N")->text(), "2");
}
