#include "app/ExportDlg.h"

#include "export/Exportieren.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct Typ {
    const char* filter;
    ExportFormat format;
    int8_t farbe;
};

// The colourings in the order of the graph menu.
const Typ typen[] = {
    {QT_TRANSLATE_NOOP("ExportDlg", "GPX-Datei (*.gpx)"), ExportFormat::Gpx, KeineFaerbung},
    {QT_TRANSLATE_NOOP("ExportDlg", "KML-Datei, ohne Färbung (*.kml)"), ExportFormat::Kml, KeineFaerbung},
    {QT_TRANSLATE_NOOP("ExportDlg", "KML-Datei, gefärbt nach Temperaturgradient (*.kml)"), ExportFormat::Kml,
     Temperaturgradient},
    {QT_TRANSLATE_NOOP("ExportDlg", "KML-Datei, gefärbt nach Wind (*.kml)"), ExportFormat::Kml, Wind},
    {QT_TRANSLATE_NOOP("ExportDlg", "KML-Datei, gefärbt nach Flughöhe (*.kml)"), ExportFormat::Kml, Flughoehe},
    {QT_TRANSLATE_NOOP("ExportDlg", "KML-Datei, gefärbt nach Vario - Werten (*.kml)"), ExportFormat::Kml, Variowerte},
};

QString Text(const char* quelle) { return QCoreApplication::translate("ExportDlg", quelle); }

QString Endung(ExportFormat format) { return format == ExportFormat::Gpx ? QStringLiteral("gpx") : QStringLiteral("kml"); }

const Typ& TypZuFilter(const QString& filter)
{
    for (const Typ& typ : typen)
        if (Text(typ.filter) == filter)
            return typ;
    return typen[0];
}

const Typ& KmlTyp(int8_t farbe)
{
    for (const Typ& typ : typen)
        if (typ.format == ExportFormat::Kml && typ.farbe == farbe)
            return typ;
    return typen[1];
}

bool Ersetzen(QWidget* eltern, const QString& pfad)
{
    QMessageBox frage(QMessageBox::Warning, Text(QT_TRANSLATE_NOOP("ExportDlg", "Exportieren")),
                      Text(QT_TRANSLATE_NOOP("ExportDlg", "%1 ist bereits vorhanden.\nMöchten Sie sie ersetzen?"))
                          .arg(QDir::toNativeSeparators(pfad)),
                      QMessageBox::NoButton, eltern);
    QPushButton* ja = frage.addButton(Text(QT_TRANSLATE_NOOP("ExportDlg", "&Ja")), QMessageBox::YesRole);
    QPushButton* nein = frage.addButton(Text(QT_TRANSLATE_NOOP("ExportDlg", "&Nein")), QMessageBox::NoRole);
    frage.setDefaultButton(nein);
    frage.exec();
    return frage.clickedButton() == ja;
}

}  // namespace

QStringList ExportFilter()
{
    QStringList filter;
    for (const Typ& typ : typen)
        filter.append(Text(typ.filter));
    return filter;
}

std::optional<ExportZiel> FrageExportZiel(QWidget* eltern, const CSarnixDoc& doc, const QString& vorschlag,
                                          int8_t farbe, TemperaturReferenzArt referenz)
{
    QFileDialog dialog(eltern, Text(QT_TRANSLATE_NOOP("ExportDlg", "Exportieren")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Asked below, in German and only once the name is known to be allowed.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(ExportFilter());
    dialog.selectNameFilter(Text(KmlTyp(farbe).filter));
    dialog.selectFile(vorschlag);
    // Switching between GPX and KML switches the extension of the name typed so far. A name
    // without either extension gets the selected type's below.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const ExportFormat format = TypZuFilter(filter).format;
        const QStringList namen = dialog.selectedFiles();
        if (namen.size() == 1 && FormatAusEndung(namen.first()) && FormatAusEndung(namen.first()) != format) {
            const QFileInfo info(namen.first());
            dialog.selectFile(info.absolutePath() + u'/' + info.completeBaseName() + u'.' + Endung(format));
        }
    });

    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const Typ& typ = TypZuFilter(dialog.selectedNameFilter());
        ExportZiel ziel{dialog.selectedFiles().first(), {}};
        // A typed extension wins over the selected entry; the colouring comes from the entry.
        const std::optional<ExportFormat> getippt = FormatAusEndung(ziel.pfad);
        ziel.wahl.format = getippt.value_or(typ.format);
        if (!getippt)
            ziel.pfad += u'.' + Endung(typ.format);
        ziel.wahl.farbe = typ.format == ExportFormat::Kml ? typ.farbe : farbe;
        ziel.wahl.temperaturReferenz = referenz;

        if (const std::optional<QString> fehler = ZielFehler(doc, ziel.pfad)) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("sarnix"), *fehler, QMessageBox::Ok, eltern);
            box.exec();
        } else if (!QFileInfo::exists(ziel.pfad) || Ersetzen(eltern, ziel.pfad)) {
            return ziel;
        }
        dialog.selectFile(ziel.pfad);
    }
    return std::nullopt;
}
