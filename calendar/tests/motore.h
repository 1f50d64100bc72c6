#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "Calendario.h"
#include "MemoryStore.h"

namespace almanacco::prova {

// An engine on an in-memory store, with the selection written the way the window's
// handlers write it.
struct Motore {
  explicit Motore(const ContoDeiGiorni& conto = kItalia) : calendario(etichette, conto) {}

  MemoryStore etichette;
  Calendario calendario;

  std::string operator[](LabelId id) const { return etichette.caption(id); }
  void scrivi(LabelId id, std::string_view testo) { etichette.setCaption(id, testo); }
  void scrivi(std::initializer_list<std::pair<LabelId, std::string_view>> valori) {
    for (const auto& [id, testo] : valori) scrivi(id, testo);
  }
  Color colore(LabelId id) const { return etichette.foreColor(id).value_or(0xDEADBEEF); }

  // The whole chain, as a click on a century, decade or unit cell runs it.
  void catena() {
    calendario.ComponiAnno();
    calendario.ricalcolaMese();
  }
};

}  // namespace almanacco::prova
