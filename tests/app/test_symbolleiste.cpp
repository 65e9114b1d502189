// The toolbar: buttons in their groups, a picture of its own for each, texts and tool tips.

#include "AppHilfen.h"

#include "app/Programmsymbol.h"
#include "app/Symbolbilder.h"
#include "pipeline/Befehle.h"
#include "view/CSarnixView.h"

#include <QAction>
#include <QImage>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// The toolbar as ids, 0 for a separator.
QList<int> Reihe(const QToolBar* leiste)
{
    QList<int> ids;
    for (const QAction* aktion : leiste->actions())
        ids << (aktion->isSeparator() ? 0 : aktion->data().toInt());
    return ids;
}

QImage Bild(const QAction* aktion, qreal dpr)
{
    return aktion->icon().pixmap(QSize(symbolBreite, symbolHoehe), dpr).toImage();
}

}  // namespace

TEST(Symbolleiste, KnoepfeInGruppen)
{
    test::Fenster f;
    EXPECT_EQ(Reihe(f.rahmen->symbolleiste()),
              QList<int>({57601, 57607, 57664, 0, 32798, 32796, 32797, 0, 32815, 32816, 32817, 32818, 32832, 0,
                          32799, 32833, 32850, 0, 32819, 32820, 32821, 32822, 32823}));
    EXPECT_EQ(f.rahmen->symbolleiste()->iconSize(), QSize(16, 15));
}

TEST(Symbolleiste, JederKnopfHatSeinEigenesBild)
{
    test::Fenster f;
    QList<const QAction*> knoepfe;
    for (const QAction* aktion : f.rahmen->symbolleiste()->actions())
        if (!aktion->isSeparator())
            knoepfe << aktion;
    for (const QAction* a : knoepfe) {
        const QImage einfach = Bild(a, 1.0);
        const QImage doppelt = Bild(a, 2.0);
        EXPECT_EQ(einfach.size(), QSize(16, 15)) << a->data().toInt();
        // Drawn anew at twice the pixels, not an enlarged copy.
        EXPECT_EQ(doppelt.size(), QSize(32, 30)) << a->data().toInt();
        int gefuellt = 0;
        for (int y = 0; y < einfach.height(); ++y)
            for (int x = 0; x < einfach.width(); ++x)
                gefuellt += qAlpha(einfach.pixel(x, y)) > 0;
        EXPECT_GT(gefuellt, 20) << a->data().toInt();
    }
    for (int i = 0; i < knoepfe.size(); ++i)
        for (int j = i + 1; j < knoepfe.size(); ++j)
            EXPECT_NE(Bild(knoepfe[i], 1.0), Bild(knoepfe[j], 1.0))
                << knoepfe[i]->data().toInt() << " " << knoepfe[j]->data().toInt();
}

TEST(Symbolleiste, FarbfelderZeigenIhreFarben)
{
    // Wind: head wind blue on the left, tail wind red on the right.
    const QImage wind = SymbolPixmap(Befehl::AktivWind, 1.0).toImage();
    const QColor links = wind.pixelColor(3, 12);
    const QColor rechts = wind.pixelColor(12, 12);
    EXPECT_GT(links.blue(), links.red());
    EXPECT_GT(rechts.red(), rechts.blue());
    // Altitude: blue at the bottom, red at the top.
    const QImage hoehe = SymbolPixmap(Befehl::AktivFlughoehe, 1.0).toImage();
    EXPECT_GT(hoehe.pixelColor(13, 13).blue(), 150);
    EXPECT_GT(hoehe.pixelColor(2, 1).red(), 150);
    // No colouring: grey.
    const QColor grau = SymbolPixmap(Befehl::AktivKeine, 1.0).toImage().pixelColor(12, 12);
    EXPECT_EQ(grau.red(), grau.green());
    EXPECT_EQ(grau.green(), grau.blue());
}

TEST(Symbolleiste, TippsUndStatustexte)
{
    test::Fenster f;
    QStringList tipps;
    for (const QAction* aktion : f.rahmen->symbolleiste()->actions()) {
        if (aktion->isSeparator())
            continue;
        tipps << aktion->toolTip();
        EXPECT_FALSE(aktion->statusTip().isEmpty()) << aktion->data().toInt();
    }
    EXPECT_EQ(tipps.first(), "Öffnen");
    EXPECT_EQ(tipps.at(1), "Drucken");
    EXPECT_EQ(tipps.size(), QSet<QString>(tipps.cbegin(), tipps.cend()).size());
}

TEST(Symbolleiste, FarbknopfAendertDieGewaehlteGrafik)
{
    test::Fenster f;
    ASSERT_TRUE(f.rahmen->OeffneDatei(test::FlugDatei(900)));
    CAnsicht& zustand = f.rahmen->ansicht()->ansicht();
    zustand.einstellungenLaden = 0;  // as after the first paint: no stored settings come in between
    zustand.ansicht.grafik[0].farbe = KeineFaerbung;
    zustand.ansicht.grafik[1].farbe = KeineFaerbung;
    zustand.aktiveGrafik = 1;
    for (QAction* a : f.rahmen->symbolleiste()->actions())
        if (a->data().toInt() == Befehl::AktivVario)
            a->trigger();
    EXPECT_EQ(zustand.ansicht.grafik[1].farbe, Variowerte);
    EXPECT_EQ(zustand.ansicht.grafik[0].farbe, KeineFaerbung);
}

TEST(Symbolleiste, BilderScharfBeiJedemVerhaeltnis)
{
    // Every ratio gets a picture of exactly its device pixels, drawn for it, not resampled.
    for (const qreal dpr : {1.25, 1.5, 2.0, 3.0}) {
        const QPixmap bild = SymbolPixmap(Befehl::Drucken, dpr);
        EXPECT_EQ(bild.width(), qRound(16 * dpr)) << dpr;
        EXPECT_NEAR(bild.height(), 15 * dpr, 1.0) << dpr;
        EXPECT_EQ(bild.deviceIndependentSize().toSize(), QSize(16, 15)) << dpr;
    }
    // The outline of the open button is a line one pixel wide at 1 and two pixels wide at 2.
    const QImage eins = SymbolPixmap(Befehl::Oeffnen, 1.0).toImage();
    const QImage zwei = SymbolPixmap(Befehl::Oeffnen, 2.0).toImage();
    const auto deckend = [](const QImage& b, int x, int y) { return qAlpha(b.pixel(x, y)) == 255; };
    EXPECT_TRUE(deckend(eins, 1, 8));
    EXPECT_TRUE(deckend(zwei, 2, 16) && deckend(zwei, 3, 16));

    // A greyed button (print without a flight) looks different from an enabled one.
    const QIcon drucken = SymbolBild(Befehl::Drucken);
    EXPECT_NE(drucken.pixmap(QSize(16, 15), 1.5, QIcon::Disabled).toImage(),
              drucken.pixmap(QSize(16, 15), 1.5, QIcon::Normal).toImage());
}

TEST(Symbolleiste, ProgrammsymbolInAllenGroessen)
{
    const QIcon symbol = ProgrammSymbol();
    EXPECT_TRUE(symbol.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(symbol.availableSizes().contains(QSize(256, 256)));
    EXPECT_EQ(symbol.pixmap(QSize(32, 32), 1.5).size(), QSize(48, 48));
    // The sky fills the middle, the corners stay transparent.
    const QImage bild = ProgrammBild(48).toImage();
    EXPECT_EQ(bild.size(), QSize(48, 48));
    EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(bild.pixel(24, 24)), 255);
}
