#include "luoghi.h"

#include "nomi.h"

namespace almanacco {

LuogoCercato luogoDi(std::string_view nome) {
  const std::string cercato = normalizzato(nome);
  std::vector<std::string_view> nomi;
  for (const Luogo& l : kLuoghi)
    for (const std::string_view n : {l.codice, l.nome, l.altroNome}) {
      if (n.empty()) continue;
      if (normalizzato(n) == cercato) return {&l, {}};
      nomi.push_back(n);
    }
  return {nullptr, vicini(nome, nomi)};
}

Giornata fineDelloStile(Stile stile, const Luogo& luogo) {
  Giornata fine = datiStile(stile).fine;
  for (const StileDelLuogo& s : luogo.stili)
    if (s.stile == stile && dettaglio::chiave(s.fino) > dettaglio::chiave(fine)) fine = s.fino;
  return fine;
}

}  // namespace almanacco
