#include "pipeline/Einstellungen.h"

#include "render/Ansicht.h"

#include <QSettings>

namespace {

const QString gruppe = QStringLiteral("Settings");

// The stored integer when it is one and lies in [min, max], else the default. Parsed from its
// text: QVariant would wrap numbers beyond 32 bits and round fractions into integers.
int Wert(const QSettings& s, const QString& name, int standard, int min, int max)
{
    bool ok = false;
    const int wert = s.value(name).toString().toInt(&ok);
    return ok && wert >= min && wert <= max ? wert : standard;
}

}  // namespace

void EinstellungenLesen(CAnsicht& a)
{
    QSettings s;
    s.beginGroup(gruppe);
    a.zeitmarken = Wert(s, QStringLiteral("Zeitmarken"), 0, 0, 1);
    a.wegpunkte = Wert(s, QStringLiteral("Wegpunkte"), 0, 0, 1);
    a.thermiken = Wert(s, QStringLiteral("Thermiken"), 0, 0, 1);
    a.gelaendeRelief = Wert(s, QStringLiteral("Gelaende"), 0, 0, 1);
    a.wertungZeigen = Wert(s, QStringLiteral("Wertung"), 0, 0, 1);
    a.temperaturReferenz = static_cast<TemperaturReferenzArt>(Wert(s, QStringLiteral("Temperaturreferenz"), 0, 0, 1));
    a.grafikanzahl = static_cast<int8_t>(Wert(s, QStringLiteral("Grafikanzahl"), 1, 1, 2));
    a.ansicht.grafik[0].art = static_cast<int8_t>(
        Wert(s, QStringLiteral("LinkeAnsicht"), Grundriss, Grundriss, BarogrammZeit));
    a.ansicht.grafik[0].farbe = static_cast<int8_t>(
        Wert(s, QStringLiteral("LinkeFarbe"), KeineFaerbung, KeineFaerbung, Temperaturgradient));
    a.ansicht.grafik[1].art = static_cast<int8_t>(
        Wert(s, QStringLiteral("RechteAnsicht"), Grundriss, Grundriss, BarogrammZeit));
    a.ansicht.grafik[1].farbe = static_cast<int8_t>(
        Wert(s, QStringLiteral("RechteFarbe"), Variowerte, KeineFaerbung, Temperaturgradient));
}

void EinstellungenSchreiben(const CAnsicht& a)
{
    QSettings s;
    s.beginGroup(gruppe);
    s.setValue(QStringLiteral("Zeitmarken"), static_cast<int>(a.zeitmarken));
    s.setValue(QStringLiteral("Wegpunkte"), static_cast<int>(a.wegpunkte));
    s.setValue(QStringLiteral("Thermiken"), static_cast<int>(a.thermiken));
    s.setValue(QStringLiteral("Gelaende"), static_cast<int>(a.gelaendeRelief));
    s.setValue(QStringLiteral("Wertung"), static_cast<int>(a.wertungZeigen));
    s.setValue(QStringLiteral("Temperaturreferenz"), static_cast<int>(a.temperaturReferenz));
    // Byte members go out sign-extended, as 32-bit integers.
    s.setValue(QStringLiteral("Grafikanzahl"), static_cast<int>(a.grafikanzahl));
    s.setValue(QStringLiteral("LinkeAnsicht"), static_cast<int>(a.ansicht.grafik[0].art));
    s.setValue(QStringLiteral("LinkeFarbe"), static_cast<int>(a.ansicht.grafik[0].farbe));
    s.setValue(QStringLiteral("RechteAnsicht"), static_cast<int>(a.ansicht.grafik[1].art));
    s.setValue(QStringLiteral("RechteFarbe"), static_cast<int>(a.ansicht.grafik[1].farbe));
}

QString GelaendeOrdner()
{
    QSettings s;
    s.beginGroup(gruppe);
    return s.value(QStringLiteral("Gelaendeordner")).toString();
}

void GelaendeOrdnerSetzen(const QString& ordner)
{
    QSettings s;
    s.beginGroup(gruppe);
    s.setValue(QStringLiteral("Gelaendeordner"), ordner);
}
