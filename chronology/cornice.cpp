// The frame of the counted forms: the year, the indiction and the weekday a notary wrote
// around the day ("1294, indictione septima, die Mercurii quinto intrante Majo",
// "die veneris tercio exeunte decembris 1217", "III kal. oct. 1300: Giovedì"), and the
// judgement of the day a count names in the year it is of.
#include "cornice.h"

#include <algorithm>
#include <bit>

namespace almanacco::lettura {

using namespace parole;
using latino::Parola;
using latino::Specie;
using Tipo = Gettone::Tipo;

Gettoni::Gettoni(std::string_view testo) : testo_(testo) {
  // Read by hand rather than by a Cursore: a line of a notarial form is mostly its tokens.
  const char* t = testo.data();
  std::size_t i = 0;
  while (true) {
    while (vuoto(t[i])) ++i;
    if (i >= testo.size()) break;
    if (n_ == kMassimo) {
      n_ = 0;  // more than a date has: no form's
      break;
    }
    // Each token is made whole, then written once.
    Gettone g{};
    g.inizio = static_cast<std::uint16_t>(i);
    if (cifra(t[i])) {
      g.tipo = Tipo::Cifre;
      Cursore c{testo, i};
      g.cifre = static_cast<std::uint8_t>(std::min<std::size_t>(c.cifre(g.numero), 255));
      i = c.i;
    } else if (lettera(t[i])) {
      g.tipo = Tipo::Parola;
      // A word of 16 bytes or more is no name and no numeral.
      Chiave k;
      if (leggiParolaSeguita(t, i, k)) {
        const latino::Significato voce = latino::kLessico.cerca(k);
        g.specie = voce.specie;
        g.valore = voce.valore;
        // A numeral past the lexicon's: a year ("MCCCXVI"), a count far out of its stretch.
        if (voce.specie == Specie::Romano)
          g.romano = voce.valore;
        else if (voce.specie == Specie::Nessuna)
          g.romano = static_cast<std::uint16_t>(latino::numeroRomano(k));
      }
      g.fine = static_cast<std::uint16_t>(i);
      g.punto = t[i] == '.';
      i += g.punto ? 1 : 0;
      g_[n_++] = g;
      continue;
    } else {
      g.tipo = Tipo::Segno;
      g.segno = t[i++];
    }
    g.fine = static_cast<std::uint16_t>(i);
    g_[n_++] = g;
  }
  g_[n_] = g_[n_ + 1] = g_[n_ + 2] = Gettone{};
}

Trovato mese(Passo& p, std::uint8_t& m, std::size_t& ignota) {
  const Gettone& g = p.ora();
  if (g.tipo != Tipo::Parola) return Trovato::No;
  const std::size_t parola = p.i++;
  if (g.specie != Specie::Mese) {
    ignota = parola;
    return Trovato::MeseIgnoto;
  }
  m = g.valore;
  return Trovato::Giorno;
}

namespace {

// A year, as figures (any number of them: the judgement names one cut short) or as a
// Roman numeral ("MCCCXVI"), after "anno" or "anno domini" if the text says so; without
// them, a numeral from 1000 up only, as short Latin words ("di") are numerals too.
// `intero`: where figures could also be a count, only three or four are a year.
bool anno(Passo& p, Enunciato& e, bool intero) {
  const std::size_t da = p.i;
  const bool detto = p.salta(Parola::Anno);
  if (detto) p.salta(Parola::Domini);
  const Gettone& g = p.ora();
  if (g.tipo == Tipo::Cifre && (!intero || detto || g.cifre >= 3)) {
    e.data.anno = g.numero;
    e.cifreAnno = g.cifre;
  } else if (const int r = g.romano; r >= (detto ? 100 : 1000)) {
    e.data.anno = r;
    e.cifreAnno = 4;
  } else {
    p.i = da;
    return false;
  }
  ++p.i;
  return true;
}

// A weekday before the day: Italian ("venerdì"), Latin ("die veneris", "dominica"), or
// counted from Sunday ("feria sexta"), with a comma after it or none.
bool settimanaDavanti(Passo& p, Enunciato& e) {
  if (e.settimana) return false;
  const std::size_t da = p.i;
  const bool die = p.salta(Parola::Die);
  const Gettone& g = p.ora();
  if (g.specie == Specie::Settimana) {
    e.settimana = static_cast<Giorno>(g.valore);
    ++p.i;
  } else if (!die && p.salta(Parola::Feria)) {
    // Feria prima is Sunday, secunda Monday, septima Saturday.
    if (const auto n = numero(p); n && *n >= 1 && *n <= 7)
      e.settimana = static_cast<Giorno>((*n + 5) % 7);
  }
  if (!e.settimana) {
    p.i = da;
    return false;
  }
  p.salta(',');
  return true;
}

// What the answers write after a date: the common year in parentheses, the weekday after a
// colon.
bool coda(Passo& p, Enunciato& e) {
  if (p.ora().tipo == Tipo::Segno && p.ora().segno == '(' && p.g[p.i + 1].tipo == Tipo::Cifre) {
    const Gettone& anno = p.g[p.i + 1];
    if (p.g[p.i + 2].tipo != Tipo::Segno || p.g[p.i + 2].segno != ')') return false;
    e.annoComune = anno.numero;
    e.cifreAnnoComune = anno.cifre;
    p.i += 3;
  }
  if (!p.salta(':')) return true;
  if (e.settimana || p.ora().specie != Specie::Settimana) return false;
  e.settimana = static_cast<Giorno>(p.ora().valore);
  ++p.i;
  return true;
}

}  // namespace

int ultimoGiorno(int anno, int mese, const ContoDeiGiorni& conto) {
  for (int g = 31; g >= 28; --g)
    if (esisteva(anno, mese, g, conto)) return g;
  return 0;
}

bool clausolaIndizione(Passo& p, Enunciato& e) {
  const std::size_t da = p.i;
  if (e.indizione || !p.salta(Parola::Indizione)) return false;
  std::optional<int> n;
  if (p.ora().tipo == Tipo::Cifre) {
    if (p.ora().cifre <= 2) n = p.ora().numero;
    ++p.i;
  } else {
    n = numero(p);
  }
  if (!n) {
    p.i = da;
    return false;
  }
  e.indizione = n;
  // The kind after the number: the longest of the names the text goes on with.
  if (p.finito()) return true;
  const std::string_view resto = p.g.testo().substr(p.ora().inizio);
  std::optional<Indizione> tipo;
  std::size_t lunghezza = 0;
  const auto prova = [&](std::string_view nome, Indizione t) {
    if (resto.size() < nome.size() || nome.size() <= lunghezza) return;
    for (std::size_t k = 0; k < nome.size(); ++k)
      if ((resto[k] | 0x20) != (nome[k] | 0x20)) return;
    if (lettera(resto.data()[nome.size()]) || cifra(resto.data()[nome.size()])) return;
    tipo = t;
    lunghezza = nome.size();
  };
  for (const DatiIndizione& d : kIndizioni) prova(d.nome, d.tipo);
  for (const AltroNomeDiIndizione& a : kAltriNomiDiIndizione) prova(a.nome, a.tipo);
  if (!tipo) return true;
  e.tipoIndizione = tipo;
  const std::size_t fine = p.ora().inizio + lunghezza;
  while (!p.finito() && p.ora().inizio < fine) ++p.i;
  return true;
}

namespace {

// The words a counted form cannot do without: the Kalends, Nones and Ides, the entering
// and leaving month, the last day and the one before it, "pridie".
constexpr bool necessaria(const latino::Significato& s) {
  return s.specie == Specie::Fisso || s.è(Parola::Entrante) || s.è(Parola::Uscente) ||
         s.è(Parola::Ultimo) || s.è(Parola::Penultimo) || s.è(Parola::Pridie);
}

// The words that may begin one of the two shapes read word by word (below): "die",
// "pridie", a count of one word, the Kalends, Nones and Ides.
constexpr bool prima(const latino::Significato& s) {
  return s.specie == Specie::Fisso || s.specie == Specie::Romano || s.specie == Specie::Ordinale ||
         s.è(Parola::Die) || s.è(Parola::Pridie);
}

// The first four letters of some words of the lexicon (the whole of a shorter one), as
// names are compared, each marking one bit of 4,096: a word whose bit is clear begins as
// none of them does. (A word of another beginning may share a bit: it is then read whole.)
struct Inizi {
  std::array<std::uint64_t, 64> bit{};

