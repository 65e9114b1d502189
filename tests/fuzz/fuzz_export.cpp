// Any bytes as a recording or an IGC log, exported as GPX or KML in any colouring: the file must
// be well-formed XML in valid UTF-8, with no more track points than fixes.

#include "FuzzHilfen.h"

#include "flight/CSarnixDoc.h"
#include "export/Gpx.h"
#include "export/Kml.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void Abbruch(const char* grund, const QByteArray& datei)
{
    std::fprintf(stderr, "Export kaputt: %s\n%.2000s\n", grund, datei.constData());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::GuiStarten(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    static CSarnixDoc doc;
    static const QTimeZone zonen[] = {QTimeZone::utc(), QTimeZone("Europe/Berlin"), QTimeZone("Pacific/Auckland")};
    fuzz::Wahl wahl(daten, groesse);
    ExportWahl auswahl;
    auswahl.format = wahl.Zahl(2) == 0 ? ExportFormat::Gpx : ExportFormat::Kml;
    auswahl.farbe = static_cast<int8_t>(wahl.Zahl(5));
    auswahl.zeitzone = zonen[wahl.Zahl(3)];

    // Most inputs should become a flight: the .vrl magic or an IGC A record in front.
    std::string inhalt(reinterpret_cast<const char*>(daten), groesse);
    if (!inhalt.starts_with("@SX") && !IgcKopfsatz(inhalt))
        inhalt.insert(0, wahl.Zahl(2) == 0 ? "@SX" : "AXXX\r\nHFDTE311299\r\n");
    if (!doc.OeffneInhalt("fuzz", inhalt) || !doc.geladen)
        return 0;

    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    ExportBericht bericht;
    const bool geschrieben = auswahl.format == ExportFormat::Gpx ? SchreibeGpx(doc, auswahl, puffer, &bericht)
                                                                 : SchreibeKml(doc, auswahl, puffer, &bericht);
    const QByteArray& datei = puffer.data();
    if (!geschrieben)
        Abbruch("nicht geschrieben", datei);
    if (bericht.punkte > static_cast<int64_t>(doc.datenListe.size()))
        Abbruch("mehr Punkte als Fixe", datei);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(datei);
    if (utf8.hasError())
        Abbruch("kein UTF-8", datei);
    QXmlStreamReader leser(text);
    while (!leser.atEnd())
        leser.readNext();
    if (leser.hasError())
        Abbruch(leser.errorString().toUtf8().constData(), datei);
    return 0;
}
