#pragma once

#include <QAccessible>

class QObject;

// What a widget tells assistive technology when it changes, as Qt's own widgets do: it
// sends its own QAccessibleEvent, through QtGui alone, and knows nothing of the faces
// that describe it. Each call does nothing when no assistive technology listens.
namespace almanacco::annunci {

void nomeCambiato(QObject* oggetto);
void descrizioneCambiata(QObject* oggetto);
void spuntaCambiata(QObject* oggetto);  // a cell's highlight came or went
// A cell came or went with the month's days: its group gained or lost a child.
void cellaMostrata(QObject* cella, bool mostrata);

// Whether assistive technology has read a text since its last change was announced.
// Until it reads the text again it holds no copy that could go stale, so a further
// change needs no announcement: the next read gets the new text. At a click that turns
// the header, this spares a screen reader seven announcements it would not use. A face
// that gives out names or descriptions records here each time it is read.
class Letture {
 public:
  virtual ~Letture() = default;
  void letto(QAccessible::Text tipo) const;
  // True, once, when a change of the text must be announced.
  bool daAnnunciare(QAccessible::Event tipo);

 private:
  // A reader may have taken the texts before any change: the first change is announced.
  mutable bool nome_ = true, descrizione_ = true;
};

}  // namespace almanacco::annunci
