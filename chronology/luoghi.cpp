#include "luoghi.h"

#include <algorithm>

namespace almanacco {

namespace {
bool ugualiSenzaMaiuscole(std::string_view a, std::string_view b) {
  const auto minuscola = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return minuscola(x) == minuscola(y);
         });
}
}  // namespace

std::optional<Riforma> calendarioDi(std::string_view nome) {
  if (nome == "giuliano") return kSempreGiuliano;
  if (nome == "gregoriano") return kSempreGregoriano;
  for (const Luogo& l : kLuoghi)
    if (ugualiSenzaMaiuscole(nome, l.codice)) return l.riforma;
  return std::nullopt;
}

}  // namespace almanacco