  static constexpr unsigned posto(std::uint32_t k) { return (k * 0x9E3779B1U) >> 20; }
  constexpr bool contiene(std::uint32_t k) const {
    return (bit[posto(k) / 64] >> (posto(k) % 64) & 1) != 0;
  }
};

// The beginnings of the words of the lexicon that `scelta` takes.
constexpr Inizi inizi(bool (*scelta)(const latino::Significato&)) {
  const auto& lessico = latino::kLessico;
  Inizi inizi;
  for (const parole::Chiave& voce : lessico.posti) {
    const auto numero = static_cast<std::size_t>(voce.altre >> 56);
    if (numero == 0 || !scelta(lessico.significati[numero])) continue;
    const unsigned posto = Inizi::posto(static_cast<std::uint32_t>(voce.prime));
    inizi.bit[posto / 64] |= std::uint64_t{1} << (posto % 64);
  }
  return inizi;
}
constexpr auto kNecessarie = inizi(necessaria);
constexpr auto kPrime = inizi(prima);

// The beginning of the word at `p`, followed by eight bytes that may be read, as the
// tables above hold it.
inline std::uint32_t inizio(const char* p) {
  using namespace otto;
  const std::uint64_t parola = leggi(p);
  const std::uint64_t segni = lettere(parola);
  return static_cast<std::uint32_t>(minuscole(parola, segni) & lettereIniziali(segni));
}

}  // namespace

bool puòContare(std::string_view t) {
  // Eight bytes at a time: where a word begins, a letter after no letter, its first four
  // letters are looked up. Feast datings, which come by the million, have none.
  using namespace otto;
  const char* p = t.data();
  std::uint64_t prima = 0;  // the mark of the last byte before these eight
  for (std::size_t i = 0; i < t.size(); i += 8) {
    const std::uint64_t segni = lettere(leggi(p + i));
    std::uint64_t inizi = segni & ~(segni << 8 | prima);
    prima = segni >> 56;
    for (; inizi != 0; inizi &= inizi - 1)
      if (kNecessarie.contiene(
              inizio(p + i + static_cast<std::size_t>(std::countr_zero(inizi)) / 8)))
        return true;
  }
  return false;
}

namespace {

// The two shapes the counted forms come in by the million, "[pridie | count] kal.|non.|id.
// month year" and "[die] count intrante|exeunte month year", read word by word as they
// stand: the count and the month as the reader of every shape reads them, into the same
// count. Whether the text is in one of them; anything else, or anything more, is left to
// that reader.
struct ContoSemplice {
  Conto conto;
  int anno;
  std::size_t cifreAnno;
};
bool contoSemplice(std::string_view testo, ContoSemplice& semplice) {
  // A line of another form is told by its first word's first letters.
  if (!cifra(testo[0]) && !kPrime.contiene(inizio(testo.data()))) return false;
  Conto& conto = semplice.conto;
  Cursore c{testo, 0};
  // The next word's meaning, its dot and the blanks after it taken; none for no word.
  // (Where a sign stands, the word read is empty, which no word of the lexicon is.)
  const auto voce = [&c]() -> latino::Significato {
    const auto k = c.parola();
    if (!k) return {};
    c.salta('.');
    c.vuoti();
    return latino::kLessico.cerca(*k);
  };
  // The word where the count begins, unless figures stand there.
  latino::Significato s;
  const auto parola = [&c, &s, &voce] {
    if (cifra(c.ora())) return false;
    s = voce();
    return true;
  };
  bool vista = parola();
  const bool die = vista && s.è(Parola::Die);
  if (die) vista = parola();
  // The count: figures (one or two), a Roman numeral or an ordinal of one word; "pridie"
  // before the Kalends, Nones or Ides only.
  enum class Numero { Nessuno, Detto, Pridie } detto = Numero::Nessuno;
  int n = 1;
  if (!vista) {
    if (c.cifre(n) > 2) return false;
    c.vuoti();
    detto = Numero::Detto;
  } else if (s.specie == Specie::Romano || s.specie == Specie::Ordinale) {
    n = s.valore;
    detto = Numero::Detto;
  } else if (s.è(Parola::Pridie) && !die) {
    n = 2;
    detto = Numero::Pridie;
  }
  if (detto != Numero::Nessuno) s = voce();
  if (s.specie == Specie::Fisso && !die) {
    conto.verso = static_cast<Verso>(s.valore);
  } else if (detto == Numero::Detto && (s.è(Parola::Entrante) || s.è(Parola::Uscente))) {
    conto.verso = s.è(Parola::Entrante) ? Verso::Entrante : Verso::Uscente;
  } else {
    return false;
  }
  const latino::Significato mese = voce();
  if (mese.specie != Specie::Mese || !cifra(c.ora())) return false;
  int anno = 0;
  const std::size_t cifre = c.cifre(anno);
  c.vuoti();
  if (cifre > 4 || c.i != testo.size()) return false;
  conto.numero = static_cast<std::uint8_t>(n);
  conto.mese = mese.valore;
  semplice.anno = anno;
  semplice.cifreAnno = cifre;
  return true;
}

}  // namespace

Lettura dataContata(std::string_view testo, const Datazione& datazione, const Enunciato& base,
                    bool& letta) {
  if (ContoSemplice conto; contoSemplice(testo, conto)) {
    letta = true;
    Enunciato e = base;
    e.data.anno = conto.anno;
    e.cifreAnno = conto.cifreAnno;
    return valutaConto(e, conto.conto, datazione);
  }
  letta = false;
  if (!puòContare(testo)) return {Esito::NonUnaData, {}};
  const Gettoni g(testo);
  if (g.quanti() == 0) return {Esito::NonUnaData, {}};
  Passo p{g};
  Enunciato e = base;
  // Before the day: a weekday, the year, the indiction, the weekday, each optional; none
  // before a count or the Kalends, Nones and Ides, as most lines of these forms begin.
  const Gettone& primo = p.ora();
  const bool subito = primo.specie == Specie::Romano || primo.specie == Specie::Ordinale ||
                      primo.specie == Specie::Fisso ||
                      (primo.tipo == Tipo::Cifre && primo.cifre <= 2);
  bool annoPrima = false;
  if (!subito) {
    settimanaDavanti(p, e);
    annoPrima = anno(p, e, true);
    p.salta(',');
    if (clausolaIndizione(p, e)) p.salta(',');
    settimanaDavanti(p, e);
  }
  Conto conto;
  std::size_t ignota = 0;
  const std::size_t giorno = p.i;
  Trovato trovato = giornoRomano(p, conto, ignota);
  if (trovato == Trovato::No) {
    p.i = giorno;
    conto = {};
    trovato = giornoNotarile(p, conto, ignota);
  }
  if (trovato == Trovato::No) return {Esito::NonUnaData, {}};
  // After it: the year, unless it came before, then what the answers write after a date,
  // then the indiction.
  p.salta(',');
  if (!annoPrima && !anno(p, e, false)) return {Esito::NonUnaData, {}};
  if (!coda(p, e)) return {Esito::NonUnaData, {}};
  p.salta(',');
  clausolaIndizione(p, e);
  if (!p.finito()) return {Esito::NonUnaData, {}};
  letta = true;
  if (trovato == Trovato::MeseIgnoto) {
    if (datazione.dettagli) {
      datazione.dettagli->parola = g[ignota].inizio;
      datazione.dettagli->lunghezzaParola = g[ignota].fine - g[ignota].inizio;
    }
    return {Esito::MeseSconosciuto, e.data};
  }
  return valutaConto(e, conto, datazione);
}

namespace {
// A count outside its stretch, with what the refusal names.
Lettura fuori(const DataScritta& d, const Conto& conto, int giorni, const Datazione& datazione) {
  if (datazione.dettagli) {
    datazione.dettagli->conto = conto;
    datazione.dettagli->giorniDelMese = giorni;
  }
  return {Esito::ContoFuori, d};
}
}  // namespace

Lettura valutaConto(Enunciato& e, const Conto& conto, const Datazione& datazione) {
  const int m = romano::meseDelGiorno(conto);
  e.data.mese = m;
  int giorni = giorniNelMese(1, m, Computo::Giuliano);  // a common year's
  int giorno = romano::giornoDel(conto, giorni);
  if (m == 2) {
    // February's length is its year's: the year the text's is in the style it is read
    // in, which any of the month's days tells (no style turns the year in February).
    e.data.giorno = 1;
    // In a place of the common style alone, with no style asked, a year of three or four
    // figures is its common year, as the judgement would find.
    const bool comune =
        datazione.soloAnnoComune() && !e.gemello && !e.annoComune && e.cifreAnno - 3 <= 1;
    e.data.annoComune = comune ? e.data.anno : valuta(e, datazione).data.annoComune;
    if (e.data.annoComune != 0)
      if (const int ultimo = ultimoGiorno(e.data.annoComune, 2, datazione.luogo->conto))
        giorni = ultimo;
    giorno = romano::giornoDel(conto, giorni);
  }
  // The date written whole, as the judgement reads it whole.
  if (giorno != 0) e.data = DataScritta{giorno, m, e.data.anno, e.data.annoComune};
  // One object returned, made where the caller wants it: a reading is not copied (its
  // bytes, just written one by one, would be read back in wide words, which stalls).
  Lettura l{Esito::NonUnaData, {}};
  if (giorno == 0)
    l = fuori(e.data, conto, giorni, datazione);
  else if (e.indizione || e.annoComune || !subito(e.data, e.cifreAnno, e.settimana, datazione, l))
    l = valuta(e, datazione);
  // The sixth day before the Kalends of March names two days in a leap year, the 24th and
  // the 25th: a stated weekday tells which (Universität Zürich, Ad fontes).
  if (l.esito == Esito::SettimanaSbagliata && conto.verso == Verso::Calende && conto.mese == 3 &&
      conto.numero == 6 && !conto.bis && giorni > 28) {
    Conto bis = conto;
    bis.bis = true;
    e.data.giorno = romano::giornoDel(bis, giorni);
    if (Lettura doppio = valuta(e, datazione); doppio.esito == Esito::Data) l = doppio;
  }
  return l;
}

}  // namespace almanacco::lettura
