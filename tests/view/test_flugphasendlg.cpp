// The "Flugphasen" dialog: statistics and table of a sample flight, numeric sorting, the cursor
// request of a double-click, and the plain message when there is nothing to analyse.

#include "TestHilfen.h"
#include "flight/CSarnixDoc.h"
#include "flight/Flugphasen.h"
#include "view/CFlugphasenDlg.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <gtest/gtest.h>

TEST(FlugphasenDlg, StatistikUndTabelleDesFlugs)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Sample("lokalflug-1h.vrl")));
    const FlugAnalyse analyse = AnalysiereFlug(doc);
    CFlugphasenDlg dialog(doc);
    QTableWidget* tabelle = dialog.Tabelle();
    ASSERT_NE(tabelle, nullptr);
    ASSERT_EQ(tabelle->rowCount(), static_cast<int>(analyse.phasen.size()));
    EXPECT_EQ(dialog.Wert(QStringLiteral("Thermiken:")), QString::number(analyse.statistik.anzahlThermiken));
    EXPECT_EQ(dialog.Wert(QStringLiteral("Start:")), QStringLiteral("11:12:54"));
    EXPECT_TRUE(dialog.Wert(QStringLiteral("Anteil Kreisen:")).endsWith(QStringLiteral(" %")));
    EXPECT_EQ(tabelle->item(0, 1)->text(), QStringLiteral("Gleiten"));
    EXPECT_EQ(tabelle->item(1, 1)->text(), QStringLiteral("Thermik"));

    // Sorted by climb, the numbers decide, not the texts ("+0.9" after "+2.1", "-1.3" first).
    tabelle->sortByColumn(7, Qt::DescendingOrder);
    for (int z = 1; z < tabelle->rowCount(); ++z)
        EXPECT_GE(tabelle->item(z - 1, 7)->data(Qt::UserRole).toDouble(), tabelle->item(z, 7)->data(Qt::UserRole).toDouble());
    const size_t beste = *analyse.statistik.besteThermik;
    EXPECT_EQ(tabelle->item(0, 0)->text(), QString::number(beste + 1));

    // A double-click on the sorted first row asks for the cursor at the best thermal's start.
    QSignalSpy gewaehlt(&dialog, &CFlugphasenDlg::fixGewaehlt);
    emit tabelle->cellDoubleClicked(0, 3);
    ASSERT_EQ(gewaehlt.size(), 1);
    EXPECT_EQ(gewaehlt.at(0).at(0).value<ListenPos>(), static_cast<ListenPos>(analyse.phasen[beste].von));
}

TEST(FlugphasenDlg, OhneFlugEinKlarerHinweis)
{
    CSarnixDoc doc;
    doc.geladen = 1;
    CFlugphasenDlg dialog(doc);
    EXPECT_EQ(dialog.Tabelle(), nullptr);
    EXPECT_TRUE(dialog.Wert(QString()).startsWith(QStringLiteral("Nichts zu analysieren")));
}
