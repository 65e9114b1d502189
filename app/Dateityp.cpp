#include "app/Dateityp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_WIN
#include <shlobj.h>
#endif

namespace {

#ifdef Q_OS_WIN

int SetzeWert(QSettings& klassen, const QString& schluessel, const QString& wert)
{
    if (klassen.value(schluessel).toString() == wert)
        return 0;
    klassen.setValue(schluessel, wert);
    return 1;
}

int RegistriereWindows(const QString& programm)
{
    const QString exe = QDir::toNativeSeparators(programm);
    const QString aufruf = QLatin1Char('"') + exe + QLatin1Char('"');
    QSettings klassen(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
    int geschrieben = 0;
    geschrieben += SetzeWert(klassen, QStringLiteral(".vrl/Default"), QStringLiteral("Sarnix.Document"));
    // IGC logs: the default only where no other program has claimed them, else a choice in
    // "Open with".
    const QString igc = klassen.value(QStringLiteral(".igc/Default")).toString();
    if (igc.isEmpty() || igc == QLatin1String("Sarnix.Document"))
        geschrieben += SetzeWert(klassen, QStringLiteral(".igc/Default"), QStringLiteral("Sarnix.Document"));
    else
        geschrieben += SetzeWert(klassen, QStringLiteral(".igc/OpenWithProgids/Sarnix.Document"), QString());
    geschrieben += SetzeWert(klassen, QStringLiteral("Sarnix.Document/Default"), QStringLiteral("Sarnix Document"));
    geschrieben += SetzeWert(klassen, QStringLiteral("Sarnix.Document/DefaultIcon/Default"), exe + QStringLiteral(",1"));
    geschrieben += SetzeWert(klassen, QStringLiteral("Sarnix.Document/shell/open/command/Default"),
                             aufruf + QStringLiteral(" \"%1\""));
    geschrieben += SetzeWert(klassen, QStringLiteral("Sarnix.Document/shell/print/command/Default"),
                             aufruf + QStringLiteral(" /p \"%1\""));
    geschrieben += SetzeWert(klassen, QStringLiteral("Sarnix.Document/shell/printto/command/Default"),
                             aufruf + QStringLiteral(" /pt \"%1\" \"%2\" \"%3\" \"%4\""));
    if (geschrieben > 0)
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    return geschrieben;
}

#elif !defined(Q_OS_MACOS)

QByteArray LiesResource(const QString& name)
{
    QFile datei(name);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// Writes inhalt unless the file holds it already; true when written.
bool SchreibeWennAnders(const QString& ordner, const QString& name, const QByteArray& inhalt)
{
    const QString pfad = ordner + QLatin1Char('/') + name;
    QFile alt(pfad);
    if (alt.open(QIODevice::ReadOnly) && alt.readAll() == inhalt)
        return false;
    if (!QDir().mkpath(ordner))
        return false;
    QSaveFile neu(pfad);
    if (!neu.open(QIODevice::WriteOnly))
        return false;
    neu.write(inhalt);
    return neu.commit();
}

// The databases are caches of the desktop; start-up does not wait for them.
void Aktualisiere(const QString& werkzeug, const QString& ordner)
{
    const QString programm = QStandardPaths::findExecutable(werkzeug);
    if (!programm.isEmpty())
        QProcess::startDetached(programm, {ordner});
}

constexpr QLatin1StringView paketName("sarnix.desktop");
constexpr QLatin1StringView bauName("sarnix-build.desktop");

// A package (or `cmake --install`) puts the entry beside the program's prefix, system-wide;
// a copy in the user's folder would only shadow it and outlive the package.
bool Installiert(const QString& programm)
{
    return QFileInfo::exists(QFileInfo(programm).absolutePath() + QStringLiteral("/../share/applications/")
                             + paketName);
}

// The package's entry in one of the system's data folders: a build then leaves .igc and .vrl
// files to the package.
bool PaketDa(const QString& daten)
{
    for (const QString& ordner : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (ordner != daten && QFileInfo::exists(ordner + QStringLiteral("/applications/") + paketName))
            return true;
    return false;
}

// The entry for programm as this program writes it; a build carries its own name, so that the
// desktop's lists tell it from the package.
QByteArray Eintrag(const QByteArray& vorlage, const QString& programm, bool bau)
{
    QByteArray eintrag = vorlage;
    eintrag.replace("\nExec=sarnix %f\n", "\nExec=" + DesktopExec(programm).toUtf8() + '\n');
    if (bau)
        eintrag.replace("\nName=Sarnix\n", "\nName=Sarnix (Build)\n");
    return eintrag;
}

// Removes an entry that a build wrote, whatever program it started (earlier builds took the
// package's own name): one the user changed stays.
bool EntferneBauEintrag(const QString& pfad, const QByteArray& vorlage, bool bau)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    QByteArray inhalt = datei.readAll();
    datei.close();
    const qsizetype anfang = inhalt.indexOf("\nExec=");
    const qsizetype ende = inhalt.indexOf('\n', anfang + 1);
    if (anfang < 0 || ende < 0)
        return false;
    inhalt.replace(anfang, ende - anfang, "\nExec=sarnix %f");
    if (inhalt != Eintrag(vorlage, QStringLiteral("sarnix"), bau))
        return false;
    return QFile::remove(pfad);
}

int RegistriereFreedesktop(const QString& programm)
{
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QByteArray vorlage = LiesResource(QStringLiteral(":/sarnix.desktop"));
    if (daten.isEmpty() || vorlage.isEmpty())
        return 0;
    const QString anwendungen = daten + QStringLiteral("/applications");

    // An entry under the package's name in the user's folder hides the package's own: .igc
    // files would go on opening with a build long after the package came.
    bool geaendert = EntferneBauEintrag(anwendungen + QLatin1Char('/') + paketName, vorlage, false);
    int geschrieben = 0;
    if (Installiert(programm) || PaketDa(daten)) {
        geaendert = EntferneBauEintrag(anwendungen + QLatin1Char('/') + bauName, vorlage, true) || geaendert;
    } else {
        const QByteArray mime = LiesResource(QStringLiteral(":/sarnix-vrl.xml"));
        const QString mimeOrdner = daten + QStringLiteral("/mime");
        if (!mime.isEmpty()
            && SchreibeWennAnders(mimeOrdner + QStringLiteral("/packages"), QStringLiteral("sarnix-vrl.xml"), mime)) {
            ++geschrieben;
            Aktualisiere(QStringLiteral("update-mime-database"), mimeOrdner);
        }
        if (SchreibeWennAnders(anwendungen, bauName, Eintrag(vorlage, programm, true))) {
            ++geschrieben;
            geaendert = true;
        }
    }
    if (geaendert)
        Aktualisiere(QStringLiteral("update-desktop-database"), anwendungen);
    return geschrieben;
}

#endif

}  // namespace

QString DesktopExec(const QString& programm)
{
    // Quoting rules of desktop entries: characters that would split or expand the argument
    // need double quotes, inside them " ` $ \ take a backslash, and the value level doubles
    // every backslash again. A literal % is written %%.
    static const QString reserviert = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString arg = programm;
    arg.replace(QLatin1Char('%'), QStringLiteral("%%"));
    const bool quoten = std::any_of(arg.cbegin(), arg.cend(),
                                    [](QChar c) { return reserviert.contains(c); });
    if (quoten) {
        QString gequotet;
        for (const QChar c : arg) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
                gequotet += QStringLiteral("\\\\");
            else if (c == QLatin1Char('\\'))
                gequotet += QStringLiteral("\\\\\\");
            gequotet += c;
        }
        arg = QLatin1Char('"') + gequotet + QLatin1Char('"');
    }
    return arg + QStringLiteral(" %f");
}

int RegistriereDateityp(const QString& programm)
{
    // The resources live in a static library: make sure they are linked and registered.
    Q_INIT_RESOURCE(sarnix);
#if defined(Q_OS_WIN)
    return RegistriereWindows(programm);
#elif defined(Q_OS_MACOS)
    Q_UNUSED(programm);
    return 0;  // associations come from the bundle's Info.plist there
#else
    return RegistriereFreedesktop(programm);
#endif
}
