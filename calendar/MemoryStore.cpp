#include "MemoryStore.h"

#include "creazione.h"

namespace almanacco {

MemoryStore::MemoryStore() {
  for (const auto& e : etichetteDelMotore())
    voci_[{std::string{e.id.name}, e.id.index}] = {std::string{e.caption}, e.testo};
}

std::string MemoryStore::caption(LabelId id) const {
  const auto voce = voci_.find(Chiave{std::string{id.name}, id.index});
  return voce == voci_.end() ? std::string{} : voce->second.caption;
}

void MemoryStore::setCaption(LabelId id, std::string_view text) {
  voci_[{std::string{id.name}, id.index}].caption = text;
}

void MemoryStore::setForeColor(LabelId id, Color color) {
  voci_[{std::string{id.name}, id.index}].testo = color;
}

std::optional<Color> MemoryStore::foreColor(LabelId id) const {
  const auto voce = voci_.find(Chiave{std::string{id.name}, id.index});
  return voce == voci_.end() ? std::nullopt : voce->second.testo;
}

}  // namespace almanacco
