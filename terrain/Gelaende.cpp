#include "terrain/Gelaende.h"

#include <cpl_error.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <filesystem>
#include <limits>
#include <list>
#include <mutex>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

constexpr float unbekannt = std::numeric_limits<float>::quiet_NaN();
// The void of SRTM and most models, also where the file names no other no-data value.
constexpr float leerWert = -32768.0f;
// Samples per block side: a few hundred kilobytes, a few kilometres of a 1" model.
constexpr int blockKante = 256;
// A search through a whole disk by mistake ends here instead of hanging.
constexpr std::size_t hoechstensEintraege = 200000;
constexpr int hoechsteStufe = 12;

fs::path PfadAus(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8(const fs::path& pfad)
{
    const std::u8string s = pfad.u8string();
    return std::string(s.begin(), s.end());
}

// Names GDAL may read as elevation; other files are passed over unopened, so that a folder of
// photographs or logs costs no more than listing it.
bool MoeglicheKachel(const fs::path& pfad)
{
    std::string name = Utf8(pfad.filename());
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    static constexpr std::array<std::string_view, 13> endungen{
        ".hgt", ".hgt.zip", ".tif", ".tiff", ".dem", ".dt0", ".dt1", ".dt2", ".img", ".asc", ".bil", ".vrt", ".nc"};
    return std::any_of(endungen.begin(), endungen.end(), [&](std::string_view e) {
        return name.size() > e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0;
    });
}

struct Stempel {
    fs::file_time_type zeit{};
    std::uintmax_t groesse = 0;
    friend bool operator==(const Stempel&, const Stempel&) = default;
};

Stempel StempelVon(const fs::path& pfad)
{
    std::error_code fehler;
    Stempel s;
    s.zeit = fs::last_write_time(pfad, fehler);
    s.groesse = fs::file_size(pfad, fehler);
    return s;
}

struct TransformLoeschen {
    void operator()(OGRCoordinateTransformation* t) const { OGRCoordinateTransformation::DestroyCT(t); }
};
using Transform = std::unique_ptr<OGRCoordinateTransformation, TransformLoeschen>;

// GDAL's messages go to stderr by default; here a file that fails becomes a note instead.
class Leise {
public:
    Leise() { CPLPushErrorHandler(CPLQuietErrorHandler); }
    ~Leise() { CPLPopErrorHandler(); }
    Leise(const Leise&) = delete;
    Leise& operator=(const Leise&) = delete;
};

struct Kachel {
    fs::path pfad;
    Stempel stempel;
    int breite = 0;  // samples
    int hoehe = 0;
    std::array<double, 6> nachOrt{};  // sample edges to the tile's coordinates
    std::array<double, 6> nachPixel{};
    double west = 0.0;  // extent in degrees
    double ost = 0.0;
    double sued = 0.0;
    double nord = 0.0;
    double pixelGrad = 0.0;  // the finer sample spacing, in degrees
    Transform hin;           // degrees to the tile's projection; none for geographic tiles
    Transform zurueck;
    std::optional<double> keinWert;
    GDALDatasetUniquePtr datensatz;  // open while its heights are read
    bool gesperrt = false;
    bool ueberdeckt = false;  // a finer tile lies over part of it
};

struct Block {
    std::vector<float> werte;
    int breite = 0;
};

struct Eintrag {
    Block block;
    std::list<uint64_t>::iterator alter;
};

uint64_t BlockSchluessel(int kachel, int stufe, int bx, int by)
{
    return (uint64_t(uint32_t(kachel)) << 36) | (uint64_t(uint32_t(stufe)) << 32) |
           (uint64_t(uint32_t(bx) & 0xFFFFu) << 16) | (uint64_t(uint32_t(by)) & 0xFFFFu);
}

void Anwenden(const std::array<double, 6>& gt, double x, double y, double& ox, double& oy)
{
    ox = gt[0] + x * gt[1] + y * gt[2];
    oy = gt[3] + x * gt[4] + y * gt[5];
}

int64_t ZellSchluessel(int breite, int laenge) { return int64_t{breite} * 1000 + laenge; }

// Where sample 0 of a level taking every s-th sample lies, in sample edges of level 0: GDAL's
// decimation takes the sample under the middle of each s by s square.
double Versatz(int s) { return (s / 2) + 0.5; }

}  // namespace

