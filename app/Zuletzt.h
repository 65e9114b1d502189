#pragma once
// The recent-file list of the file menu: six paths, newest first, kept in the settings.

#include <QString>
#include <QStringList>

// True when both paths name the same file (canonical paths when the file exists).
bool GleicheDatei(const QString& a, const QString& b);

class Zuletzt {
public:
    static constexpr int groesse = 6;

    // Reads group "Recent File List"; values that are no absolute path, empty or repeated are skipped.
    void Laden();
    void Speichern() const;
    // Puts the path on top (moving it if present); the oldest falls off. Does nothing until
    // Laden ran, so that files opened from the command line at start-up stay out of the list.
    void Hinzufuegen(const QString& pfad);

    const QStringList& pfade() const { return liste; }
    bool geladen() const { return istGeladen; }

private:
    QStringList liste;
    bool istGeladen = false;
};
