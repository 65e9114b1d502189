// sarnix-cli info: the flight document as JSON.

#include "cli/Cli.h"
#include "cli/CliBefehl.h"
#include "cli/CliGemeinsam.h"

#include "flight/CSarnixDoc.h"
#include "flight/FarbIndex.h"
#include "flight/Flugphasen.h"
#include "flight/TemperaturReferenz.h"
#include "flight/Wertung.h"
#include "language/Fehlertexte.h"
#include "terrain/GelaendeModell.h"
#include "terrain/GrundWerte.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace {

// The shortest text that reads back to the same single-precision number.
double AlsZahl(float wert)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(wert));
    return std::strtod(text, nullptr);
}

QString Text(const std::string& bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }

// The number a summary text starts with ("277 m", "4.2 m/s", "32.7 km"), or null when the
// recording left it blank.
QJsonValue ZahlAus(const std::string& text)
{
    static const QRegularExpression zahl(QStringLiteral("^\\s*(-?\\d+(?:\\.\\d+)?)"));
    const QRegularExpressionMatch m = zahl.match(Text(text));
    return m.hasMatch() ? QJsonValue(m.captured(1).toDouble()) : QJsonValue(QJsonValue::Null);
}

// "10:43" as 643 minutes.
QJsonValue MinutenAus(const std::string& text)
{
    static const QRegularExpression dauer(QStringLiteral("^\\s*(\\d+):(\\d\\d)\\s*$"));
    const QRegularExpressionMatch m = dauer.match(Text(text));
    return m.hasMatch() ? QJsonValue(m.captured(1).toInt() * 60 + m.captured(2).toInt()) : QJsonValue(QJsonValue::Null);
}

QJsonObject Ausdehnung(const Fenster& a)
{
    return {{QStringLiteral("hoeheMax"), a.hoeheMax}, {QStringLiteral("hoeheMin"), a.hoeheMin},
            {QStringLiteral("breiteMax"), a.breiteMax}, {QStringLiteral("laengeMax"), a.laengeMax},
            {QStringLiteral("breiteMin"), a.breiteMin}, {QStringLiteral("laengeMin"), a.laengeMin}};
}

QJsonArray Wegpunkte(const CSarnixDoc& doc)
{
    QJsonArray liste;
    for (const CWegPunkt& w : doc.wegpunktListe)
        liste.append(QJsonObject{{QStringLiteral("name"), Text(w.name)},
                                 {QStringLiteral("nummer"), w.nummer},
                                 {QStringLiteral("laenge"), w.laenge},
                                 {QStringLiteral("breite"), w.breite},
                                 {QStringLiteral("hoehe"), w.hoehe},
                                 {QStringLiteral("art"), w.art}});
    return liste;
}

// Text gathered in a block and handed to stdout whenever it is full: a million fixes pass through
// a megabyte instead of being held as JSON objects (seconds and gigabytes).
class Ausgabe {
public:
    Ausgabe() { puffer.reserve(blockGroesse + 512); }
    ~Ausgabe() { Leeren(); }

    void Text(std::string_view text) { puffer.append(text); }
    void Zahl(int wert)
    {
        char ziffern[16];
        const auto ende = std::to_chars(ziffern, ziffern + sizeof ziffern, wert).ptr;
        puffer.append(ziffern, ende);
    }
    void Voll()
    {
        if (puffer.size() >= blockGroesse)
            Leeren();
    }
    void Leeren()
    {
        std::fwrite(puffer.data(), 1, puffer.size(), stdout);
        puffer.clear();
    }

private:
    static constexpr size_t blockGroesse = 1 << 20;
    std::string puffer;
};

// One compact object a fix; numbers only, so no text needs escaping. With ground heights, each
// fix gains its ground in whole metres, null where the model has none.
void SchreibeFixe(const CSarnixDoc& doc, TemperaturReferenzArt referenz, std::span<const float> grund, bool eineZeile, Ausgabe& aus)
{
    aus.Text(eineZeile ? ",\"fixes\":[" : ",\n    \"fixes\": [");
    const std::string_view trenner = eineZeile ? "," : ",\n        ";
    bool erster = true;
    size_t i = 0;
    for (const CDaten& f : doc.datenListe) {
        aus.Text(erster ? (eineZeile ? "" : "\n        ") : trenner);
        erster = false;
        const std::pair<std::string_view, int> felder[] = {
            {"{\"zeit\": ", f.zeit},          {", \"vario\": ", f.vario}, {", \"laenge\": ", f.laenge},
            {", \"breite\": ", f.breite},     {", \"temperatur\": ", f.temperatur},
            {", \"sog\": ", f.sog},           {", \"tas\": ", f.tas},     {", \"hatPosition\": ", f.hatPosition},
            {", \"hoehe\": ", f.hoehe}};
        for (const auto& [name, wert] : felder) {
            aus.Text(name);
            aus.Zahl(wert);
        }
        aus.Text(", \"farbIndex\": [");
        for (int8_t art = 0; art <= 4; ++art) {
            if (art > 0)
                aus.Text(", ");
            aus.Zahl(FarbIndex(art, f, doc, referenz));
        }
        aus.Text("]");
        if (i < grund.size()) {
            aus.Text(", \"grund\": ");
            if (std::isnan(grund[i]))
                aus.Text("null");
            else
                aus.Zahl(static_cast<int>(std::lround(grund[i])));
        }
        ++i;
        aus.Text("}");
        aus.Voll();
    }
    aus.Text(doc.datenListe.empty() || eineZeile ? "]" : "\n    ]");
}

