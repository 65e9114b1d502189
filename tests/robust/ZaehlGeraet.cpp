#include "ZaehlGeraet.h"

namespace robust {

class ZaehlGeraet::Maschine final : public QPaintEngine {
public:
    Maschine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override { ++texte; }
    Type type() const override { return QPaintEngine::User; }

    int texte = 0;
};

ZaehlGeraet::ZaehlGeraet(int b, int h) : maschine(std::make_unique<Maschine>()), breite(b), hoehe(h) {}

ZaehlGeraet::~ZaehlGeraet() = default;

QPaintEngine* ZaehlGeraet::paintEngine() const
{
    return maschine.get();
}

int ZaehlGeraet::Texte() const
{
    return maschine->texte;
}

int ZaehlGeraet::metric(PaintDeviceMetric metrik) const
{
    switch (metrik) {
    case PdmWidth: return breite;
    case PdmHeight: return hoehe;
    case PdmWidthMM: return breite * 254 / 960;
    case PdmHeightMM: return hoehe * 254 / 960;
    case PdmNumColors: return 1 << 24;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return 0;
    }
}

}  // namespace robust
