#include "view/CFlugphasenDlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// For the labels marked with QT_TRANSLATE_NOOP below; literal texts call translate themselves so
// that the translation tools find them.
QString Tr(const char* text) { return QCoreApplication::translate("CFlugphasenDlg", text); }

QString Uhrzeit(int64_t s, const ZeitBezug& bezug)
{
    return QString::fromStdString(AnzeigeUhrzeit(s, bezug, true));
}

QString Dauer(double sekunden)
{
    const auto s = static_cast<int64_t>(sekunden);
    return QString::asprintf("%i:%02i:%02i", static_cast<int>(s / 3600), static_cast<int>(s % 3600 / 60),
                             static_cast<int>(s % 60));
}

// A cell that sorts by its number, not by its text; cells without a value sort first.
class Zelle : public QTableWidgetItem {
public:
    Zelle(const QString& text, double wert) : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, wert);
        setFlags(flags() & ~Qt::ItemIsEditable);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& andere) const override
    {
        return data(Qt::UserRole).toDouble() < andere.data(Qt::UserRole).toDouble();
    }
};

constexpr double keinWert = -std::numeric_limits<double>::infinity();

Zelle* Wahlweise(const std::optional<double>& wert, const char* format)
{
    return wert ? new Zelle(QString::asprintf(format, *wert), *wert) : new Zelle(QStringLiteral("–"), keinWert);
}

}  // namespace

CFlugphasenDlg::CFlugphasenDlg(const CSarnixDoc& doc, QWidget* parent) : QDialog(parent), analyse(AnalysiereFlug(doc)), bezug(doc.zeitBezug)
{
    setWindowTitle(QCoreApplication::translate("CFlugphasenDlg", "Flugphasen"));
    auto* layout = new QVBoxLayout(this);

    if (!analyse.statistik.geflogen) {
        hinweis = new QLabel(QCoreApplication::translate("CFlugphasenDlg", "Nichts zu analysieren: Die Aufzeichnung enthält keinen Flug "
                                "(keine oder zu wenige Positionen, oder nur Zeit am Boden)."), this);
        hinweis->setObjectName(QStringLiteral("hinweis"));
        hinweis->setWordWrap(true);
        layout->addWidget(hinweis);
    } else {
        if (analyse.fluege.size() > 1) {
            auto* wahlZeile = new QHBoxLayout;
            wahlZeile->addWidget(new QLabel(QCoreApplication::translate("CFlugphasenDlg", "Flug:"), this));
            flugAuswahl = new QComboBox(this);
            flugAuswahl->setObjectName(QStringLiteral("fluege"));
            flugAuswahl->addItem(QCoreApplication::translate("CFlugphasenDlg", "Alle Flüge"));
            for (size_t i = 0; i < analyse.fluege.size(); ++i) {
                const FlugStatistik& f = analyse.fluege[i].statistik;
                flugAuswahl->addItem(QCoreApplication::translate("CFlugphasenDlg", "%1. Flug, %2 bis %3")
                                         .arg(i + 1)
                                         .arg(Uhrzeit(f.startZeit, bezug), Uhrzeit(f.landeZeit, bezug)));
            }
            wahlZeile->addWidget(flugAuswahl);
            wahlZeile->addStretch(1);
            layout->addLayout(wahlZeile);
        }
        auto* gruppe = new QGroupBox(QCoreApplication::translate("CFlugphasenDlg", "Statistik"), this);
        auto* formular = new QFormLayout(gruppe);
        const auto zeile = [&](const QString& beschriftung) {
            auto* feld = new QLabel(gruppe);
            feld->setTextInteractionFlags(Qt::TextSelectableByMouse);
            formular->addRow(beschriftung, feld);
            werte.append({beschriftung, feld});
        };
        for (const char* text : {QT_TRANSLATE_NOOP("CFlugphasenDlg", "Flüge:"),
                                 QT_TRANSLATE_NOOP("CFlugphasenDlg", "Start:"), QT_TRANSLATE_NOOP("CFlugphasenDlg", "Landung:"),
                                 QT_TRANSLATE_NOOP("CFlugphasenDlg", "Flugzeit:"),
                                 QT_TRANSLATE_NOOP("CFlugphasenDlg", "Anteil Kreisen:"),
                                 QT_TRANSLATE_NOOP("CFlugphasenDlg", "Mittleres Steigen:"),
                                 QT_TRANSLATE_NOOP("CFlugphasenDlg", "Mittlere Gleitzahl:"),
                                 QT_TRANSLATE_NOOP("CFlugphasenDlg", "Schnittgeschwindigkeit:"),
                                 QT_TRANSLATE_NOOP("CFlugphasenDlg", "Thermiken:"),
                                 QT_TRANSLATE_NOOP("CFlugphasenDlg", "Beste Thermik:")})
            zeile(Tr(text));
        FuelleStatistik(analyse.statistik);
        layout->addWidget(gruppe);

        tabelle = new QTableWidget(this);
        tabelle->setObjectName(QStringLiteral("phasen"));
        FuelleTabelle();
        layout->addWidget(tabelle, 1);
        connect(tabelle, &QTableWidget::cellDoubleClicked, this, [this](int reihe, int) {
            const QTableWidgetItem* nummer = tabelle->item(reihe, 0);
            const auto index = static_cast<size_t>(nummer->data(Qt::UserRole).toDouble()) - 1;
            if (index < gezeigt->size())
                emit fixGewaehlt(static_cast<ListenPos>((*gezeigt)[index].von));
        });
        if (flugAuswahl)
            connect(flugAuswahl, &QComboBox::currentIndexChanged, this, &CFlugphasenDlg::ZeigeFlug);
        // Wide enough for every column, as far as the screen allows.
        const int tabellenBreite = tabelle->horizontalHeader()->length() + 2 * tabelle->frameWidth()
                                   + tabelle->verticalScrollBar()->sizeHint().width();
        const QMargins rand = layout->contentsMargins();
        int breite = std::max(900, tabellenBreite + rand.left() + rand.right());
        if (const QScreen* bildschirm = screen())
            breite = std::min(breite, bildschirm->availableGeometry().width() * 9 / 10);
        resize(breite, 560);
    }

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(knoepfe);
}

