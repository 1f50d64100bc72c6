#include "Calendario.h"

#include <algorithm>
#include <string>

#include "creazione.h"
#include "tabelle.h"
#include "testo.h"

namespace almanacco {

using namespace nomi;

namespace {
std::optional<Giorno> giornoAbbreviato(std::string_view testo) {
  const auto trovato = std::find(kAbbreviazioni.begin(), kAbbreviazioni.end(), testo);
  if (trovato == kAbbreviazioni.end()) return std::nullopt;
  return static_cast<Giorno>(trovato - kAbbreviazioni.begin());
}

constexpr int colonnaDelGiorno(int giorno) {
  return (giorno - 1) % 7 + 1;
}
}  // namespace

void Calendario::ComponiAnno() {
  const auto secolo = numeroTra(etichette_.caption(lblSecoloSel), 1, 8);
  std::string anno{secolo ? kPrefissiSecolo[static_cast<std::size_t>(*secolo - 1)] : ""};
  anno += etichette_.caption(lblDecineSel);
  anno += etichette_.caption(lblUnitàSel);
  etichette_.setCaption(lblAnno, anno);
}

void Calendario::CalcolaIndice() {
  const auto anno = comeIntero(etichette_.caption(lblAnno));
  if (!anno) return;
  // Truncating remainder, as the year's sign would have it; no negative year is a date.
  const int resto = *anno % 28;
  etichette_.setCaption(lblRestoAnno, comeTesto(resto));
  if (resto < 0) return;
  const auto mese = numeroTra(etichette_.caption(lblMeseSel), 1, 12);
  if (!mese) return;
  etichette_.setCaption(lblIndice, kAbbreviazioni[primoDelMese(*anno, *mese, conto_)]);
}

void Calendario::DisponiSettimana() {
  for (std::int16_t d = 1; d <= 31; ++d) etichette_.setForeColor(lblGiorni(d), kNero);
  for (std::int16_t c = 1; c <= 7; ++c) etichette_.setForeColor(lblNome(c), kNero);

  const auto primo = giornoAbbreviato(etichette_.caption(lblIndice));
  if (!primo) return;
  for (std::int16_t c = 1; c <= 7; ++c)
    etichette_.setCaption(lblNome(c), kAbbreviazioni[(*primo + c - 1) % 7]);

  const auto domenica = static_cast<std::int16_t>(7 - *primo);
  etichette_.setForeColor(lblNome(domenica), kRossoScuro);
  for (auto d = domenica; d <= 31; d = static_cast<std::int16_t>(d + 7))
    etichette_.setForeColor(lblGiorni(d), kRossoScuro);
}

void Calendario::ScriviRisultato() {
  if (auto giorno = numeroTra(etichette_.caption(lblGiornoSel), 1, 31)) {
    const auto anno = comeIntero(etichette_.caption(lblAnno));
    const auto mese = numeroTra(etichette_.caption(lblMeseSel), 1, 12);
    if (anno && mese) giorno = giornoInIntestazione(*anno, *mese, *giorno, conto_);
    const auto colonna = static_cast<std::int16_t>(colonnaDelGiorno(*giorno));
    if (const auto settimana = giornoAbbreviato(etichette_.caption(lblNome(colonna))))
      etichette_.setCaption(lblFinale(3), kNomiGiorni[*settimana]);
  }
  std::string riga;
  componiRisultato(riga, etichette_.caption(lblFinale(0)), etichette_.caption(lblFinale(1)),
                   etichette_.caption(lblAnno), etichette_.caption(lblFinale(3)));
  etichette_.setCaption(lblNomeCompleto, riga);
}

std::optional<GiorniDelMese> celleDeiGiorni(std::string_view anno, std::string_view meseSel,
                                            const ContoDeiGiorni& conto) {
  const auto numero = comeIntero(anno);
  const auto mese = numeroTra(meseSel, 1, 12);
  if (!numero || *numero < 0 || !mese) return std::nullopt;
  return giorniDelMese(*numero, *mese, conto);
}

std::optional<std::string_view> nomeDelMese(std::string_view meseSel) {
  const auto mese = numeroTra(meseSel, 1, 12);
  if (!mese) return std::nullopt;
  return kNomiMesi[static_cast<std::size_t>(*mese - 1)];
}

}  // namespace almanacco
