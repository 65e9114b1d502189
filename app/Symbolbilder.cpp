#include "app/Symbolbilder.h"

#include "app/GezeichnetesSymbol.h"

#include "pipeline/Befehle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <initializer_list>

namespace {

const QColor umriss(48, 48, 48);
const QColor blau(0, 50, 255);
const QColor rot(220, 30, 30);
const QColor himmel(225, 238, 255);

// Lines through pixel centres, so one-pixel strokes cover whole pixels at 1x and 2x.
QPolygonF Linienzug(std::initializer_list<QPointF> punkte)
{
    QPolygonF zug;
    for (const QPointF& p : punkte)
        zug << p + QPointF(0.5, 0.5);
    return zug;
}

QPen Stift(const QColor& farbe, qreal breite = 1.0)
{
    return QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Ordner(QPainter& p)
{
    p.setPen(Stift(QColor(140, 100, 20)));
    p.setBrush(QColor(225, 180, 60));
    p.drawPolygon(Linienzug({{1, 2}, {5, 2}, {6, 3}, {12, 3}, {12, 12}, {1, 12}}));
    p.setBrush(QColor(255, 225, 120));
    p.drawPolygon(Linienzug({{3, 6}, {15, 6}, {12, 12}, {1, 12}}));
}

void Drucker(QPainter& p)
{
    p.setPen(Stift(QColor(110, 110, 110)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setPen(Stift(umriss));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(1.5, 6.5, 13, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 170, 40));
    p.drawRect(QRectF(12, 8, 1, 1));
}

void Fragezeichen(QPainter& p)
{
    QPainterPath bogen;
    bogen.moveTo(5, 5);
    bogen.cubicTo(5, 1, 11, 1, 11, 5);
    bogen.cubicTo(11, 7.5, 8, 7.5, 8, 10);
    p.setPen(Stift(blau, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bogen);
    p.setPen(Qt::NoPen);
    p.setBrush(blau);
    p.drawEllipse(QPointF(8, 13), 1.2, 1.2);
}

void Anpassen(QPainter& p)
{
    p.setPen(Stift(QColor(90, 120, 180)));
    p.setBrush(himmel);
    p.drawRect(QRectF(4.5, 4.5, 6, 5));
    p.setPen(Stift(umriss));
    // Brackets in the corners: the picture grows to fill the window.
    p.drawPolyline(Linienzug({{0, 3}, {0, 0}, {3, 0}}));
    p.drawPolyline(Linienzug({{12, 0}, {15, 0}, {15, 3}}));
    p.drawPolyline(Linienzug({{0, 11}, {0, 14}, {3, 14}}));
    p.drawPolyline(Linienzug({{12, 14}, {15, 14}, {15, 11}}));
    p.drawPolyline(Linienzug({{2, 2}, {4, 4}}));
    p.drawPolyline(Linienzug({{13, 2}, {11, 4}}));
    p.drawPolyline(Linienzug({{2, 12}, {4, 10}}));
    p.drawPolyline(Linienzug({{13, 12}, {11, 10}}));
}

void Lupe(QPainter& p, bool plus)
{
    p.setPen(Stift(QColor(90, 60, 30), 2.5));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 13.5));
    p.setPen(Stift(umriss, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
    p.setPen(Stift(blau, 1.5));
    p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
    if (plus)
        p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
}

void Grundriss(QPainter& p)
{
    p.setPen(Stift(QColor(70, 120, 70)));
    p.setBrush(QColor(205, 235, 195));
    p.drawRect(QRectF(0.5, 0.5, 15, 14));
    p.setPen(Stift(blau));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Linienzug({{3, 12}, {4, 7}, {8, 3}, {12, 3}, {13, 7}, {10, 10}, {7, 8}, {6, 11}}));
    p.setPen(Qt::NoPen);
    p.setBrush(rot);
    p.drawEllipse(QPointF(3.5, 12.5), 1.3, 1.3);
}

// Side view: axes, the altitude curve and the letter of the viewing direction.
void Barogramm(QPainter& p, std::initializer_list<QPointF> kurve, std::initializer_list<QPointF> buchstabe)
{
    p.setPen(Stift(umriss));
    p.drawPolyline(Linienzug({{1, 0}, {1, 13}, {15, 13}}));
    p.setPen(Stift(rot));
    p.drawPolyline(Linienzug(kurve));
    p.setPen(Stift(blau));
    p.drawPolyline(Linienzug(buchstabe));
}

void Temperatur(QPainter& p)
{
    p.setPen(Stift(umriss));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2.5, 0.5, 3, 10), 1.5, 1.5);
    p.setBrush(rot);
    p.drawEllipse(QPointF(4, 11.5), 2.6, 2.6);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(3.5, 5, 1, 6));
    p.setPen(Stift(blau));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Linienzug({{8, 14}, {9, 10}, {11, 8}, {10, 5}, {13, 2}, {15, 0}}));
}

