#include "view/CKonfigDlg.h"

#include "flight/Arten.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <span>
#include <tuple>

namespace {

// A control id and the value its radio button stands for.
struct Wahl {
    int id;
    int8_t wert;
};

// Kinds and colour modes in the order the buttons appear; the right side's ids follow the left
// side's by `rechtsVersatz` (1032 + 9 = 1041 ...).
constexpr std::array<Wahl, 5> arten{{
    {1032, Grundriss},
    {1033, BarogrammNord},
    {1034, BarogrammWest},
    {1035, Temperaturverlauf},
    {1052, BarogrammZeit},  // came later: 1052 and 1061
}};
constexpr std::array<Wahl, 5> farben{{
    {1036, KeineFaerbung},
    {1037, Temperaturgradient},
    {1038, Wind},
    {1039, Flughoehe},
    {1040, Variowerte},
}};
// The reference the colouring "Temperaturgradient" compares against.
constexpr std::array<Wahl, 2> referenzen{{{1070, 0}, {1071, 1}}};
constexpr int rechtsVersatz = 9;
constexpr int einzelId = 1050;
constexpr int geteiltId = 1051;
constexpr int symbolGroesse = 32;

const char* const artTexte[] = {QT_TRANSLATE_NOOP("CKonfigDlg", "Grundriß"),
                                QT_TRANSLATE_NOOP("CKonfigDlg", "Barogramm mit Blickrichtung Norden"),
                                QT_TRANSLATE_NOOP("CKonfigDlg", "Barogramm mit Blickrichtung Westen"),
                                QT_TRANSLATE_NOOP("CKonfigDlg", "Temperaturverlauf"),
                                QT_TRANSLATE_NOOP("CKonfigDlg", "Barogramm über der Zeit")};
const char* const farbTexte[] = {QT_TRANSLATE_NOOP("CKonfigDlg", "Keine Färbung"),
                                 QT_TRANSLATE_NOOP("CKonfigDlg", "Temperaturgradient"),
                                 QT_TRANSLATE_NOOP("CKonfigDlg", "Wind Geschwindigkeit"),
                                 QT_TRANSLATE_NOOP("CKonfigDlg", "Flughöhe"),
                                 QT_TRANSLATE_NOOP("CKonfigDlg", "Vario Werte")};

}  // namespace

CKonfigDlg::CKonfigDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Ansicht Konfiguration"));

    auto* layout = new QVBoxLayout(this);
    for (const auto& [id, text, wert] : {std::tuple{einzelId, QT_TR_NOOP("Einzel Grafik"), int8_t{1}},
                                         std::tuple{geteiltId, QT_TR_NOOP("Geteilte Grafik"), int8_t{2}}}) {
        QRadioButton* knopf = NeuerKnopf(id, tr(text), this, anzahl, wert);
        // Switching between one and two panes changes which buttons are enabled.
        connect(knopf, &QRadioButton::clicked, this, [this] {
            modusGewechselt = 1;
            AktualisiereKnoepfe();
        });
        layout->addWidget(knopf);
    }

    auto* seiten = new QHBoxLayout;
    seiten->addWidget(Seite(tr("Linke Grafik"), 0, linkeAnsicht, linkeFarbe));
    seiten->addWidget(Seite(tr("Recht Grafik"), rechtsVersatz, rechteAnsicht, rechteFarbe));
    layout->addLayout(seiten);

    auto* referenz = new QGroupBox(tr("Temperaturreferenz"), this);
    auto* referenzLayout = new QVBoxLayout(referenz);
    referenzLayout->addWidget(NeuerKnopf(referenzen[0].id, tr("Wie das Gerät rechnet (exakt)"), referenz,
                                         temperaturReferenz, referenzen[0].wert));
    referenzLayout->addWidget(NeuerKnopf(referenzen[1].id, tr("Physikalisch (Ausgleichsgerade der sinkenden Luft)"),
                                         referenz, temperaturReferenz, referenzen[1].wert));
    layout->addWidget(referenz);

    auto* gelaendeGruppe = new QGroupBox(tr("Gelände"), this);
    auto* gelaendeLayout = new QHBoxLayout(gelaendeGruppe);
    auto* ordnerFeld = new QLineEdit(gelaendeGruppe);
    ordnerFeld->setObjectName(QStringLiteral("Gelaendeordner"));
    ordnerFeld->setPlaceholderText(tr("Ordner mit Höhenkacheln (.hgt, GeoTIFF)"));
    connect(ordnerFeld, &QLineEdit::textChanged, this, [this](const QString& text) { gelaendeOrdner = text; });
    auto* waehlen = new QPushButton(tr("Wählen..."), gelaendeGruppe);
    waehlen->setAutoDefault(false);
    connect(waehlen, &QPushButton::clicked, this, [this, ordnerFeld] {
        const QString ordner = QFileDialog::getExistingDirectory(this, tr("Geländeordner"), gelaendeOrdner);
        if (!ordner.isEmpty())
            ordnerFeld->setText(QDir::toNativeSeparators(ordner));
    });
    gelaendeLayout->addWidget(ordnerFeld, 1);
    gelaendeLayout->addWidget(waehlen);
    layout->addWidget(gelaendeGruppe);

    auto* symbol = new QLabel(this);
    symbol->setPixmap(QApplication::windowIcon().pixmap(symbolGroesse, symbolGroesse));
    auto* abbrechen = new QPushButton(QStringLiteral("Cancel"), this);
    abbrechen->setObjectName(QStringLiteral("2"));
    abbrechen->setAutoDefault(false);
    connect(abbrechen, &QPushButton::clicked, this, &CKonfigDlg::reject);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* unten = new QHBoxLayout;
    unten->addWidget(symbol);
    auto* karte = new QPushButton(tr("Karte..."), this);
    karte->setAutoDefault(false);
    connect(karte, &QPushButton::clicked, this, &CKonfigDlg::karteBearbeiten);
    unten->addWidget(karte);
    unten->addStretch(1);
    unten->addWidget(abbrechen);
    unten->addWidget(ok);
    unten->addStretch(1);
    layout->addLayout(unten);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    AktualisiereKnoepfe();
}

