#pragma once
// File helpers of the tests that need nothing but the standard library, so that those tests
// also run where Qt is not at hand. Every path is UTF-8, as the readers take it.

#include <filesystem>
#include <fstream>
#include <string>

namespace test {

// A UTF-8 path as the file system takes it (a plain string means the ANSI code page on Windows).
std::filesystem::path AlsPfad(const std::string& utf8);
// Path of a bundled sample recording (samples/NAME).
std::string Sample(const std::string& name);
// Path of a file under tests/data.
std::string Testdaten(const std::string& name);
// Writes bytes to a fresh temporary file (removed at exit) and returns its path.
std::string TempDatei(const std::string& inhalt, const std::string& endung = ".vrl");
// Path of NAME (UTF-8) in the temporary folder, without creating anything.
std::string TempPfad(const std::string& name);
// Writes bytes to the file NAME (UTF-8, may contain folders) in the temporary folder and
// returns its path.
std::string TempDateiNamens(const std::string& name, const std::string& inhalt);

// Holds a file open as another program would until it is destroyed: for reading, or for reading
// and writing, letting others do nothing, read it only, or also write and delete it. On Windows these are
// the access and sharing it asks for; elsewhere files have no sharing and it only reads.
class FremderZugriff {
public:
    enum class Teilt { Nichts, Lesen, Alles };
    FremderZugriff(const std::string& pfad, bool schreibt, Teilt teilt);
    ~FremderZugriff();
    FremderZugriff(const FremderZugriff&) = delete;
    FremderZugriff& operator=(const FremderZugriff&) = delete;
    bool Offen() const;

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    std::ifstream strom_;
#endif
};

}  // namespace test
