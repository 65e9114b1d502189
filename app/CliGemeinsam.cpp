#include "app/CliGemeinsam.h"

#include "doc/CSarnixDoc.h"
#include "doc/DateiLesen.h"
#include "sprache/Fehlertexte.h"
#include "sprache/Sprache.h"

#include <cstdio>

#if defined(Q_OS_WIN)
#include <fcntl.h>
#include <io.h>
#endif

namespace cli {

void Melde(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

bool Oeffne(CSarnixDoc& doc, const QString& pfad)
{
    OeffnenFehler fehler = OeffnenFehler::Keiner;
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
    Melde(OeffnenFehlerText(fehler, pfad));
    return false;
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

}  // namespace cli
