// The "Wertung" dialog with a score found beside the window: the figures a pilot reads for the
// Valais log, the hint when the time limit ended the search, and a search cancelled for good.

#include "Dateien.h"
#include "flight/CSarnixDoc.h"
#include "view/CWertungDlg.h"
#include "view/WertungsRechner.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(WertungDlg, ZahlenDesValaisFlugs)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten("igc/pg-valais-9h-task-vario.igc")));
    WertungsRechner rechner;
    QSignalSpy fertig(&rechner, &WertungsRechner::fertig);
    rechner.Starte(doc.datenListe, QStringLiteral("xcontest"));
    EXPECT_TRUE(rechner.Rechnet());
    ASSERT_TRUE(fertig.wait(60000));
    auto w = fertig.at(0).at(0).value<std::shared_ptr<const Wertung>>();
    ASSERT_TRUE(w);

    CWertungDlg dialog(QStringLiteral("xcontest"), false);
    dialog.ZeigeErgebnis(*w, doc.zeitBezug);
    // 97.54 + 63.73 + 65.87 km of legs, the closing gap within 5 %: × 1.6.
    const std::pair<const char*, const char*> erwartet[] = {
        {"Punkte", "363.42"}, {"Art", "Geschlossenes FAI-Dreieck"}, {"Strecke", "227.14 km"}, {"Faktor", "1.6"}};
    for (const auto& [name, wert] : erwartet)
        EXPECT_EQ(dialog.Wert(QString::fromUtf8(name)), QString::fromUtf8(wert)) << name;
    const QString liste = dialog.Punkteliste();
    EXPECT_TRUE(liste.contains(QStringLiteral("Schenkel 1  97.54 km"))) << liste.toStdString();
    EXPECT_EQ(liste.count(QStringLiteral("Wendepunkt")), 3);

    Wertung begrenzt = *w;
    begrenzt.optimal = false;
    dialog.ZeigeErgebnis(begrenzt, doc.zeitBezug);
    bool hinweis = false;
    for (const QLabel* l : dialog.findChildren<QLabel*>())
        hinweis = hinweis || l->text().startsWith(QStringLiteral("nicht bewiesen optimal"));
    EXPECT_TRUE(hinweis);
}

TEST(WertungDlg, AbbrechenLiefertNichts)
{
    // A straight line of many fixes, the search's hard case, searched without a time limit.
    std::vector<CDaten> linie(300000);
    for (size_t i = 0; i < linie.size(); ++i) {
        CDaten& f = linie[i];
        f.zeit = 36000 + static_cast<int32_t>(i);
        f.breite = 500000000 + 27600000 + static_cast<int32_t>(i) * 20;
        f.laenge = 500000000 + 4800000;
        f.hoehe = 2000;
        f.sog = 400;
        f.hatPosition = 1;
    }
    WertungsRechner rechner;
    QSignalSpy fertig(&rechner, &WertungsRechner::fertig);
    QSignalSpy abgebrochen(&rechner, &WertungsRechner::abgebrochen);
    rechner.Starte(linie, QStringLiteral("xcontest"), 0);
    rechner.Abbrechen();
    EXPECT_FALSE(rechner.Rechnet());
    EXPECT_EQ(abgebrochen.size(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(fertig.size(), 0);
}
