#include "Annunci.h"

#include <QAccessibleEvent>
#include <utility>

namespace almanacco::annunci {

void Letture::letto(QAccessible::Text tipo) const {
  (tipo == QAccessible::Name ? nome_ : descrizione_) = true;
}

bool Letture::daAnnunciare(QAccessible::Event tipo) {
  bool& letto = tipo == QAccessible::NameChanged ? nome_ : descrizione_;
  return std::exchange(letto, false);
}

namespace {
void invia(QObject* oggetto, QAccessible::Event tipo) {
  if (oggetto == nullptr || !QAccessible::isActive()) return;
  if (tipo == QAccessible::NameChanged || tipo == QAccessible::DescriptionChanged)
    if (auto* letture = dynamic_cast<Letture*>(QAccessible::queryAccessibleInterface(oggetto)))
      if (!letture->daAnnunciare(tipo)) return;
  QAccessibleEvent evento(oggetto, tipo);
  QAccessible::updateAccessibility(&evento);
}
}  // namespace

void nomeCambiato(QObject* oggetto) {
  invia(oggetto, QAccessible::NameChanged);
}
void descrizioneCambiata(QObject* oggetto) {
  invia(oggetto, QAccessible::DescriptionChanged);
}
void cellaMostrata(QObject* cella, bool mostrata) {
  // The bridge turns these into the group's children-changed add and remove.
  invia(cella, mostrata ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
}
void spuntaCambiata(QObject* oggetto) {
  if (oggetto == nullptr || !QAccessible::isActive()) return;
  QAccessible::State cambiato;
  cambiato.checked = true;
  QAccessibleStateChangeEvent evento(oggetto, cambiato);
  QAccessible::updateAccessibility(&evento);
}

}  // namespace almanacco::annunci