QString CFlugphasenDlg::Wert(const QString& beschriftung) const
{
    for (const auto& [text, feld] : werte)
        if (text == beschriftung)
            return feld->text();
    return hinweis ? hinweis->text() : QString();
}

void CFlugphasenDlg::ZeigeFlug(int wahl)
{
    const bool alle = wahl <= 0 || static_cast<size_t>(wahl) > analyse.fluege.size();
    const FlugAuswertung* flug = alle ? nullptr : &analyse.fluege[static_cast<size_t>(wahl) - 1];
    gezeigt = flug ? &flug->phasen : &analyse.phasen;
    FuelleStatistik(flug ? flug->statistik : analyse.statistik);
    FuelleTabelle();
}

void CFlugphasenDlg::FuelleStatistik(const FlugStatistik& s)
{
    QStringList texte{QString::number(analyse.fluege.size()), Uhrzeit(s.startZeit, bezug), Uhrzeit(s.landeZeit, bezug), Dauer(s.flugzeit),
                      QString::asprintf("%0.0f %%", s.anteilKreisen * 100.0),
                      QString::asprintf("%0.1f m/s", s.mittelSteigen),
                      s.mittlereGleitzahl ? QString::asprintf("%0.1f", *s.mittlereGleitzahl) : QStringLiteral("–"),
                      QString::asprintf("%0.1f km/h", s.schnittGeschwindigkeit), QString::number(s.anzahlThermiken),
                      QStringLiteral("–")};
    if (s.besteThermik) {
        const Flugphase& beste = (*gezeigt)[*s.besteThermik];
        texte.back() = QCoreApplication::translate("CFlugphasenDlg", "%1 m/s um %2").arg(QString::asprintf("%0.1f", beste.mittelSteigen), Uhrzeit(beste.zeitVon, bezug));
    }
    for (qsizetype i = 0; i < werte.size() && i < texte.size(); ++i)
        werte[i].second->setText(texte[i]);
}