// Altitude over time: the curve over a clock face.
void Zeit(QPainter& p)
{
    p.setPen(Stift(umriss));
    p.drawPolyline(Linienzug({{1, 0}, {1, 13}, {15, 13}}));
    p.setPen(Stift(rot));
    p.drawPolyline(Linienzug({{2, 12}, {4, 9}, {6, 10}, {8, 6}, {10, 7}, {12, 4}, {14, 6}}));
    p.setPen(Stift(blau, 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(11.5, 10.5), 3.2, 3.2);
    p.drawPolyline(Linienzug({{11.5, 8.5}, {11.5, 10.5}, {13, 10.5}}));
}

// Flight phases: a thermal's circles beside a glide's straight line.
void Phasen(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(Stift(rot, 1.3));
    p.drawEllipse(QPointF(5, 4.5), 3.5, 2);
    p.drawEllipse(QPointF(5, 8), 3.5, 2);
    p.drawEllipse(QPointF(5, 11.5), 3.5, 2);
    p.setPen(Stift(blau, 1.5));
    p.drawLine(QPointF(9, 3), QPointF(15, 13));
}

// Scoring: a triangle flown between three turnpoints, its closing gap left open.
void Wertungsbild(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(Stift(blau, 1.5));
    p.drawPolyline(Linienzug({{4, 12}, {8, 2.5}, {13.5, 12}, {6, 12}}));
    p.setPen(Stift(rot, 1.2));
    for (const QPointF& ecke : {QPointF(8, 2.5), QPointF(13.5, 12), QPointF(4, 12)})
        p.drawRect(QRectF(ecke.x() - 1.5, ecke.y() - 1.5, 3, 3));
}

void Information(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(blau);
    p.drawEllipse(QPointF(8, 7.5), 7, 7);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 3, 2, 2));
    p.drawRect(QRectF(7, 6, 2, 6));
}

// Colour modes: a framed swatch with a track over it.
void Farbfeld(QPainter& p, const QBrush& flaeche, const QColor& spur)
{
    p.setPen(Stift(umriss));
    p.setBrush(flaeche);
    p.drawRect(QRectF(0.5, 0.5, 15, 14));
    p.setPen(Stift(spur, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Linienzug({{2, 11}, {5, 6}, {8, 9}, {13, 3}}));
}

QBrush Verlauf(QPointF von, QPointF bis, std::initializer_list<QColor> farben)
{
    QLinearGradient verlauf(von, bis);
    const qreal schritte = static_cast<qreal>(farben.size() - 1);
    int i = 0;
    for (const QColor& farbe : farben)
        verlauf.setColorAt(i++ / schritte, farbe);
    return verlauf;
}

void Vario(QPainter& p)
{
    p.setPen(Stift(umriss));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 15, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(rot);
    p.drawPolygon(QPolygonF({{1.5, 7}, {5, 2}, {8.5, 7}}));
    p.drawRect(QRectF(3.5, 7, 3, 6));
    p.setBrush(blau);
    p.drawPolygon(QPolygonF({{7.5, 8}, {11, 13}, {14.5, 8}}));
    p.drawRect(QRectF(9.5, 2, 3, 6));
}

void Zeichne(QPainter& p, int id)
{
    using namespace Befehl;
    switch (id) {
    case Oeffnen: Ordner(p); break;
    case Drucken: Drucker(p); break;
    case InfoUeber: Fragezeichen(p); break;
    case Befehl::Anpassen: ::Anpassen(p); break;
    case Vergroessern: Lupe(p, true); break;
    case Verkleinern: Lupe(p, false); break;
    case AktivOben: ::Grundriss(p); break;
    case AktivWest:
        Barogramm(p, {{2, 12}, {4, 8}, {6, 9}, {8, 6}, {10, 8}, {12, 11}, {14, 12}},
                  {{8, 0}, {9, 4}, {10, 2}, {11, 4}, {12, 0}});
        break;
    case AktivNord:
        Barogramm(p, {{2, 12}, {3, 9}, {5, 10}, {7, 7}, {9, 9}, {11, 8}, {14, 12}},
                  {{9, 4}, {9, 0}, {12, 4}, {12, 0}});
        break;
    case AktivTemperatur: Temperatur(p); break;
    case AktivZeit: Zeit(p); break;
    case FlugInformationen: Information(p); break;
    case Befehl::Flugphasen: Phasen(p); break;
    case Befehl::Wertung: Wertungsbild(p); break;
    case AktivKeine: Farbfeld(p, QColor(215, 215, 215), Qt::black); break;
    case AktivTemperaturgradient:
        Farbfeld(p, Verlauf({0, 0}, {16, 0}, {QColor(60, 110, 255), Qt::white, QColor(255, 70, 50)}),
                 Qt::black);
        break;
    case AktivWind:
        Farbfeld(p, Verlauf({7.9, 0}, {8.1, 0}, {QColor(80, 120, 255), QColor(255, 80, 70)}), Qt::white);
        break;
    case AktivFlughoehe:
        Farbfeld(p,
                 Verlauf({0, 15}, {0, 0},
                         {QColor(0, 0, 255), QColor(0, 255, 255), QColor(0, 200, 0),
                          QColor(255, 255, 0), QColor(255, 0, 0)}),
                 Qt::black);
        break;
    case AktivVario: Vario(p); break;
    default: break;
    }
}

}  // namespace

QPixmap SymbolPixmap(int id, qreal dpr)
{
    QPixmap bild = SymbolBild(id).pixmap(QSize(symbolBreite, symbolHoehe), dpr);
    bild.setDevicePixelRatio(dpr);
    return bild;
}

QIcon SymbolBild(int id)
{
    return GezeichnetesSymbol(QSizeF(symbolBreite, symbolHoehe), [id](QPainter& p) { Zeichne(p, id); },
                              {QSize(symbolBreite, symbolHoehe), QSize(2 * symbolBreite, 2 * symbolHoehe)});
}
