#pragma once

// A place's days as the tests count them: its table's periods turned into stretches of day
// numbers by the tests' own count (reale.h), and the date each day had there.
#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "luoghi.h"
#include "reale.h"

namespace almanacco::prova {

// A place's stretches of days as the test counts them, from its table's first and last
// days, each in its own count.
inline std::vector<Tratto> trattiDi(const Luogo& luogo) {
  std::vector<Tratto> tratti;
  for (const Periodo& p : luogo.conto) {
    const auto numero = [&p](const Giornata& g, long sempre) {
      if (g == kSempre || g == kPerSempre) return sempre;
      if (p.computo == Computo::Gregoriano) return numeroGregoriano({g.anno, g.mese, g.giorno});
      return numeroGiuliano(g.anno, g.mese, g.giorno) - (p.computo == Computo::Svedese ? 1 : 0);
    };
    const char conto = p.computo == Computo::Gregoriano ? 'G'
                       : p.computo == Computo::Giuliano ? 'J'
                                                        : 'S';
    tratti.push_back({conto, numero(p.primo, LONG_MIN), numero(p.ultimo, LONG_MAX)});
  }
  return tratti;
}

// The date the day had in the place; nothing for a day no stretch has.
inline std::optional<Data> dataNelLuogo(const std::vector<Tratto>& tratti, long n) {
  const auto t = std::find_if(tratti.begin(), tratti.end(),
                              [n](const Tratto& t) { return n >= t.primo && n <= t.ultimo; });
  if (t == tratti.end()) return std::nullopt;
  return dataNel(*t, n);
}

}  // namespace almanacco::prova