// The header of an IGC log and the extensions its fixes carry; only for IGC logs.
QJsonObject IgcObjekt(const CSarnixDoc& doc)
{
    const IgcKopf& k = doc.igc;
    QJsonArray erweiterungen;
    for (const std::string& code : k.erweiterungen)
        erweiterungen.append(Text(code));
    return {{QStringLiteral("datum"), Text(k.datum)},
            {QStringLiteral("pilot"), Text(k.pilot)},
            {QStringLiteral("muster"), Text(k.muster)},
            {QStringLiteral("kennzeichen"), Text(k.kennzeichen)},
            {QStringLiteral("wettbewerb"), Text(k.wettbewerb)},
            {QStringLiteral("startplatz"), Text(k.startplatz)},
            {QStringLiteral("logger"), Text(k.logger)},
            {QStringLiteral("signatur"), QString::fromUtf8(k.signatur.data(), static_cast<qsizetype>(k.signatur.size()))},
            {QStringLiteral("hoehe"), Text(k.hoehe)},
            {QStringLiteral("temperatur"), doc.hatTemperatur},
            {QStringLiteral("erweiterungen"), erweiterungen}};
}

QJsonArray Profil(const CSarnixDoc& doc, TemperaturReferenzArt referenz)
{
    QJsonArray liste;
    for (const TemperaturSlot& slot : ReferenzProfil(doc, referenz))
        liste.append(QJsonArray{AlsZahl(slot.steigung), AlsZahl(slot.basis)});
    return liste;
}

// Rounded to what the figures mean: cm/s, decimetres, tenths of a glide ratio.
double Gerundet(double wert, double stellen)
{
    const double faktor = std::pow(10.0, stellen);
    return std::round(wert * faktor) / faktor;
}

QJsonValue Wahlweise(const std::optional<double>& wert, double stellen)
{
    return wert ? QJsonValue(Gerundet(*wert, stellen)) : QJsonValue(QJsonValue::Null);
}

QJsonArray Phasen(const std::vector<Flugphase>& phasen)
{
    QJsonArray liste;
    for (const Flugphase& p : phasen)
        liste.append(QJsonObject{
            {QStringLiteral("art"), p.art == PhasenArt::Thermik ? QStringLiteral("thermik") : QStringLiteral("gleiten")},
            {QStringLiteral("von"), p.zeitVon},
            {QStringLiteral("bis"), p.zeitBis},
            {QStringLiteral("hoeheVon"), p.hoeheVon},
            {QStringLiteral("hoeheBis"), p.hoeheBis},
            {QStringLiteral("mittelSteigen"), Gerundet(p.mittelSteigen, 2)},
            {QStringLiteral("strecke"), Gerundet(p.strecke, 1)},
            {QStringLiteral("gleitzahl"), Wahlweise(p.gleitzahl, 1)},
            {QStringLiteral("windRichtung"), Wahlweise(p.windRichtung ? std::optional(std::fmod(std::round(*p.windRichtung), 360.0)) : std::nullopt, 0)},
            {QStringLiteral("windGeschwindigkeit"), Wahlweise(p.windGeschwindigkeit, 1)},
        });
    return liste;
}

QJsonObject Statistik(const FlugStatistik& s)
{
    // A flight that never took off has no take-off and landing time.
    const auto zeit = [&](int32_t t) { return s.geflogen ? QJsonValue(t) : QJsonValue(QJsonValue::Null); };
    return {{QStringLiteral("start"), zeit(s.startZeit)},
            {QStringLiteral("landung"), zeit(s.landeZeit)},
            {QStringLiteral("anteilKreisen"), Gerundet(s.anteilKreisen, 3)},
            {QStringLiteral("mittelSteigen"), Gerundet(s.mittelSteigen, 2)},
            {QStringLiteral("mittlereGleitzahl"), Wahlweise(s.mittlereGleitzahl, 1)},
            {QStringLiteral("schnittGeschwindigkeit"), Gerundet(s.schnittGeschwindigkeit, 1)},
            {QStringLiteral("anzahlThermiken"), s.anzahlThermiken}};
}

