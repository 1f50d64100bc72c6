#include "gruppi.h"

#include <algorithm>

namespace almanacco {

namespace {

// Each group once: its names, its cells and the shape of its block.
struct Descrizione {
  std::string_view nome;
  Nome celle, holder;
  std::int16_t primo, ultimo;  // the cells laid out in rows
  int colonne;
  std::optional<Posto> zero;  // the cell 0, where the block has one, out of the rows
};
// Indexed by the group, in the order of the enumeration.
constexpr std::array<Descrizione, kGruppi> kDescrizioni{{
    {"Giorno", nomi::lblGiorni, nomi::lblGiornoSel, 1, 31, 7, std::nullopt},
    {"Mese", nomi::lblMese, nomi::lblMeseSel, 1, 12, 3, std::nullopt},
    {"Secolo", nomi::lblSecolo, nomi::lblSecoloSel, 1, 8, 2, std::nullopt},
    {"Decina", nomi::lblDecine, nomi::lblDecineSel, 1, 9, 3, Posto{3, 1}},
    {"Unità", nomi::lblUnità, nomi::lblUnitàSel, 1, 9, 3, Posto{3, 1}},
}};

const Descrizione& di(Gruppo gruppo) {
  return kDescrizioni.at(static_cast<std::size_t>(gruppo));
}

}  // namespace

std::string_view nomeGruppo(Gruppo gruppo) {
  return di(gruppo).nome;
}
Nome celleDi(Gruppo gruppo) {
  return di(gruppo).celle;
}
Nome holderDi(Gruppo gruppo) {
  return di(gruppo).holder;
}

std::optional<Gruppo> gruppoDelleCelle(std::string_view nome) {
  for (const Gruppo g : kTuttiIGruppi)
    if (di(g).celle.testo == nome) return g;
  return std::nullopt;
}

std::optional<Posto> posto(Gruppo gruppo, std::int16_t cella) {
  const Descrizione& d = di(gruppo);
  if (cella == 0 && d.zero) return d.zero;
  if (cella < d.primo || cella > d.ultimo) return std::nullopt;
  return Posto{(cella - d.primo) / d.colonne, (cella - d.primo) % d.colonne};
}

std::vector<std::int16_t> celleInOrdine(Gruppo gruppo, const GiorniDelMese& giorni) {
  std::vector<std::int16_t> celle;
  for (std::int16_t c = 0; c <= di(gruppo).ultimo; ++c)
    if (posto(gruppo, c) && (gruppo != Gruppo::Giorno || giorni[static_cast<std::size_t>(c)]))
      celle.push_back(c);
  std::stable_sort(celle.begin(), celle.end(), [gruppo](std::int16_t a, std::int16_t b) {
    const Posto pa = *posto(gruppo, a), pb = *posto(gruppo, b);
    return pa.riga != pb.riga ? pa.riga < pb.riga : pa.colonna < pb.colonna;
  });
  return celle;
}

}  // namespace almanacco
