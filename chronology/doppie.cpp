// Double dates, as editors write them and as the answers do: a year in two styles
// ("30 gennaio 1648/9", "30/1/1648-49"), a day in two counts ("25 ottobre/7 novembre 1917",
// "20/30 gennaio 1649"), and an answer with the day in the other count after it
// ("... (9 Febbraio 1649 nel calendario gregoriano)").
#include "enunciato.h"

namespace almanacco::lettura {

using namespace parole;

namespace {

// "/9", "-49", "/1649": the year of the common style after the written one, by its last
// digits or whole; the digits it lacks are the written year's, one century on where
// they would fall behind it ("1699/00" is 1700).
bool secondoAnno(Cursore& c, Enunciato& e) {
  const char separatore = c.ora();
  if (separatore != '/' && separatore != '-') return false;
  const std::size_t prima = c.i++;
  int cifre = 0;
  const std::size_t n = c.cifre(cifre);
  if (n == 0 || n > e.cifreAnno || n > 4) {
    c.i = prima;
    return false;
  }
  int potenza = 1;
  for (std::size_t k = 0; k < n; ++k) potenza *= 10;
  int anno = e.data.anno - e.data.anno % potenza + cifre;
  if (anno < e.data.anno - 1) anno += potenza;
  e.annoComune = anno;
  e.cifreAnnoComune = 4;
  e.annoDoppio = true;
  return true;
}

constexpr std::string_view kNel = "nel calendario ";

// The count an answer names: "giuliano", "gregoriano", "svedese".
std::optional<Computo> calendario(Cursore& c) {
  if (!c.salta(kNel)) return std::nullopt;
  for (const Computo computo : {Computo::Giuliano, Computo::Gregoriano, Computo::Svedese})
    if (c.salta(nomeDelComputo(computo))) return computo;
  return std::nullopt;
}

// " (9 Febbraio 1649 nel calendario gregoriano)", or, for a twin outside the years 1 to
// 9999, " (nel calendario gregoriano: prima dell'anno 1)".
bool gemelloDellaRisposta(Cursore& c, Enunciato& e) {
  c.vuoti();
  if (!c.salta('(')) return false;
  Giornata g{};
  if (cifra(c.ora())) {
    DataScritta d;
    std::size_t cifre = 0;
    // The twin's year as the answers write every year, a plain number: 99 beside 100.
    if (!giornoMeseAnno(c, d, cifre) || cifre > 4) return false;
    g = {d.anno, d.mese, d.giorno};
    e.gemello = g;
    if (!c.salta(' ')) return false;
  } else {
    e.gemelloFuori = true;
  }
  e.computoDelGemello = calendario(c);
  if (!e.computoDelGemello) return false;
  if (e.gemelloFuori) {
    e.gemelloPrima = c.salta(kPrimaDellEra);
    if (!e.gemelloPrima && !c.salta(kDopoLEra)) return false;
  }
  return c.salta(')');
}

// "25 ottobre/7 novembre 1917", "30 gennaio 1648/9 febbraio 1649", "20/30 gennaio 1649":
// the first day with its month (or the second's), its year or the one written once for
// both, then the other day. Months in words: in figures the slash is the date's own.
bool dueCalendari(Cursore& c, Enunciato& e) {
  const auto primo = c.giorno();
  if (!primo) return false;
  std::optional<int> primoMese;
  int primoAnno = 0;
  std::size_t cifre = 0;
  if (c.vuoti()) {
    primoMese = kMesiInLettere.cerca(c.parola());
    if (!primoMese) return false;
    if (c.vuoti() && cifra(c.ora())) cifre = c.cifre(primoAnno);
    c.vuoti();
  }
  if (!c.salta('/')) return false;
  c.vuoti();
  const auto secondo = c.giorno();
  if (!secondo || !c.vuoti()) return false;
  const auto secondoMese = kMesiInLettere.cerca(c.parola());
  int secondoAnno = 0;
  if (!secondoMese || !c.vuoti()) return false;
  const std::size_t cifreSecondo = c.cifre(secondoAnno);
  if (cifreSecondo == 0) return false;
  e.annoDelGemello = cifre == 0;
  e.data = {*primo, primoMese.value_or(*secondoMese), e.annoDelGemello ? secondoAnno : primoAnno};
  e.cifreAnno = e.annoDelGemello ? cifreSecondo : cifre;
  if (cifreSecondo < 3 || cifreSecondo > 4) return false;
  e.gemello = Giornata{secondoAnno, *secondoMese, *secondo};
  return true;
}

// The double date whose day begins at the cursor.
[[gnu::noinline]] bool doppiaDalGiorno(std::string_view testo, Cursore c, Enunciato& e) {
  const std::size_t inizio = c.i;
  const Enunciato prima = e;
  if (dueCalendari(c, e)) return coda(c, e) && c.i == testo.size();
  e = prima;
  c.i = inizio;
  if (!giornoMeseAnno(c, e.data, e.cifreAnno)) return false;
  const bool annoDoppio = secondoAnno(c, e);
  // A double year says the common one already: no other in parentheses.
  const std::optional<int> scritto = e.annoComune;
  if (!coda(c, e) || (annoDoppio && e.annoComune != scritto)) return false;
  const bool gemello = c.i < testo.size() && gemelloDellaRisposta(c, e);
  return (annoDoppio || gemello) && c.i == testo.size();
}

// The double date read from the text's beginning.
[[gnu::noinline]] bool doppiaDalPrincipio(std::string_view testo, Enunciato& e) {
  Cursore c{testo};
  if (!settimanaPrima(c, e)) return false;
  // Both forms begin with the day in figures: a text with none there (a dating by feast,
  // as most that come here are) is left at once, before the work of reading one is begun.
  if (!cifra(c.ora())) return false;
  return doppiaDalGiorno(testo, c, e);
}

}  // namespace

bool doppiaData(std::string_view testo, Enunciato& e) {
  // A text that begins with a word that is no weekday's, as most datings by feast, is no
  // double date: told by its first two letters, before anything is made ready to read one.
  const char primo = testo.data()[0];
  if (!cifra(primo) && lettera(primo) &&
      std::find(inizi::kInizi.begin(), inizi::kInizi.end(),
                inizi::dueLettere(static_cast<unsigned char>(primo),
                                  static_cast<unsigned char>(testo.data()[1]))) ==
          inizi::kInizi.end())
    return false;
  return doppiaDalPrincipio(testo, e);
}

}  // namespace almanacco::lettura
