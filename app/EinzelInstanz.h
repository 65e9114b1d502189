#pragma once
// One viewer per user: a later start hands its file to the running window and ends.

#include <QLocalServer>
#include <QObject>
#include <QString>

class EinzelInstanz : public QObject {
    Q_OBJECT
public:
    explicit EinzelInstanz(QString serverName = StandardName(), QObject* eltern = nullptr);

    // "sarnix-" and a hash of the user, so that users of one machine do not meet.
    static QString StandardName();

    // Hands the absolute path (empty: only raise the window) to a running viewer; true when one
    // was there to take it.
    bool Uebergeben(const QString& pfad) const;
    // Waits for later starts. A socket left behind by a crashed viewer is removed first.
    bool Lauschen();

signals:
    void angefordert(const QString& pfad);

private:
    void Annehmen();

    QString name;
    QLocalServer server;
};
