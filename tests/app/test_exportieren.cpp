// "Exportieren..." in the window: the save dialog with both types and the pane's colouring, the
// question before replacing a file, and the refusals in a German message box.

#include "AppHilfen.h"
#include "TestHilfen.h"

#include "app/Befehlstexte.h"
#include "app/ExportDlg.h"
#include "view/CSarnixView.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QAction* Eintrag(const QMenuBar* leiste, int id)
{
    for (QAction* aktion : leiste->findChildren<QAction*>())
        if (aktion->data().isValid() && aktion->data().toInt() == id)
            return aktion;
    return nullptr;
}

QByteArray Inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// What the test does at each modal window, in turn; what each window showed is kept.
struct Ablauf {
    std::vector<std::function<bool(QWidget*)>> schritte;
    size_t schritt = 0;
    QStringList gesehen;

    void Starten()
    {
        test::BeiModalemFenster([this](QWidget* fenster) {
            if (auto* box = qobject_cast<QMessageBox*>(fenster))
                gesehen << box->text();
            else if (auto* dialog = qobject_cast<QFileDialog*>(fenster))
                gesehen << dialog->windowTitle();
            if (schritt < schritte.size() && schritte[schritt](fenster))
                ++schritt;
            return schritt == schritte.size();
        });
    }
};

// Accepts the save dialog with the file and the name filter given.
std::function<bool(QWidget*)> Speichern(const QString& pfad, const QString& filter)
{
    return [pfad, filter](QWidget* fenster) {
        auto* dialog = qobject_cast<QFileDialog*>(fenster);
        if (dialog == nullptr)
            return false;
        dialog->selectNameFilter(filter);
        // Typed as the user types it; the dialog lists its folder in the background, so the
        // name is checked before the dialog is accepted.
        auto* zeile = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (zeile == nullptr)
            return false;
        zeile->setText(pfad);
        if (dialog->selectedFiles() != QStringList{pfad})
            return false;
        QMetaObject::invokeMethod(dialog, "accept");
        return true;
    };
}

std::function<bool(QWidget*)> Antwort(const QString& knopf)
{
    return [knopf](QWidget* fenster) {
        auto* box = qobject_cast<QMessageBox*>(fenster);
        if (box == nullptr)
            return false;
        for (QAbstractButton* b : box->buttons())
            if (b->text() == knopf)
                b->click();
        return true;
    };
}

std::function<bool(QWidget*)> Abbrechen()
{
    return [](QWidget* fenster) {
        auto* dialog = qobject_cast<QFileDialog*>(fenster);
        if (dialog == nullptr)
            return false;
        dialog->reject();
        return true;
    };
}

class Exportieren : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        aufzeichnung = ordner.filePath(QStringLiteral("flug.vrl"));
        ASSERT_TRUE(QFile::copy(QString::fromStdString(test::Sample("lokalflug-1h.vrl")), aufzeichnung));
    }
    QString Ziel(const char* name) const { return ordner.filePath(QString::fromLatin1(name)); }
    QTemporaryDir ordner;
    QString aufzeichnung;
    test::Fenster f;
};

}  // namespace

TEST_F(Exportieren, NurMitFlug)
{
    QAction* eintrag = Eintrag(f.rahmen->menuBar(), Befehl::Exportieren);
    ASSERT_NE(eintrag, nullptr);
    f.rahmen->AktualisiereBefehle();
    EXPECT_FALSE(eintrag->isEnabled());
    ASSERT_TRUE(f.rahmen->OeffneDatei(aufzeichnung));
    EXPECT_TRUE(eintrag->isEnabled());
    EXPECT_EQ(eintrag->statusTip(), "Speichert den Flug als GPX-Datei oder als farbige KML-Spur für 3-D-Globen.");
}

TEST_F(Exportieren, DialogBietetDieFarbeDerGewaehltenGrafik)
{
    ASSERT_TRUE(f.rahmen->OeffneDatei(aufzeichnung));
    f.rahmen->ansicht()->ansicht().ansicht.grafik[0].farbe = Wind;
    QStringList filter;
    QString gewaehlt;
    QStringList datei;
    test::BeiModalemFenster([&](QWidget* fenster) {
        auto* dialog = qobject_cast<QFileDialog*>(fenster);
        if (dialog == nullptr)
            return false;
        filter = dialog->nameFilters();
        gewaehlt = dialog->selectedNameFilter();
        datei = dialog->selectedFiles();
        dialog->reject();
        return true;
    });
    f.rahmen->Ausfuehren(Befehl::Exportieren);
    EXPECT_EQ(filter, ExportFilter());
    EXPECT_EQ(filter.first(), "GPX-Datei (*.gpx)");
    EXPECT_EQ(gewaehlt, "KML-Datei, gefärbt nach Wind (*.kml)");
    EXPECT_EQ(datei, QStringList({Ziel("flug.kml")}));
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList({"flug.vrl"}));
}

