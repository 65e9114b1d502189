#include "flight/DateiLesen.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <cstdlib>  // _doserrno
#include <winerror.h>
#endif

namespace {

std::string Ersetzt(std::string text, const std::string& pfad)
{
    const auto stelle = text.find("%1");
    if (stelle != std::string::npos)
        text.replace(stelle, 2, pfad);
    return text;
}

}  // namespace

OeffnenFehler FehlerAusErrno(int fehlerNummer)
{
    switch (fehlerNummer) {
    case ENOENT:
    case ENOTDIR:
        return OeffnenFehler::NichtGefunden;
    case ENAMETOOLONG:
    case EINVAL:
    case EISDIR:
        return OeffnenFehler::UngueltigerPfad;
    case EMFILE:
    case ENFILE:
        return OeffnenFehler::ZuVieleDateien;
    case EACCES:
    case EPERM:
    case EROFS:
        return OeffnenFehler::ZugriffVerweigert;
    case ETXTBSY:
    case EBUSY:
        return OeffnenFehler::Zugriffsverletzung;
    case EIO:
        return OeffnenFehler::HardwareFehler;
    default:
        return OeffnenFehler::Unbekannt;
    }
}

std::string FehlerText(OeffnenFehler fehler, const std::string& pfad)
{
    switch (fehler) {
    case OeffnenFehler::Keiner:
        return {};
    case OeffnenFehler::NichtGefunden:
        return Ersetzt("%1 wurde nicht gefunden.", pfad);
    case OeffnenFehler::UngueltigerPfad:
        return Ersetzt("%1 enthält eine ungültige Pfadangabe.", pfad);
    case OeffnenFehler::ZuVieleDateien:
        return Ersetzt("%1 konnte nicht geöffnet werden, da zu viele Dateien geöffnet sind.", pfad);
    case OeffnenFehler::ZugriffVerweigert:
        return Ersetzt("Zugriff auf %1 wurde verwehrt.", pfad);
    case OeffnenFehler::Zugriffsverletzung:
        return Ersetzt("Eine Zugriffsverletzung ist während des Zugriffs auf %1 aufgetreten.", pfad);
    case OeffnenFehler::HardwareFehler:
        return Ersetzt("Ein Hardware-E/A-Fehler wurde während des Zugriffs auf %1 gemeldet.", pfad);
    case OeffnenFehler::KeineAufzeichnung:
        return Ersetzt("%1 ist keine Flugaufzeichnung.", pfad);
    case OeffnenFehler::Unbekannt:
        break;
    }
    return Ersetzt("Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.", pfad);
}

namespace {

constexpr size_t block = 1 << 20;

// Why a file did not open. Windows' runtime folds a file that another program keeps to itself
// into "access denied"; the system's own reason tells the two apart.
OeffnenFehler OeffnenUrsache(int fehlerNummer)
{
#ifdef _WIN32
    if (_doserrno == ERROR_SHARING_VIOLATION || _doserrno == ERROR_LOCK_VIOLATION)
        return OeffnenFehler::Zugriffsverletzung;
#endif
    return fehlerNummer == 0 ? OeffnenFehler::Unbekannt : FehlerAusErrno(fehlerNummer);
}

// No file system takes a name longer than 255 characters, but Windows reports such a path as
// not found instead of invalid.
bool NameZuLang(const std::filesystem::path& datei)
{
    for (const auto& teil : datei)
        if (teil.native().size() > 255)
            return true;
    return false;
}

// On Windows the names of the old devices (CON, AUX, NUL, COM1 ...) are devices in every folder,
// whatever their extension: aux.vrl copied from elsewhere would read from a serial port.
bool IstGeraetename(const std::filesystem::path& datei)
{
#ifdef _WIN32
    std::wstring name = datei.filename().native();
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && name.back() == L' ')
        name.pop_back();
    for (wchar_t& z : name)
        z = z >= L'a' && z <= L'z' ? static_cast<wchar_t>(z - L'a' + L'A') : z;
    if (name == L"CON" || name == L"PRN" || name == L"AUX" || name == L"NUL")
        return true;
    return name.size() == 4 && (name.starts_with(L"COM") || name.starts_with(L"LPT")) && name[3] >= L'0'
           && name[3] <= L'9';
#else
    (void)datei;
    return false;
#endif
}

