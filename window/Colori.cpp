#include "Colori.h"

namespace almanacco {

QColor comeQColor(Color colore, const QPalette& palette) {
  switch (colore) {
    case kSfondoFinestra:
      return palette.color(QPalette::Base);
    case kTestoFinestra:
      return palette.color(QPalette::Text);
    case kSfondoPulsante:
      return palette.color(QPalette::Button);
    case kTestoPulsante:
      return palette.color(QPalette::ButtonText);
    default:
      return QColor(static_cast<int>(colore & 0xFF), static_cast<int>((colore >> 8) & 0xFF),
                    static_cast<int>((colore >> 16) & 0xFF));
  }
}

}  // namespace almanacco
