// The window's map follows its settings: a source edited in the dialog takes effect at once.

#include "tiles/Kartendienst.h"
#include "view/KartenAnzeige.h"

#include <gtest/gtest.h>

TEST(KartenAnzeige, BearbeiteteQuelleGiltSofort)
{
    const KartenEinstellungen vorher = KartenEinstellungenLesen();
    KartenEinstellungen e = vorher;
    e.an = true;
    e.quellen.push_back({QStringLiteral("Test"), QStringLiteral("http://127.0.0.1:9/{z}/{x}/{y}.png"), {}, 19,
                         QStringLiteral("© A")});
    e.quelle = QStringLiteral("Test");
    KartenEinstellungenSchreiben(e);
    KartenAnzeige anzeige;
    ASSERT_NE(anzeige.Dienst(), nullptr);
    EXPECT_EQ(anzeige.Dienst()->Namensnennung(), QStringLiteral("© A"));

    e.quellen.back().namensnennung = QStringLiteral("© B");
    KartenEinstellungenSchreiben(e);
    anzeige.Einstellen();
    EXPECT_EQ(anzeige.Dienst()->Namensnennung(), QStringLiteral("© B"));
    KartenEinstellungenSchreiben(vorher);
}
