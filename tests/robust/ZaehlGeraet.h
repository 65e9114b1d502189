#pragma once
// A paint device that draws nothing and counts what it is asked to draw: shows how many texts a
// picture is made of without looking at pixels.

#include <QPaintDevice>
#include <QPaintEngine>
#include <memory>

namespace robust {

class ZaehlGeraet : public QPaintDevice {
public:
    ZaehlGeraet(int breite, int hoehe);
    ~ZaehlGeraet() override;

    QPaintEngine* paintEngine() const override;
    int Texte() const;  // text items drawn so far

protected:
    int metric(PaintDeviceMetric metrik) const override;

private:
    class Maschine;
    std::unique_ptr<Maschine> maschine;
    int breite;
    int hoehe;
};

}  // namespace robust
