// The entering and leaving month (consuetudo bononiensis), as notaries of Bologna, Venice
// and Lombardy wrote it: the first half of the month counted forward, the second back from
// its last day ("die III intrante martio", "die tertio exeunte decembris", "die ultimo
// mensis", "undecimus dies intrante mense Madii"), and in Italian ("3 entrante marzo",
// "a dì 3 uscente dicembre", "di XIIII intrando lo mese di Setembrio").
#include "cornice.h"

namespace almanacco::lettura {

using latino::Parola;

Trovato giornoNotarile(Passo& p, Conto& conto, std::size_t& ignota) {
  // "a dì", "adì", "die", "dì", and the Venetian "di".
  if (p.salta(Parola::A)) {
    if (!p.salta(Parola::Die)) return Trovato::No;
  } else if (!p.salta(Parola::Die)) {
    p.salta(Parola::Di);
  }
  // The count, or the last day and the one before it, which need no "exeunte".
  Verso verso = Verso::Nessuno;
  if (p.salta(Parola::Ultimo)) {
    conto.numero = 1;
    verso = Verso::Uscente;
  } else if (p.salta(Parola::Penultimo)) {
    conto.numero = 2;
    verso = Verso::Uscente;
  } else if (const auto n = numero(p)) {
    conto.numero = static_cast<std::uint8_t>(*n);
  } else {
    return Trovato::No;
  }
  // "tertia die exeunte", "undecimus dies intrante".
  p.salta(Parola::Die);
  const bool entrante = p.salta(Parola::Entrante);
  if (entrante || p.salta(Parola::Uscente)) {
    const Verso detto = entrante ? Verso::Entrante : Verso::Uscente;
    if (verso != Verso::Nessuno && detto != verso) return Trovato::No;  // "ultimo intrante"
    verso = detto;
  }
  if (verso == Verso::Nessuno) return Trovato::No;
  conto.verso = verso;
  // "mense", "mensis", "lo mese di", "del mese di".
  const std::size_t prima = p.i;
  if (!p.salta(Parola::Articolo)) p.salta(Parola::Di);
  if (p.salta(Parola::Mese)) {
    if (p.salta(Parola::Di)) p.salta('\'');
  } else {
    p.i = prima;
  }
  return mese(p, conto.mese, ignota);
}

}  // namespace almanacco::lettura
