#include "view/WertungsRechner.h"

#include <QSettings>

#include <new>
#include <system_error>

namespace {
const QString regelnSchluessel = QStringLiteral("Wertung/Regeln");
}

QString GespeicherteRegeln()
{
    const QString name = QSettings().value(regelnSchluessel).toString();
    return RegelnFuer(name.toStdString()) ? name : QStringLiteral("xcontest");
}

void RegelnSpeichern(const QString& name) { QSettings().setValue(regelnSchluessel, name); }

WertungsRechner::WertungsRechner(QObject* parent) : QObject(parent) {}

WertungsRechner::~WertungsRechner()
{
    if (halt)
        halt->store(true);
    Warten();
}

void WertungsRechner::Warten()
{
    if (faden.joinable())
        faden.join();
}

void WertungsRechner::Abbrechen()
{
    if (halt)
        halt->store(true);
    ++lauf;
    // The search looks at the flag often: the wait is short.
    Warten();
    if (laeuft) {
        laeuft = false;
        emit abgebrochen();
    }
}

void WertungsRechner::Starte(std::vector<CDaten> fixe, const QString& name, double zeitlimit)
{
    if (halt)
        halt->store(true);
    ++lauf;
    Warten();
    const std::optional<WertungsRegeln> regeln = RegelnFuer(name.toStdString());
    if (!regeln)
        return;
    halt = std::make_shared<std::atomic<bool>>(false);
    laeuft = true;
    const unsigned dieser = lauf;
    try {
        faden = std::thread([this, dieser, fixe = std::move(fixe), regeln = *regeln, stop = halt, zeitlimit] {
            WertungsOptionen optionen;
            optionen.zeitlimit = zeitlimit;
            optionen.abbrechen = stop.get();
            std::shared_ptr<const Wertung> wertung;
            try {
                wertung = std::make_shared<const Wertung>(WerteFlug(fixe, regeln, optionen));
            } catch (const std::bad_alloc&) {
                // Too large a log for the memory left: it ends as cancelled instead of ending the program.
            }
            if (stop->load())
                return;
            // Delivered on the window's thread; dropped when the runner is gone by then.
            QMetaObject::invokeMethod(
                this,
                [this, dieser, wertung] {
                    if (dieser != lauf)
                        return;
                    laeuft = false;
                    if (wertung)
                        emit fertig(wertung);
                    else
                        emit abgebrochen();
                },
                Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        // No thread to be had: the search ends as a cancelled one would, and the window goes on.
        laeuft = false;
        emit abgebrochen();
    }
}
