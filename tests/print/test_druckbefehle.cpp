// The print command and the print preview of the window, driven while their dialogs run.

#include "KartenHilfen.h"
#include "print/Drucken.h"
#include "print/CDruckDlg.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace karte;

TEST(DruckVorschau, FragtDenMassstabEinmal)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    int dialoge = 0;
    int vorschlag = 0;
    int vorschauen = 0;
    int runden = 0;
    int seiten = 0;
    QTimer takt;
    takt.setInterval(20);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dlg = qobject_cast<CDruckDlg*>(modal)) {
            ++dialoge;
            vorschlag = dlg->massstab;
            dlg->accept();
        } else if (auto* vorschau = qobject_cast<QPrintPreviewDialog*>(modal)) {
            // Let it paint, make it paint again, then close it.
            if (++vorschauen == 5) {
                if (auto* seite = vorschau->findChild<QPrintPreviewWidget*>())
                    seite->updatePreview();
            } else if (vorschauen == 10) {
                if (auto* seite = vorschau->findChild<QPrintPreviewWidget*>())
                    seiten = seite->pageCount();
                vorschau->reject();
            }
        }
        if (++runden > 500 && modal)
            modal->close();  // a step that failed must not hang the tests
    });
    takt.start();
    DruckVorschau(doc, nullptr);
    takt.stop();
    EXPECT_EQ(dialoge, 1);
    EXPECT_GE(vorschauen, 10);
    EXPECT_EQ(seiten, 1);
    EXPECT_GE(vorschlag, 50000);
}

TEST(DruckVorschau, OhneFlugNichts)
{
    CSarnixDoc doc;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            modal = true;
            w->close();
        }
    });
    DruckVorschau(doc, nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(modal);
}

TEST(DruckenMitDialog, AbbrechenDrucktNichts)
{
    CSarnixDoc doc;
    ZehnMalVier(doc);
    bool druckDialog = false;
    bool massstabGefragt = false;
    int runden = 0;
    QTimer takt;
    takt.setInterval(20);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dlg = qobject_cast<QPrintDialog*>(modal)) {
            druckDialog = true;
            dlg->reject();
        } else if (auto* massstab = qobject_cast<CDruckDlg*>(modal)) {
            massstabGefragt = true;
            massstab->accept();
        } else if (++runden > 500 && modal) {
            modal->close();
        }
    });
    takt.start();
    DruckenMitDialog(doc, nullptr);
    takt.stop();
    EXPECT_TRUE(druckDialog);
    EXPECT_FALSE(massstabGefragt);
}
