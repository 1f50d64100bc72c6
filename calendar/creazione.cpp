#include "creazione.h"

namespace almanacco {

namespace {
constexpr std::array<std::array<char, 2>, 32> kNumeri = [] {
  std::array<std::array<char, 2>, 32> testi{};
  for (std::size_t n = 0; n < testi.size(); ++n) {
    if (n < 10) {
      testi[n] = {static_cast<char>('0' + n), '\0'};
    } else {
      testi[n] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    }
  }
  return testi;
}();
}  // namespace

std::string_view numeroInLettere(int n) {
  if (n < 0 || n >= static_cast<int>(kNumeri.size())) return {};
  const auto& testo = kNumeri[static_cast<std::size_t>(n)];
  return {testo.data(), n < 10 ? 1U : 2U};
}

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
