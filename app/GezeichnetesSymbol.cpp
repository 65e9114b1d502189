#include "app/GezeichnetesSymbol.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace {

class Maschine final : public QIconEngine {
public:
    Maschine(QSizeF f, std::function<void(QPainter&)> z, QList<QSize> g)
        : flaeche(f), zeichnen(std::move(z)), groessen(std::move(g))
    {
    }

    void paint(QPainter* maler, const QRect& rechteck, QIcon::Mode modus, QIcon::State zustand) override
    {
        const qreal dpr = maler->device() ? maler->device()->devicePixelRatio() : 1.0;
        const QSize pixel(qRound(rechteck.width() * dpr), qRound(rechteck.height() * dpr));
        QPixmap bild = scaledPixmap(pixel, modus, zustand, dpr);
        bild.setDevicePixelRatio(dpr);
        maler->drawPixmap(rechteck.topLeft(), bild);
    }

    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override
    {
        return scaledPixmap(groesse, modus, zustand, 1.0);
    }

    // `groesse` is in device pixels: QIcon has already multiplied it by the ratio.
    QPixmap scaledPixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State, qreal) override
    {
        if (groesse.isEmpty())
            return {};
        QPixmap bild(groesse);
        bild.fill(Qt::transparent);
        {
            QPainter maler(&bild);
            maler.setRenderHint(QPainter::Antialiasing);
            maler.scale(groesse.width() / flaeche.width(), groesse.height() / flaeche.height());
            zeichnen(maler);
        }
        if (modus == QIcon::Normal || modus == QIcon::Active || !qobject_cast<QApplication*>(qApp))
            return bild;
        // Greyed and selected looks as the style makes them for stored pictures.
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(modus, bild, &option);
    }

    QSize actualSize(const QSize& groesse, QIcon::Mode, QIcon::State) override { return groesse; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return groessen; }

    QIconEngine* clone() const override { return new Maschine(flaeche, zeichnen, groessen); }

    QString key() const override { return QStringLiteral("sarnix-gezeichnet"); }

private:
    QSizeF flaeche;
    std::function<void(QPainter&)> zeichnen;
    QList<QSize> groessen;
};

}  // namespace

QIcon GezeichnetesSymbol(QSizeF flaeche, std::function<void(QPainter&)> zeichnen, QList<QSize> groessen)
{
    return QIcon(new Maschine(flaeche, std::move(zeichnen), std::move(groessen)));
}
