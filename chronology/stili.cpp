#include "stili.h"

namespace almanacco {

std::optional<Stile> stileDi(std::string_view nome) {
  for (const DatiStile& s : kStili)
    if (nome == s.nome || nome == s.senzaAccento) return s.stile;
  return std::nullopt;
}

}  // namespace almanacco
