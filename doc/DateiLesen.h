#pragma once
// Reading a recording file into memory, read-only, and naming why that failed.

#include "doc/CSarnixDoc.h"

#include <string>

// The cause for an error number of the runtime library (errno).
OeffnenFehler FehlerAusErrno(int fehlerNummer);

// Reads the whole file at pfad (UTF-8) into inhalt. Keiner on success; inhalt is then the file's
// bytes unchanged. The file is opened for reading only and never created.
OeffnenFehler LiesDatei(const std::string& pfad, std::string& inhalt);
