#include "map/KartenTexte.h"

#include <QCoreApplication>

#include <cmath>

QString GitterText(char plus, char minus, int64_t o)
{
    const char richtung = o >= 0 ? plus : minus;
    const double betrag = static_cast<double>(o >= 0 ? o : -o) * 0.01;  // 1/100 arc minute
    const int grad = static_cast<int>(std::trunc(betrag / 6000));
    const double minuten = (betrag - grad * 6000.0) * 0.01;
    return QString::asprintf("%c %i°%0.2f'", richtung, grad, minuten);
}

QString KopfText(int massstab, const std::string& dateiname, const std::string& flugdatum)
{
    // One pass over the arguments: a "%1" in the path stays as it is.
    return QCoreApplication::translate("KartenTexte", "Maßstab 1:%1    Dateiname: %2    Flugdatum:%3 ")
        .arg(QString::number(massstab), QString::fromStdString(dateiname),
             QString::fromLatin1(flugdatum.data(), static_cast<qsizetype>(flugdatum.size())));
}