QRadioButton* CKonfigDlg::NeuerKnopf(int id, const QString& text, QWidget* eltern, int8_t& ziel, int8_t wert)
{
    auto* knopf = new QRadioButton(text, eltern);
    knopf->setObjectName(QString::number(id));
    // Every button stands alone; AktualisiereKnoepfe sets all marks, so a click on a marked
    // button must not clear the others (nor, in the end, itself).
    knopf->setAutoExclusive(false);
    connect(knopf, &QRadioButton::clicked, this, [this, &ziel, wert] {
        ziel = wert;
        AktualisiereKnoepfe();
    });
    knoepfe.insert(id, knopf);
    return knopf;
}

QGroupBox* CKonfigDlg::Seite(const QString& titel, int versatz, int8_t& art, int8_t& farbe)
{
    auto* seite = new QGroupBox(titel, this);
    auto* seitenLayout = new QVBoxLayout(seite);

    auto* ansichtGruppe = new QGroupBox(tr("Ansicht"), seite);
    ansichtGruppe->setAlignment(Qt::AlignHCenter);
    auto* ansichtLayout = new QVBoxLayout(ansichtGruppe);
    for (std::size_t i = 0; i < arten.size(); ++i)
        ansichtLayout->addWidget(
            NeuerKnopf(arten[i].id + versatz, tr(artTexte[i]), ansichtGruppe, art, arten[i].wert));

    auto* farbGruppe = new QGroupBox(tr("Farbe"), seite);
    farbGruppe->setAlignment(Qt::AlignHCenter);
    auto* farbLayout = new QVBoxLayout(farbGruppe);
    for (std::size_t i = 0; i < farben.size(); ++i)
        farbLayout->addWidget(
            NeuerKnopf(farben[i].id + versatz, tr(farbTexte[i]), farbGruppe, farbe, farben[i].wert));

    seitenLayout->addWidget(ansichtGruppe);
    seitenLayout->addWidget(farbGruppe);
    return seite;
}

QRadioButton* CKonfigDlg::Knopf(int id) const
{
    return knoepfe.value(id, nullptr);
}

void CKonfigDlg::AktualisiereKnoepfe()
{
    // Marks the button of `wert` and clears the rest of its set; a value without a button leaves
    // the set as it is.
    const auto markieren = [this](std::span<const Wahl> satz, int versatz, int8_t wert) {
        if (std::none_of(satz.begin(), satz.end(), [wert](const Wahl& w) { return w.wert == wert; }))
            return;
        for (const Wahl& w : satz)
            Knopf(w.id + versatz)->setChecked(w.wert == wert);
    };

    Knopf(einzelId)->setChecked(anzahl == 1);
    Knopf(geteiltId)->setChecked(anzahl != 1);
    markieren(arten, 0, linkeAnsicht);
    markieren(farben, 0, linkeFarbe);
    markieren(referenzen, 0, temperaturReferenz);

    const bool geteilt = anzahl == 2;
    for (const auto& satz : {std::span<const Wahl>(arten), std::span<const Wahl>(farben)})
        for (const Wahl& w : satz)
            Knopf(w.id + rechtsVersatz)->setEnabled(geteilt);
    // While disabled, the right side keeps whatever marks it had.
    if (geteilt) {
        markieren(arten, rechtsVersatz, rechteAnsicht);
        markieren(farben, rechtsVersatz, rechteFarbe);
    }

    if (modusGewechselt) {
        update();
        modusGewechselt = 0;
    }
}

void CKonfigDlg::reject()
{
    linkeAnsicht = linkeAnsichtAlt;
    linkeFarbe = linkeFarbeAlt;
    rechteAnsicht = rechteAnsichtAlt;
    rechteFarbe = rechteFarbeAlt;
    anzahl = anzahlAlt;
    temperaturReferenz = temperaturReferenzAlt;
    gelaendeOrdner = gelaendeOrdnerAlt;
    QDialog::reject();
}

void CKonfigDlg::showEvent(QShowEvent* event)
{
    if (auto* feld = findChild<QLineEdit*>(QStringLiteral("Gelaendeordner")))
        feld->setText(gelaendeOrdner);
    // The caller sets the members after construction.
    AktualisiereKnoepfe();
    QDialog::showEvent(event);
}
