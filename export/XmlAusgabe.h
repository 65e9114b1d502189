#pragma once
// The XML writing of an export. The Qt writer spends microseconds on every element, and a day of
// fixes is a million elements: the fixes are therefore written in pieces by several threads,
// each with a writer of its own, and the pieces go to the file in order.

#include "doc/CDaten.h"
#include "export/Strecken.h"

#include <QIODevice>
#include <QString>
#include <QXmlStreamWriter>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A writer into text of its own, with reused buffers for numbers. Each number's text is valid
// until the next number is asked for.
class XmlTeil {
    QString text;  // before xml, which writes into it

public:
    XmlTeil();
    XmlTeil(const XmlTeil&) = delete;
    XmlTeil& operator=(const XmlTeil&) = delete;

    QXmlStreamWriter xml;

    const QString& Grad(int64_t gradE7);
    const QString& Zehntel(int64_t zehntel);
    const QString& Ganz(int64_t wert);
    const QString& Zeit(int64_t utc);
    // "lon,lat,alt" (trenner ',') or "lon lat alt" (trenner ' ').
    const QString& Koordinate(const Lage& lage, int hoehe, char trenner);
    // The fixes [anfang, ende) as "lon,lat,alt lon,lat,alt ...".
    const QString& Koordinaten(const Spur& spur, const std::vector<CDaten>& fixe, size_t anfang, size_t ende);

    qsizetype Groesse() const { return text.size(); }
    // The text written so far as UTF-8; the text starts again empty.
    QByteArray Nehmen();

private:
    const QString& Ascii();
    std::string zahl;
    QString ascii;
};

class XmlAusgabe {
public:
    explicit XmlAusgabe(QIODevice& ziel);

    XmlTeil haupt;
    QXmlStreamWriter& xml = haupt.xml;

    // Writes items [anfang, ende) in order at the writer's current place, each on a line of its
    // own, by schreibe(writer, index). schreibe runs on several threads at once: it must write
    // whole elements and change nothing shared.
    using Eintrag = std::function<void(XmlTeil&, size_t)>;
    void Eintraege(size_t anfang, size_t ende, const Eintrag& schreibe);

    // Hands on everything written. False when the target did not take it all, now or before.
    bool Abgeben();

private:
    void Weitergeben(const QByteArray& block);
    QIODevice& ziel;
    bool fehler = false;
};
