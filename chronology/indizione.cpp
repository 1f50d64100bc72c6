#include "indizione.h"

#include <string>

#include "nomi.h"

namespace almanacco {

std::optional<Indizione> indizioneDi(std::string_view nome) {
  std::string cercato = normalizzato(nome);
  if (cercato.starts_with("indizione-")) cercato.erase(0, std::string_view("indizione-").size());
  for (const DatiIndizione& d : kIndizioni)
    if (cercato == normalizzato(d.nome)) return d.tipo;
  for (const AltroNomeDiIndizione& a : kAltriNomiDiIndizione)
    if (cercato == a.nome) return a.tipo;
  return std::nullopt;
}

std::vector<std::string_view> viciniDelleIndizioni(std::string_view nome) {
  return vicini(nome, nomiDelle(kIndizioni, kAltriNomiDiIndizione));
}

}  // namespace almanacco
