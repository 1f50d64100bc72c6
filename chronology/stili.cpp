#include "stili.h"

#include <string>

#include "nomi.h"

namespace almanacco {

std::optional<NomeDiStile> stileDi(std::string_view nome) {
  std::string cercato = normalizzato(nome);
  // "stile fiorentino", "stile della Natività", "stile dell'Incarnazione".
  for (const std::string_view prima : {"stile-", "del-", "della-", "dell-", "dello-"})
    if (cercato.starts_with(prima)) cercato.erase(0, prima.size());
  for (const DatiStile& s : kStili)
    if (cercato == normalizzato(s.nome)) return NomeDiStile{s.stile, s.stile};
  for (const AltroNome& a : kAltriNomi)
    if (cercato == normalizzato(a.nome)) return a.stili;
  return std::nullopt;
}

std::vector<std::string_view> viciniDegliStili(std::string_view nome) {
  return vicini(nome, nomiDelle(kStili, kAltriNomi));
}

}  // namespace almanacco
