#include "cli/CliGemeinsam.h"

#include "flight/Arten.h"
#include "flight/CSarnixDoc.h"
#include "flight/DateiLesen.h"
#include "language/Fehlertexte.h"
#include "language/Sprache.h"

#include <QCoreApplication>

#include <cstdio>

#if defined(Q_OS_WIN)
#include <fcntl.h>
#include <io.h>
#endif

namespace cli {

namespace {

HoehenQuelle gewaehlteHoehe = HoehenQuelle::Automatisch;

}  // namespace

void Melde(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

bool Oeffne(CSarnixDoc& doc, const QString& pfad, QString* meldung)
{
    OeffnenFehler fehler = OeffnenFehler::Keiner;
    doc.hoehenQuelle = gewaehlteHoehe;
    if (pfad == QLatin1String("-")) {
#if defined(Q_OS_WIN)
        _setmode(_fileno(stdin), _O_BINARY);
#endif
        DateiInhalt inhalt;
        fehler = LiesStrom(stdin, inhalt);
        if (fehler == OeffnenFehler::Keiner) {
            if (doc.OeffneInhalt("-", inhalt.Text()))
                return true;
            fehler = OeffnenFehler::KeineAufzeichnung;
        }
    } else if (doc.OnOpenDocument(pfad.toStdString(), &fehler)) {
        return true;
    }
    const QString text = OeffnenFehlerText(fehler, pfad);
    Melde(text);
    if (meldung)
        *meldung = text;
    return false;
}

std::variant<QStringList, int> Anfangen(std::unique_ptr<Uebersetzung>& texte)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvexa"));
    QCoreApplication::setApplicationName(QStringLiteral("sarnix"));
    QStringList argumente = QCoreApplication::arguments().mid(1);
    if (const auto ende = SpracheWaehlen(argumente, texte))
        return *ende;
    if (!HoehenOption(argumente))
        return nutzungsFehler;
    return argumente;
}

std::optional<int8_t> FarbeAus(const QString& text)
{
    if (text == QLatin1String("keine")) return KeineFaerbung;
    if (text == QLatin1String("vario")) return Variowerte;
    if (text == QLatin1String("hoehe")) return Flughoehe;
    if (text == QLatin1String("wind")) return Wind;
    if (text == QLatin1String("temperatur")) return Temperaturgradient;
    return std::nullopt;
}

std::optional<int> SpracheWaehlen(QStringList& argumente, std::unique_ptr<Uebersetzung>& texte)
{
    const SprachArgument sprache = NimmSprachArgument(argumente);
    if (sprache.gegeben && !sprache.sprache) {
        std::fputs("sarnix-cli: --sprache de|en\n", stderr);
        return nutzungsFehler;
    }
    texte = std::make_unique<Uebersetzung>(GewaehlteSprache(sprache));
    return std::nullopt;
}

bool HoehenOption(QStringList& argumente)
{
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        QString wert;
        if (argumente[i] == QLatin1String("--hoehe") && i + 1 < argumente.size()) {
            wert = argumente.takeAt(i + 1);
        } else if (argumente[i].startsWith(QLatin1String("--hoehe="))) {
            wert = argumente[i].mid(8);
        } else if (argumente[i] == QLatin1String("--hoehe")) {
            Melde(QCoreApplication::translate("Cli", "--hoehe braucht gnss oder druck."));
            return false;
        } else {
            continue;
        }
        argumente.removeAt(i--);
        if (wert == QLatin1String("gnss")) {
            gewaehlteHoehe = HoehenQuelle::Gnss;
        } else if (wert == QLatin1String("druck")) {
            gewaehlteHoehe = HoehenQuelle::Druck;
        } else {
            Melde(QCoreApplication::translate("Cli", "--hoehe braucht gnss oder druck, nicht \"%1\".").arg(wert));
            return false;
        }
    }
    return true;
}

std::optional<int> TemperaturReferenzAus(const QString& text)
{
    if (text == QLatin1String("exakt"))
        return 0;
    if (text == QLatin1String("physikalisch"))
        return 1;
    return std::nullopt;
}

}  // namespace cli
