#pragma once
// Reading a recording file into memory, read-only, and naming why that failed.

#include "flight/CSarnixDoc.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// A file's bytes in one block of exactly the size read; unlike a string it is never filled with
// zeros first, so every page is touched once, by the read itself.
class DateiInhalt {
public:
    std::string_view Text() const { return {daten_.get(), groesse_}; }
    size_t Groesse() const { return groesse_; }

private:
    friend OeffnenFehler LiesDatei(const std::string& pfad, DateiInhalt& inhalt);
    friend OeffnenFehler LiesStrom(std::FILE* strom, DateiInhalt& inhalt);

    std::unique_ptr<char[]> daten_;
    size_t groesse_ = 0;
    size_t platz_ = 0;
};

// The cause for an error number of the runtime library (errno).
OeffnenFehler FehlerAusErrno(int fehlerNummer);

// Reads the whole file at pfad (UTF-8) into inhalt. Keiner on success; inhalt is then the file's
// bytes unchanged. The file is opened for reading only and never created.
OeffnenFehler LiesDatei(const std::string& pfad, DateiInhalt& inhalt);

// Reads an open stream (standard input, a pipe) to its end, the same way.
OeffnenFehler LiesStrom(std::FILE* strom, DateiInhalt& inhalt);
