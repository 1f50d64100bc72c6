// The frame of the counted forms: the year, the indiction and the weekday a notary wrote
// around the day ("1294, indictione septima, die Mercurii quinto intrante Majo",
// "die veneris tercio exeunte decembris 1217", "III kal. oct. 1300: Giovedì"), and the
// judgement of the day a count names in the year it is of.
#include "cornice.h"

#include <bit>

namespace almanacco::lettura {

using namespace parole;
using latino::Parola;
using latino::Specie;

Voce voce(const Cursore& c) {
  Cursore avanti = c;
  const auto k = avanti.parola();
  if (!k) return {Specie::Nessuna, 0, avanti.i};
  const auto& p = latino::kLessico.cerca(*k);
  return {p.specie, p.valore, avanti.i};
}

bool salta(Cursore& c, Parola p) {
  if (!lettera(c.ora())) return false;
  const Voce v = voce(c);
  if (!v.è(p)) return false;
  c.i = v.fine;
  return true;
}

namespace {

// A word that is a Roman numeral, of at most `massimo`: its value, or 0.
int romanoFinoA(Cursore& c, int massimo) {
  Cursore avanti = c;
  const auto k = avanti.parola();
  if (!k) return 0;
  const int n = latino::numeroRomano(*k);
  if (n == 0 || n > massimo) return 0;
  c = avanti;
  return n;
}

// A Latin or Italian ordinal word: its value, or 0.
int ordinale(Cursore& c) {
  if (!lettera(c.ora())) return 0;
  const Voce v = voce(c);
  if (v.specie != Specie::Ordinale) return 0;
  c.i = v.fine;
  return v.valore;
}

// What may part two pieces of the frame: blanks, or a comma with blanks around it.
bool separa(Cursore& c) {
  const std::size_t da = c.i;
  c.vuoti();
  if (c.salta(',')) c.vuoti();
  return c.i > da;
}

// A year, as figures (any number of them: the judgement names one cut short) or as a
// Roman numeral ("MCCCXVI"), after "anno" or "anno domini" if the text says so; without
// them, a numeral from 1000 up only, as short Latin words ("di") are numerals too. `intero`: where
// figures could also be a count, only three or four are a year.
bool anno(Cursore& c, Enunciato& e, bool intero) {
  const std::size_t da = c.i;
  const bool detto = salta(c, Parola::Anno);
  if (detto) {
    c.vuoti();
    if (salta(c, Parola::Domini)) c.vuoti();
  }
  int valore = 0;
  std::size_t cifre = 0;
  if (cifra(c.ora())) {
    cifre = c.cifre(valore);
    if (intero && !detto && cifre < 3) cifre = 0;
  } else if (const int romano = romanoFinoA(c, 9999); romano >= (detto ? 100 : 1000)) {
    valore = romano;
    cifre = 4;
  }
  if (cifre == 0) {
    c.i = da;
    return false;
  }
  e.data.anno = valore;
  e.cifreAnno = cifre;
  return true;
}

// A weekday before the day: Italian ("venerdì"), Latin ("die veneris", "dominica"), or
// counted from Sunday ("feria sexta"), with a comma or blanks after it.
bool settimanaDavanti(Cursore& c, Enunciato& e) {
  if (e.settimana || !lettera(c.ora())) return false;
  const std::size_t da = c.i;
  Cursore avanti = c;
  if (const auto g = settimanaDi(avanti.parola())) {
    e.settimana = g;
    c = avanti;
  } else {
    const bool die = salta(c, Parola::Die) && c.vuoti();
    const Voce v = voce(c);
    if (v.specie == Specie::Settimana) {
      e.settimana = static_cast<Giorno>(v.valore);
      c.i = v.fine;
    } else if (!die && v.è(Parola::Feria)) {
      c.i = v.fine;
      c.vuoti();
      const auto n = numero(c);
      // Feria prima is Sunday, secunda Monday, septima Saturday.
      if (n && *n >= 1 && *n <= 7) e.settimana = static_cast<Giorno>((*n + 5) % 7);
    }
  }
  if (!e.settimana || !separa(c)) {
    e.settimana.reset();
    c.i = da;
    return false;
  }
  return true;
}

}  // namespace

int ultimoGiorno(int anno, int mese, const ContoDeiGiorni& conto) {
  const unsigned long long giorni = giorniDelMese(anno, mese, conto).to_ullong();
  return giorni == 0 ? 0 : static_cast<int>(std::bit_width(giorni)) - 1;
}

std::optional<int> numero(Cursore& c) {
  if (cifra(c.ora())) {
    const auto g = c.giorno();
    return g ? std::optional<int>(*g) : std::nullopt;
  }
  if (const int r = romanoFinoA(c, 99)) return r;
  const int primo = ordinale(c);
  if (primo == 0) return std::nullopt;
  // "tertio decimo", "decimo tertio": two ordinals, the tenth and a unit, are their sum.
  const std::size_t dopo = c.i;
  if (c.vuoti()) {
    const int secondo = ordinale(c);
    const bool somma = (primo == 10 && secondo >= 1 && secondo <= 9) ||
                       (secondo == 10 && primo >= 1 && primo <= 9);
    if (somma) return primo + secondo;
  }
  c.i = dopo;
  return primo;
}

Trovato mese(Cursore& c, std::uint8_t& m, std::size_t& ignota) {
  if (!lettera(c.ora())) return Trovato::No;
  const std::size_t da = c.i;
  const Voce v = voce(c);
  c.i = v.fine;
  if (v.specie != Specie::Mese) {
    ignota = da;
    // A word the reader cannot take whole is still the word in the month's place.
    while (lettera(c.ora())) ++c.i;
    c.salta('.');
    return Trovato::MeseIgnoto;
  }
  m = static_cast<std::uint8_t>(v.valore);
  c.salta('.');
  return Trovato::Giorno;
}

bool clausolaIndizione(Cursore& c, Enunciato& e) {
  const std::size_t da = c.i;
  if (e.indizione || !salta(c, Parola::Indizione)) return false;
  const bool punto = c.salta('.');
  std::optional<int> n;
  if (c.vuoti() || punto) {
    if (cifra(c.ora())) {
      int valore = 0;
      if (c.cifre(valore) <= 2) n = valore;
    } else {
      n = numero(c);
    }
  }
  if (!n) {
    c.i = da;
    return false;
  }
  e.indizione = n;
  // The kind after the number: the longest of the names that the text goes on with.
  Cursore avanti = c;
  if (avanti.vuoti()) {
    std::optional<Indizione> tipo;
    std::size_t fine = 0;
    const auto prova = [&](std::string_view nome, Indizione t) {
      const std::string_view resto = avanti.t.substr(avanti.i);
      if (resto.size() < nome.size() || nome.size() <= fine) return;
      for (std::size_t k = 0; k < nome.size(); ++k)
        if ((resto[k] | 0x20) != (nome[k] | 0x20)) return;
      if (lettera(resto.data()[nome.size()]) || cifra(resto.data()[nome.size()])) return;
      tipo = t;
      fine = nome.size();
    };
    for (const DatiIndizione& d : kIndizioni) prova(d.nome, d.tipo);
    for (const AltroNomeDiIndizione& a : kAltriNomiDiIndizione) prova(a.nome, a.tipo);
    if (tipo) {
      e.tipoIndizione = tipo;
      c.i = avanti.i + fine;
    }
  }
  return true;
}

std::optional<Lettura> dataContata(std::string_view testo, const Datazione& datazione,
                                   const Enunciato& base, LettoreDelGiorno giorno) {
  Cursore c{testo};
  Enunciato e = base;
  // Before the day: a weekday, the year, the indiction, the weekday, each optional.
  settimanaDavanti(c, e);
  const bool annoPrima = anno(c, e, true);
  if (annoPrima && !separa(c)) return std::nullopt;
  if (clausolaIndizione(c, e) && !separa(c)) return std::nullopt;
  settimanaDavanti(c, e);
  Conto conto;
  std::size_t ignota = 0;
  const Trovato trovato = giorno(c, conto, ignota);
  if (trovato == Trovato::No) return std::nullopt;
  // After it: the year, unless it came before, then what the answers write after a date,
  // then the indiction.
  if (!annoPrima && !(separa(c) && anno(c, e, false))) return std::nullopt;
  if (!coda(c, e)) return std::nullopt;
  const std::size_t prima = c.i;
  if (!(separa(c) && clausolaIndizione(c, e))) c.i = prima;
  if (c.i != testo.size()) return std::nullopt;
  if (trovato == Trovato::MeseIgnoto) {
    Lettura l{Esito::MeseSconosciuto, e.data};
    l.parola = static_cast<std::uint16_t>(ignota);
    std::size_t fine = ignota;
    while (fine < testo.size() && lettera(testo[fine])) ++fine;
    l.lunghezzaParola = static_cast<std::uint16_t>(fine - ignota);
    return l;
  }
  return valutaConto(e, conto, datazione);
}

Lettura valutaConto(Enunciato e, const Conto& conto, const Datazione& datazione) {
  const int m = romano::meseDelGiorno(conto);
  e.data.mese = m;
  int giorni = giorniNelMese(1, m, Computo::Giuliano);  // a common year's
  int giorno = romano::giornoDel(conto, giorni);
  int annoComune = 0;
  if (m == 2) {
    // February's length is its year's: the year the text's is in the style it is read
    // in, which any of the month's days tells (no style turns the year in February).
    e.data.giorno = 1;
    annoComune = valuta(e, datazione).data.annoComune;
    if (annoComune != 0)
      if (const int ultimo = ultimoGiorno(annoComune, 2, datazione.luogo->conto)) giorni = ultimo;
    giorno = romano::giornoDel(conto, giorni);
  }
  if (giorno == 0) {
    Lettura l{Esito::ContoFuori, e.data};
    l.data.annoComune = annoComune;
    l.conto = conto;
    l.giorniDelMese = static_cast<std::uint8_t>(giorni);
    return l;
  }
  e.data.giorno = giorno;
  Lettura l = valuta(e, datazione);
  // The sixth day before the Kalends of March names two days in a leap year, the 24th and
  // the 25th: a stated weekday tells which (Universität Zürich, Ad fontes).
  const bool sesto = conto.verso == Verso::Calende && conto.mese == 3 && conto.numero == 6;
  if (l.esito == Esito::SettimanaSbagliata && sesto && !conto.bis && giorni > 28) {
    Conto bis = conto;
    bis.bis = true;
    e.data.giorno = romano::giornoDel(bis, giorni);
    if (Lettura doppio = valuta(e, datazione); doppio.esito == Esito::Data) return doppio;
  }
  return l;
}

}  // namespace almanacco::lettura
