#pragma once
// Reads what the ground adds to a view from a terrain source, before drawing: the heights under
// every fix and the relief of each plan-view pane, one point per pixel. Any thread may run it: it
// reads the document and a copy of the view state and writes neither.

#include <QImage>

#include <functional>
#include <memory>
#include <utility>
#include <string>
#include <vector>

class CSarnixDoc;
class GelaendeModell;
class QString;
struct GelaendeHinweis;
struct CAnsicht;
struct GelaendeAnsicht;
struct ReliefRaster;

// The panes must be laid out and the zoom window set. The heights per fix of `vorher`, read for
// the same flight, are kept, as is the relief of a pane whose raster did not change. Without
// `relief` only the profile's heights are read.
std::shared_ptr<const GelaendeAnsicht> GelaendeLesen(GelaendeModell& modell, const CSarnixDoc& doc,
                                                     const CAnsicht& ansicht, const GelaendeAnsicht* vorher,
                                                     bool relief);

// Whether what was read still covers the view: heights for every fix and, with `relief`, the
// relief of every plan-view pane at its current raster.
bool GelaendeAktuell(const GelaendeAnsicht& gelesen, const CSarnixDoc& doc, const CAnsicht& ansicht, bool relief);

// The flight information's lines about the ground, label and value: the ground at take-off and
// landing, the lowest height above it in flight; none without ground.
std::vector<std::pair<QString, QString>> GelaendeInfo(const CSarnixDoc& doc, const GelaendeAnsicht* gelaende);

// The model of one folder for a window: the reader is loaded and the folder searched on first
// use, on a thread of Qt's pool like every read after it, so that neither a large folder nor a
// slow disk holds up the window. Copies may be handed around; they share the model. Without the
// reader's module nothing is read (null) and a note says so.
class GelaendeDienst {
public:
    explicit GelaendeDienst(std::string ordner);

    using Fertig = std::function<void(std::shared_ptr<const GelaendeAnsicht> gelesen, std::vector<QString> hinweise)>;
    // Reads for copies of the flight and the view; `fertig` runs on the reading thread with what
    // was read and every note so far.
    void Lies(const CSarnixDoc& doc, const CAnsicht& ansicht, std::shared_ptr<const GelaendeAnsicht> vorher,
              bool relief, Fertig fertig) const;
    // The same at once, on the caller's thread: sarnix-cli and printing.
    std::shared_ptr<const GelaendeAnsicht> LiesJetzt(const CSarnixDoc& doc, const CAnsicht& ansicht, bool relief,
                                                     std::vector<QString>* hinweise = nullptr) const;
    // The shaded relief of any raster at once, on the caller's thread: the printed map. Null
    // without the reader.
    QImage ReliefJetzt(const ReliefRaster& raster) const;
    const std::string& Ordner() const;
    // Every note so far, in the interface's language.
    std::vector<QString> Hinweise() const;

private:
    struct Zustand;
    std::shared_ptr<Zustand> z;
};
