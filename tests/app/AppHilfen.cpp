#include "AppHilfen.h"

#include "TestHilfen.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QTimer>

#include <cstdio>

namespace test {

std::string Flug(int hoehe, int fixes)
{
    std::string inhalt = "@SX\n";
    char fix[40];
    std::snprintf(fix, sizeof fix, "0459480107DE%04X0F3C5000B54003\n", static_cast<unsigned>(hoehe) & 0xFFFFu);
    for (int i = 0; i < fixes; ++i)
        inhalt += fix;
    return inhalt;
}

QString FlugDatei(int hoehe, int fixes) { return QString::fromStdString(TempDatei(Flug(hoehe, fixes))); }

Fenster::Fenster() : rahmen(std::make_unique<CMainFrame>(doc))
{
    ZuletztLeeren();
    rahmen->ZuletztLaden();
}

Fenster::~Fenster() = default;

void ZuletztLeeren()
{
    QSettings einstellungen;
    einstellungen.remove(QStringLiteral("Recent File List"));
}

void BeiModalemFenster(std::function<bool(QWidget*)> tun)
{
    auto* takt = new QTimer(qApp);
    takt->setInterval(10);
    auto versuche = std::make_shared<int>(500);
    QObject::connect(takt, &QTimer::timeout, takt, [takt, tun, versuche] {
        QWidget* fenster = QApplication::activeModalWidget();
        bool fertig = fenster != nullptr && tun(fenster);
        if (!fertig && --*versuche <= 0) {
            if (fenster != nullptr)
                fenster->close();
            fertig = true;
        }
        if (fertig) {
            takt->stop();
            takt->deleteLater();
        }
    });
    takt->start();
}

std::shared_ptr<Meldung> FangeMeldung()
{
    auto meldung = std::make_shared<Meldung>();
    BeiModalemFenster([meldung](QWidget* fenster) {
        auto* box = qobject_cast<QMessageBox*>(fenster);
        if (box == nullptr)
            return false;
        meldung->gesehen = true;
        meldung->titel = box->windowTitle();
        meldung->text = box->text();
        meldung->symbol = box->icon();
        box->accept();
        return true;
    });
    return meldung;
}

QStringList Struktur(const QMenu* menue, const QString& einzug)
{
    QStringList zeilen;
    for (const QAction* aktion : menue->actions()) {
        if (aktion->isSeparator()) {
            zeilen << einzug + QStringLiteral("---");
            continue;
        }
        const QString grau = aktion->isEnabled() ? QString() : QStringLiteral(" (grau)");
        if (aktion->menu() != nullptr) {
            zeilen << einzug + aktion->text() + QStringLiteral(" >") + grau;
            zeilen += Struktur(aktion->menu(), einzug + QStringLiteral("  "));
        } else {
            zeilen << einzug + aktion->text() + grau;
        }
    }
    return zeilen;
}

}  // namespace test
