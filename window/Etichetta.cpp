#include "Etichetta.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include "Annunci.h"
#include "Colori.h"

namespace almanacco {

Etichetta::Etichetta(QWidget* parent, double twipsPerPixel)
    : ControlloTwips(parent, twipsPerPixel) {
  // Only a label's own pixels are painted: transparent ones show what lies behind.
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Etichetta::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  fontDisegno_.reset();
  update();
  // A screen reader reads a shown label's caption as its name.
  if (isVisible()) annunci::nomeCambiato(this);
}

void Etichetta::setBackColor(Color colore) {
  if (colore == sfondo_) return;
  sfondo_ = colore;
  if (opaca_) update();
}

void Etichetta::setFontSize(float punti) {
  fontSize_ = punti;
  // A size of zero or below would make Qt fall back to its default; keep the last one.
  if (punti <= 0) return;
  QFont carattere = font();
  carattere.setPointSizeF(punti);
  setFont(carattere);
}

void Etichetta::setFaccia(const QString& faccia, const QString& sostituto) {
  QFont carattere = font();
  carattere.setFamilies({sostituto, faccia});
  carattere.setBold(true);
  // Every caption is Latin text that the face itself covers: no need to look for
  // fallback faces, which costs start-up a fontconfig search per font. Unhinted glyphs
  // rasterise several times faster than the faces' own hinting programs allow, and at
  // these sizes look the same.
  carattere.setStyleStrategy(QFont::NoFontMerging);
  carattere.setHintingPreference(QFont::PreferNoHinting);
  setFont(carattere);
}

namespace {
constexpr int kAllineamento = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

// The largest size, down from the label's own in quarter points, at which the wrapped
// caption fits the rectangle's height: a long text keeps all its lines readable
// instead of losing the last one under the bottom edge.
QFont fontCheCiSta(QFont carattere, const QRect& area, const QString& testo) {
  while (carattere.pointSizeF() > 1 &&
         QFontMetricsF(carattere).boundingRect(QRectF(area), kAllineamento, testo).height() >
             area.height())
    carattere.setPointSizeF(carattere.pointSizeF() - 0.25);
  return carattere;
}
}  // namespace

void Etichetta::resizeEvent(QResizeEvent* evento) {
  fontDisegno_.reset();
  ControlloTwips::resizeEvent(evento);
}

void Etichetta::changeEvent(QEvent* evento) {
  if (evento->type() == QEvent::FontChange) fontDisegno_.reset();
  ControlloTwips::changeEvent(evento);
}

void Etichetta::paintEvent(QPaintEvent*) {
  QPainter pittore(this);
  const QRect area = rect();
  if (!fontDisegno_) fontDisegno_ = fontCheCiSta(font(), area, caption_);
  pittore.setFont(*fontDisegno_);
  if (opaca_) pittore.fillRect(area, comeQColor(sfondo_, palette()));
  if (bordo_) {
    pittore.setPen(comeQColor(kTestoFinestra, palette()));
    pittore.drawRect(area.adjusted(0, 0, -1, -1));
  }
  pittore.setPen(comeQColor(testo_, palette()));
  pittore.drawText(area, kAllineamento, caption_);
  if (segnoFuoco_) {
    // Two pixels inside the edge, so the highlight still shows all round it.
    pittore.setPen(QPen(comeQColor(kNero, palette()), 1, Qt::DotLine));
    pittore.setBrush(Qt::NoBrush);
    pittore.drawRect(area.adjusted(2, 2, -3, -3));
  }
}

void Etichetta::mousePressEvent(QMouseEvent* evento) {
  premuta_ = evento->button() == Qt::LeftButton;
  evento->accept();
}

void Etichetta::mouseReleaseEvent(QMouseEvent* evento) {
  const bool click = premuta_ && evento->button() == Qt::LeftButton &&
                     rect().contains(evento->position().toPoint());
  premuta_ = false;
  evento->accept();
  if (click && alClick_) alClick_();
}

}  // namespace almanacco
