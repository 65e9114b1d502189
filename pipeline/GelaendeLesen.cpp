#include "pipeline/GelaendeLesen.h"

#include "flight/CSarnixDoc.h"
#include "render/Abbildung.h"
#include "render/Ansicht.h"
#include "render/Gelaende.h"
#include "terrain/GelaendeModell.h"
#include "terrain/GrundWerte.h"
#include "language/Fehlertexte.h"

#include <QCoreApplication>
#include <QDir>
#include <QThreadPool>
#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

int Panes(const CAnsicht& a) { return std::clamp<int>(a.grafikanzahl, 0, 2); }

// The raster pane `pane` will be drawn with: its window fitted as the draw fits it.
ReliefRaster RasterVon(const CSarnixDoc& doc, const CAnsicht& ansicht, int pane)
{
    if (ansicht.ansicht.grafik[size_t(pane)].art != Grundriss)
        return {};
    CAnsicht a = ansicht;
    FensterAnpassen(a, doc, pane);
    return ReliefRasterVon(doc, a, pane);
}

}  // namespace

std::shared_ptr<const GelaendeAnsicht> GelaendeLesen(GelaendeModell& quelle, const CSarnixDoc& doc,
                                                     const CAnsicht& ansicht, const GelaendeAnsicht* vorher,
                                                     bool relief)
{
    auto neu = std::make_shared<GelaendeAnsicht>();
    if (vorher && vorher->grund.size() == doc.datenListe.size())
        neu->grund = vorher->grund;
    else
        neu->grund = quelle.HoehenEntlang(doc.datenListe);
    for (int i = 0; relief && i < Panes(ansicht); ++i) {
        const auto p = size_t(i);
        const ReliefRaster r = RasterVon(doc, ansicht, i);
        if (r.spalten == 0)
            continue;
        neu->raster[p] = r;
        if (vorher && vorher->raster[p] == r)
            neu->relief[p] = vorher->relief[p];
        else
            neu->relief[p] = ReliefBild(r, quelle.HoehenGitter({r.west, r.ost, r.sued, r.nord, r.spalten, r.zeilen}));
    }
    return neu;
}

bool GelaendeAktuell(const GelaendeAnsicht& gelesen, const CSarnixDoc& doc, const CAnsicht& ansicht, bool relief)
{
    if (gelesen.grund.size() != doc.datenListe.size())
        return false;
    for (int i = 0; relief && i < Panes(ansicht); ++i)
        if (!(gelesen.raster[size_t(i)] == RasterVon(doc, ansicht, i)))
            return false;
    return true;
}

std::vector<std::pair<QString, QString>> GelaendeInfo(const CSarnixDoc& doc, const GelaendeAnsicht* gelaende)
{
    if (!gelaende)
        return {};
    const GrundWerte w = GrundWerteVon(doc.datenListe, doc.Fluege(), gelaende->grund);
    const auto meter = [](const std::optional<float>& m) {
        return m ? QCoreApplication::translate("Gelaende", "%1 m").arg(std::lround(*m)) : QStringLiteral("-");
    };
    return {{QCoreApplication::translate("Gelaende", "Gelände am Start:"), meter(w.startGrund)},
            {QCoreApplication::translate("Gelaende", "Gelände bei der Landung:"), meter(w.landeGrund)},
            {QCoreApplication::translate("Gelaende", "Tiefster Abstand über Grund:"), meter(w.tiefsterAbstand)}};
}

struct GelaendeDienst::Zustand {
    std::string ordner;
    std::mutex sperre;
    bool geladen = false;
    std::unique_ptr<GelaendeModell> modell;
    QString fehler;  // why the reader could not be loaded

    GelaendeModell* Modell()
    {
        const std::lock_guard halten(sperre);
        if (!geladen) {
            std::string grund;
            modell = GelaendeModellLaden(ordner, QCoreApplication::applicationDirPath().toStdString(), grund);
            fehler = QString::fromStdString(grund);
        }
        geladen = true;
        return modell.get();
    }
    std::vector<QString> Hinweise()
    {
        std::vector<QString> texte;
        if (GelaendeModell* m = Modell())
            for (const GelaendeHinweis& h : m->Hinweise())
                texte.push_back(GelaendeHinweisText(h));
        else
            texte.push_back(GelaendeHinweisText({GelaendeHinweisArt::KeinLeser, fehler.toStdString()}));
        return texte;
    }
};

GelaendeDienst::GelaendeDienst(std::string ordner) : z(std::make_shared<Zustand>())
{
    z->ordner = std::move(ordner);
}

const std::string& GelaendeDienst::Ordner() const { return z->ordner; }

std::vector<QString> GelaendeDienst::Hinweise() const { return z->Hinweise(); }

void GelaendeDienst::Lies(const CSarnixDoc& doc, const CAnsicht& ansicht, std::shared_ptr<const GelaendeAnsicht> vorher,
                          bool relief, Fertig fertig) const
{
    // What the reading needs of the flight, copied: the window may open another one meanwhile.
    auto flug = std::make_shared<CSarnixDoc>();
    flug->datenListe = doc.datenListe;
    flug->meterProBreite = doc.meterProBreite;
    flug->meterProLaenge = doc.meterProLaenge;
    flug->ausdehnung = doc.ausdehnung;
    flug->geladen = doc.geladen;
    CAnsicht blick = ansicht;
    blick.gelaende.reset();
    QThreadPool::globalInstance()->start([zustand = z, flug, blick, vorher, relief, fertig = std::move(fertig)] {
        GelaendeModell* modell = zustand->Modell();
        auto gelesen = modell ? GelaendeLesen(*modell, *flug, blick, vorher.get(), relief) : nullptr;
        fertig(std::move(gelesen), zustand->Hinweise());
    });
}

std::shared_ptr<const GelaendeAnsicht> GelaendeDienst::LiesJetzt(const CSarnixDoc& doc, const CAnsicht& ansicht,
                                                                 bool relief, std::vector<QString>* hinweise) const
{
    GelaendeModell* modell = z->Modell();
    auto gelesen = modell ? GelaendeLesen(*modell, doc, ansicht, nullptr, relief) : nullptr;
    if (hinweise)
        *hinweise = z->Hinweise();
    return gelesen;
}

QImage GelaendeDienst::ReliefJetzt(const ReliefRaster& r) const
{
    GelaendeModell* modell = z->Modell();
    if (!modell || r.spalten <= 0 || r.zeilen <= 0)
        return {};
    return ReliefBild(r, modell->HoehenGitter({r.west, r.ost, r.sued, r.nord, r.spalten, r.zeilen}));
}
