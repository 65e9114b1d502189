#include "terrain/GelaendeModell.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <filesystem>

namespace {

// The module stays loaded until the program ends: models it made may outlive any one caller.
GelaendeOeffnen Einstieg(const std::filesystem::path& pfad, std::string& fehler)
{
#if defined(_WIN32)
    HMODULE modul = LoadLibraryW(pfad.wstring().c_str());
    if (!modul) {
        fehler = "LoadLibrary " + pfad.string() + " failed";
        return nullptr;
    }
    return reinterpret_cast<GelaendeOeffnen>(reinterpret_cast<void*>(GetProcAddress(modul, gelaendeEinstieg)));
#else
    void* modul = dlopen(pfad.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!modul) {
        const char* grund = dlerror();
        fehler = grund ? grund : pfad.string();
        return nullptr;
    }
    return reinterpret_cast<GelaendeOeffnen>(dlsym(modul, gelaendeEinstieg));
#endif
}

}  // namespace

std::unique_ptr<GelaendeModell> GelaendeModellLaden(const std::string& ordner, const std::string& programmOrdner,
                                                    std::string& fehler)
{
#if defined(_WIN32)
    const std::string datei = std::string(gelaendeModul) + ".dll";
#else
    const std::string datei = std::string("lib") + gelaendeModul + ".so";
#endif
    const std::filesystem::path hier(std::u8string(programmOrdner.begin(), programmOrdner.end()));
    for (const std::filesystem::path& pfad : {hier / datei, hier / SARNIX_GELAENDE_ORDNER / datei,
                                              std::filesystem::path(SARNIX_GELAENDE_BAU)}) {
        std::error_code kein;
        if (!std::filesystem::exists(pfad, kein))
            continue;
        if (const GelaendeOeffnen oeffnen = Einstieg(pfad, fehler))
            return std::unique_ptr<GelaendeModell>(oeffnen(ordner.c_str()));
    }
    if (fehler.empty())
        fehler = datei;
    return nullptr;
}
