#include "app/Programmsymbol.h"

#include "app/GezeichnetesSymbol.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr qreal seite = 64.0;  // the SVG's square

void Zeichne(QPainter& p)
{
    QLinearGradient himmel(0, 0, 0, 64);
    himmel.setColorAt(0, QColor(0x1f, 0x5f, 0xc8));
    himmel.setColorAt(1, QColor(0x8c, 0xbf, 0xf2));
    p.setPen(Qt::NoPen);
    p.setBrush(himmel);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

    QPainterPath boden;
    boden.moveTo(2, 52);
    boden.lineTo(18, 44);
    boden.lineTo(30, 50);
    boden.lineTo(46, 40);
    boden.lineTo(62, 48);
    boden.lineTo(62, 52);
    boden.arcTo(QRectF(42, 42, 20, 20), 0, -90);
    boden.lineTo(12, 62);
    boden.arcTo(QRectF(2, 42, 20, 20), 270, -90);
    boden.closeSubpath();
    p.setBrush(QColor(0x3c, 0x8c, 0x3c));
    p.drawPath(boden);

    QLinearGradient farben(8, 0, 56, 0);
    farben.setColorAt(0.0, QColor(0, 0, 255));
    farben.setColorAt(0.25, QColor(0, 255, 255));
    farben.setColorAt(0.5, QColor(0, 220, 0));
    farben.setColorAt(0.75, QColor(255, 255, 0));
    farben.setColorAt(1.0, QColor(255, 0, 0));
    p.setPen(QPen(QBrush(farben), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{8, 48}, {18, 36}, {26, 40}, {38, 26}, {46, 30}, {56, 18}}));

    // The glider seen from above: wings, fuselage, tailplane.
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 13), QPointF(52, 13));
    p.drawLine(QPointF(32, 8), QPointF(32, 27));
    p.drawLine(QPointF(27, 26), QPointF(37, 26));
}

}  // namespace

QPixmap ProgrammBild(int groesse)
{
    return ProgrammSymbol().pixmap(QSize(groesse, groesse), 1.0);
}

QIcon ProgrammSymbol()
{
    QList<QSize> groessen;
    for (const int g : {16, 24, 32, 48, 64, 128, 256})
        groessen << QSize(g, g);
    return GezeichnetesSymbol(QSizeF(seite, seite), Zeichne, groessen);
}
