#pragma once
// The language of the interface: German, the texts in the code, or English, translated. The
// choice is made once at start-up: --sprache, else the stored menu choice, else the system's.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <optional>

enum class Sprache { Deutsch, Englisch };

// "de" or "en", in any case; nothing for anything else.
std::optional<Sprache> SpracheAusKuerzel(const QString& kuerzel);
QString Kuerzel(Sprache sprache);

// German when the first of the user's interface languages is German, English otherwise.
Sprache SystemSprache(const QStringList& oberflaechenSprachen);
Sprache SystemSprache();

// The menu's choice in the settings (Settings/Sprache); nothing when none was made or it is
// unreadable.
std::optional<Sprache> GespeicherteSprache();
void SpracheSpeichern(Sprache sprache);

// Takes "--sprache X" or "--sprache=X" out of argumente, so the rest parses as before.
struct SprachArgument {
    bool gegeben = false;
    std::optional<Sprache> sprache;  // empty when given without a known language
};
SprachArgument NimmSprachArgument(QStringList& argumente);

// The language for this start from --sprache, the settings and the system, in that order.
Sprache GewaehlteSprache(const SprachArgument& argument);

// The language the interface speaks now: German unless an Uebersetzung put English in place.
Sprache WirksameSprache();

// Installs the program's English texts and Qt's own texts of the language while it lives. A
// missing or broken translation leaves everything German. The one made last is the program's.
class Uebersetzung {
public:
    explicit Uebersetzung(Sprache gewuenscht,
                          const QString& englischeTexte = QStringLiteral(":/texte/sarnix_en.qm"));
    ~Uebersetzung();

    // Loads the texts of another language; every window gets a QEvent::LanguageChange.
    void Laden(Sprache gewuenscht);
    Sprache sprache() const { return wirksam; }

private:
    QString englischDatei;
    QLocale vorher;
    QTranslator eigene;
    QTranslator qt;
    Sprache wirksam = Sprache::Deutsch;
    Uebersetzung* davor;
};

// Switches the program's Uebersetzung to sprache; false when there is none (as in the tests).
bool SpracheWechseln(Sprache sprache);
