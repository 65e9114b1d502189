#include "flight/Arten.h"
#include "view/CFlugInfoDlg.h"
#include "flight/CSarnixDoc.h"
#include "pipeline/Befehle.h"
#include "view/CKonfigDlg.h"
#include "view/CSarnixView.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

const std::vector<int> rechteKnoepfe{1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048, 1049};

// Clicks a radio button on its indicator, where a click always hits.
void Klick(QRadioButton* knopf)
{
    ASSERT_NE(knopf, nullptr);
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, knopf->height() / 2));
}

QPushButton* Schaltflaeche(const QWidget& dlg, const QString& text)
{
    for (QPushButton* b : dlg.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Marked buttons among the ids.
std::vector<int> Markiert(const CKonfigDlg& dlg, int von, int bis)
{
    std::vector<int> ids;
    for (int id = von; id <= bis; ++id)
        if (dlg.Knopf(id)->isChecked())
            ids.push_back(id);
    return ids;
}

// Left pane plan view without colour, right pane barogram looking north coloured by altitude,
// one pane shown.
void Oeffnen(CKonfigDlg& dlg)
{
    dlg.linkeAnsicht = dlg.linkeAnsichtAlt = Grundriss;
    dlg.linkeFarbe = dlg.linkeFarbeAlt = KeineFaerbung;
    dlg.rechteAnsicht = dlg.rechteAnsichtAlt = BarogrammNord;
    dlg.rechteFarbe = dlg.rechteFarbeAlt = Flughoehe;
    dlg.anzahl = dlg.anzahlAlt = 1;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
}

}  // namespace

// ---- view configuration ----

TEST(KonfigDlg, TexteUndGruppen)
{
    CKonfigDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Ansicht Konfiguration");
    const std::vector<std::pair<int, QString>> texte{
        {1050, "Einzel Grafik"}, {1051, "Geteilte Grafik"},
        {1032, "Grundriß"}, {1033, "Barogramm mit Blickrichtung Norden"},
        {1034, "Barogramm mit Blickrichtung Westen"}, {1035, "Temperaturverlauf"},
        {1036, "Keine Färbung"}, {1037, "Temperaturgradient"}, {1038, "Wind Geschwindigkeit"},
        {1039, "Flughöhe"}, {1040, "Vario Werte"},
        {1041, "Grundriß"}, {1042, "Barogramm mit Blickrichtung Norden"},
        {1043, "Barogramm mit Blickrichtung Westen"}, {1044, "Temperaturverlauf"},
        {1045, "Keine Färbung"}, {1046, "Temperaturgradient"}, {1047, "Wind Geschwindigkeit"},
        {1048, "Flughöhe"}, {1049, "Vario Werte"},
        {1052, "Barogramm über der Zeit"}, {1061, "Barogramm über der Zeit"}};
    for (const auto& [id, text] : texte) {
        ASSERT_NE(dlg.Knopf(id), nullptr) << id;
        EXPECT_EQ(dlg.Knopf(id)->text(), text) << id;
        EXPECT_FALSE(dlg.Knopf(id)->autoExclusive()) << id;
    }
    EXPECT_EQ(dlg.findChildren<QRadioButton*>().size(), 24);
    EXPECT_EQ(dlg.Knopf(1000), nullptr);

    QStringList titel;
    for (const QGroupBox* g : dlg.findChildren<QGroupBox*>()) {
        titel << g->title();
        if (g->title() == "Ansicht" || g->title() == "Farbe") {
            EXPECT_EQ(g->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        }
    }
    titel.sort();
    EXPECT_EQ(titel, (QStringList{"Ansicht", "Ansicht", "Farbe", "Farbe", "Gelände", "Linke Grafik", "Recht Grafik", "Temperaturreferenz"}));
    // The left side's buttons sit in "Linke Grafik", the right side's in "Recht Grafik".
    const auto seite = [&](int id) {
        for (QWidget* w = dlg.Knopf(id); w; w = w->parentWidget())
            if (auto* g = qobject_cast<QGroupBox*>(w); g && g->title().endsWith("Grafik"))
                return g->title();
        return QString();
    };
    EXPECT_EQ(seite(1032), "Linke Grafik");
    EXPECT_EQ(seite(1040), "Linke Grafik");
    EXPECT_EQ(seite(1041), "Recht Grafik");
    EXPECT_EQ(seite(1049), "Recht Grafik");

    ASSERT_NE(Schaltflaeche(dlg, "OK"), nullptr);
    ASSERT_NE(Schaltflaeche(dlg, "Cancel"), nullptr);
    EXPECT_TRUE(Schaltflaeche(dlg, "OK")->isDefault());
}

TEST(KonfigDlg, EinzelUndGeteiltSchaltenDieRechteSeite)
{
    CKonfigDlg dlg;
    Oeffnen(dlg);
    EXPECT_EQ(Markiert(dlg, 1050, 1051), (std::vector<int>{1050}));
    EXPECT_EQ(Markiert(dlg, 1032, 1040), (std::vector<int>{1032, 1036}));
    for (const int id : rechteKnoepfe) {
        EXPECT_FALSE(dlg.Knopf(id)->isEnabled()) << id;
        EXPECT_FALSE(dlg.Knopf(id)->isChecked()) << id;
    }
    for (const QGroupBox* g : dlg.findChildren<QGroupBox*>())
        EXPECT_TRUE(g->isEnabled()) << g->title().toStdString();

    Klick(dlg.Knopf(1051));
    EXPECT_EQ(dlg.anzahl, 2);
    EXPECT_EQ(dlg.modusGewechselt, 0);
    EXPECT_EQ(Markiert(dlg, 1050, 1051), (std::vector<int>{1051}));
    for (const int id : rechteKnoepfe)
        EXPECT_TRUE(dlg.Knopf(id)->isEnabled()) << id;
    EXPECT_EQ(Markiert(dlg, 1041, 1049), (std::vector<int>{1042, 1048}));

    Klick(dlg.Knopf(1044));  // right pane: temperature profile
    EXPECT_EQ(dlg.rechteAnsicht, Temperaturverlauf);
    EXPECT_EQ(Markiert(dlg, 1041, 1049), (std::vector<int>{1044, 1048}));

    Klick(dlg.Knopf(1050));
    EXPECT_EQ(dlg.anzahl, 1);
    for (const int id : rechteKnoepfe)
        EXPECT_FALSE(dlg.Knopf(id)->isEnabled()) << id;
    EXPECT_EQ(Markiert(dlg, 1041, 1049), (std::vector<int>{1044, 1048}));

    Klick(dlg.Knopf(1047));  // disabled: nothing happens
    EXPECT_EQ(dlg.rechteFarbe, Flughoehe);
}

TEST(KonfigDlg, KlicksSetzenDieWerteUndEinMarkierterKnopfBleibtMarkiert)
{
    CKonfigDlg dlg;
    Oeffnen(dlg);
    const std::vector<std::pair<int, int>> links{{1034, BarogrammWest}, {1033, BarogrammNord},
                                                 {1035, Temperaturverlauf}, {1032, Grundriss}};
    for (const auto& [id, wert] : links) {
        Klick(dlg.Knopf(id));
        EXPECT_EQ(dlg.linkeAnsicht, wert);
        EXPECT_EQ(Markiert(dlg, 1032, 1035), (std::vector<int>{id}));
    }
    const std::vector<std::pair<int, int>> farben{{1040, Variowerte}, {1039, Flughoehe}, {1038, Wind},
                                                  {1037, Temperaturgradient}, {1036, KeineFaerbung}};
    for (const auto& [id, wert] : farben) {
        Klick(dlg.Knopf(id));
        EXPECT_EQ(dlg.linkeFarbe, wert);
        EXPECT_EQ(Markiert(dlg, 1036, 1040), (std::vector<int>{id}));
    }
    Klick(dlg.Knopf(1036));
    Klick(dlg.Knopf(1050));
    EXPECT_TRUE(dlg.Knopf(1036)->isChecked());
    EXPECT_TRUE(dlg.Knopf(1050)->isChecked());
}

TEST(KonfigDlg, WerteAusserhalbLassenDieKnoepfe)
{
    CKonfigDlg dlg;
    Oeffnen(dlg);
    dlg.linkeAnsicht = 0;
    dlg.linkeFarbe = 7;
    dlg.AktualisiereKnoepfe();
    EXPECT_EQ(Markiert(dlg, 1032, 1040), (std::vector<int>{1032, 1036}));
    dlg.anzahl = 2;
    dlg.rechteAnsicht = -1;
    dlg.AktualisiereKnoepfe();
    EXPECT_EQ(Markiert(dlg, 1041, 1049), (std::vector<int>{1048}));
}

TEST(KonfigDlg, AbbrechenEscapeUndSchliessenStellenDieWerteWiederHer)
{
    const auto pruefe = [](auto schliessen) {
        CKonfigDlg dlg;
        Oeffnen(dlg);
        Klick(dlg.Knopf(1034));
        Klick(dlg.Knopf(1051));
        Klick(dlg.Knopf(1046));
        EXPECT_EQ(dlg.linkeAnsicht, BarogrammWest);
        schliessen(dlg);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(dlg.linkeAnsicht, Grundriss);
        EXPECT_EQ(dlg.linkeFarbe, KeineFaerbung);
        EXPECT_EQ(dlg.rechteAnsicht, BarogrammNord);
        EXPECT_EQ(dlg.rechteFarbe, Flughoehe);
        EXPECT_EQ(dlg.anzahl, 1);
    };
    pruefe([](CKonfigDlg& dlg) { QTest::mouseClick(Schaltflaeche(dlg, "Cancel"), Qt::LeftButton); });
    pruefe([](CKonfigDlg& dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); });
    pruefe([](CKonfigDlg& dlg) { dlg.close(); });
}

TEST(KonfigDlg, OkBehaeltDieWahlAuchImModalenLauf)
{
    CKonfigDlg dlg;
    dlg.linkeAnsicht = dlg.linkeAnsichtAlt = Grundriss;
    dlg.anzahl = dlg.anzahlAlt = 1;
    dlg.rechteFarbe = dlg.rechteFarbeAlt = Variowerte;
    QTimer::singleShot(0, &dlg, [&] {
        // Marks are set when the dialog opens, from the members given before.
        EXPECT_TRUE(dlg.Knopf(1050)->isChecked());
        Klick(dlg.Knopf(1051));
        Klick(dlg.Knopf(1040));
        EXPECT_TRUE(dlg.Knopf(1049)->isChecked());
        QTest::mouseClick(Schaltflaeche(dlg, "OK"), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.anzahl, 2);
    EXPECT_EQ(dlg.linkeFarbe, Variowerte);
    EXPECT_EQ(dlg.linkeAnsicht, Grundriss);
}

// ---- flight information ----

namespace {

CSarnixDoc Beispielflug()
{
    CSarnixDoc doc;
    doc.dateiname = "C:/Flüge/Tag 1.vrl";
    doc.flugdatum = "12-07-98";
    doc.startplatz = "M\xfcnchberg  ";  // Latin-1 as in the file
    doc.SetzeZusammenfassung({.startplatzHoehe = "1234 m",
                              .landeplatzHoehe = "612 m",
                              .startzeit = "11:05",
                              .landezeit = "12:35",
                              .maxSinken = "-3.1 m/s",
                              .maxSteigen = "2.5 m/s",
                              .maxHoehe = "2870 m",
                              .flugstrecke = "35.7 km",
                              .flugdauer = "01:30"});
    return doc;
}

QString Feld(const QWidget& dlg, const char* name)
{
    const auto* l = dlg.findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QStringLiteral("<fehlt>");
}

}  // namespace

TEST(FlugInfoDlg, ZeigtDieZwoelfTexte)
{
    CFlugInfoDlg dlg;
    dlg.Uebernehmen(Beispielflug());
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Flug Informationen");
    EXPECT_EQ(Feld(dlg, "DN"), "C:/Flüge/Tag 1.vrl");
    EXPECT_EQ(Feld(dlg, "FD"), "12-07-98");
    EXPECT_EQ(Feld(dlg, "SP"), "Münchberg  ");
    EXPECT_EQ(Feld(dlg, "SP_H"), "1234 m");
    EXPECT_EQ(Feld(dlg, "MH"), "2870 m");
    EXPECT_EQ(Feld(dlg, "LP_H"), "612 m");
    EXPECT_EQ(Feld(dlg, "STR"), "35.7 km");
    EXPECT_EQ(Feld(dlg, "SZ"), "11:05");
    EXPECT_EQ(Feld(dlg, "LZ"), "12:35");
    EXPECT_EQ(Feld(dlg, "FL_D"), "01:30");
    EXPECT_EQ(Feld(dlg, "M_ST"), "2.5 m/s");
    EXPECT_EQ(Feld(dlg, "M_SI"), "-3.1 m/s");

    const auto* dn = dlg.findChild<QLabel*>("DN");
    const auto* mh = dlg.findChild<QLabel*>("MH");
    ASSERT_TRUE(dn && mh);
    EXPECT_EQ(dn->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(mh->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(mh->frameStyle(), QFrame::Panel | QFrame::Sunken);
    EXPECT_EQ(dn->frameStyle(), QFrame::Panel | QFrame::Sunken);
}

TEST(FlugInfoDlg, ZeilenInDerReihenfolgeDesDialogsImRahmenDateiname)
{
    CFlugInfoDlg dlg;
    dlg.show();
    const auto* rahmen = dlg.findChild<QGroupBox*>();
    ASSERT_NE(rahmen, nullptr);
    EXPECT_EQ(rahmen->title(), "Dateiname");
    const QStringList reihenfolge{"Flug Datum:", "Start Platz:", "Startplatz Höhe:", "Max. Höhe:",
                                  "Landeplatz Höhe:", "Flugstrecke:", "Startzeit:", "Landezeit:",
                                  "Flugdauer:", "Max. Steigen:", "Max. Sinken:"};
    const char* const felder[] = {"FD", "SP", "SP_H", "MH", "LP_H", "STR", "SZ", "LZ", "FL_D", "M_ST", "M_SI"};
    int y = rahmen->findChild<QLabel*>("DN")->geometry().bottom();
    for (int i = 0; i < reihenfolge.size(); ++i) {
        const QLabel* beschriftung = nullptr;
        for (const QLabel* l : rahmen->findChildren<QLabel*>())
            if (l->text() == reihenfolge[i])
                beschriftung = l;
        ASSERT_NE(beschriftung, nullptr) << reihenfolge[i].toStdString();
        const QLabel* feld = rahmen->findChild<QLabel*>(QString::fromLatin1(felder[i]));
        ASSERT_NE(feld, nullptr) << felder[i];
        // Each row below the one before, its value beside its label.
        EXPECT_GT(beschriftung->geometry().top(), y) << reihenfolge[i].toStdString();
        EXPECT_LT(beschriftung->geometry().right(), feld->geometry().left());
        EXPECT_NEAR(beschriftung->geometry().center().y(), feld->geometry().center().y(), 3);
        y = beschriftung->geometry().top();
    }
}

TEST(FlugInfoDlg, OhneFlugEinzelneLeerzeichen)
{
    CFlugInfoDlg dlg;
    dlg.Uebernehmen(CSarnixDoc());
    dlg.show();
    for (const char* name : {"DN", "FD", "SP", "SP_H", "MH", "LP_H", "STR", "SZ", "LZ", "FL_D", "M_ST", "M_SI"})
        EXPECT_EQ(Feld(dlg, name), " ") << name;
}

TEST(FlugInfoDlg, ModalMitOkOhneSichtbaresCancelEscapeSchliesst)
{
    const CSarnixDoc doc = Beispielflug();
    for (const int taste : {int(Qt::Key_Escape), int(Qt::Key_Return)}) {
        bool gesehen = false;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<CFlugInfoDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            gesehen = true;
            EXPECT_EQ(Feld(*dlg, "DN"), "C:/Flüge/Tag 1.vrl");
            EXPECT_EQ(Feld(*dlg, "FL_D"), "01:30");
            int sichtbar = 0;
            for (const QPushButton* b : dlg->findChildren<QPushButton*>())
                if (b->isVisible()) {
                    ++sichtbar;
                    EXPECT_EQ(b->text(), "OK");
                    EXPECT_TRUE(b->isDefault());
                }
            EXPECT_EQ(sichtbar, 1);
            QTest::keyClick(dlg, static_cast<Qt::Key>(taste));
        });
        // Should the key miss, the dialog is closed anyway so the test cannot hang.
        QTimer::singleShot(5000, [] {
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        CFlugInfoDlg::Zeige(doc, nullptr);  // returns once the key closed it
        EXPECT_TRUE(gesehen);
    }
}

// ---- opened by the view's commands ----

namespace {

// The view writes its settings when it goes; later tests start from the defaults again.
struct EinstellungenVergessen {
    ~EinstellungenVergessen() { QSettings().remove(QStringLiteral("Settings")); }
};

// Runs `handeln` on the modal dialog as soon as it is open; closes it should the test go wrong.
template <class Dialog, class F>
void ImDialog(F handeln)
{
    QTimer::singleShot(0, [handeln] {
        auto* dlg = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        handeln(*dlg);
    });
    QTimer::singleShot(5000, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
}

}  // namespace

TEST(DialogeDerAnsicht, FlugInformationenZeigtDieTexteDesDokuments)
{
    const EinstellungenVergessen vergessen;
    CSarnixDoc doc = Beispielflug();
    CSarnixView view(doc);
    QString gezeigt;
    ImDialog<CFlugInfoDlg>([&](CFlugInfoDlg& dlg) {
        gezeigt = Feld(dlg, "MH") + "|" + Feld(dlg, "SP");
        dlg.accept();
    });
    EXPECT_TRUE(view.Befehl(Befehl::FlugInformationen));
    EXPECT_EQ(gezeigt, "2870 m|Münchberg  ");
}

TEST(DialogeDerAnsicht, EinstellungenUebernehmenMitOkUndNichtMitCancel)
{
    const EinstellungenVergessen vergessen;
    CSarnixDoc doc;
    CSarnixView view(doc);
    view.ansicht().grafikanzahl = 1;
    view.ansicht().ansicht.grafik[1].art = Grundriss;
    view.ansicht().ansicht.grafik[1].farbe = Variowerte;

    ImDialog<CKonfigDlg>([](CKonfigDlg& dlg) {
        Klick(dlg.Knopf(1051));
        Klick(dlg.Knopf(1044));
        QTest::mouseClick(Schaltflaeche(dlg, "Cancel"), Qt::LeftButton);
    });
    EXPECT_TRUE(view.Befehl(Befehl::Einstellungen));
    EXPECT_EQ(view.ansicht().grafikanzahl, 1);
    EXPECT_EQ(view.ansicht().ansicht.grafik[1].art, Grundriss);

    ImDialog<CKonfigDlg>([](CKonfigDlg& dlg) {
        EXPECT_TRUE(dlg.Knopf(1050)->isChecked());
        Klick(dlg.Knopf(1051));
        EXPECT_EQ(Markiert(dlg, 1041, 1049), (std::vector<int>{1041, 1049}));
        Klick(dlg.Knopf(1044));
        QTest::mouseClick(Schaltflaeche(dlg, "OK"), Qt::LeftButton);
    });
    EXPECT_TRUE(view.Befehl(Befehl::Einstellungen));
    EXPECT_EQ(view.ansicht().grafikanzahl, 2);
    EXPECT_EQ(view.ansicht().ansicht.grafik[1].art, Temperaturverlauf);
    EXPECT_EQ(view.ansicht().ansicht.grafik[1].farbe, Variowerte);
}
