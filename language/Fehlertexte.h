#pragma once
// Why a recording could not be opened, and why ground heights are missing, in the interface's
// language.

#include "flight/CSarnixDoc.h"
#include "terrain/GelaendeModell.h"

#include <QString>

// The message for a cause, with pfad in it; empty for OeffnenFehler::Keiner.
QString OeffnenFehlerText(OeffnenFehler fehler, const QString& pfad);

// A note about the elevation tiles, for the status bar or stderr.
QString GelaendeHinweisText(const GelaendeHinweis& hinweis);
