#include "printmap/KartenTexte.h"

#include <QCoreApplication>

QString KopfText(int massstab, const std::string& dateiname, const std::string& flugdatum)
{
    // One pass over the arguments: a "%1" in the path stays as it is.
    return QCoreApplication::translate("KartenTexte", "Maßstab 1:%1    Dateiname: %2    Flugdatum:%3 ")
        .arg(QString::number(massstab), QString::fromStdString(dateiname),
             QString::fromLatin1(flugdatum.data(), static_cast<qsizetype>(flugdatum.size())));
}

