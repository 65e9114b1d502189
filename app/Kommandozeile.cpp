#include "app/Kommandozeile.h"

namespace {

bool IstSchalter(const QString& argument, const QString& name)
{
    return (argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-')))
           && argument.mid(1).compare(name, Qt::CaseInsensitive) == 0;
}

}  // namespace

Kommandozeile LiesKommandozeile(const QStringList& argumente)
{
    Kommandozeile k;
    if (argumente.isEmpty())
        return k;
    const QString& erstes = argumente.first();
    if (IstSchalter(erstes, QStringLiteral("p"))) {
        k.art = argumente.size() >= 2 ? Kommandozeile::Art::Drucken : Kommandozeile::Art::Fehler;
        k.datei = argumente.value(1);
    } else if (IstSchalter(erstes, QStringLiteral("pt"))) {
        // Driver and port follow for the desktop's sake; the printer's name is enough.
        k.art = argumente.size() >= 3 ? Kommandozeile::Art::DruckenAuf : Kommandozeile::Art::Fehler;
        k.datei = argumente.value(1);
        k.drucker = argumente.value(2);
    } else {
        k.art = Kommandozeile::Art::Oeffnen;
        k.datei = erstes;
    }
    return k;
}
