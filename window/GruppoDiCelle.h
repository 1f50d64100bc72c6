#pragma once

#include <QObject>

#include "gruppi.h"

namespace almanacco {

// A group of cells as assistive technology sees it. The cells share no widget, so the
// window owns one of these for each group, and the group's face is their parent.
class GruppoDiCelle final : public QObject {
 public:
  GruppoDiCelle(QObject* finestra, Gruppo gruppo) : QObject(finestra), gruppo_(gruppo) {}
  Gruppo gruppo() const { return gruppo_; }

 private:
  Gruppo gruppo_;
};

}  // namespace almanacco
