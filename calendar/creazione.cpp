#include "creazione.h"

namespace almanacco {

std::vector<EtichettaIniziale> etichetteDelMotore() {
  using namespace nomi;
  namespace c = creazione;
  // Holders are painted on white; their text colour is the desktop's, as for every label
  // that sets none of its own.
  std::vector<EtichettaIniziale> tutte{
      {lblGiornoSel, c::giornoSel, kTestoPulsante},
      {lblMeseSel, c::meseSel, kTestoPulsante},
      {lblSecoloSel, c::secoloSel, kTestoPulsante},
      {lblDecineSel, c::decineSel, kTestoPulsante},
      {lblUnitàSel, c::unitàSel, kTestoPulsante},
      {lblAnno, c::anno, kTestoFinestra},
      {lblRestoAnno, c::restoAnno, kTestoPulsante},
      {lblIndice, c::indice, kTestoPulsante},
      {lblFinale(0), c::finaleGiorno, kTestoFinestra},
      {lblFinale(1), c::finaleMese, kTestoFinestra},
      {lblFinale(3), c::finaleSettimana, kTestoFinestra},
      {lblNomeCompleto, c::nomeCompleto, kTestoPulsante},
  };
  for (std::int16_t i = 1; i <= 7; ++i)
    tutte.push_back({lblNome(i), c::nome[static_cast<std::size_t>(i - 1)], c::testoNome});
  for (std::int16_t d = 1; d <= 31; ++d)
    tutte.push_back({lblGiorni(d), numeroInLettere(d), c::testoGiorni});
  return tutte;
}

}  // namespace almanacco
