#include "app/EinzelInstanz.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
constexpr int wartezeitMs = 1000;
}

EinzelInstanz::EinzelInstanz(QString serverName, QObject* eltern)
    : QObject(eltern), name(std::move(serverName))
{
    connect(&server, &QLocalServer::newConnection, this, &EinzelInstanz::Annehmen);
}

QString EinzelInstanz::StandardName()
{
    QString benutzer = qEnvironmentVariable("USER");
    if (benutzer.isEmpty())
        benutzer = qEnvironmentVariable("USERNAME");
    const QByteArray schluessel = (benutzer + QLatin1Char('|') + QDir::homePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(schluessel, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("sarnix-") + QString::fromLatin1(hash.left(16));
}

bool EinzelInstanz::Uebergeben(const QString& pfad) const
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(wartezeitMs))
        return false;
#ifdef Q_OS_WIN
    // Lets the running viewer bring itself to the front.
    AllowSetForegroundWindow(ASFW_ANY);
#endif
    // The message ends with the connection, so any character may stand in a path.
    socket.write(pfad.toUtf8());
    socket.flush();
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(wartezeitMs);
    return true;
}

bool EinzelInstanz::Lauschen()
{
    server.setSocketOptions(QLocalServer::UserAccessOption);
    if (server.listen(name))
        return true;
    if (server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Nobody answered Uebergeben, so the socket is a leftover.
    QLocalServer::removeServer(name);
    return server.listen(name);
}

void EinzelInstanz::Annehmen()
{
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        const auto fertig = [this, socket] {
            emit angefordert(QString::fromUtf8(socket->readAll()));
            socket->deleteLater();
        };
        if (socket->state() == QLocalSocket::ConnectedState)
            connect(socket, &QLocalSocket::disconnected, this, fertig, Qt::SingleShotConnection);
        else
            fertig();
    }
}
