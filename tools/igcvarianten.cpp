// sarnix-igcvarianten: writes variants of an IGC log as other recorders would have written it.

#include "tools/IgcVarianten.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("Aufruf: sarnix-igcvarianten LOG.igc ORDNER\n", stderr);
        return 2;
    }
    std::ifstream ein(argv[1], std::ios::binary);
    if (!ein) {
        std::fprintf(stderr, "%s: nicht lesbar\n", argv[1]);
        return 1;
    }
    std::stringstream text;
    text << ein.rdbuf();
    const std::filesystem::path ordner(argv[2]);
    std::filesystem::create_directories(ordner);
    const std::string stamm = std::filesystem::path(argv[1]).stem().string();
    for (const igcvarianten::Variante& v : igcvarianten::Alle(text.str())) {
        const std::filesystem::path pfad = ordner / (stamm + "-" + v.name + ".igc");
        std::ofstream aus(pfad, std::ios::binary);
        aus << v.text;
        if (!aus) {
            std::fprintf(stderr, "%s: nicht schreibbar\n", pfad.string().c_str());
            return 1;
        }
        std::cout << pfad.string() << '\n';
    }
    return 0;
}
