#include "export/Texte.h"

#include "flight/CSarnixDoc.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

QString XmlText(const std::string& bytes)
{
    QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())).trimmed();
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control && c != u'\t' && c != u'\n')
            c = QChar::ReplacementCharacter;
    return text;
}

QString FlugName(const CSarnixDoc& doc)
{
    const QString name = QFileInfo(QString::fromStdString(doc.dateiname)).completeBaseName();
    return name.isEmpty() ? QCoreApplication::translate("Export", "Flug") : name;
}

QString FlugBeschreibung(const CSarnixDoc& doc)
{
    const FlugZusammenfassung& z = doc.Zusammenfassung();
    // The labels of the flight information dialog.
    const struct {
        const char* titel;
        const std::string& wert;
    } felder[] = {
        {QT_TRANSLATE_NOOP("Export", "Flug Datum:"), doc.flugdatum},
        {QT_TRANSLATE_NOOP("Export", "Start Platz:"), doc.startplatz},
        {QT_TRANSLATE_NOOP("Export", "Startplatz Höhe:"), z.startplatzHoehe},
        {QT_TRANSLATE_NOOP("Export", "Startzeit:"), z.startzeit},
        {QT_TRANSLATE_NOOP("Export", "Landezeit:"), z.landezeit},
        {QT_TRANSLATE_NOOP("Export", "Flugdauer:"), z.flugdauer},
        {QT_TRANSLATE_NOOP("Export", "Max. Höhe:"), z.maxHoehe},
        {QT_TRANSLATE_NOOP("Export", "Flugstrecke:"), z.flugstrecke},
    };
    QStringList zeilen;
    for (const auto& feld : felder) {
        const QString wert = XmlText(feld.wert);
        if (!wert.isEmpty())
            zeilen.append(QCoreApplication::translate("Export", feld.titel) + u' ' + wert);
    }
    return zeilen.join(u'\n');
}
