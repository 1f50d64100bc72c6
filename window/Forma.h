#pragma once

#include <optional>

#include "ControlloTwips.h"
#include "etichette.h"

namespace almanacco {

// A rectangle shape: a solid outline 1 or 2 pixels wide inside its bounds, and an
// optional solid fill.
class Forma final : public ControlloTwips {
 public:
  Forma(QWidget* parent, double twipsPerPixel, Color linea, int spessore,
        std::optional<Color> riempimento);

  Color linea() const { return linea_; }
  int spessore() const { return spessore_; }
  std::optional<Color> riempimento() const { return riempimento_; }

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  Color linea_;
  int spessore_;
  std::optional<Color> riempimento_;
};

}  // namespace almanacco