void CFlugphasenDlg::FuelleTabelle()
{
    const QStringList spalten{QCoreApplication::translate("CFlugphasenDlg", "Nr."),          QCoreApplication::translate("CFlugphasenDlg", "Art"),           QCoreApplication::translate("CFlugphasenDlg", "Beginn"),     QCoreApplication::translate("CFlugphasenDlg", "Ende"),
                              QCoreApplication::translate("CFlugphasenDlg", "Dauer"),        QCoreApplication::translate("CFlugphasenDlg", "Höhe Beginn"),   QCoreApplication::translate("CFlugphasenDlg", "Höhe Ende"),  QCoreApplication::translate("CFlugphasenDlg", "Steigen"),
                              QCoreApplication::translate("CFlugphasenDlg", "Strecke"),      QCoreApplication::translate("CFlugphasenDlg", "Gleitzahl"),     QCoreApplication::translate("CFlugphasenDlg", "Geschwindigkeit"), QCoreApplication::translate("CFlugphasenDlg", "Wind")};
    tabelle->setSortingEnabled(false);
    tabelle->clearContents();
    tabelle->setColumnCount(static_cast<int>(spalten.size()));
    tabelle->setHorizontalHeaderLabels(spalten);
    tabelle->setRowCount(static_cast<int>(gezeigt->size()));
    for (size_t i = 0; i < gezeigt->size(); ++i) {
        const Flugphase& p = (*gezeigt)[i];
        const int z = static_cast<int>(i);
        const bool thermik = p.art == PhasenArt::Thermik;
        tabelle->setItem(z, 0, new Zelle(QString::number(i + 1), static_cast<double>(i + 1)));
        tabelle->setItem(z, 1, new Zelle(thermik ? QCoreApplication::translate("CFlugphasenDlg", "Thermik") : QCoreApplication::translate("CFlugphasenDlg", "Gleiten"), thermik ? 1.0 : 0.0));
        tabelle->setItem(z, 2, new Zelle(Uhrzeit(p.zeitVon, bezug), p.zeitVon));
        tabelle->setItem(z, 3, new Zelle(Uhrzeit(p.zeitBis, bezug), p.zeitBis));
        tabelle->setItem(z, 4, new Zelle(Dauer(p.dauer), p.dauer));
        tabelle->setItem(z, 5, new Zelle(QString::asprintf("%i m", p.hoeheVon), p.hoeheVon));
        tabelle->setItem(z, 6, new Zelle(QString::asprintf("%i m", p.hoeheBis), p.hoeheBis));
        tabelle->setItem(z, 7, new Zelle(QString::asprintf("%+0.1f m/s", p.mittelSteigen), p.mittelSteigen));
        tabelle->setItem(z, 8, new Zelle(QString::asprintf("%0.1f km", p.strecke / 1000.0), p.strecke));
        tabelle->setItem(z, 9, Wahlweise(p.gleitzahl, "%0.1f"));
        tabelle->setItem(z, 10, new Zelle(QString::asprintf("%0.0f km/h", p.geschwindigkeit), p.geschwindigkeit));
        tabelle->setItem(z, 11, p.windRichtung && p.windGeschwindigkeit
                                    ? new Zelle(QString::asprintf("%03.0f° %0.0f km/h", *p.windRichtung, *p.windGeschwindigkeit),
                                                *p.windGeschwindigkeit)
                                    : new Zelle(QStringLiteral("–"), keinWert));
    }
    tabelle->setSortingEnabled(true);
    tabelle->sortByColumn(0, Qt::AscendingOrder);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->verticalHeader()->hide();
    tabelle->resizeColumnsToContents();
}
