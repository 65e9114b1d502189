#include "pipeline/Layout.h"

#include "render/Ansicht.h"
#include "render/Stil.h"
#include "render/Zeichenflaeche.h"

#include <algorithm>

void BerechneLayout(CAnsicht& a, const Rechteck& client)
{
    a.client = client;
    auto& links = a.ansicht.grafik[0].ecke;
    auto& rechts = a.ansicht.grafik[1].ecke;

    if (a.grafikanzahl == 1) {
        a.randOben = 60;
        a.randRechts = 160;
        links = Rechteck{client.left + a.randLinks, client.top + a.randOben,
                         client.right - a.randRechts, client.bottom - a.randUnten};
        // A narrow window gives an empty pane at the legend's edge, never a reversed one.
        links.left = std::min(links.left, links.right);
    } else if (a.grafikanzahl == 2) {
        a.randOben = 220;
        a.randRechts = 5;
        links.top = rechts.top = client.top + a.randOben;
        links.bottom = rechts.bottom = client.bottom - a.randUnten;
        links.left = client.left + a.randLinks;
        rechts.right = client.right - a.randRechts;
        const int32_t mitte = (rechts.right + links.left) / 2;
        const int32_t halberAbstand = a.abstand / 2;
        links.right = mitte - halberAbstand;
        rechts.left = mitte + halberAbstand;
        if (client.left + a.randLinks > client.right - a.randRechts)
            links.left = links.right = rechts.left = rechts.right;
    }
}

Rechteck AuswahlStreifen(const CAnsicht& a, int pane)
{
    const Rechteck& ecke = a.ansicht.grafik[static_cast<size_t>(pane)].ecke;
    return Rechteck{ecke.left - 60, a.client.bottom - streifenHoehe, ecke.right, a.client.bottom};
}

void ZeichneAuswahlStreifen(const CAnsicht& a, Zeichenflaeche& f)
{
    // Only pane counts of 1 and 2 have a layout.
    const int anzahl = a.grafikanzahl == 1 || a.grafikanzahl == 2 ? a.grafikanzahl : 0;
    for (int i = 0; i < anzahl; ++i)
        f.FillRect(AuswahlStreifen(a, i), i == a.aktiveGrafik ? stil::streifenBlau : RGB(255, 255, 255));
}

int GrafikBeiX(const CAnsicht& a, int x)
{
    return x >= a.ansicht.grafik[0].ecke.right ? 1 : 0;
}
