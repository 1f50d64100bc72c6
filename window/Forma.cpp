#include "Forma.h"

#include <QPainter>

#include "Colori.h"

namespace almanacco {

Forma::Forma(QWidget* parent, double twipsPerPixel, Color linea, int spessore,
             std::optional<Color> riempimento)
    : ControlloTwips(parent, twipsPerPixel),
      linea_(linea),
      spessore_(spessore),
      riempimento_(riempimento) {
  // Shapes never take clicks: the labels on them do.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forma::paintEvent(QPaintEvent*) {
  QPainter pittore(this);
  const QRect area = rect();
  if (riempimento_) pittore.fillRect(area, comeQColor(*riempimento_, palette()));
  pittore.setPen(comeQColor(linea_, palette()));
  // One 1-pixel rectangle per pixel of outline, each inside the last.
  for (int i = 0; i < spessore_; ++i) pittore.drawRect(area.adjusted(i, i, -1 - i, -1 - i));
}

}  // namespace almanacco
