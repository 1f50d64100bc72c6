// Roman dating: the Kalends, Nones and Ides and the days counted back to them, as
// chanceries and notaries wrote it ("III kal. octobris", "pridie idus martii",
// "a.d. VIII id. ian.", "bis VI kal. mart."), and in Italian ("III calende di ottobre",
// "il giorno avanti le none di gennaio").
#include "cornice.h"

namespace almanacco::lettura {

using latino::Parola;
using latino::Specie;

namespace {

// "ante diem" or "a.d.", before a count: passed over.
void anteDiem(Passo& p) {
  const std::size_t da = p.i;
  if (p.salta(Parola::Ante) && p.salta(Parola::Diem)) return;
  p.i = da;
  // Each letter with its dot; "d" is the only word of one letter among those that mean
  // "of".
  const auto conPunto = [&p](Parola parola) {
    const Gettone& g = p.ora();
    return g.punto && g.fine - g.inizio == 1 && p.salta(parola);
  };
  if (conPunto(Parola::A) && conPunto(Parola::Di)) return;
  p.i = da;
}

// The count before the Kalends, Nones or Ides, and whether there is one: pridie, "bis VI",
// "bissexto", "il giorno avanti", a number.
bool conteggio(Passo& p, Conto& conto) {
  const std::size_t da = p.i;
  if (p.salta(Parola::Pridie)) {
    conto.numero = 2;
    return true;
  }
  if (p.salta(Parola::Bissexto)) {
    conto.numero = 6;
    conto.bis = true;
    return true;
  }
  if (p.salta(Parola::Giorno)) {
    conto.numero = 2;
    if (p.salta(Parola::Avanti)) return true;
  } else {
    conto.bis = p.salta(Parola::Bis);
    if (const auto n = numero(p)) {
      conto.numero = static_cast<std::uint8_t>(*n);
      return true;
    }
  }
  p.i = da;
  conto.numero = 1;
  conto.bis = false;
  return false;
}

}  // namespace

Trovato giornoRomano(Passo& p, Conto& conto, std::size_t& ignota) {
  // "il III delle calende", "die X kal.", "a.d. III kal.".
  if (!p.salta(Parola::Articolo)) p.salta(Parola::Die);
  anteDiem(p);
  conto.numero = 1;
  // "delle calende", "le none", "avanti le idi".
  if (conteggio(p, conto) && !p.salta(Parola::Di)) p.salta(Parola::Articolo);
  if (p.ora().specie != Specie::Fisso) return Trovato::No;
  conto.verso = static_cast<Verso>(p.ora().valore);
  ++p.i;
  // "di ottobre", "d'ottobre" in Italian.
  if (p.salta(Parola::Di)) p.salta('\'');
  return mese(p, conto.mese, ignota);
}

}  // namespace almanacco::lettura
