#include "Etichetta.h"

#include <QMouseEvent>
#include <QPainter>

#include "Annunci.h"
#include "Colori.h"
#include "MisuraComune.h"

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

const QFont& Etichetta::fontDelTesto() const {
  if (fontDisegno_) return *fontDisegno_;
  // A label of its own takes the largest size, down from its own in quarter points, at
  // which the wrapped caption fits: a long text keeps all its lines and letters readable,
  // on a narrow screen too.
  fontDisegno_ = font();
  fontDisegno_->setPointSizeF(misuraComune_ ? misuraComune_->punti()
                                            : puntiCheCiStanno(font(), {{rect(), caption_}}));
  return *fontDisegno_;
}

void Etichetta::setMisuraComune(const MisuraComune* misura) {
  if (misura == misuraComune_) return;
  misuraComune_ = misura;
  fontDisegno_.reset();
  update();
}

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
  pittore.setFont(fontDelTesto());
  if (opaca_) pittore.fillRect(area, comeQColor(sfondo_, palette()));
  if (bordo_) {
    pittore.setPen(comeQColor(kTestoFinestra, palette()));
    pittore.drawRect(area.adjusted(0, 0, -1, -1));
  }
  pittore.setPen(comeQColor(testo_, palette()));
  pittore.drawText(area, kAllineamentoDelTesto, caption_);
  if (segnoFuoco_) {
    // Black, at least 13:1 against the white and the pink of a cell. Two line widths
    // inside the edge, so the highlight still shows all round it.
    const int w = spessoreSegno_;
    QPen penna(comeQColor(kNero, palette()), w, Qt::DotLine);
    if (w > 1) penna.setJoinStyle(Qt::MiterJoin);  // square corners, as the thin line has
    pittore.setPen(penna);
    pittore.setBrush(Qt::NoBrush);
    const int dentro = 2 * w + w / 2;  // the pen is centred on the rectangle's outline
    pittore.drawRect(area.adjusted(dentro, dentro, -dentro - 1, -dentro - 1));
  }
}

void Etichetta::mousePressEvent(QMouseEvent* evento) {
  premuta_ = evento->button() == Qt::LeftButton;
  evento->accept();
}

void Etichetta::mouseReleaseEvent(QMouseEvent* evento) {
  // A cell hidden while the button was down (the month changed) takes no click.
  const bool click = premuta_ && evento->button() == Qt::LeftButton && isVisibleTo(window()) &&
                     rect().contains(evento->position().toPoint());
  premuta_ = false;
  evento->accept();
  if (click && alClick_) alClick_();
}

}  // namespace almanacco
