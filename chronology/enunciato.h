#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "datazione.h"
#include "parole.h"
#include "tabelle.h"

// What a text says of a day, before any calendar is asked; the readers of the forms fill
// it, and one judgement of it against the place's calendar and styles answers them all.
namespace almanacco::lettura {

// What the fast forms state: the date, a weekday, a year in parentheses. Apart, because the
// fast reader fills it a million times a second.
struct Essenziale {
  // The date as written, its year as the place's style writes it.
  DataScritta data;
  std::size_t cifreAnno = 0;
  std::optional<Giorno> settimana;
  // The year of the common style, in parentheses (as the answers write it) or after a
  // slash (as editors write a double year).
  std::optional<int> annoComune;
  std::size_t cifreAnnoComune = 0;
};

struct Enunciato : Essenziale {
  bool annoDoppio = false;
  // A date given in both counts: the other half, as the other count writes it with the
  // year from 1 January; and whether the year written once for both is that one.
  std::optional<Giornata> gemello;
  bool annoDelGemello = false;
  // The count an answer names for the other half; and, for a twin outside the years 1 to
  // 9999, whether it says before the first or after the last.
  std::optional<Computo> computoDelGemello;
  bool gemelloFuori = false, gemelloPrima = false;
  // An indiction the text states (clausole.cpp), and the kind it names, if it names one.
  std::optional<int> indizione;
  std::optional<Indizione> tipoIndizione;
  // Whether the clauses around the text were read off it already.
  bool clausole = false;
};

// The parts of the fast forms, for the readers that build on them: a weekday before the
// date ("sabato, "), day, month and year, and what may follow an answer's date (the
// common year in parentheses, the weekday after a colon). Inline: the fast reader reads
// answers with them by the million.
namespace inizi {
// The first two letters of each weekday, in lower case ("lu", "ma", ...): a text that
// begins with two others has no weekday before it, and is told so without a look-up (the
// documentary forms begin with a word, and come by the million too).
constexpr std::uint16_t dueLettere(unsigned char prima, unsigned char seconda) {
  return static_cast<std::uint16_t>((prima | 0x20) | (seconda | 0x20) << 8);
}
inline constexpr auto kInizi = [] {
  std::array<std::uint16_t, kNomiGiorni.size()> inizi{};
  for (std::size_t g = 0; g < inizi.size(); ++g)
    inizi[g] = dueLettere(static_cast<unsigned char>(kNomiGiorni[g][0]),
                          static_cast<unsigned char>(kNomiGiorni[g][1]));
  return inizi;
}();
}  // namespace inizi

[[gnu::always_inline]] inline bool settimanaPrima(parole::Cursore& c, Essenziale& e) {
  using namespace parole;
  // A weekday before the date, with a comma or a blank after it.
  if (!lettera(c.ora())) return true;
  const std::uint16_t inizio = inizi::dueLettere(static_cast<unsigned char>(c.ora()),
                                                 static_cast<unsigned char>(c.t.data()[c.i + 1]));
  if (std::find(inizi::kInizi.begin(), inizi::kInizi.end(), inizio) == inizi::kInizi.end())
    return false;
  e.settimana = settimanaDi(c.parola());
  const bool virgola = c.salta(',');
  return e.settimana && (c.vuoti() || virgola);
}

// Day, month and year, in figures, Roman numerals or words.
[[gnu::always_inline]] inline bool giornoMeseAnno(parole::Cursore& c, DataScritta& d,
                                                  std::size_t& cifreAnno) {
  using namespace parole;
  const std::size_t inizio = c.i;
  const auto giorno = c.giorno();
  if (!giorno) return false;
  d.giorno = *giorno;
  // "1°" for the first, with the degree sign or the ordinal one.
  if (c.i == inizio + 1 && d.giorno == 1 && !c.salta("\xC2\xB0")) c.salta("\xC2\xBA");
  const char separatore = c.ora();
  std::optional<int> numero;
  if (separatore == '/' || separatore == '-' || separatore == '.') {
    ++c.i;
    int figure = 0;
    if (const std::size_t n = c.cifre(figure); n >= 1 && n <= 2)
      numero = figure;
    else if (n == 0)
      numero = kMesiRomaniSoli.cerca(c.parola());
    if (!numero || !c.salta(separatore)) return false;
  } else {
    if (!c.vuoti()) return false;
    numero = kMesiInLettere.cerca(c.parola());
    if (!numero || !c.vuoti()) return false;
  }
  d.mese = *numero;
  cifreAnno = c.cifre(d.anno);
  return cifreAnno > 0;
}

[[gnu::always_inline]] inline bool coda(parole::Cursore& c, Essenziale& e) {
  using namespace parole;
  // The common year in parentheses, as the answers write it where a style turns the year,
  // then the weekday after a colon. The text ends in neither blank, so blanks skipped
  // here are followed by more of it.
  const std::size_t prima = c.i;
  c.vuoti();
  if (c.salta('(')) {
    int anno = 0;
    const std::size_t cifre = c.cifre(anno);
    if (cifre == 0 || !c.salta(')')) {
      // Not a year: what the form after it makes of the parenthesis.
      c.i = prima;
      return true;
    }
    e.annoComune = anno;
    e.cifreAnnoComune = cifre;
    c.vuoti();
  }
  if (c.salta(':')) {
    c.vuoti();
    if (e.settimana) return false;
    e.settimana = settimanaDi(c.parola());
    if (!e.settimana) return false;
  }
  return true;
}

// An indiction the text states, checked on the day the reading found: whether it holds;
// where not, the reading says why.
bool indizioneDetta(const Enunciato& e, const Datazione& datazione, Lettura& lettura);

// The dates by the million, answered at once: a whole year, counted from 1 January in a
// place that always did, and no claim but a weekday. Whether it is one; anything else, and
// every refusal, is judged whole by valuta(), and the exhaustive tests hold both roads to
// one answer. The counted forms take it too, for a day with nothing else said of it.
[[gnu::always_inline]] inline bool subito(const DataScritta& data, std::size_t cifreAnno,
                                          std::optional<Giorno> settimana,
                                          const Datazione& datazione, Lettura& lettura) {
  const Luogo& luogo = *datazione.luogo;
  const DataScritta& d = data;
  if (cifreAnno - 3 > 1 || datazione.stile || datazione.doppia || d.anno < kPrimoAnnoStorico ||
      static_cast<unsigned>(d.mese - 1) >= 12 || static_cast<unsigned>(d.giorno - 1) >= 31)
    return false;
  // The common year: the written one, or the one the place's only possible style gives.
  int anno = d.anno;
  if (!luogo.soloComune()) {
    const auto stile = luogo.soloStile(d.anno);
    // A year from Easter needs the place's Easter: judged whole.
    if (!stile || mobile(*stile)) return false;
    anno = annoComune(d.anno, d.mese, d.giorno, *stile);
    if (anno > kUltimoAnnoStorico || anno < kPrimoAnnoStorico) return false;
    lettura.stile = *stile;
  }
  const Periodo* periodo = luogo.conto.periodo(anno, d.mese, d.giorno);
  if (!periodo || !esistevaNel(*periodo, anno, d.mese, d.giorno, luogo.conto)) return false;
  const Giorno vera = settimanaNel(*periodo, anno, d.mese, d.giorno);
  if (settimana && *settimana != vera) return false;
  lettura.esito = Esito::Data;
  lettura.data = d;
  lettura.data.annoComune = anno;
  lettura.settimana = vera;
  return true;
}

// The judgement: the year's digits and range, the style (asked, or the place's in the
// years it used each), the day in the place's calendar, then every claim the text makes.
Lettura valuta(const Enunciato& e, const Datazione& datazione);

// The documentary forms, each in a file of its own, tried in turn on a text the fast
// reader finds no date in (a copy followed by 16 zeros): the first that reads it answers;
// a text none reads is no date. `base` is what a form around the text already said of it
// (an indiction). The reading is returned, not an optional one: the answer of a million
// lines is made where it is written, never copied on the way.
Lettura formeDocumentarie(std::string_view testo, const Datazione& datazione,
                          const Enunciato& base);
// The reader of a text without blanks around it, fast forms first, from `base`: for a
// form that reads a date inside the text.
Lettura leggiDa(std::string_view testo, const Datazione& datazione, const Enunciato& base);

// Each form: whether the text is in it, and what it says.
bool doppiaData(std::string_view testo, Enunciato& e);
// A date by feast (feste.cpp): its day depends on the place's Easter and styles, so the
// form judges it itself.
bool perFesta(std::string_view testo, const Datazione& datazione, Lettura& lettura);
// Roman dating (romane.cpp) and the entering and leaving month (notarili.cpp), read in the
// frame they share (cornice.cpp), and any form with an indiction or a style of the year
// before or after it (clausole.cpp): what the text says, or nothing (`letta` false) where
// it is not in the form.
Lettura dataContata(std::string_view testo, const Datazione& datazione, const Enunciato& base,
                    bool& letta);
std::optional<Lettura> conClausole(std::string_view testo, const Datazione& datazione,
                                   const Enunciato& base);

}  // namespace almanacco::lettura
