#include "export/Exportieren.h"

#include "flight/CSarnixDoc.h"
#include "export/Gpx.h"
#include "export/Kml.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace {

QString Text(const char* quelle) { return QCoreApplication::translate("Export", quelle); }

std::filesystem::path Pfad(const QString& pfad) { return std::filesystem::path(pfad.toStdU16String()); }

// Also through links and other spellings of the path.
bool GleicheDatei(const QString& a, const QString& b)
{
    std::error_code fehler;
    const bool gleich = std::filesystem::equivalent(Pfad(a), Pfad(b), fehler);
    return !fehler && gleich;
}

ExportErgebnis Fehler(const QString& text) { return {false, text, {}}; }

}  // namespace

std::optional<ExportFormat> FormatAusEndung(const QString& pfad)
{
    const QString endung = QFileInfo(pfad).suffix();
    if (endung.compare(QLatin1String("gpx"), Qt::CaseInsensitive) == 0)
        return ExportFormat::Gpx;
    if (endung.compare(QLatin1String("kml"), Qt::CaseInsensitive) == 0)
        return ExportFormat::Kml;
    return std::nullopt;
}

std::optional<QString> ZielFehler(const CSarnixDoc& doc, const QString& ziel)
{
    const QString name = QDir::toNativeSeparators(ziel);
    if (QFileInfo(ziel).isDir())
        return Text(QT_TRANSLATE_NOOP("Export", "%1 ist ein Ordner.")).arg(name);
    if (!doc.dateiname.empty() && GleicheDatei(ziel, QString::fromStdString(doc.dateiname)))
        return Text(QT_TRANSLATE_NOOP("Export", "%1 ist die geöffnete Aufzeichnung; sie wird nie überschrieben."))
            .arg(name);
    return std::nullopt;
}

ExportErgebnis Exportiere(const CSarnixDoc& doc, const QString& ziel, const ExportWahl& wahl)
{
    if (const std::optional<QString> fehler = ZielFehler(doc, ziel))
        return Fehler(*fehler);
    const QString name = QDir::toNativeSeparators(ziel);

    ExportErgebnis ergebnis;
    const auto schreibe = [&](QIODevice& datei) {
        return wahl.format == ExportFormat::Gpx ? SchreibeGpx(doc, wahl, datei, &ergebnis.bericht)
                                                : SchreibeKml(doc, wahl, datei, &ergebnis.bericht);
    };
    const bool vorhanden = QFileInfo::exists(ziel);
    if (!SchreibeAtomar(ziel, schreibe)) {
        QString text = Text(QT_TRANSLATE_NOOP("Export", "%1 konnte nicht geschrieben werden.")).arg(name);
        if (vorhanden)
            text += u' ' + Text(QT_TRANSLATE_NOOP("Export", "Die vorhandene Datei bleibt unverändert."));
        return Fehler(text);
    }
    ergebnis.geschrieben = true;
    return ergebnis;
}

bool SchreibeAtomar(const QString& ziel, const std::function<bool(QIODevice&)>& schreibe)
{
    QSaveFile datei(ziel);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    if (!schreibe(datei))
        datei.cancelWriting();
    // commit() fails after cancelWriting() too, and removes the temporary file.
    return datei.commit();
}

QString HinweisOhnePositionen()
{
    return Text(QT_TRANSLATE_NOOP("Export", "Der Flug enthält keine Positionen: die Datei enthält eine leere Spur."));
}

std::optional<QString> HinweisUngefaerbt(const CSarnixDoc& doc, const ExportWahl& wahl)
{
    if (wahl.format != ExportFormat::Kml || KmlFaerbung(doc, wahl.farbe) == wahl.farbe)
        return std::nullopt;
    return wahl.farbe == Wind
               ? Text(QT_TRANSLATE_NOOP("Export", "Die Aufzeichnung enthält keine Fluggeschwindigkeit; die Spur bleibt ungefärbt."))
               : Text(QT_TRANSLATE_NOOP("Export", "Die Aufzeichnung enthält keine Temperatur; die Spur bleibt ungefärbt."));
}
