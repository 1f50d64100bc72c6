#include "ControlloTwips.h"

#include <cmath>

namespace almanacco {

ControlloTwips::ControlloTwips(QWidget* parent, double twipsPerPixel)
    : QWidget(parent), twipsPerPixel_(twipsPerPixel) {
  setFocusPolicy(Qt::NoFocus);
}

void ControlloTwips::setRettangolo(float left, float top, float width, float height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  const auto pixel = [this](double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel_));
  };
  const int x = pixel(left_);
  const int y = pixel(top_);
  setGeometry(x, y, std::max(0, pixel(double{left_} + width_) - x),
              std::max(0, pixel(double{top_} + height_) - y));
}

}  // namespace almanacco
