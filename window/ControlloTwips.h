#pragma once

#include <QWidget>

#include "etichette.h"

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
  void setLeft(float twips) { setRettangolo(twips, top_, width_, height_); }
  void setTop(float twips) { setRettangolo(left_, twips, width_, height_); }
  void setWidth(float twips) { setRettangolo(left_, top_, twips, height_); }
  void setHeight(float twips) { setRettangolo(left_, top_, width_, twips); }
  void setRettangolo(float left, float top, float width, float height);

  // The control's name and index in the window, as the control table gives them.
  LabelId id() const { return id_; }
  void setId(LabelId id) { id_ = id; }

 protected:
  // The window alone decides where Tab goes: a control never passes the focus on.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  double twipsPerPixel_;
  LabelId id_;
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace almanacco
