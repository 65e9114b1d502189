#pragma once
// The window's map: the tile service exists only while "Ansicht > Karte" is on, so that no
// request leaves the computer before the pilot turns it on; arriving tiles ask for a redraw.

#include "tiles/KartenEinstellungen.h"

#include <QObject>
#include <memory>

class Kartendienst;

class KartenAnzeige : public QObject {
    Q_OBJECT
public:
    explicit KartenAnzeige(QObject* parent = nullptr);
    ~KartenAnzeige() override;

    // Reads the stored settings and makes, keeps or drops the service accordingly.
    void Einstellen();
    // Turns the map on or off and stores it.
    void Schalten(bool an);
    bool An() const { return einstellungen.an; }
    // Opens the sources dialog; true when something changed.
    bool Bearbeiten(QWidget* eltern);
    Kartendienst* Dienst() const { return dienst.get(); }

signals:
    void neuZeichnen();

private:
    KartenEinstellungen einstellungen;
    std::unique_ptr<Kartendienst> dienst;
    KartenQuelle dienstQuelle;  // what the service was made from
    int dienstSpeicherMb = 0;
};
