#include "Dateien.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace test {

namespace {

namespace fs = std::filesystem;

// A path's UTF-8 text: string() would give the ANSI code page on Windows.
std::string Utf8(const fs::path& pfad)
{
    const std::u8string text = pfad.u8string();
    return {text.begin(), text.end()};
}

// One folder per run, removed with everything in it when the tests end.
class Ordner {
public:
    Ordner()
    {
        std::random_device zufall;
        for (int versuch = 0; versuch < 100; ++versuch) {
            pfad_ = fs::temp_directory_path() / ("sarnix-test-" + std::to_string(zufall()));
            if (fs::create_directory(pfad_))
                return;
        }
        throw fs::filesystem_error("no temporary folder", pfad_, std::make_error_code(std::errc::file_exists));
    }
    ~Ordner()
    {
        std::error_code ec;
        fs::remove_all(pfad_, ec);
    }
    Ordner(const Ordner&) = delete;
    Ordner& operator=(const Ordner&) = delete;

    const fs::path& Pfad() const { return pfad_; }

private:
    fs::path pfad_;
};

const fs::path& TempOrdner()
{
    static const Ordner ordner;
    return ordner.Pfad();
}

std::string Schreibe(const fs::path& pfad, const std::string& inhalt)
{
    fs::create_directories(pfad.parent_path());
    std::ofstream f(pfad, std::ios::binary);
    f.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    return Utf8(pfad);
}

}  // namespace

fs::path AlsPfad(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Sample(const std::string& name)
{
    return std::string(SARNIX_SAMPLES_DIR) + "/" + name;
}

std::string Testdaten(const std::string& name)
{
    return std::string(SARNIX_TESTDATA_DIR) + "/" + name;
}

std::string TempDatei(const std::string& inhalt, const std::string& endung)
{
    static int zaehler = 0;
    return Schreibe(TempOrdner() / ("datei" + std::to_string(++zaehler) + endung), inhalt);
}

std::string TempPfad(const std::string& name)
{
    return Utf8((TempOrdner() / AlsPfad(name)).make_preferred());
}

std::string TempDateiNamens(const std::string& name, const std::string& inhalt)
{
    return Schreibe(AlsPfad(TempPfad(name)), inhalt);
}

#ifdef _WIN32
FremderZugriff::FremderZugriff(const std::string& pfad, bool schreibt, Teilt teilt)
{
    const DWORD zugriff = GENERIC_READ | (schreibt ? GENERIC_WRITE : 0);
    const DWORD teilen = teilt == Teilt::Nichts  ? 0
                         : teilt == Teilt::Lesen ? FILE_SHARE_READ
                                                 : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE h = CreateFileW(AlsPfad(pfad).c_str(), zugriff, teilen, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE)
        handle_ = h;
}

FremderZugriff::~FremderZugriff()
{
    if (handle_)
        CloseHandle(handle_);
}

bool FremderZugriff::Offen() const { return handle_ != nullptr; }
#else
FremderZugriff::FremderZugriff(const std::string& pfad, bool, Teilt) : strom_(AlsPfad(pfad), std::ios::binary) {}

FremderZugriff::~FremderZugriff() = default;

bool FremderZugriff::Offen() const { return strom_.is_open(); }
#endif

}  // namespace test
