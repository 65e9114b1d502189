#include "language/Sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>

namespace {

Sprache jetzt = Sprache::Deutsch;
Uebersetzung* aktive = nullptr;

}  // namespace

std::optional<Sprache> SpracheAusKuerzel(const QString& kuerzel)
{
    if (kuerzel.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0)
        return Sprache::Deutsch;
    if (kuerzel.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
        return Sprache::Englisch;
    return std::nullopt;
}

QString Kuerzel(Sprache sprache)
{
    return sprache == Sprache::Deutsch ? QStringLiteral("de") : QStringLiteral("en");
}

Sprache SystemSprache(const QStringList& oberflaechenSprachen)
{
    // "de", "de-AT", "de_CH"; "C" and the empty list have no language and read English.
    if (!oberflaechenSprachen.isEmpty()) {
        const QString erste = oberflaechenSprachen.first();
        if (erste.size() >= 2 && SpracheAusKuerzel(erste.left(2)) == Sprache::Deutsch
            && (erste.size() == 2 || erste.at(2) == QLatin1Char('-') || erste.at(2) == QLatin1Char('_')))
            return Sprache::Deutsch;
    }
    return Sprache::Englisch;
}

Sprache SystemSprache()
{
    return SystemSprache(QLocale::system().uiLanguages());
}

std::optional<Sprache> GespeicherteSprache()
{
    const QSettings s;
    return SpracheAusKuerzel(s.value(QStringLiteral("Settings/Sprache")).toString());
}

void SpracheSpeichern(Sprache sprache)
{
    QSettings s;
    s.setValue(QStringLiteral("Settings/Sprache"), Kuerzel(sprache));
}

SprachArgument NimmSprachArgument(QStringList& argumente)
{
    SprachArgument ergebnis;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente.at(i);
        if (a == QLatin1String("--sprache")) {
            ergebnis.gegeben = true;
            ergebnis.sprache = i + 1 < argumente.size() ? SpracheAusKuerzel(argumente.at(i + 1)) : std::nullopt;
            argumente.remove(i, std::min<qsizetype>(2, argumente.size() - i));
            return ergebnis;
        }
        if (a.startsWith(QLatin1String("--sprache="))) {
            ergebnis.gegeben = true;
            ergebnis.sprache = SpracheAusKuerzel(a.mid(10));
            argumente.remove(i);
            return ergebnis;
        }
    }
    return ergebnis;
}

Sprache GewaehlteSprache(const SprachArgument& argument)
{
    if (argument.sprache)
        return *argument.sprache;
    if (const std::optional<Sprache> gespeichert = GespeicherteSprache())
        return *gespeichert;
    return SystemSprache();
}

Uebersetzung::Uebersetzung(Sprache gewuenscht, const QString& englischeTexte)
    : englischDatei(englischeTexte), davor(aktive)
{
    aktive = this;
    Laden(gewuenscht);
}

Uebersetzung::~Uebersetzung()
{
    aktive = davor;
    jetzt = davor ? davor->wirksam : Sprache::Deutsch;
    QLocale::setDefault(vorher);
}

void Uebersetzung::Laden(Sprache gewuenscht)
{
    QCoreApplication::removeTranslator(&eigene);
    QCoreApplication::removeTranslator(&qt);
    wirksam = Sprache::Deutsch;
    // A file that loads but holds no texts is as good as none.
    if (gewuenscht == Sprache::Englisch && eigene.load(englischDatei) && !eigene.isEmpty()) {
        QCoreApplication::installTranslator(&eigene);
        wirksam = Sprache::Englisch;
    }
    // Qt's own buttons and dialogs speak English by themselves.
    if (wirksam == Sprache::Deutsch
        && qt.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    // Dates and numbers in Qt's dialogs follow too, unless the system speaks the language already.
    QLocale::setDefault(vorher);
    const QLocale::Language sprache = wirksam == Sprache::Deutsch ? QLocale::German : QLocale::English;
    if (QLocale().language() != sprache)
        QLocale::setDefault(QLocale(sprache));
    jetzt = wirksam;
}

Sprache WirksameSprache()
{
    return jetzt;
}

bool SpracheWechseln(Sprache sprache)
{
    if (aktive == nullptr)
        return false;
    aktive->Laden(sprache);
    return true;
}
