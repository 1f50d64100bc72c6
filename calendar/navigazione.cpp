#include "navigazione.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace almanacco {

namespace {

struct Posto {
  int riga, colonna;
};

// Where a cell sits in its block: days in rows of seven, months of three, centuries of
// two, digits 1 to 9 in a 3 x 3 square with 0 under the 8.
std::optional<Posto> posto(Gruppo gruppo, std::int16_t cella) {
  const auto inRighe = [cella](int primo, int ultimo, int colonne) -> std::optional<Posto> {
    if (cella < primo || cella > ultimo) return std::nullopt;
    return Posto{(cella - 1) / colonne, (cella - 1) % colonne};
  };
  switch (gruppo) {
    case Gruppo::Giorno:
      return inRighe(1, 31, 7);
    case Gruppo::Mese:
      return inRighe(1, 12, 3);
    case Gruppo::Secolo:
      return inRighe(1, 8, 2);
    case Gruppo::Decina:
    case Gruppo::Unità:
      if (cella == 0) return Posto{3, 1};
      return inRighe(1, 9, 3);
  }
  return std::nullopt;
}

struct Nomi {
  std::string_view gruppo;
  Nome celle, holder;
};
// Indexed by the group, in the order of the enumeration.
constexpr std::array<Nomi, kGruppi> kNomi{{{"Giorno", nomi::lblGiorni, nomi::lblGiornoSel},
                                           {"Mese", nomi::lblMese, nomi::lblMeseSel},
                                           {"Secolo", nomi::lblSecolo, nomi::lblSecoloSel},
                                           {"Decina", nomi::lblDecine, nomi::lblDecineSel},
                                           {"Unità", nomi::lblUnità, nomi::lblUnitàSel}}};

const Nomi& nomiDi(Gruppo gruppo) {
  return kNomi.at(static_cast<std::size_t>(gruppo));
}
}  // namespace

std::string_view nomeGruppo(Gruppo gruppo) {
  return nomiDi(gruppo).gruppo;
}
Nome celleDi(Gruppo gruppo) {
  return nomiDi(gruppo).celle;
}
Nome holderDi(Gruppo gruppo) {
  return nomiDi(gruppo).holder;
}

std::optional<Gruppo> gruppoDelleCelle(std::string_view nome) {
  for (std::size_t g = 0; g < kNomi.size(); ++g)
    if (kNomi[g].celle.testo == nome) return static_cast<Gruppo>(g);
  return std::nullopt;
}

Gruppo gruppoSeguente(Gruppo gruppo, bool avanti) {
  const int passo = avanti ? 1 : kGruppi - 1;
  return static_cast<Gruppo>((static_cast<int>(gruppo) + passo) % kGruppi);
}

std::vector<std::int16_t> celleInOrdine(Gruppo gruppo, const GiorniDelMese& giorni) {
  const auto da = [](int primo, int ultimo) {
    std::vector<std::int16_t> celle;
    for (int c = primo; c <= ultimo; ++c) celle.push_back(static_cast<std::int16_t>(c));
    return celle;
  };
  switch (gruppo) {
    case Gruppo::Giorno: {
      std::vector<std::int16_t> mostrati;
      for (std::int16_t d = 1; d <= 31; ++d)
        if (giorni[static_cast<std::size_t>(d)]) mostrati.push_back(d);
      return mostrati;
    }
    case Gruppo::Mese:
      return da(1, 12);
    case Gruppo::Secolo:
      return da(1, 8);
    case Gruppo::Decina:
    case Gruppo::Unità: {
      auto cifre = da(1, 9);
      cifre.push_back(0);
      return cifre;
    }
  }
  return {};
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
