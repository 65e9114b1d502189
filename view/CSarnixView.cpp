// Placeholder until the view is built.
#include "view/CSarnixView.h"
#include "doc/CSarnixDoc.h"
#include <QPainter>
CSarnixView::CSarnixView(CSarnixDoc& d, QWidget* parent) : QWidget(parent), doc(d) {}
CSarnixView::~CSarnixView() = default;
bool CSarnixView::Befehl(int) { return false; }
bool CSarnixView::BefehlAktiv(int) const { return true; }
bool CSarnixView::BefehlMarkiert(int) const { return false; }
void CSarnixView::DokumentGeoeffnet() { update(); }
void CSarnixView::NeuZeichnen() { update(); }
void CSarnixView::Zeichnen() { update(); }
void CSarnixView::paintEvent(QPaintEvent*) { QPainter p(this); p.fillRect(rect(), Qt::white); }
void CSarnixView::resizeEvent(QResizeEvent*) {}
void CSarnixView::mousePressEvent(QMouseEvent*) {}
void CSarnixView::mouseMoveEvent(QMouseEvent*) {}
void CSarnixView::mouseReleaseEvent(QMouseEvent*) {}
void CSarnixView::mouseDoubleClickEvent(QMouseEvent*) {}
void CSarnixView::keyPressEvent(QKeyEvent*) {}
void CSarnixView::keyReleaseEvent(QKeyEvent*) {}
void CSarnixView::timerEvent(QTimerEvent*) {}
