#pragma once
// Why a recording could not be opened, in the interface's language.

#include "flight/CSarnixDoc.h"

#include <QString>

// The message for a cause, with pfad in it; empty for OeffnenFehler::Keiner.
QString OeffnenFehlerText(OeffnenFehler fehler, const QString& pfad);
