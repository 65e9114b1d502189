// The track cursor in the window: double-click, arrow keys and the real timers of the view.

#include "flight/CSarnixDoc.h"
#include "view/CSarnixView.h"

#include "TestHilfen.h"

#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int32_t L0 = 500000000;
constexpr int32_t B0 = 500000000;

// 201 fixes on the diagonal of a square flight of 40000 x 40000 units; fix 100 lies in its middle.
void Diagonalflug(CSarnixDoc& doc)
{
    for (int i = 0; i <= 200; ++i) {
        CDaten d;
        d.zeit = 36000 + i;
        d.laenge = L0 + 200 * i;
        d.breite = B0 + 200 * i;
        d.hoehe = static_cast<int16_t>(500 + i);
        d.hatPosition = 1;
        doc.datenListe.push_back(d);
    }
    doc.ausdehnung = {1000, 0, B0 + 40000, L0 + 40000, B0, L0};
    doc.meterProBreite = 1.0f;
    doc.meterProLaenge = 1.0f;
    doc.geladen = 1;
}

}  // namespace

TEST(SpurCursorImFenster, DoppelklickPfeiltastenUndAutomatischeWiederholung)
{
    // One plan view; the settings the view writes when it goes are forgotten again.
    QSettings().remove(QStringLiteral("Settings"));
    struct Vergessen {
        ~Vergessen() { QSettings().remove(QStringLiteral("Settings")); }
    } const vergessen;
    CSarnixDoc doc;
    Diagonalflug(doc);
    // Client 460 x 360: the single pane is the square (60, 60, 300, 300), its middle (180, 180).
    CSarnixView view(doc);
    view.resize(460, 360);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    ASSERT_TRUE(test::WarteBis([&] { return view.ansicht().einstellungenLaden == 0 && test::NichtWeiss(view.leinwand()) > 0; },
                                5000, "the first draw"));
    QTest::qWait(50);
    ASSERT_EQ(view.ansicht().grafikanzahl, 1);
    const QImage vorher = view.leinwand().copy();

    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(180, 180));
    EXPECT_EQ(view.spurcursor().pos, 100);
    EXPECT_EQ(view.leinwand().pixel(180, 180), vorher.pixel(180, 180) ^ 0x00FFFFFFu);

    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(view.spurcursor().pos, 101);
    QTest::keyClick(&view, Qt::Key_Left);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(view.spurcursor().pos, 99);

    // Held down, the cursor moves by ten fixes per tick after the start delay; the release adds one.
    QTest::keyPress(&view, Qt::Key_Right);
    ASSERT_TRUE(test::WarteBis([&] { return view.spurcursor().pos >= 109; }, 5000, "the auto-repeat"));
    const ListenPos gehalten = view.spurcursor().pos;
    EXPECT_EQ((gehalten - 99) % 10, 0);
    QTest::keyRelease(&view, Qt::Key_Right);
    EXPECT_EQ(view.spurcursor().pos, gehalten + 1);
    QTest::qWait(500);
    EXPECT_EQ(view.spurcursor().pos, gehalten + 1);

    // A double-click in the legend strip removes the cursor: the picture is as before.
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(400, 200));
    EXPECT_EQ(view.spurcursor().pos, keinePosition);
    EXPECT_EQ(view.leinwand(), vorher);
}
