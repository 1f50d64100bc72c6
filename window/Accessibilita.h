#pragma once

#include <QObject>

#include "navigazione.h"

namespace almanacco {

// A group of cells as assistive technology sees it. The cells share no widget, so the
// window owns one of these for each group, and it parents the group's cells there.
class GruppoDiCelle final : public QObject {
 public:
  GruppoDiCelle(QObject* finestra, Gruppo gruppo) : QObject(finestra), gruppo_(gruppo) {}
  Gruppo gruppo() const { return gruppo_; }

 private:
  Gruppo gruppo_;
};

namespace accessibile {

// Gives the window and its labels their faces for screen readers: the cells as radio
// buttons in their groups, the other shown texts as static texts. Needs the
// application; a second call changes nothing.
void installa();

// Tells assistive technology what changed, so its view is never stale. Each does nothing
// when no assistive technology listens.
void nomeCambiato(QObject* oggetto);
void descrizioneCambiata(QObject* oggetto);
void spuntaCambiata(QObject* oggetto);  // a cell's highlight came or went
// A day cell came or went with the month's length: its group gained or lost a child.
void cellaMostrata(QObject* cella, bool mostrata);

}  // namespace accessibile
}  // namespace almanacco
