// Inputs that broke a stage or could (files under tests/data/robust-*, devices without end).

#include "Plausibel.h"
#include "RobustHilfen.h"
#include "TestHilfen.h"
#include "ZaehlGeraet.h"

#include "flight/CSarnixDoc.h"
#include "printmap/KarteDrucken.h"
#include "render/Zeichenflaeche.h"

#include <QPainter>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {

// Prints at 1:25 000 with time marks on a 300 x 420 page that only counts its texts.
int GedruckteTexte(const CSarnixDoc& doc)
{
    robust::ZaehlGeraet seite(300, 420);
    QPainter maler(&seite);
    Zeichenflaeche f(maler);
    const MassstabFrage frage = [](int) { return DruckWahl{25000, 1}; };
    EXPECT_EQ(KarteDrucken(doc, f, 1.5f, 1.5f, 200.0f, 280.0f, Rechteck{0, 0, 300, 420}, frage), 1);
    return seite.Texte();
}

TEST(Regression, DerZaehlerSiehtDieTexteEinerGewoehnlichenKarte)
{
    std::string text = "@SX\n";
    for (uint32_t i = 0; i < 400; ++i)
        text += robust::FixZeile(robust::Fix{.breite = 0x045948u + i, .laenge = 0x0107DEu + 2 * i});
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::TempDatei(text)));
    // Grid labels, the header and the time marks every two minutes.
    const int texte = GedruckteTexte(doc);
    EXPECT_GT(texte, 3);
    EXPECT_LE(texte, 200);
}

// At 89°59.99' N a longitude unit is 5e-7 m and the centring widens the map's window to ±2e9
// units: once 800 000 meridians were visited and over 500 000 drawn and labelled, thousands on
// each pixel column, for seconds of CPU per page.
TEST(Regression, KarteNaheDemPolBeschriftetNurWasAufDieSeitePasst)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(test::Testdaten("robust-pol.vrl")));
    ASSERT_EQ(doc.datenListe.size(), 100u);
    EXPECT_EQ(robust::DokumentFehler(doc, true, std::filesystem::file_size(test::Testdaten("robust-pol.vrl"))), "");
    // At most one grid line per pixel column and row of the 300 x 420 page.
    EXPECT_LE(GedruckteTexte(doc), 300 + 420);
}

// Opens `pfad` in a child process limited to 512 MB (not under the sanitizers, whose shadow
// memory exceeds any such limit) and a few seconds: a read without end must not take the
// machine with it. True when the open returned in time and refused the path as invalid.
bool GeraetAbgelehnt(const char* pfad)
{
    const pid_t kind = fork();
    if (kind == 0) {
        if (!robust::unterSanitizer) {
            const rlimit speicher{512u << 20, 512u << 20};
            setrlimit(RLIMIT_DATA, &speicher);
        }
        alarm(5);
        CSarnixDoc doc;
        OeffnenFehler fehler = OeffnenFehler::Keiner;
        const bool geoeffnet = doc.OnOpenDocument(pfad, &fehler);
        _exit(!geoeffnet && fehler == OeffnenFehler::UngueltigerPfad ? 0 : 1);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A device never ends (a pilot may pick the download cable's device itself): it is refused
// instead of being read until memory runs out.
TEST(Regression, EinGeraetOhneEndeWirdAbgelehnt)
{
    EXPECT_TRUE(GeraetAbgelehnt("/dev/zero"));
    EXPECT_TRUE(GeraetAbgelehnt("/dev/urandom"));
}

}  // namespace
