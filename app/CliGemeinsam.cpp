#include "app/CliGemeinsam.h"

#include "doc/CSarnixDoc.h"
#include "sprache/Fehlertexte.h"

#include <cstdio>

namespace cli {

void Melde(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

bool Oeffne(CSarnixDoc& doc, const QString& pfad)
{
    const std::string datei = pfad.toStdString();
    OeffnenFehler fehler = OeffnenFehler::Keiner;
    if (doc.OnOpenDocument(datei, &fehler))
        return true;
    Melde(OeffnenFehlerText(fehler, pfad));
    return false;
}

}  // namespace cli