TEST_F(Exportieren, GpxUndKmlWerdenGeschrieben)
{
    ASSERT_TRUE(f.rahmen->OeffneDatei(aufzeichnung));
    Ablauf ablauf;
    ablauf.schritte = {Speichern(Ziel("flug"), "GPX-Datei (*.gpx)")};
    ablauf.Starten();
    f.rahmen->Ausfuehren(Befehl::Exportieren);
    // The extension of the chosen type is added; a typed one wins over the type.
    EXPECT_TRUE(Inhalt(Ziel("flug.gpx")).contains("<gpx xmlns=\"http://www.topografix.com/GPX/1/1\""));

    Ablauf kml;
    kml.schritte = {Speichern(Ziel("hoehe.kml"), "KML-Datei, gefärbt nach Flughöhe (*.kml)")};
    kml.Starten();
    f.rahmen->Ausfuehren(Befehl::Exportieren);
    EXPECT_TRUE(Inhalt(Ziel("hoehe.kml")).contains("<name>Gefärbt nach Flughöhe</name>"));

    Ablauf getippt;
    getippt.schritte = {Speichern(Ziel("getippt.kml"), "GPX-Datei (*.gpx)")};
    getippt.Starten();
    f.rahmen->Ausfuehren(Befehl::Exportieren);
    EXPECT_TRUE(Inhalt(Ziel("getippt.kml")).contains("<kml xmlns=\"http://www.opengis.net/kml/2.2\""));
    EXPECT_FALSE(QFile::exists(Ziel("getippt.kml.gpx")));
}

TEST_F(Exportieren, VorhandeneDateiNurNachFrage)
{
    ASSERT_TRUE(f.rahmen->OeffneDatei(aufzeichnung));
    const QString ziel = Ziel("alt.gpx");
    {
        QFile alt(ziel);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    // "Nein" leads back to the dialog, which is then cancelled: the old file stays.
    Ablauf nein;
    nein.schritte = {Speichern(ziel, "GPX-Datei (*.gpx)"), Antwort("&Nein"), Abbrechen()};
    nein.Starten();
    f.rahmen->Ausfuehren(Befehl::Exportieren);
    ASSERT_EQ(nein.schritt, 3u);
    EXPECT_EQ(nein.gesehen.at(1), QDir::toNativeSeparators(ziel) + " ist bereits vorhanden.\nMöchten Sie sie ersetzen?");
    EXPECT_EQ(Inhalt(ziel), "alt");

    Ablauf ja;
    ja.schritte = {Speichern(ziel, "GPX-Datei (*.gpx)"), Antwort("&Ja")};
    ja.Starten();
    f.rahmen->Ausfuehren(Befehl::Exportieren);
    EXPECT_TRUE(Inhalt(ziel).startsWith("<?xml"));
}

TEST_F(Exportieren, AufzeichnungUndUnerreichbaresZielWerdenGemeldet)
{
    ASSERT_TRUE(f.rahmen->OeffneDatei(aufzeichnung));
    const QByteArray vorher = Inhalt(aufzeichnung);
    // A name that leads to the recording itself: refused, and the dialog comes back.
    const QString verweis = Ziel("verweis.kml");
    ASSERT_TRUE(QFile::link(aufzeichnung, verweis));
    Ablauf selbst;
    selbst.schritte = {Speichern(verweis, "GPX-Datei (*.gpx)"), Antwort("OK"), Abbrechen()};
    selbst.Starten();
    f.rahmen->Ausfuehren(Befehl::Exportieren);
    ASSERT_EQ(selbst.schritt, 3u);
    EXPECT_TRUE(selbst.gesehen.at(1).endsWith("ist die geöffnete Aufzeichnung; sie wird nie überschrieben."))
        << selbst.gesehen.at(1).toStdString();
    EXPECT_EQ(Inhalt(aufzeichnung), vorher);

    // A folder that does not exist: the write fails and says so.
    Ablauf fehlt;
    fehlt.schritte = {Speichern(Ziel("fehlt/flug.gpx"), "GPX-Datei (*.gpx)"), Antwort("OK")};
    fehlt.Starten();
    f.rahmen->Ausfuehren(Befehl::Exportieren);
    ASSERT_EQ(fehlt.schritt, 2u);
    EXPECT_TRUE(fehlt.gesehen.at(1).endsWith("konnte nicht geschrieben werden.")) << fehlt.gesehen.at(1).toStdString();
}

TEST_F(Exportieren, IgcOhneTemperaturInUtcUndUngefaerbt)
{
    const QString log = Ziel("nz.igc");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(test::Testdaten("igc/sp-nz-duodiscus-6h-midnight.igc")), log));
    ASSERT_TRUE(f.rahmen->OeffneDatei(log));
    // The temperature colouring of a log without temperature: written uncoloured, and said so.
    Ablauf kml;
    kml.schritte = {Speichern(Ziel("nz.kml"), "KML-Datei, gefärbt nach Temperaturgradient (*.kml)"), Antwort("OK")};
    kml.Starten();
    f.rahmen->Ausfuehren(Befehl::Exportieren);
    ASSERT_EQ(kml.schritt, 2u);
    EXPECT_EQ(kml.gesehen.at(1), "Die Aufzeichnung enthält keine Temperatur; die Spur bleibt ungefärbt.");
    const QByteArray text = Inhalt(Ziel("nz.kml"));
    EXPECT_TRUE(text.contains("<name>Ohne Färbung</name>"));
    // The log's times are UTC, past midnight into the next day, whatever the computer's zone.
    EXPECT_TRUE(text.contains("<when>2016-11-08T22:43:17Z</when>"));
    EXPECT_TRUE(text.contains("<when>2016-11-09T04:43:01Z</when>"));
}
