#pragma once
// Shared by the fuzz harnesses: the offscreen GUI application that text drawing needs, reading
// the fuzzer's bytes as a recording, and choices taken from those bytes.

#include <cstddef>
#include <cstdint>

class CSarnixDoc;

namespace fuzz {

// Once per process, from LLVMFuzzerInitialize: offscreen platform and a QGuiApplication.
void GuiStarten(int* argc, char*** argv);

// Writes the bytes to one reused temporary file, with "@SX" in front when the first byte is even
// and the bytes do not already begin with it
// (so that most inputs reach the reader), opens it and aborts when the document is not sane.
void Oeffnen(CSarnixDoc& doc, const uint8_t* daten, size_t groesse);

// Choices read from the last bytes of the input, so the body stays the recording.
class Wahl {
public:
    Wahl(const uint8_t* daten, size_t groesse);
    // A number in 0 .. anzahl-1 (0 when the input has no bytes left to choose with).
    int Zahl(int anzahl);

private:
    const uint8_t* daten;
    size_t rest;
};

}  // namespace fuzz
