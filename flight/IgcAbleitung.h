#pragma once
// What an IGC log leaves to the reader, derived in steps that two threads can share: the window
// of every fix and then the ground speed on one, the altitudes (glitches replaced, then the climb
// rate) on the other. These read and write different fields of the fixes.

#include "flight/CDaten.h"

#include <cstddef>
#include <future>
#include <memory>
#include <vector>

class IgcAbleitung {
public:
    // The values recorded in the log are kept: hatVario, hatGeschwindigkeit.
    IgcAbleitung(std::vector<CDaten>& fixe, bool hatVario, bool hatGeschwindigkeit);
    ~IgcAbleitung();
    IgcAbleitung(const IgcAbleitung&) = delete;
    IgcAbleitung& operator=(const IgcAbleitung&) = delete;

    // The fixes within a few seconds either side of every fix. Called once, first.
    void Fenster();
    // Altitude glitches replaced.
    void Glaetten();
    // The climb rate unless recorded: after Glaetten; waits for Fenster.
    void Steigen();
    // The ground speed unless recorded: after Fenster has returned.
    void Fahrt();

private:
    std::vector<CDaten>& fixe_;
    bool steigen_;
    bool fahrt_;
    std::unique_ptr<size_t[]> von_;
    std::unique_ptr<size_t[]> bis_;
    std::promise<void> fensterFertig_;
    std::future<void> fenster_;
};
