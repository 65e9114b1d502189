// The program reads recordings and never writes them: opening, drawing, every view command,
// printing to an image and to a PDF leave the file's bytes, its modification time and its folder
// as they were, also when the user may not write the file.

#include "RobustHilfen.h"
#include "TestHilfen.h"

#include "flight/CSarnixDoc.h"
#include "print/Drucken.h"
#include "pipeline/Befehle.h"
#include "view/CSarnixView.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

using robust::Fix;
using robust::FixZeile;

// A flight with header, route point and time, 600 fixes.
std::string Flug()
{
    std::string text = robust::KopfZeile() + robust::ZeitZeile(13, 5, 12);
    text += FixZeile(Fix{.a = '1', .b = '1'}) + FixZeile(Fix{});
    for (uint32_t i = 0; i < 600; ++i)
        text += FixZeile(Fix{.breite = 0x045948u + i % 40, .laenge = 0x0107DEu + i / 3,
                             .hoehe = 900 + static_cast<int>(i % 200), .vario = static_cast<int>(i % 30),
                             .a = "05AF"[i % 4], .b = "A5F0"[i % 4], .flag = i % 7 == 6 ? '2' : '3'});
    return text;
}

// The state of a recording that must not change: bytes, modification time, the folder's entries.
struct Stand {
    std::string bytes;
    std::filesystem::file_time_type geaendert;
    std::vector<std::string> ordner;

    static Stand Von(const std::filesystem::path& datei)
    {
        Stand s;
        std::ifstream strom(datei, std::ios::binary);
        s.bytes.assign(std::istreambuf_iterator<char>(strom), {});
        s.geaendert = std::filesystem::last_write_time(datei);
        for (const auto& eintrag : std::filesystem::directory_iterator(datei.parent_path()))
            s.ordner.push_back(eintrag.path().filename().string());
        std::sort(s.ordner.begin(), s.ordner.end());
        return s;
    }
};

void ErwarteUnveraendert(const Stand& vorher, const std::filesystem::path& datei)
{
    const Stand nachher = Stand::Von(datei);
    EXPECT_TRUE(nachher.bytes == vorher.bytes) << "Inhalt verändert";
    EXPECT_TRUE(nachher.geaendert == vorher.geaendert) << "Änderungszeit verändert";
    EXPECT_EQ(nachher.ordner, vorher.ordner);
}

// Every command of the view, the two dialogs closed again as soon as they are up.
void AlleBefehle(CSarnixView& view)
{
    using namespace Befehl;
    const std::vector<int> ids{Einzelgrafik, GeteilteGrafik, LinksOben, LinksSueden, LinksOsten,
        LinksTemperatur, RechtsOben, RechtsSueden, RechtsOsten, RechtsTemperatur, Zeitmarken,
        Routenpunkte, LinksKeine, RechtsKeine, LinksTemperaturgradient, RechtsTemperaturgradient,
        LinksWind, RechtsWind, LinksFlughoehe, RechtsFlughoehe, LinksVario, RechtsVario,
        Vergroessern, Verkleinern, Anpassen, FlugInformationen, Einstellungen, AktivOben, AktivWest,
        AktivNord, AktivTemperatur, AktivKeine, AktivTemperaturgradient, AktivWind, AktivFlughoehe,
        AktivVario};
    for (const int id : ids) {
        SCOPED_TRACE(id);
        if (id == FlugInformationen || id == Einstellungen)
            QTimer::singleShot(50, [] {
                if (QWidget* dialog = QApplication::activeModalWidget())
                    dialog->close();
            });
        EXPECT_TRUE(view.Befehl(id));
        if (id == Vergroessern) {
            // The armed band: a drag across the plan view.
            QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
            QTest::mouseMove(&view, QPoint(200, 180));
            QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(200, 180));
        }
    }
    // The track cursor: placed, stepped with the keys, the timers left to run a moment.
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(150, 150));
    QTest::keyPress(&view, Qt::Key_Right);
    QTest::qWait(120);
    QTest::keyRelease(&view, Qt::Key_Right);
    QTest::keyPress(&view, Qt::Key_Left);
    QTest::keyRelease(&view, Qt::Key_Left);
}

// Everything a user does with the open recording, with printouts going to `ausgabe`.
void AllesTun(const std::filesystem::path& datei, const QString& ausgabe)
{
    CSarnixDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(datei.string()));
    ASSERT_EQ(doc.geladen, 1);
    ASSERT_EQ(doc.datenListe.size(), 602u);

    {
        CSarnixView view(doc);
        view.resize(800, 600);
        view.show();
        view.DokumentGeoeffnet();
        ASSERT_GT(test::NichtWeiss(view.leinwand()), 0);
        AlleBefehle(view);
    }

    robust::AllesZeichnen(doc, robust::Umfang::Knapp);
    EXPECT_EQ(robust::KarteAufBild(doc, 0, true), 1);

    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(ausgabe);
    const MassstabFrage frage = [](int vorschlag) { return DruckWahl{vorschlag, 1}; };
    EXPECT_EQ(SeiteDrucken(doc, drucker, frage), 1);
    EXPECT_GT(QFile(ausgabe).size(), 0);

    // Opening again, as from the recent-file list.
    EXPECT_TRUE(doc.OnOpenDocument(datei.string()));
    EXPECT_EQ(doc.datenListe.size(), 602u);
}

class NichtsGeschrieben : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid() && druckOrdner.isValid());
        datei = std::filesystem::path(ordner.path().toStdString()) / "flug.vrl";
        std::ofstream(datei, std::ios::binary) << Flug();
        // A modification time well in the past, so that a rewrite within the same second shows.
        std::filesystem::last_write_time(datei, std::filesystem::last_write_time(datei) - std::chrono::hours(50));
    }

    QTemporaryDir ordner;
    QTemporaryDir druckOrdner;
    std::filesystem::path datei;
};

TEST_F(NichtsGeschrieben, OeffnenZeichnenBefehleUndDruckenLassenDieAufzeichnungUnberuehrt)
{
    const Stand vorher = Stand::Von(datei);
    AllesTun(datei, druckOrdner.filePath(QStringLiteral("karte.pdf")));
    ErwarteUnveraendert(vorher, datei);
}

TEST_F(NichtsGeschrieben, EineSchreibgeschuetzteAufzeichnungOeffnetGenauso)
{
    namespace fs = std::filesystem;
    fs::permissions(datei, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const Stand vorher = Stand::Von(datei);
    AllesTun(datei, druckOrdner.filePath(QStringLiteral("karte.pdf")));
    ErwarteUnveraendert(vorher, datei);
    EXPECT_EQ(fs::status(datei).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(datei, fs::perms::owner_all);
}

}  // namespace
