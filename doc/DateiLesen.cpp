#include "doc/DateiLesen.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

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

OeffnenFehler LiesDatei(const std::string& pfad, std::string& inhalt)
{
    if (pfad.empty())
        return OeffnenFehler::UngueltigerPfad;
    const std::filesystem::path datei(std::u8string(pfad.begin(), pfad.end()));

    // A directory opens for reading on some systems and only fails on the first read; a device
    // such as /dev/zero would never end.
    std::error_code ec;
    const auto art = std::filesystem::status(datei, ec).type();
    if (art == std::filesystem::file_type::directory || art == std::filesystem::file_type::character
        || art == std::filesystem::file_type::block)
        return OeffnenFehler::UngueltigerPfad;

    errno = 0;
    std::ifstream strom(datei, std::ios::in | std::ios::binary);
    if (!strom) {
        const int ursache = errno;
        return ursache == 0 ? OeffnenFehler::Unbekannt : FehlerAusErrno(ursache);
    }

    // Straight into the result; pipes and special files report no size and grow block by block.
    constexpr size_t block = 1 << 20;
    const auto groesse = std::filesystem::file_size(datei, ec);
    inhalt.assign(ec ? block : static_cast<size_t>(groesse) + 1, '\0');
    size_t gelesen = 0;
    while (strom) {
        if (gelesen == inhalt.size())
            inhalt.resize(inhalt.size() + block);
        strom.read(inhalt.data() + gelesen, static_cast<std::streamsize>(inhalt.size() - gelesen));
        gelesen += static_cast<size_t>(strom.gcount());
    }
    inhalt.resize(gelesen);
    if (strom.bad()) {
        // A read that broke off is not a flight: report it instead of showing half of one.
        inhalt.clear();
        return errno == 0 ? OeffnenFehler::HardwareFehler : FehlerAusErrno(errno);
    }
    return OeffnenFehler::Keiner;
}
