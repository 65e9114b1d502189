// Placeholder until the document is built.
#include "doc/CSarnixDoc.h"
CSarnixDoc::CSarnixDoc() { Leeren(); }
void CSarnixDoc::Leeren() { datenListe.clear(); wegpunktListe.clear(); geladen = 0; }
bool CSarnixDoc::OnOpenDocument(const std::string&, OeffnenFehler*) { return false; }