// Makes room for at least one more byte past what was read, keeping the bytes.
void Vergroessere(std::unique_ptr<char[]>& daten, size_t gelesen, size_t& platz)
{
    const size_t neu = platz < block ? block : 2 * platz;
    auto groesser = std::make_unique_for_overwrite<char[]>(neu);
    if (gelesen > 0)
        std::memcpy(groesser.get(), daten.get(), gelesen);
    daten = std::move(groesser);
    platz = neu;
}

}  // namespace

OeffnenFehler LiesDatei(const std::string& pfad, DateiInhalt& inhalt)
{
    inhalt = DateiInhalt{};
    if (pfad.empty())
        return OeffnenFehler::UngueltigerPfad;
    const std::filesystem::path datei(std::u8string(pfad.begin(), pfad.end()));
    if (NameZuLang(datei) || IstGeraetename(datei))
        return OeffnenFehler::UngueltigerPfad;

    // A directory opens for reading on some systems and only fails on the first read; a device
    // such as /dev/zero would never end.
    std::error_code ec;
    const auto art = std::filesystem::status(datei, ec).type();
    if (art == std::filesystem::file_type::directory || art == std::filesystem::file_type::character
        || art == std::filesystem::file_type::block)
        return OeffnenFehler::UngueltigerPfad;

    errno = 0;
#ifdef _WIN32
    _doserrno = 0;
#endif
    std::ifstream strom(datei, std::ios::in | std::ios::binary);
    if (!strom)
        return OeffnenUrsache(errno);

    // One byte more than the size, so a file that grew meanwhile is noticed and read on; pipes
    // and special files report no size and grow as they are read.
    const auto groesse = std::filesystem::file_size(datei, ec);
    if (!ec) {
        inhalt.platz_ = static_cast<size_t>(groesse) + 1;
        inhalt.daten_ = std::make_unique_for_overwrite<char[]>(inhalt.platz_);
    }
    size_t gelesen = 0;
    while (strom) {
        if (gelesen == inhalt.platz_)
            Vergroessere(inhalt.daten_, gelesen, inhalt.platz_);
        strom.read(inhalt.daten_.get() + gelesen, static_cast<std::streamsize>(inhalt.platz_ - gelesen));
        gelesen += static_cast<size_t>(strom.gcount());
    }
    if (strom.bad()) {
        // A read that broke off is not a flight: report it instead of showing half of one.
        const int ursache = errno;
        inhalt = DateiInhalt{};
        return ursache == 0 ? OeffnenFehler::HardwareFehler : FehlerAusErrno(ursache);
    }
    inhalt.groesse_ = gelesen;
    return OeffnenFehler::Keiner;
}

OeffnenFehler LiesStrom(std::FILE* strom, DateiInhalt& inhalt)
{
    inhalt = DateiInhalt{};
    size_t gelesen = 0;
    for (;;) {
        if (gelesen == inhalt.platz_)
            Vergroessere(inhalt.daten_, gelesen, inhalt.platz_);
        const size_t stueck = std::fread(inhalt.daten_.get() + gelesen, 1, inhalt.platz_ - gelesen, strom);
        gelesen += stueck;
        if (stueck == 0)
            break;
    }
    if (std::ferror(strom)) {
        const int ursache = errno;
        inhalt = DateiInhalt{};
        return ursache == 0 ? OeffnenFehler::HardwareFehler : FehlerAusErrno(ursache);
    }
    inhalt.groesse_ = gelesen;
    return OeffnenFehler::Keiner;
}
