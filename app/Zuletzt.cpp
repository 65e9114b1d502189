#include "app/Zuletzt.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

const QString gruppe = QStringLiteral("Recent File List");

QString Schluessel(int i) { return QStringLiteral("File%1").arg(i + 1); }

}  // namespace

bool GleicheDatei(const QString& a, const QString& b)
{
    const QString ka = QFileInfo(a).canonicalFilePath();
    const QString kb = QFileInfo(b).canonicalFilePath();
    if (!ka.isEmpty() && !kb.isEmpty())
        return ka == kb;
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity gross = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity gross = Qt::CaseSensitive;
#endif
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath())
               .compare(QDir::cleanPath(QFileInfo(b).absoluteFilePath()), gross) == 0;
}

void Zuletzt::Laden()
{
    liste.clear();
    QSettings einstellungen;
    einstellungen.beginGroup(gruppe);
    for (int i = 0; i < groesse; ++i) {
        const QVariant wert = einstellungen.value(Schluessel(i));
        if (wert.typeId() != QMetaType::QString)
            continue;
        const QString pfad = QDir::fromNativeSeparators(wert.toString());
        if (pfad.isEmpty() || !QDir::isAbsolutePath(pfad))
            continue;
        const bool doppelt = std::any_of(liste.cbegin(), liste.cend(),
                                         [&](const QString& p) { return GleicheDatei(p, pfad); });
        if (!doppelt)
            liste.append(pfad);
    }
    istGeladen = true;
}

void Zuletzt::Speichern() const
{
    if (!istGeladen)
        return;
    QSettings einstellungen;
    einstellungen.beginGroup(gruppe);
    for (int i = 0; i < groesse; ++i) {
        if (i < liste.size())
            einstellungen.setValue(Schluessel(i), QDir::toNativeSeparators(liste.at(i)));
        else
            einstellungen.remove(Schluessel(i));
    }
}

void Zuletzt::Hinzufuegen(const QString& pfad)
{
    if (!istGeladen || pfad.isEmpty())
        return;
    const QString absolut = QFileInfo(pfad).absoluteFilePath();
    liste.removeIf([&](const QString& p) { return GleicheDatei(p, absolut); });
    liste.prepend(absolut);
    while (liste.size() > groesse)
        liste.removeLast();
    Speichern();
}
