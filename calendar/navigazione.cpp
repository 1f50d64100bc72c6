#include "navigazione.h"

#include <algorithm>
#include <cstdlib>

namespace almanacco {

Gruppo gruppoSeguente(Gruppo gruppo, bool avanti) {
  const int passo = avanti ? 1 : kGruppi - 1;
  return static_cast<Gruppo>((static_cast<int>(gruppo) + passo) % kGruppi);
}

std::optional<std::int16_t> vicino(Gruppo gruppo, std::int16_t cella, Direzione tasto,
                                   const GiorniDelMese& giorni) {
  const auto celle = celleInOrdine(gruppo, giorni);
  if (celle.empty()) return std::nullopt;
  if (tasto == Direzione::Inizio) return celle.front();
  if (tasto == Direzione::Fine) return celle.back();

  const auto qui = std::find(celle.begin(), celle.end(), cella);
  if (qui == celle.end()) return std::nullopt;
  switch (tasto) {
    case Direzione::Sinistra:
      if (qui == celle.begin()) return std::nullopt;
      return *(qui - 1);
    case Direzione::Destra:
      if (qui + 1 == celle.end()) return std::nullopt;
      return *(qui + 1);
    case Direzione::Su:
    case Direzione::Giù: {
      // Rows that hold no shown cell in this column are passed over, as the days 5 to 14
      // of October 1582 are.
      const Posto da = *posto(gruppo, cella);
      const int passo = tasto == Direzione::Su ? -1 : 1;
      std::optional<std::int16_t> meta;
      for (const std::int16_t c : celle) {
        const auto p = posto(gruppo, c);
        if (!p || p->colonna != da.colonna || (p->riga - da.riga) * passo <= 0) continue;
        if (!meta || std::abs(p->riga - da.riga) < std::abs(posto(gruppo, *meta)->riga - da.riga))
          meta = c;
      }
      return meta;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace almanacco
