#include "FuzzHilfen.h"

#include "flight/CSarnixDoc.h"
#include "robust/Plausibel.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace fuzz {

namespace {

// The file every run writes: one file, rewritten, instead of a new one per input.
const std::string& ArbeitsDatei()
{
    static QTemporaryDir ordner;
    static const std::string pfad = (ordner.path() + QStringLiteral("/eingabe.vrl")).toStdString();
    return pfad;
}

[[noreturn]] void Abbruch(const std::string& grund)
{
    std::fprintf(stderr, "Dokument nicht plausibel: %s\n", grund.c_str());
    std::abort();
}

}  // namespace

void GuiStarten(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives until the process ends; libFuzzer never returns from its loop.
    static const std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(*argc, *argv);
}

void Oeffnen(CSarnixDoc& doc, const uint8_t* daten, size_t groesse)
{
    // Recordings in the corpus already begin with the magic and keep their first line.
    const bool hatMagie = groesse >= 3 && daten[0] == '@' && daten[1] == 'S' && daten[2] == 'X';
    const bool voranstellen = !hatMagie && groesse > 0 && daten[0] % 2 == 0;
    const std::string& pfad = ArbeitsDatei();
    {
        std::FILE* datei = std::fopen(pfad.c_str(), "wb");
        if (!datei)
            Abbruch("Arbeitsdatei nicht schreibbar");
        if (voranstellen)
            std::fwrite("@SX", 1, 3, datei);
        if (groesse > 0)
            std::fwrite(daten, 1, groesse, datei);
        std::fclose(datei);
    }
    const bool mitMagie = hatMagie || voranstellen;
    const size_t dateiGroesse = groesse + (voranstellen ? 3 : 0);

    const size_t fixeVorher = doc.datenListe.size();
    const bool geoeffnet = doc.OnOpenDocument(pfad);
    if (mitMagie && !geoeffnet)
        Abbruch("lesbare Aufzeichnung nicht geöffnet");
    // Without the magic only an IGC log opens.
    if (!mitMagie && geoeffnet && !doc.igc.istIgc)
        Abbruch("Datei ohne Magie geöffnet");
    // A refused file leaves the flight of the run before.
    if (!geoeffnet) {
        if (doc.datenListe.size() != fixeVorher)
            Abbruch("abgelehnte Datei hat den Flug verändert");
        return;
    }
    const std::string fehler = robust::DokumentFehler(doc, mitMagie, dateiGroesse);
    if (!fehler.empty())
        Abbruch(fehler);
    if (mitMagie && doc.dateiname != pfad)
        Abbruch("dateiname " + doc.dateiname);
}

Wahl::Wahl(const uint8_t* d, size_t groesse) : daten(d), rest(groesse) {}

int Wahl::Zahl(int anzahl)
{
    if (rest == 0 || anzahl <= 1)
        return 0;
    --rest;
    return daten[rest] % anzahl;
}

}  // namespace fuzz
