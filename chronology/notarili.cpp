// The entering and leaving month (consuetudo bononiensis), as notaries of Bologna, Venice
// and Lombardy wrote it: the first half of the month counted forward, the second back from
// its last day ("die III intrante martio", "die tertio exeunte decembris", "die ultimo
// mensis", "undecimus dies intrante mense Madii"), and in Italian ("3 entrante marzo",
// "a dì 3 uscente dicembre", "di XIIII intrando lo mese di Setembrio").
#include "cornice.h"

namespace almanacco::lettura {

using namespace parole;
using latino::Parola;

namespace {

Trovato giornoNotarile(Cursore& c, Conto& conto, std::size_t& ignota) {
  const std::size_t da = c.i;
  const auto no = [&] {
    c.i = da;
    return Trovato::No;
  };
  // "a dì", "adì", "die", "dì", and the Venetian "di".
  if (salta(c, Parola::A)) {
    if (!c.vuoti() || !salta(c, Parola::Die)) return no();
    c.vuoti();
  } else if (salta(c, Parola::Die) || salta(c, Parola::Di)) {
    c.vuoti();
  }
  // The count, or the last day and the one before it, which need no "exeunte".
  Verso verso = Verso::Nessuno;
  if (salta(c, Parola::Ultimo)) {
    conto.numero = 1;
    verso = Verso::Uscente;
  } else if (salta(c, Parola::Penultimo)) {
    conto.numero = 2;
    verso = Verso::Uscente;
  } else if (const auto n = numero(c)) {
    conto.numero = static_cast<std::uint8_t>(*n);
  } else {
    return no();
  }
  if (!c.vuoti()) return no();
  // "tertia die exeunte", "undecimus dies intrante".
  if (salta(c, Parola::Die) && !c.vuoti()) return no();
  if (lettera(c.ora())) {
    const Voce v = voce(c);
    if (v.è(Parola::Entrante) || v.è(Parola::Uscente)) {
      const Verso detto = v.è(Parola::Entrante) ? Verso::Entrante : Verso::Uscente;
      if (verso != Verso::Nessuno && detto != verso) return no();  // "ultimo intrante"
      verso = detto;
      c.i = v.fine;
      if (!c.vuoti()) return no();
    }
  }
  if (verso == Verso::Nessuno) return no();
  conto.verso = verso;
  // "mense", "mensis", "lo mese di", "del mese di".
  const std::size_t prima = c.i;
  if (salta(c, Parola::Articolo) || salta(c, Parola::Di)) c.vuoti();
  if (salta(c, Parola::Mese) && c.vuoti()) {
    const std::size_t dopo = c.i;
    if (salta(c, Parola::Di) && !c.salta('\'') && !c.vuoti()) c.i = dopo;
  } else {
    c.i = prima;
  }
  return mese(c, conto.mese, ignota);
}

}  // namespace

std::optional<Lettura> dataNotarile(std::string_view testo, const Datazione& datazione,
                                    const Enunciato& base) {
  return dataContata(testo, datazione, base, giornoNotarile);
}

}  // namespace almanacco::lettura