// What the ground says of the flight, in whole metres; null where the model has nothing.
QJsonObject GrundObjekt(const CSarnixDoc& doc, std::span<const float> grund)
{
    const GrundWerte w = GrundWerteVon(doc.datenListe, doc.Fluege(), grund);
    const auto meter = [](const std::optional<float>& m) {
        return m ? QJsonValue(static_cast<int>(std::lround(*m))) : QJsonValue(QJsonValue::Null);
    };
    return {{QStringLiteral("startGrundMeter"), meter(w.startGrund)},
            {QStringLiteral("landeGrundMeter"), meter(w.landeGrund)},
            {QStringLiteral("tiefsterAbstandMeter"), meter(w.tiefsterAbstand)},
            {QStringLiteral("tiefsterAbstandZeit"),
             w.tiefsterAbstand ? QJsonValue(doc.datenListe[w.tiefsterFix].zeit) : QJsonValue(QJsonValue::Null)}};
}

struct InfoWahl {
    bool fixes = false;
    bool profil = false;
    bool phasen = false;
    bool wertung = false;
    bool eineZeile = false;
    TemperaturReferenzArt referenz = ReferenzExakt;
};

// The flight as one JSON object into aus: indented, or on one line for --jsonl. `modell` gives
// the ground when --gelaende is set.
void SchreibeFlug(const CSarnixDoc& doc, const InfoWahl& wahl, GelaendeModell* modell, Ausgabe& aus)
{
    const FlugZusammenfassung& z = doc.Zusammenfassung();
    QJsonObject json{
        {QStringLiteral("geladen"), doc.geladen},
        {QStringLiteral("dateiname"), QString::fromUtf8(doc.dateiname.data(), static_cast<qsizetype>(doc.dateiname.size()))},
        {QStringLiteral("flugdatum"), Text(doc.flugdatum)},
        {QStringLiteral("startzeit"), Text(z.startzeit)},
        {QStringLiteral("landezeit"), Text(z.landezeit)},
        {QStringLiteral("flugdauer"), Text(z.flugdauer)},
        {QStringLiteral("startplatz"), Text(doc.startplatz)},
        {QStringLiteral("startplatzHoehe"), Text(z.startplatzHoehe)},
        {QStringLiteral("landeplatzHoehe"), Text(z.landeplatzHoehe)},
        {QStringLiteral("maxHoehe"), Text(z.maxHoehe)},
        {QStringLiteral("maxSteigen"), Text(z.maxSteigen)},
        {QStringLiteral("maxSinken"), Text(z.maxSinken)},
        {QStringLiteral("flugstrecke"), Text(z.flugstrecke)},
        // The same figures as numbers, for scripts.
        {QStringLiteral("flugdauerMinuten"), MinutenAus(z.flugdauer)},
        {QStringLiteral("startHoeheMeter"), ZahlAus(z.startplatzHoehe)},
        {QStringLiteral("landeHoeheMeter"), ZahlAus(z.landeplatzHoehe)},
        {QStringLiteral("maxHoeheMeter"), ZahlAus(z.maxHoehe)},
        {QStringLiteral("maxSteigenMeterProSekunde"), ZahlAus(z.maxSteigen)},
        {QStringLiteral("maxSinkenMeterProSekunde"), ZahlAus(z.maxSinken)},
        {QStringLiteral("flugstreckeKilometer"), ZahlAus(z.flugstrecke)},
        // The recorded times stay as they are; a reader adds this to show them as the window does.
        {QStringLiteral("zeitVersatzMinuten"), doc.zeitBezug.versatz / 60},
        {QStringLiteral("zeitBezug"), !doc.igc.istIgc ? QStringLiteral("aufzeichnung")
                                      : doc.zeitBezug.utc ? QStringLiteral("utc") : QStringLiteral("ortszeit")},
        {QStringLiteral("ausdehnung"), Ausdehnung(doc.ausdehnung)},
        {QStringLiteral("meterProBreite"), AlsZahl(doc.meterProBreite)},
        {QStringLiteral("meterProLaenge"), AlsZahl(doc.meterProLaenge)},
        {QStringLiteral("anzahlFixes"), static_cast<qint64>(doc.datenListe.size())},
        {QStringLiteral("anzahlWegpunkte"), static_cast<qint64>(doc.wegpunktListe.size())},
        {QStringLiteral("wegpunkte"), Wegpunkte(doc)},
    };
    if (doc.igc.istIgc)
        json.insert(QStringLiteral("igc"), IgcObjekt(doc));
    if (wahl.wertung) {
        WertungsOptionen optionen;
        optionen.zeitlimit = 60;
        json.insert(QStringLiteral("wertung"), WertungsObjekt(WerteFlug(doc.datenListe, *RegelnFuer("xcontest"), optionen)));
    }
    if (wahl.profil)
        json.insert(QStringLiteral("temperaturProfil"), Profil(doc, wahl.referenz));
    std::vector<float> grund;
    if (modell) {
        grund = modell->HoehenEntlang(doc.datenListe);
        json.insert(QStringLiteral("gelaende"), GrundObjekt(doc, grund));
    }
    if (wahl.phasen) {
        const FlugAnalyse analyse = AnalysiereFlug(doc);
        json.insert(QStringLiteral("phasen"), Phasen(analyse.phasen));
        json.insert(QStringLiteral("statistik"), Statistik(analyse.statistik));
        QJsonArray fluege;
        for (const FlugAuswertung& flug : analyse.fluege)
            fluege.append(QJsonObject{{QStringLiteral("start"), flug.statistik.startZeit},
                                      {QStringLiteral("landung"), flug.statistik.landeZeit},
                                      {QStringLiteral("phasen"), Phasen(flug.phasen)},
                                      {QStringLiteral("statistik"), Statistik(flug.statistik)}});
        json.insert(QStringLiteral("fluege"), fluege);
    }

    QByteArray text = QJsonDocument(json).toJson(wahl.eineZeile ? QJsonDocument::Compact : QJsonDocument::Indented);
    if (!wahl.fixes) {
        aus.Text(std::string_view(text.constData(), static_cast<size_t>(text.size())));
        if (wahl.eineZeile)
            aus.Text("\n");
        return;
    }
    // The fixes go in before the closing brace of the object.
    while (text.endsWith('\n'))
        text.chop(1);
    text.chop(1);
    while (text.endsWith('\n'))
        text.chop(1);
    aus.Text(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    SchreibeFixe(doc, wahl.referenz, grund, wahl.eineZeile, aus);
    aus.Text(wahl.eineZeile ? "}\n" : "\n}\n");
}

// The entry of an input that could not be read, so that the n-th entry is still the n-th input's.
void SchreibeFehler(const QString& datei, const QString& fehler, bool eineZeile, Ausgabe& aus)
{
    const QByteArray text = QJsonDocument(QJsonObject{{QStringLiteral("datei"), datei}, {QStringLiteral("fehler"), fehler}})
                                .toJson(eineZeile ? QJsonDocument::Compact : QJsonDocument::Indented);
    aus.Text(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    if (eineZeile)
        aus.Text("\n");
}

}  // namespace

int CliInfo(const QStringList& argumente)
{
    const CliBefehl befehl = InfoBefehl();
    QCommandLineParser parser;
    if (const auto ende = Lies(befehl, argumente, parser))
        return *ende;
    const QStringList dateien = parser.positionalArguments();
    InfoWahl wahl;
    wahl.fixes = parser.isSet(QStringLiteral("fixes"));
    wahl.profil = parser.isSet(QStringLiteral("profile"));
    wahl.phasen = parser.isSet(QStringLiteral("phasen"));
    wahl.wertung = parser.isSet(QStringLiteral("wertung"));
    wahl.eineZeile = parser.isSet(QStringLiteral("jsonl"));
    wahl.referenz = static_cast<TemperaturReferenzArt>(TemperaturReferenz(parser));
    // The reader of elevation models is loaded only when asked for: it costs every start.
    std::unique_ptr<GelaendeModell> modell;
    if (parser.isSet(QStringLiteral("gelaende"))) {
        std::string grund;
        modell = GelaendeModellLaden(parser.value(QStringLiteral("gelaende")).toStdString(),
                                     QCoreApplication::applicationDirPath().toStdString(), grund);
        if (!modell) {
            cli::Melde(GelaendeHinweisText({GelaendeHinweisArt::KeinLeser, grund}));
            return cli::dateiFehler;
        }
    }
    // One file gives one object, as it always did; several an array unless one a line is asked.
    const bool feld = dateien.size() > 1 && !wahl.eineZeile;

    int code = 0;
    bool erster = true;
    {
        Ausgabe aus;
        if (feld)
            aus.Text("[\n");
        for (const QString& datei : dateien) {
            if (feld && !erster)
                aus.Text(",\n");
            erster = false;
            CSarnixDoc doc;
            QString fehler;
            if (!cli::Oeffne(doc, datei, &fehler)) {
                code = cli::dateiFehler;
                // A single input fails on stderr alone, as it always did.
                if (dateien.size() > 1)
                    SchreibeFehler(datei, fehler, wahl.eineZeile, aus);
                aus.Leeren();
                continue;
            }
            SchreibeFlug(doc, wahl, modell.get(), aus);
            aus.Leeren();
        }
        if (feld)
            aus.Text("]\n");
    }
    // What the tiles lacked, once, after all flights.
    if (modell)
        for (const GelaendeHinweis& hinweis : modell->Hinweise())
            cli::Melde(GelaendeHinweisText(hinweis));
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return cli::dateiFehler;
    return code;
}
