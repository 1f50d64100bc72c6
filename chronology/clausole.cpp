// What a date in any form may carry before or after it: an indiction ("1 marzo 1300,
// indizione XIII", "indictione sexta, 29 dicembre 1217"), checked as a stated weekday is;
// and after it, the style its year is written in ("25 febbraio 1706 more veneto",
// "29 Dicembre 1218 (1217): Venerdì, stile natività"), which reads that date as --stile
// would.
#include <algorithm>
#include <array>
#include <cstring>

#include "cornice.h"
#include "lettura.h"
#include "nomi.h"

namespace almanacco::lettura {

using namespace parole;

namespace {

// Where a word begins: the text's start, or after a blank or a comma.
bool inizioDiParola(std::string_view t, std::size_t i) {
  return i == 0 || vuoto(t[i - 1]) || t[i - 1] == ',';
}

// The text before a clause that begins at `i`, without the blanks and the comma between.
std::string_view primaDi(std::string_view t, std::size_t i) {
  std::string_view prima = senzaSpazi(t.substr(0, i));
  if (!prima.empty() && prima.back() == ',') prima = senzaSpazi(prima.substr(0, prima.size() - 1));
  return prima;
}

// An indiction that ends the text: where it begins, or the text's size for none.
std::size_t indizioneInFondo(std::string_view t, Enunciato& e) {
  const Gettoni g(t);
  for (std::size_t k = 1; k < g.quanti(); ++k) {
    if (!g[k].è(latino::Parola::Indizione)) continue;
    Passo p{g, k};
    Enunciato prova = e;
    if (clausolaIndizione(p, prova) && p.finito()) {
      e = prova;
      return g[k].inizio;
    }
  }
  return t.size();
}

// The first words of the names a style is written after a date with: "stile", and those
// of the formulas of more than one word ("more veneto", "m.v.", "a nativitate").
inline constexpr auto kPrimeParole = [] {
  std::array<Chiave, kAltriNomi.size() + 1> parole{*chiave("stile")};
  std::size_t n = 1;
  for (const AltroNome& a : kAltriNomi) {
    const std::size_t fine = a.nome.find_first_of(" .");
    if (fine != std::string_view::npos) parole[n++] = *chiave(a.nome.substr(0, fine));
  }
  return parole;
}();

// A style that ends the text, named as a document or an editor names it: "stile" and its
// name ("stile natività", "stile della Natività"), or a formula of more than one word
// ("more veneto", "m.v.", "a nativitate", "secundum cursum Pisanorum"). The longest that
// names one style.
std::optional<Stile> stileInFondo(std::string_view t, std::size_t& dove) {
  constexpr std::size_t kPiùLungo = 40;
  for (std::size_t i = t.size() > kPiùLungo ? t.size() - kPiùLungo : 1; i < t.size(); ++i) {
    if (!inizioDiParola(t, i) || !lettera(t[i])) continue;
    Cursore c{t, i};
    const auto parola = c.parola();
    if (!parola ||
        std::find(kPrimeParole.begin(), kPrimeParole.end(), *parola) == kPrimeParole.end())
      continue;
    const std::string_view nome = t.substr(i);
    const std::string forma = normalizzato(nome);
    if (!forma.starts_with("stile-") && forma.find('-') == std::string::npos) continue;
    const auto stile = stileDi(nome);
    if (!stile || stile->ambiguo()) continue;
    dove = i;
    return stile->stile;
  }
  return std::nullopt;
}

// A piece of the text followed by zeros, as the readers of words want it; a piece of
// itself put back in it is moved where it belongs.
class Copia {
 public:
  explicit Copia(std::string_view t) { metti(t); }
  void metti(std::string_view t) {
    std::memmove(byte_.data(), t.data(), t.size());
    std::memset(byte_.data() + t.size(), 0, 16);
    n_ = t.size();
  }
  std::string_view testo() const { return {byte_.data(), n_}; }

 private:
  std::array<char, kDataMassima + 16> byte_;
  std::size_t n_ = 0;
};

}  // namespace

std::optional<Lettura> conClausole(std::string_view testo, const Datazione& datazione,
                                   const Enunciato& base) {
  if (base.clausole) return std::nullopt;
  Enunciato e = base;
  e.clausole = true;
  Datazione dello = datazione;
  Copia resto(testo);
  // At the end, in either order: the indiction and the style.
  for (int volta = 0; volta < 2; ++volta) {
    if (!e.indizione)
      if (const std::size_t i = indizioneInFondo(resto.testo(), e); i < resto.testo().size()) {
        resto.metti(primaDi(resto.testo(), i));
        continue;
      }
    std::size_t dove = 0;
    if (dello.stile == datazione.stile)
      if (const auto stile = stileInFondo(resto.testo(), dove)) {
        dello.stile = stile;
        resto.metti(primaDi(resto.testo(), dove));
      }
  }
  // At the start, an indiction.
  std::size_t inizio = 0;
  if (!e.indizione) {
    const Gettoni g(resto.testo());
    Passo p{g};
    if (clausolaIndizione(p, e)) {
      p.salta(',');
      inizio = p.finito() ? resto.testo().size() : g[p.i].inizio;
    }
  }
  const std::string_view letto = resto.testo().substr(inizio);
  if (letto.size() == testo.size() || letto.empty()) return std::nullopt;
  Lettura l = leggiDa(letto, dello, e);
  // A word that names no month is named where it is in the whole text.
  if (l.esito == Esito::MeseSconosciuto && datazione.dettagli) datazione.dettagli->parola += inizio;
  return l;
}

}  // namespace almanacco::lettura
