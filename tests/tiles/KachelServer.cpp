#include "KachelServer.h"

#include <QBuffer>
#include <QImage>
#include <QTcpSocket>
#include <QTimer>
#include <cmath>
#include <numbers>

namespace {

QByteArray Png(const QImage& bild)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return daten;
}

}  // namespace

QImage Schachbrett(int z, int x, int y)
{
    QImage bild(256, 256, QImage::Format_RGB32);
    const double n = std::ldexp(1.0, z);
    for (int py = 0; py < 256; ++py) {
        const double breite = std::atan(std::sinh(std::numbers::pi * (1 - 2 * (y + (py + 0.5) / 256) / n)))
                              * 180 / std::numbers::pi;
        for (int px = 0; px < 256; ++px) {
            const double laenge = (x + (px + 0.5) / 256) / n * 360 - 180;
            const bool schwarz = (static_cast<int>(std::floor(breite / 5) + std::floor(laenge / 5)) & 1) != 0;
            bild.setPixel(px, py, schwarz ? 0xFF000000 : 0xFFFFFFFF);
        }
    }
    return bild;
}

KachelServer::KachelServer() : kachel(Schachbrett)
{
    server.listen(QHostAddress::LocalHost);
    connect(&server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = server.nextPendingConnection()) {
            hoechstensOffen = std::max(hoechstensOffen, ++offen);
            auto puffer = std::make_shared<QByteArray>();
            connect(s, &QTcpSocket::disconnected, this, [this, s] {
                --offen;
                s->deleteLater();
            });
            connect(s, &QTcpSocket::readyRead, this, [this, s, puffer] {
                *puffer += s->readAll();
                if (puffer->contains("\r\n\r\n")) {
                    Antworte(s, *puffer);
                    puffer->clear();
                }
            });
        }
    });
}

QString KachelServer::Vorlage(const char* art) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2/{z}/{x}/{y}.png").arg(server.serverPort()).arg(QLatin1String(art));
}

void KachelServer::Antworte(QTcpSocket* s, const QByteArray& anfrage)
{
    ++anfragen;
    const QList<QByteArray> zeilen = anfrage.split('\n');
    const QByteArray pfad = zeilen.value(0).split(' ').value(1);
    QByteArray ifNoneMatch;
    for (const QByteArray& z : zeilen) {
        if (z.toLower().startsWith("user-agent:"))
            letzterAgent = z.mid(11).trimmed();
        if (z.toLower().startsWith("if-none-match:"))
            ifNoneMatch = z.mid(14).trimmed();
    }
    letztesIfNoneMatch = ifNoneMatch;
    const QList<QByteArray> teil = pfad.split('/');  // "", art, z, x, y.png
    const QByteArray art = teil.value(1);
    const auto antwort = [](const QByteArray& status, const QByteArray& kopf, const QByteArray& inhalt) {
        return "HTTP/1.1 " + status + "\r\nConnection: close\r\nContent-Length: "
               + QByteArray::number(inhalt.size()) + "\r\n" + kopf + "\r\n" + inhalt;
    };
    const auto bild = [&](const QImage& b) { return antwort("200 OK", "Content-Type: image/png\r\n" + zusatz, Png(b)); };
    QByteArray text;
    if (art == "stumm")
        return;
    if (art == "fehlt")
        text = antwort("404 Not Found", {}, "nicht da");
    else if (art == "fehler")
        text = antwort("500 Internal Server Error", {}, "kaputt");
    else if (art == "kaputt")
        text = antwort("200 OK", "Content-Type: image/png\r\n", QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, 'x'));
    else if (art == "riesig")
        {
        QImage bombe(6000, 6000, QImage::Format_Mono);
        bombe.fill(0);
        text = bild(bombe);
    }
    else if (art == "schmal")
        text = bild(QImage(256, 128, QImage::Format_Mono));
    else if (art == "kreis")
        text = antwort("302 Found", "Location: " + pfad + "\r\n", {});
    else if (!ifNoneMatch.isEmpty() && zusatz.contains("ETag: " + ifNoneMatch))
        text = antwort("304 Not Modified", zusatz, {});
    else
        text = bild(kachel(teil.value(2).toInt(), teil.value(3).toInt(), teil.value(4).split('.').value(0).toInt()));
    QTimer::singleShot(art == "langsam" ? 300 : 0, s, [s, text] {
        s->write(text);
        s->disconnectFromHost();
    });
}