struct GelaendeQuelle::Innen {
    std::vector<Kachel> kacheln;
    std::unordered_map<int64_t, std::vector<int>> zellen;  // whole degrees to the tiles over them
    std::vector<GelaendeHinweis> hinweise;
    std::size_t grenze = 0;
    std::size_t belegt = 0;
    std::unordered_map<uint64_t, Eintrag> bloecke;
    std::list<uint64_t> reihenfolge;  // most recently used first
    uint64_t letzterSchluessel = ~uint64_t{0};
    const Block* letzterBlock = nullptr;
    OGRSpatialReference wgs84;
    mutable std::mutex sperre;

    void Hinweis(GelaendeHinweisArt art, const fs::path& pfad)
    {
        GelaendeHinweis h{art, Utf8(pfad)};
        if (std::find(hinweise.begin(), hinweise.end(), h) == hinweise.end())
            hinweise.push_back(std::move(h));
    }

    void Suche(const fs::path& wurzel);
    std::optional<GelaendeHinweisArt> Georeferenz(Kachel& k, GDALDataset& ds) const;
    bool Oeffne(int k);
    void Vergessen(int k);
    void AufAenderungPruefen();
    int Finde(double laenge, double breite, int ausser) const;
    bool PixelVon(const Kachel& k, double laenge, double breite, double& x, double& y) const;
    const Block& Lies(int k, int stufe, int bx, int by);
    float Probe(int k, int stufe, int i, int j);
    float Nachbar(int k, int stufe, int i, int j);
    float Bilinear(int k, int stufe, double x, double y);
    float Punkt(double laenge, double breite, int& letzte, const std::vector<int>* stufen);
};

