// sarnix-vrlgen: writes a made-up but plausible flight recording.

#include "tools/VrlGenerator.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

int Aufruf()
{
    std::fputs("Aufruf: sarnix-vrlgen [--art lokal|strecke|suedwest|lang] [--stunden N | --fixe N]\n"
               "                      [--seed S] [-o DATEI]\n",
               stderr);
    return 2;
}

bool Zahl(const char* text, int64_t& wert)
{
    char* ende = nullptr;
    const long long z = std::strtoll(text, &ende, 10);
    if (ende == text || *ende != '\0' || z < 0)
        return false;
    wert = z;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    vrlgen::Optionen optionen;
    std::string ausgabe;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc)
            return Aufruf();
        const char* wert = argv[++i];
        int64_t zahl = 0;
        if (name == "--art") {
            const auto art = vrlgen::ArtAusName(wert);
            if (!art)
                return Aufruf();
            optionen.art = *art;
        } else if (name == "--stunden" && Zahl(wert, zahl)) {
            optionen.fixe = zahl * 3600;
        } else if (name == "--fixe" && Zahl(wert, zahl)) {
            optionen.fixe = zahl;
        } else if (name == "--seed" && Zahl(wert, zahl)) {
            optionen.seed = static_cast<uint64_t>(zahl);
        } else if (name == "-o") {
            ausgabe = wert;
        } else {
            return Aufruf();
        }
    }
    if (ausgabe.empty()) {
        const std::string inhalt = vrlgen::Erzeuge(optionen);
        std::cout.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
        return std::cout ? 0 : 1;
    }
    if (!vrlgen::Schreibe(optionen, ausgabe)) {
        std::fprintf(stderr, "%s konnte nicht geschrieben werden.\n", ausgabe.c_str());
        return 1;
    }
    return 0;
}
