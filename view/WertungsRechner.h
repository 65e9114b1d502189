#pragma once
// Scores a flight on a thread of its own, so the window stays responsive for the seconds a long
// log may take. A new start or Abbrechen stops the search under way; its result is dropped.

#include "flight/CDaten.h"
#include "flight/Wertung.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// The rule set the window scores with, kept between runs; "xcontest" until another is chosen.
QString GespeicherteRegeln();
void RegelnSpeichern(const QString& name);

class WertungsRechner : public QObject {
    Q_OBJECT
public:
    explicit WertungsRechner(QObject* parent = nullptr);
    ~WertungsRechner() override;  // stops and waits for the search
    WertungsRechner(const WertungsRechner&) = delete;
    WertungsRechner& operator=(const WertungsRechner&) = delete;

    // Scores a copy of the fixes, so that opening another flight cannot pull them away.
    void Starte(std::vector<CDaten> fixe, const QString& regeln, double zeitlimit = 30.0);
    void Abbrechen();
    bool Rechnet() const { return laeuft; }

signals:
    void fertig(std::shared_ptr<const Wertung> wertung);
    void abgebrochen();

private:
    void Warten();

    std::thread faden;
    std::shared_ptr<std::atomic<bool>> halt;
    unsigned lauf = 0;  // results of an earlier run are dropped
    bool laeuft = false;
};
