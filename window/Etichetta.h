#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <optional>

#include "ControlloTwips.h"
#include "MisuraComune.h"
#include "etichette.h"

namespace almanacco {

// A label: a caption centred at the top of its rectangle, wrapping at word boundaries,
// on its background colour when opaque. It never takes the focus; a left click on it
// while shown calls its click handler.
class Etichetta final : public ControlloTwips, public CellaDiGruppo {
 public:
  Etichetta(QWidget* parent, double twipsPerPixel);

  // As its group's size is decided from it.
  QRect area() const override { return rect(); }
  QFont carattere() const override { return font(); }
  QString testo() const override { return caption_; }

  const QString& Caption() const { return caption_; }
  void setCaption(const QString& caption);
  Color BackColor() const { return sfondo_; }
  void setBackColor(Color colore);
  Color ForeColor() const { return testo_; }
  void setForeColor(Color colore) { cambia(testo_, colore); }
  bool opaca() const { return opaca_; }
  void setOpaca(bool opaca) { cambia(opaca_, opaca); }
  bool bordo() const { return bordo_; }
  void setBordo(bool bordo) { cambia(bordo_, bordo); }
  float FontSize() const { return fontSize_; }
  void setFontSize(float punti);
  // The font the caption is drawn with: at its group's size when the label has one,
  // otherwise the label's own, or the largest size below it at which the wrapped caption
  // fits the label.
  const QFont& fontDelTesto() const;
  // The group whose one size the label is drawn at; none, the label's own fit.
  const MisuraComune* misuraComune() const { return misuraComune_; }
  void setMisuraComune(const MisuraComune* misura);
  // The face as the layout names it; the desktop substitutes a face with its metrics.
  void setFaccia(const QString& faccia, const QString& sostituto);

  void setAlClick(std::function<void()> alClick) { alClick_ = std::move(alClick); }

  // The dotted rectangle that shows, after a key, which cell has the keyboard focus.
  bool segnoFuoco() const { return segnoFuoco_; }
  void setSegnoFuoco(bool visibile) { cambia(segnoFuoco_, visibile); }
  // The mark's line in pixels: it grows with the layout, so that it stays as plain on a
  // large screen as on the design's.
  int spessoreSegno() const { return spessoreSegno_; }
  void setSpessoreSegno(int pixel) { cambia(spessoreSegno_, pixel < 1 ? 1 : pixel); }

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void changeEvent(QEvent* evento) override;
  // The focus itself draws nothing: only the focus mark, after a key, does.
  void focusInEvent(QFocusEvent*) override {}
  void focusOutEvent(QFocusEvent*) override {}

 private:
  // A property that changes repaints the label; one set to what it holds changes nothing.
  template <typename T>
  void cambia(T& proprietà, T valore) {
    if (proprietà == valore) return;
    proprietà = valore;
    update();
  }

  QString caption_;
  Color sfondo_ = kBianco;
  Color testo_ = kTestoPulsante;
  bool opaca_ = true;
  bool bordo_ = false;
  bool premuta_ = false;
  bool segnoFuoco_ = false;
  int spessoreSegno_ = 1;
  float fontSize_ = 0;
  const MisuraComune* misuraComune_ = nullptr;
  std::function<void()> alClick_;
  // The font the caption is drawn with: the label's own, or a little smaller when the
  // wrapped caption would not fit in the rectangle, in height or in width. Worked out again at the
  // next paint after the caption, the font or the size changes.
  mutable std::optional<QFont> fontDisegno_;
};

}  // namespace almanacco
