#pragma once

#include <QWidget>

namespace almanacco {

// A control placed in twips, the unit of the layout: it keeps Left, Top, Width and
// Height as single-precision twips, exactly as assigned, and places itself in whole
// pixels. Each edge is rounded on its own, so neighbouring cells never drift apart.
class ControlloTwips : public QWidget {
 public:
  ControlloTwips(QWidget* parent, double twipsPerPixel);

  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }
  void setLeft(float twips);
  void setTop(float twips);
  void setWidth(float twips);
  void setHeight(float twips);
  void setRettangolo(float left, float top, float width, float height);

 private:
  void posiziona();

  double twipsPerPixel_;
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace almanacco
