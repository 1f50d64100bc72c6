// Roman dating: the Kalends, Nones and Ides and the days counted back to them, as
// chanceries and notaries wrote it ("III kal. octobris", "pridie idus martii",
// "a.d. VIII id. ian.", "bis VI kal. mart."), and in Italian ("III calende di ottobre",
// "il giorno avanti le none di gennaio").
#include "cornice.h"

namespace almanacco::lettura {

using namespace parole;
using latino::Parola;
using latino::Specie;

namespace {

// "ante diem" or "a.d." ("a. d."), before a count: skipped.
void anteDiem(Cursore& c) {
  const std::size_t da = c.i;
  if (salta(c, Parola::Ante) && c.vuoti() && salta(c, Parola::Diem) && c.vuoti()) return;
  c.i = da;
  const auto letteraEPunto = [&c](char l) {
    if ((c.ora() | 0x20) != l || c.t.data()[c.i + 1] != '.') return false;
    c.i += 2;
    return true;
  };
  if (letteraEPunto('a')) {
    c.vuoti();
    if (letteraEPunto('d') && c.vuoti()) return;
  }
  c.i = da;
}

// The count before the Kalends, Nones or Ides, and whether there is one: pridie, "bis VI",
// "il giorno avanti", a number.
bool conteggio(Cursore& c, Conto& conto) {
  const std::size_t da = c.i;
  const auto no = [&] {
    c.i = da;
    return false;
  };
  if (salta(c, Parola::Pridie)) {
    c.salta('.');
    conto.numero = 2;
  } else if (salta(c, Parola::Bissexto)) {
    conto.numero = 6;
    conto.bis = true;
  } else if (salta(c, Parola::Bis)) {
    c.vuoti();
    const auto n = numero(c);
    if (!n) return no();
    conto.numero = static_cast<std::uint8_t>(*n);
    conto.bis = true;
  } else if (salta(c, Parola::Giorno)) {
    if (!c.vuoti() || !salta(c, Parola::Avanti)) return no();
    conto.numero = 2;
  } else if (const auto n = numero(c)) {
    conto.numero = static_cast<std::uint8_t>(*n);
    c.salta('.');
  } else {
    return no();
  }
  return true;
}

Trovato giornoRomano(Cursore& c, Conto& conto, std::size_t& ignota) {
  const std::size_t da = c.i;
  const auto no = [&] {
    c.i = da;
    return Trovato::No;
  };
  // "il III delle calende", "die X kal.", "a.d. III kal.".
  if (salta(c, Parola::Articolo) || salta(c, Parola::Die)) c.vuoti();
  anteDiem(c);
  conto.numero = 1;
  if (conteggio(c, conto)) {
    c.vuoti();
    // "delle calende", "le none", "avanti le idi".
    if (salta(c, Parola::Di) || salta(c, Parola::Articolo)) c.vuoti();
  }
  if (!lettera(c.ora())) return no();
  const Voce fisso = voce(c);
  if (fisso.specie != Specie::Fisso) return no();
  c.i = fisso.fine;
  conto.verso = static_cast<Verso>(fisso.valore);
  const bool punto = c.salta('.');
  if (!c.vuoti() && !punto) return no();
  // "di ottobre", "d'ottobre" in Italian.
  const std::size_t prima = c.i;
  if (salta(c, Parola::Di)) {
    if (!c.salta('\'') && !c.vuoti()) c.i = prima;
  }
  return mese(c, conto.mese, ignota);
}

}  // namespace

std::optional<Lettura> dataRomana(std::string_view testo, const Datazione& datazione,
                                  const Enunciato& base) {
  return dataContata(testo, datazione, base, giornoRomano);
}

}  // namespace almanacco::lettura