void GelaendeQuelle::Innen::Suche(const fs::path& wurzel)
{
    std::error_code fehler;
    if (!fs::is_directory(wurzel, fehler)) {
        Hinweis(GelaendeHinweisArt::KeinOrdner, wurzel);
        return;
    }
    std::vector<fs::path> kandidaten;
    std::size_t eintraege = 0;
    fs::recursive_directory_iterator it(wurzel, fs::directory_options::skip_permission_denied, fehler);
    for (; !fehler && it != fs::recursive_directory_iterator(); it.increment(fehler)) {
        if (++eintraege > hoechstensEintraege) {
            Hinweis(GelaendeHinweisArt::ZuVieleDateien, wurzel);
            break;
        }
        if (MoeglicheKachel(it->path()) && it->is_regular_file(fehler))
            kandidaten.push_back(it->path());
    }
    std::sort(kandidaten.begin(), kandidaten.end());

    for (const fs::path& pfad : kandidaten) {
        Kachel k;
        k.pfad = pfad;
        k.stempel = StempelVon(pfad);
        GDALDatasetUniquePtr ds(GDALDataset::Open(Utf8(pfad).c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
        const std::optional<GelaendeHinweisArt> grund =
            ds ? Georeferenz(k, *ds) : std::optional{GelaendeHinweisArt::NichtLesbar};
        if (grund) {
            Hinweis(*grund, pfad);
            continue;
        }
        // Handles are opened again when heights are read: a folder may hold thousands of tiles.
        kacheln.push_back(std::move(k));
    }
    if (kacheln.empty() && hinweise.empty())
        Hinweis(GelaendeHinweisArt::KeineKacheln, wurzel);

    std::vector<int> reihe(kacheln.size());
    for (std::size_t i = 0; i < reihe.size(); ++i)
        reihe[i] = static_cast<int>(i);
    // Where tiles overlap the finer model answers.
    std::stable_sort(reihe.begin(), reihe.end(),
                     [&](int a, int b) { return kacheln[size_t(a)].pixelGrad < kacheln[size_t(b)].pixelGrad; });
    for (const int i : reihe) {
        const Kachel& k = kacheln[size_t(i)];
        const int b0 = static_cast<int>(std::floor(std::max(k.sued, -90.0)));
        const int b1 = static_cast<int>(std::floor(std::min(k.nord, 90.0)));
        const int l0 = static_cast<int>(std::floor(std::max(k.west, -180.0)));
        const int l1 = static_cast<int>(std::floor(std::min(k.ost, 180.0)));
        for (int b = b0; b <= b1; ++b)
            for (int l = l0; l <= l1; ++l)
                zellen[ZellSchluessel(b, l)].push_back(i);
    }
    for (const auto& [schluessel, liste] : zellen)
        for (std::size_t a = 0; a < liste.size(); ++a)
            for (std::size_t b = a + 1; b < liste.size(); ++b) {
                const Kachel& fein = kacheln[size_t(liste[a])];
                Kachel& grob = kacheln[size_t(liste[b])];
                if (fein.pixelGrad < grob.pixelGrad && fein.west < grob.ost && fein.ost > grob.west
                    && fein.sued < grob.nord && fein.nord > grob.sued)
                    grob.ueberdeckt = true;
            }
}

std::optional<GelaendeHinweisArt> GelaendeQuelle::Innen::Georeferenz(Kachel& k, GDALDataset& ds) const
{
    if (ds.GetRasterCount() < 1 || ds.GetRasterXSize() < 1 || ds.GetRasterYSize() < 1)
        return GelaendeHinweisArt::NichtLesbar;
    GDALRasterBand* band = ds.GetRasterBand(1);
    switch (band->GetColorInterpretation()) {
    case GCI_GrayIndex:
    case GCI_Undefined:
        break;
    default:
        return GelaendeHinweisArt::KeineHoehen;
    }
    if (ds.GetRasterCount() >= 3)
        return GelaendeHinweisArt::KeineHoehen;
    const OGRSpatialReference* bezug = ds.GetSpatialRef();
    if (!bezug || ds.GetGeoTransform(k.nachOrt.data()) != CE_None ||
        !GDALInvGeoTransform(k.nachOrt.data(), k.nachPixel.data()))
        return GelaendeHinweisArt::OhneBezug;
    k.breite = ds.GetRasterXSize();
    k.hoehe = ds.GetRasterYSize();
    int hat = 0;
    const double leer = band->GetNoDataValue(&hat);
    k.keinWert.reset();
    if (hat)
        k.keinWert = leer;

    // Geographic models are used as they are: a datum other than WGS84 moves a point by metres,
    // far less than a sample. Projected ones are turned into degrees point by point.
    k.hin.reset();
    k.zurueck.reset();
    if (!bezug->IsGeographic()) {
        OGRSpatialReference kachelBezug(*bezug);
        kachelBezug.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        k.hin.reset(OGRCreateCoordinateTransformation(&wgs84, &kachelBezug));
        k.zurueck.reset(OGRCreateCoordinateTransformation(&kachelBezug, &wgs84));
        if (!k.hin || !k.zurueck)
            return GelaendeHinweisArt::OhneBezug;
    }

    // The extent from points along the edges: a projected tile's edges bend in degrees.
    constexpr int teile = 16;
    double west = 1e9, ost = -1e9, sued = 1e9, nord = -1e9;
    for (int i = 0; i <= teile; ++i) {
        for (int j = 0; j <= teile; ++j) {
            if (i != 0 && i != teile && j != 0 && j != teile)
                continue;
            double x = 0.0, y = 0.0;
            Anwenden(k.nachOrt, k.breite * double(i) / teile, k.hoehe * double(j) / teile, x, y);
            if (k.zurueck && !k.zurueck->Transform(1, &x, &y))
                return GelaendeHinweisArt::OhneBezug;
            west = std::min(west, x);
            ost = std::max(ost, x);
            sued = std::min(sued, y);
            nord = std::max(nord, y);
        }
    }
    if (!(west >= -540.0 && ost <= 540.0 && sued >= -90.5 && nord <= 90.5))
        return GelaendeHinweisArt::OhneBezug;
    k.west = west;
    k.ost = ost;
    k.sued = sued;
    k.nord = nord;
    k.pixelGrad = std::min((ost - west) / k.breite, (nord - sued) / k.hoehe);
    return std::nullopt;
}

bool GelaendeQuelle::Innen::Oeffne(int i)
{
    Kachel& k = kacheln[size_t(i)];
    if (k.gesperrt)
        return false;
    if (k.datensatz)
        return true;
    const Stempel jetzt = StempelVon(k.pfad);
    k.datensatz.reset(GDALDataset::Open(Utf8(k.pfad).c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
    std::optional<GelaendeHinweisArt> grund = GelaendeHinweisArt::NichtLesbar;
    if (k.datensatz) {
        const int breite = k.breite;
        const int hoehe = k.hoehe;
        const std::array<double, 6> nachOrt = k.nachOrt;
        grund = Georeferenz(k, *k.datensatz);
        // The index knows the tile by its old extent; one that moved is not looked for there.
        if (!grund && (breite != k.breite || hoehe != k.hoehe || nachOrt != k.nachOrt))
            grund = GelaendeHinweisArt::Geaendert;
    }
    if (grund) {
        Hinweis(*grund, k.pfad);
        k.datensatz.reset();
        k.gesperrt = true;
        return false;
    }
    if (!(jetzt == k.stempel))
        Hinweis(GelaendeHinweisArt::Geaendert, k.pfad);
    k.stempel = jetzt;
    return true;
}

void GelaendeQuelle::Innen::Vergessen(int k)
{
    for (auto it = bloecke.begin(); it != bloecke.end();) {
        if (int(it->first >> 36) == k) {
            belegt -= it->second.block.werte.size() * sizeof(float);
            reihenfolge.erase(it->second.alter);
            it = bloecke.erase(it);
        } else {
            ++it;
        }
    }
    letzterBlock = nullptr;
    letzterSchluessel = ~uint64_t{0};
    kacheln[size_t(k)].datensatz.reset();
}

// A tile replaced or rewritten while open is read again from the start: its blocks in memory
// would mix old heights with new ones.
void GelaendeQuelle::Innen::AufAenderungPruefen()
{
    for (std::size_t i = 0; i < kacheln.size(); ++i) {
        if (kacheln[i].datensatz && !(StempelVon(kacheln[i].pfad) == kacheln[i].stempel)) {
            Vergessen(static_cast<int>(i));
            kacheln[i].stempel = {};  // noted as changed when opened again
        }
    }
}

bool GelaendeQuelle::Innen::PixelVon(const Kachel& k, double laenge, double breite, double& x, double& y) const
{
    if (k.hin && !k.hin->Transform(1, &laenge, &breite))
        return false;
    Anwenden(k.nachPixel, laenge, breite, x, y);
    return x >= 0.0 && y >= 0.0 && x <= k.breite && y <= k.hoehe;
}

int GelaendeQuelle::Innen::Finde(double laenge, double breite, int ausser) const
{
    if (!(std::abs(breite) <= 90.0 && std::abs(laenge) <= 180.0))
        return -1;
    const auto zelle = zellen.find(ZellSchluessel(static_cast<int>(std::floor(breite)),
                                                  static_cast<int>(std::floor(laenge))));
    if (zelle == zellen.end())
        return -1;
    for (const int i : zelle->second) {
        const Kachel& k = kacheln[size_t(i)];
        if (i == ausser || k.gesperrt || laenge < k.west || laenge > k.ost || breite < k.sued || breite > k.nord)
            continue;
        double x = 0.0, y = 0.0;
        if (!k.hin || PixelVon(k, laenge, breite, x, y))
            return i;
    }
    return -1;
}

// Level `stufe` takes every 2^stufe-th sample each way, read through GDAL's decimation so that
// only those lines are read.
const Block& GelaendeQuelle::Innen::Lies(int k, int stufe, int bx, int by)
{
    const uint64_t schluessel = BlockSchluessel(k, stufe, bx, by);
    if (schluessel == letzterSchluessel && letzterBlock)
        return *letzterBlock;
    if (auto it = bloecke.find(schluessel); it != bloecke.end()) {
        reihenfolge.splice(reihenfolge.begin(), reihenfolge, it->second.alter);
        letzterSchluessel = schluessel;
        letzterBlock = &it->second.block;
        return it->second.block;
    }

    Kachel& kachel = kacheln[size_t(k)];
    const int s = 1 << stufe;
    const int spalten = (kachel.breite + s - 1) / s;
    const int zeilen = (kachel.hoehe + s - 1) / s;
    const int i0 = bx * blockKante;
    const int j0 = by * blockKante;
    const int bw = std::min(blockKante, spalten - i0);
    const int bh = std::min(blockKante, zeilen - j0);
    const int x0 = i0 * s;
    const int y0 = j0 * s;
    const int w = std::min(bw * s, kachel.breite - x0);
    const int h = std::min(bh * s, kachel.hoehe - y0);

    Block block;
    block.breite = bw;
    block.werte.assign(std::size_t(bw) * std::size_t(bh), unbekannt);
    GDALRasterIOExtraArg extra;
    INIT_RASTERIO_EXTRA_ARG(extra);
    extra.eResampleAlg = GRIORA_NearestNeighbour;
    if (Oeffne(k)) {
        GDALRasterBand* band = kachel.datensatz->GetRasterBand(1);
        if (band->RasterIO(GF_Read, x0, y0, w, h, block.werte.data(), bw, bh, GDT_Float32, 0, 0, &extra) != CE_None) {
            // What could not be read stays unknown; the block is kept so it is not tried again.
            std::fill(block.werte.begin(), block.werte.end(), unbekannt);
            Hinweis(GelaendeHinweisArt::Beschaedigt, kachel.pfad);
        }
        const float eigenerLeerWert = kachel.keinWert ? static_cast<float>(*kachel.keinWert) : leerWert;
        for (float& v : block.werte)
            if (v == leerWert || v == eigenerLeerWert || !std::isfinite(v))
                v = unbekannt;
    }

    belegt += block.werte.size() * sizeof(float);
    while (belegt > grenze && !reihenfolge.empty()) {
        const uint64_t alt = reihenfolge.back();
        reihenfolge.pop_back();
        auto it = bloecke.find(alt);
        belegt -= it->second.block.werte.size() * sizeof(float);
        bloecke.erase(it);
    }
    reihenfolge.push_front(schluessel);
    Eintrag& neu = bloecke[schluessel];
    neu.block = std::move(block);
    neu.alter = reihenfolge.begin();
    letzterSchluessel = schluessel;
    letzterBlock = &neu.block;
    return neu.block;
}

float GelaendeQuelle::Innen::Probe(int k, int stufe, int i, int j)
{
    const Block& b = Lies(k, stufe, i / blockKante, j / blockKante);
    return b.werte[std::size_t(j % blockKante) * std::size_t(b.breite) + std::size_t(i % blockKante)];
}

// A sample beyond the tile's edge: the nearest sample of the tile that lies there, so that the
// interpolation runs across seams; at the edge of the model the tile's own edge sample.
float GelaendeQuelle::Innen::Nachbar(int k, int stufe, int i, int j)
{
    const Kachel& kachel = kacheln[size_t(k)];
    const int s = 1 << stufe;
    double laenge = 0.0, breite = 0.0;
    Anwenden(kachel.nachOrt, i * s + Versatz(s), j * s + Versatz(s), laenge, breite);
    if (!kachel.zurueck || kachel.zurueck->Transform(1, &laenge, &breite)) {
        const int andere = Finde(laenge, breite, k);
        double x = 0.0, y = 0.0;
        if (andere >= 0 && PixelVon(kacheln[size_t(andere)], laenge, breite, x, y)) {
            const Kachel& dort = kacheln[size_t(andere)];
            const int t = dort.pixelGrad > 0.0 ? std::clamp(stufe + int(std::lround(std::log2(kachel.pixelGrad / dort.pixelGrad))), 0, hoechsteStufe) : 0;
            const int st = 1 << t;
            const int spalten = (dort.breite + st - 1) / st;
            const int zeilen = (dort.hoehe + st - 1) / st;
            return Probe(andere, t, std::clamp(int(x / st), 0, spalten - 1), std::clamp(int(y / st), 0, zeilen - 1));
        }
    }
    const int spalten = (kachel.breite + s - 1) / s;
    const int zeilen = (kachel.hoehe + s - 1) / s;
    return Probe(k, stufe, std::clamp(i, 0, spalten - 1), std::clamp(j, 0, zeilen - 1));
}

// (x, y) in sample edges of level 0. A corner that carries weight and is void makes the point unknown:
// a height made up from half a neighbourhood would be a guess.
float GelaendeQuelle::Innen::Bilinear(int k, int stufe, double x, double y)
{
    const Kachel& kachel = kacheln[size_t(k)];
    const int s = 1 << stufe;
    const int spalten = (kachel.breite + s - 1) / s;
    const int zeilen = (kachel.hoehe + s - 1) / s;
    const double u = (x - Versatz(s)) / s;
    const double v = (y - Versatz(s)) / s;
    const int i = static_cast<int>(std::floor(u));
    const int j = static_cast<int>(std::floor(v));
    const double fu = u - i;
    const double fv = v - j;
    const bool innen = i >= 0 && j >= 0 && i + 1 < spalten && j + 1 < zeilen;
    if (innen && i / blockKante == (i + 1) / blockKante && j / blockKante == (j + 1) / blockKante) {
        // Most points: all four corners in one block.
        const Block& b = Lies(k, stufe, i / blockKante, j / blockKante);
        const float* w = b.werte.data() + std::size_t(j % blockKante) * std::size_t(b.breite) + std::size_t(i % blockKante);
        const float* s1 = w + b.breite;
        const double a = fu < 1e-6 ? w[0] : fu > 1.0 - 1e-6 ? w[1] : w[0] + fu * (w[1] - w[0]);
        const double c = fu < 1e-6 ? s1[0] : fu > 1.0 - 1e-6 ? s1[1] : s1[0] + fu * (s1[1] - s1[0]);
        return static_cast<float>(fv < 1e-6 ? a : fv > 1.0 - 1e-6 ? c : a + fv * (c - a));
    }
    double summe = 0.0;
    for (int e = 0; e < 4; ++e) {
        const int di = e & 1;
        const int dj = e >> 1;
        const double gewicht = (di ? fu : 1.0 - fu) * (dj ? fv : 1.0 - fv);
        // Rounding leaves a point on a sample a hair off it; a void there must not count.
        if (gewicht < 1e-6)
            continue;
        const int ci = i + di;
        const int cj = j + dj;
        const float wert = innen || (ci >= 0 && cj >= 0 && ci < spalten && cj < zeilen) ? Probe(k, stufe, ci, cj)
                                                                                        : Nachbar(k, stufe, ci, cj);
        if (std::isnan(wert))
            return unbekannt;
        summe += gewicht * wert;
    }
    return static_cast<float>(summe);
}

float GelaendeQuelle::Innen::Punkt(double laenge, double breite, int& letzte, const std::vector<int>* stufen)
{
    double x = 0.0, y = 0.0;
    // The tile of the point before answers again while the point lies in it, unless a finer tile
    // may lie over this point.
    if (letzte < 0 || kacheln[size_t(letzte)].gesperrt || kacheln[size_t(letzte)].ueberdeckt
        || !PixelVon(kacheln[size_t(letzte)], laenge, breite, x, y)) {
        letzte = Finde(laenge, breite, -1);
        if (letzte < 0 || !PixelVon(kacheln[size_t(letzte)], laenge, breite, x, y))
            return unbekannt;
    }
    return Bilinear(letzte, stufen ? (*stufen)[size_t(letzte)] : 0, x, y);
}

GelaendeQuelle::GelaendeQuelle(const std::string& ordner, std::size_t speicher) : d(std::make_unique<Innen>())
{
    static std::once_flag registriert;
    std::call_once(registriert, [] { GDALAllRegister(); });
    const Leise leise;
    d->grenze = speicher;
    d->wgs84.SetWellKnownGeogCS("WGS84");
    d->wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    d->Suche(PfadAus(ordner));
}

GelaendeQuelle::~GelaendeQuelle() = default;


std::size_t GelaendeQuelle::AnzahlKacheln() const
{
    const std::lock_guard sperre(d->sperre);
    return d->kacheln.size();
}

std::vector<GelaendeHinweis> GelaendeQuelle::Hinweise() const
{
    const std::lock_guard sperre(d->sperre);
    return d->hinweise;
}

std::optional<float> GelaendeQuelle::Hoehe(double breiteGrad, double laengeGrad)
{
    const std::lock_guard sperre(d->sperre);
    const Leise leise;
    d->AufAenderungPruefen();
    int letzte = -1;
    const float h = d->Punkt(laengeGrad, breiteGrad, letzte, nullptr);
    if (std::isnan(h))
        return std::nullopt;
    return h;
}

std::vector<float> GelaendeQuelle::HoehenEntlang(std::span<const CDaten> fixe)
{
    const std::lock_guard sperre(d->sperre);
    const Leise leise;
    d->AufAenderungPruefen();
    std::vector<float> hoehen(fixe.size(), unbekannt);
    int letzte = -1;
    for (std::size_t i = 0; i < fixe.size(); ++i) {
        const CDaten& fix = fixe[i];
        if (fix.laenge == 0 && fix.breite == 0)
            continue;  // no position at all
        hoehen[i] = d->Punkt(GradAus(fix.laenge), GradAus(fix.breite), letzte, nullptr);
    }
    return hoehen;
}

std::vector<float> GelaendeQuelle::HoehenGitter(const GelaendeGitter& g)
{
    constexpr int64_t hoechstensPunkte = int64_t{1} << 26;
    if (g.spalten <= 0 || g.zeilen <= 0 || int64_t{g.spalten} * g.zeilen > hoechstensPunkte)
        return {};
    const std::lock_guard sperre(d->sperre);
    const Leise leise;
    d->AufAenderungPruefen();

    const double dl = g.spalten > 1 ? (g.ost - g.west) / (g.spalten - 1) : 0.0;
    const double db = g.zeilen > 1 ? (g.sued - g.nord) / (g.zeilen - 1) : 0.0;
    // Each tile is read at the coarsest level whose samples are still no further apart than the
    // grid's points.
    const double abstand = std::min(dl != 0.0 ? std::abs(dl) : 1e9, db != 0.0 ? std::abs(db) : 1e9);
    std::vector<int> stufen(d->kacheln.size(), 0);
    for (std::size_t i = 0; i < stufen.size(); ++i) {
        const double p = d->kacheln[i].pixelGrad;
        stufen[i] = p > 0.0 && abstand < 1e9 ? std::clamp(int(std::floor(std::log2(abstand / p))), 0, hoechsteStufe) : 0;
    }

    std::vector<float> hoehen(std::size_t(g.spalten) * std::size_t(g.zeilen), unbekannt);
    int letzte = -1;
    for (int z = 0; z < g.zeilen; ++z) {
        const double breite = g.nord + z * db;
        float* zeile = hoehen.data() + std::size_t(z) * std::size_t(g.spalten);
        for (int s = 0; s < g.spalten; ++s)
            zeile[s] = d->Punkt(g.west + s * dl, breite, letzte, &stufen);
    }
    return hoehen;
}
