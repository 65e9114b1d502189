// The view commands on the view state: what each changes, what follows, enabling and marks.

#include "flight/CSarnixDoc.h"
#include "render/Ansicht.h"
#include "pipeline/Befehle.h"

#include <gtest/gtest.h>

namespace {

class Befehle : public ::testing::Test {
protected:
    BefehlFolge Gib(int id) { return BefehlAnwenden(a, doc, id); }
    CAnsicht a;
    CSarnixDoc doc;
};

TEST_F(Befehle, AnzahlSchaltetUndMarkiertDenAktuellenModus)
{
    EXPECT_EQ(Gib(Befehl::GeteilteGrafik), BefehlFolge::NeuZeichnen);
    EXPECT_EQ(a.grafikanzahl, 2);
    EXPECT_TRUE(BefehlMarkiert(a, Befehl::GeteilteGrafik));
    EXPECT_FALSE(BefehlMarkiert(a, Befehl::Einzelgrafik));
    // Choosing the current mode again still repaints.
    EXPECT_EQ(Gib(Befehl::GeteilteGrafik), BefehlFolge::NeuZeichnen);
    EXPECT_EQ(Gib(Befehl::Einzelgrafik), BefehlFolge::NeuZeichnen);
    EXPECT_EQ(a.grafikanzahl, 1);
    EXPECT_TRUE(BefehlMarkiert(a, Befehl::Einzelgrafik));
    EXPECT_FALSE(BefehlMarkiert(a, Befehl::GeteilteGrafik));
}

TEST_F(Befehle, ArtBefehleSetzenDieArtJederGrafik)
{
    const struct {
        int id;
        int pane;
        int8_t art;
    } faelle[] = {
        {Befehl::LinksOben, 0, Grundriss},          {Befehl::LinksSueden, 0, BarogrammNord},
        {Befehl::LinksOsten, 0, BarogrammWest},     {Befehl::LinksTemperatur, 0, Temperaturverlauf},
        {Befehl::RechtsOben, 1, Grundriss},         {Befehl::RechtsSueden, 1, BarogrammNord},
        {Befehl::RechtsOsten, 1, BarogrammWest},    {Befehl::RechtsTemperatur, 1, Temperaturverlauf},
    };
    for (const auto& f : faelle) {
        a.ansicht.grafik[0].art = a.ansicht.grafik[1].art = 0;
        EXPECT_EQ(Gib(f.id), BefehlFolge::NeuZeichnen) << f.id;
        EXPECT_EQ(a.ansicht.grafik[static_cast<size_t>(f.pane)].art, f.art) << f.id;
        EXPECT_EQ(a.ansicht.grafik[static_cast<size_t>(1 - f.pane)].art, 0) << f.id;
        EXPECT_TRUE(BefehlMarkiert(a, f.id));  // its radio dot
    }
}

TEST_F(Befehle, FarbBefehleZeichnenOhneLoeschen)
{
    const struct {
        int id;
        int pane;
        int8_t farbe;
    } faelle[] = {
        {Befehl::LinksKeine, 0, KeineFaerbung},   {Befehl::RechtsKeine, 1, KeineFaerbung},
        {Befehl::LinksTemperaturgradient, 0, Temperaturgradient},
        {Befehl::RechtsTemperaturgradient, 1, Temperaturgradient},
        {Befehl::LinksWind, 0, Wind},             {Befehl::RechtsWind, 1, Wind},
        {Befehl::LinksFlughoehe, 0, Flughoehe},   {Befehl::RechtsFlughoehe, 1, Flughoehe},
        {Befehl::LinksVario, 0, Variowerte},      {Befehl::RechtsVario, 1, Variowerte},
    };
    for (const auto& f : faelle) {
        a.ansicht.grafik[0].farbe = a.ansicht.grafik[1].farbe = 9;
        EXPECT_EQ(Gib(f.id), BefehlFolge::Zeichnen) << f.id;
        EXPECT_EQ(a.ansicht.grafik[static_cast<size_t>(f.pane)].farbe, f.farbe) << f.id;
        EXPECT_EQ(a.ansicht.grafik[static_cast<size_t>(1 - f.pane)].farbe, 9) << f.id;
    }
}

TEST_F(Befehle, SymbolleisteWirktAufDieGewaehlteGrafik)
{
    a.grafikanzahl = 2;
    a.aktiveGrafik = 1;
    EXPECT_EQ(Gib(Befehl::AktivWest), BefehlFolge::NeuZeichnen);
    EXPECT_EQ(Gib(Befehl::AktivWind), BefehlFolge::Zeichnen);
    EXPECT_EQ(a.ansicht.grafik[1].art, BarogrammWest);
    EXPECT_EQ(a.ansicht.grafik[1].farbe, Wind);
    EXPECT_EQ(a.ansicht.grafik[0].art, Grundriss);
    EXPECT_EQ(a.ansicht.grafik[0].farbe, KeineFaerbung);

    a.aktiveGrafik = 0;
    Gib(Befehl::AktivNord);
    Gib(Befehl::AktivTemperaturgradient);
    EXPECT_EQ(a.ansicht.grafik[0].art, BarogrammNord);
    EXPECT_EQ(a.ansicht.grafik[0].farbe, Temperaturgradient);
    Gib(Befehl::AktivTemperatur);
    Gib(Befehl::AktivFlughoehe);
    EXPECT_EQ(a.ansicht.grafik[0].art, Temperaturverlauf);
    EXPECT_EQ(a.ansicht.grafik[0].farbe, Flughoehe);
    Gib(Befehl::AktivOben);
    Gib(Befehl::AktivVario);
    EXPECT_EQ(a.ansicht.grafik[0].art, Grundriss);
    EXPECT_EQ(a.ansicht.grafik[0].farbe, Variowerte);
    Gib(Befehl::AktivKeine);
    EXPECT_EQ(a.ansicht.grafik[0].farbe, KeineFaerbung);
}

TEST_F(Befehle, EinzelgrafikLaesstDieRechteGrafikUnveraendert)
{
    Gib(Befehl::GeteilteGrafik);
    Gib(Befehl::RechtsTemperatur);
    Gib(Befehl::RechtsWind);
    Gib(Befehl::Einzelgrafik);
    Gib(Befehl::GeteilteGrafik);
    EXPECT_EQ(a.ansicht.grafik[1].art, Temperaturverlauf);
    EXPECT_EQ(a.ansicht.grafik[1].farbe, Wind);
}

TEST_F(Befehle, ZeitmarkenUndRoutenpunkteSchaltenHinUndHer)
{
    EXPECT_EQ(Gib(Befehl::Zeitmarken), BefehlFolge::NeuZeichnen);
    EXPECT_EQ(a.zeitmarken, 1);
    EXPECT_TRUE(BefehlMarkiert(a, Befehl::Zeitmarken));
    Gib(Befehl::Zeitmarken);
    EXPECT_EQ(a.zeitmarken, 0);
    EXPECT_FALSE(BefehlMarkiert(a, Befehl::Zeitmarken));

    EXPECT_EQ(Gib(Befehl::Routenpunkte), BefehlFolge::NeuZeichnen);
    EXPECT_EQ(a.wegpunkte, 1);
    EXPECT_TRUE(BefehlMarkiert(a, Befehl::Routenpunkte));
    EXPECT_EQ(a.zeitmarken, 0);
}

TEST_F(Befehle, ZoomBefehle)
{
    EXPECT_EQ(Gib(Befehl::Vergroessern), BefehlFolge::Nichts);  // nothing to zoom without a flight
    doc.geladen = 1;
    EXPECT_EQ(Gib(Befehl::Vergroessern), BefehlFolge::ZoomScharf);

    a.anzeigeFenster.breiteMax = 100;
    EXPECT_EQ(Gib(Befehl::Verkleinern), BefehlFolge::NeuZeichnen);
    EXPECT_EQ(a.zoomFenster.breiteMax, 100);

    a.ausdehnungUebernommen = 1;
    EXPECT_EQ(Gib(Befehl::Anpassen), BefehlFolge::NeuZeichnen);
    EXPECT_EQ(a.ausdehnungUebernommen, 0);
}

TEST_F(Befehle, DialogeUndFremdeBefehle)
{
    EXPECT_EQ(Gib(Befehl::FlugInformationen), BefehlFolge::FlugInfo);
    EXPECT_EQ(Gib(Befehl::Einstellungen), BefehlFolge::Konfiguration);
    EXPECT_EQ(Gib(Befehl::Oeffnen), BefehlFolge::Unbekannt);
    EXPECT_EQ(Gib(Befehl::Drucken), BefehlFolge::Unbekannt);
    EXPECT_EQ(Gib(12345), BefehlFolge::Unbekannt);
}

TEST_F(Befehle, OhneFlugSindDruckenUndDieGrafikMenuesGesperrt)
{
    for (int id : {Befehl::Drucken, Befehl::Einzelgrafik, Befehl::GeteilteGrafik,
                   Befehl::Einstellungen, Befehl::LinksOben, Befehl::RechtsTemperatur,
                   Befehl::LinksKeine, Befehl::RechtsVario})
        EXPECT_FALSE(BefehlAktiv(a, doc, id)) << id;
    // Toolbar commands: the summary shows blanks, the others only change settings.
    for (int id : {Befehl::FlugInformationen, Befehl::Vergroessern, Befehl::Verkleinern,
                   Befehl::Anpassen, Befehl::Zeitmarken, Befehl::Routenpunkte, Befehl::AktivOben,
                   Befehl::AktivVario, Befehl::Oeffnen})
        EXPECT_TRUE(BefehlAktiv(a, doc, id)) << id;
}

TEST_F(Befehle, MitFlugIstAllesAktivInJedemModus)
{
    doc.geladen = 1;
    for (int8_t anzahl : {int8_t{1}, int8_t{2}}) {
        a.grafikanzahl = anzahl;
        for (int id = Befehl::Einzelgrafik; id <= Befehl::Einstellungen; ++id)
            EXPECT_TRUE(BefehlAktiv(a, doc, id)) << id;
        EXPECT_TRUE(BefehlAktiv(a, doc, Befehl::Drucken));
    }
}

}  // namespace
