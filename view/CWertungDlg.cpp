#include "view/CWertungDlg.h"

#include "flight/WertungsRegeln.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CWertungDlg", text); }

const char* const beschriftungen[] = {
    QT_TRANSLATE_NOOP("CWertungDlg", "Punkte"),     QT_TRANSLATE_NOOP("CWertungDlg", "Art"),
    QT_TRANSLATE_NOOP("CWertungDlg", "Strecke"),    QT_TRANSLATE_NOOP("CWertungDlg", "Faktor"),
    QT_TRANSLATE_NOOP("CWertungDlg", "Schließung"),
};

QString ArtText(const std::string& art)
{
    if (art == "frei")
        return Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Freie Strecke"));
    if (art == "dreieck")
        return Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Flaches Dreieck"));
    if (art == "fai")
        return Tr(QT_TRANSLATE_NOOP("CWertungDlg", "FAI-Dreieck"));
    if (art == "dreieck-geschlossen")
        return Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Geschlossenes flaches Dreieck"));
    if (art == "fai-geschlossen")
        return Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Geschlossenes FAI-Dreieck"));
    return QString::fromStdString(art);
}

QString Km(double km) { return QString::asprintf("%.2f km", km); }

QString Anzeigename(std::string_view name)
{
    if (name == "xcontest")
        return QStringLiteral("XContest");
    if (name == "ffvl")
        return QStringLiteral("FFVL");
    if (name == "olc")
        return QStringLiteral("OLC");
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

WertungsAnzeige WertungsTexte(const Wertung& w, const ZeitBezug& bezug)
{
    WertungsAnzeige a;
    if (!w.Gewertet()) {
        a.werte.append({Tr(beschriftungen[0]), Tr(QT_TRANSLATE_NOOP("CWertungDlg", "keine Wertung: %1")).arg(QString::fromStdString(w.fehler))});
        return a;
    }
    a.werte.append({Tr(beschriftungen[0]), QString::asprintf("%.2f", w.punkte)});
    a.werte.append({Tr(beschriftungen[1]), ArtText(w.art)});
    a.werte.append({Tr(beschriftungen[2]), Km(w.strecke)});
    a.werte.append({Tr(beschriftungen[3]), QString::asprintf("%.1f", w.faktor)});
    a.werte.append({Tr(beschriftungen[4]), w.schliessung ? Km(*w.schliessung) : QStringLiteral("–")});

    const auto zeile = [&](const QString& name, const WertungsPunkt& p) {
        a.punkte.append(name + QStringLiteral("  ") + QString::fromStdString(AnzeigeUhrzeit(p.zeit, bezug, true)));
    };
    zeile(Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Start")), w.start);
    for (size_t i = 0; i < w.wendepunkte.size(); ++i)
        zeile(Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Wendepunkt %1")).arg(i + 1), w.wendepunkte[i]);
    zeile(Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Ziel")), w.ziel);
    for (size_t i = 0; i < w.legs.size(); ++i)
        a.punkte.append(Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Schenkel %1  %2")).arg(i + 1).arg(Km(w.legs[i])));
    return a;
}

CWertungDlg::CWertungDlg(const QString& regeln, bool zeigen, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Wertung")));
    auto* layout = new QVBoxLayout(this);

    auto* kopf = new QFormLayout;
    regelWahl = new QComboBox(this);
    for (const std::string_view name : RegelNamen())
        regelWahl->addItem(Anzeigename(name), QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    regelWahl->setCurrentIndex(std::max(0, regelWahl->findData(regeln)));
    kopf->addRow(Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Regeln")), regelWahl);
    layout->addLayout(kopf);
    zeigenFeld = new QCheckBox(Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Gewertete Strecke in der Grafik zeigen")), this);
    zeigenFeld->setChecked(zeigen);
    layout->addWidget(zeigenFeld);

    auto* rechnen = new QHBoxLayout;
    fortschritt = new QProgressBar(this);
    fortschritt->setRange(0, 0);  // busy: the search cannot say how far it has come
    fortschritt->setTextVisible(false);
    abbrechenKnopf = new QPushButton(Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Abbrechen")), this);
    rechnen->addWidget(fortschritt);
    rechnen->addWidget(abbrechenKnopf);
    layout->addLayout(rechnen);
    zustand = new QLabel(this);
    layout->addWidget(zustand);

    auto* form = new QFormLayout;
    for (const char* b : beschriftungen) {
        auto* wert = new QLabel(this);
        wert->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(Tr(b), wert);
        werte.append({Tr(b), wert});
    }
    layout->addLayout(form);
    liste = new QLabel(this);
    liste->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(liste);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(knoepfe);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(regelWahl, &QComboBox::currentIndexChanged, this,
            [this] { emit regelnGewaehlt(regelWahl->currentData().toString()); });
    connect(zeigenFeld, &QCheckBox::toggled, this, &CWertungDlg::zeigenGewaehlt);
    connect(abbrechenKnopf, &QPushButton::clicked, this, &CWertungDlg::abbrechenGewaehlt);
    ZeigeAbgebrochen();
    zustand->clear();
}

void CWertungDlg::ZeigeRechnen()
{
    fortschritt->setVisible(true);
    abbrechenKnopf->setVisible(true);
    zustand->setText(Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Die beste Wertung wird gesucht...")));
    for (auto& [name, feld] : werte)
        feld->clear();
    liste->clear();
}

void CWertungDlg::ZeigeErgebnis(const Wertung& w, const ZeitBezug& bezug)
{
    fortschritt->setVisible(false);
    abbrechenKnopf->setVisible(false);
    zustand->setText(w.Gewertet() && !w.optimal ? Tr(QT_TRANSLATE_NOOP("CWertungDlg", "nicht bewiesen optimal: das Zeitlimit beendete die Suche"))
                                                : QString());
    const WertungsAnzeige a = WertungsTexte(w, bezug);
    for (auto& [name, feld] : werte) {
        feld->clear();
        for (const auto& [n, text] : a.werte)
            if (n == name)
                feld->setText(text);
    }
    liste->setText(a.punkte.join(u'\n'));
}

void CWertungDlg::ZeigeAbgebrochen()
{
    fortschritt->setVisible(false);
    abbrechenKnopf->setVisible(false);
    zustand->setText(Tr(QT_TRANSLATE_NOOP("CWertungDlg", "Abgebrochen.")));
}

QString CWertungDlg::Wert(const QString& beschriftung) const
{
    for (const auto& [name, feld] : werte)
        if (name == beschriftung)
            return feld->text();
    return {};
}

QString CWertungDlg::Punkteliste() const { return liste->text(); }
