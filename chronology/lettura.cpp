#include "lettura.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "enunciato.h"
#include "parole.h"
#include "tabelle.h"

namespace almanacco {

using namespace parole;

namespace {

// ISO 8601, exactly yyyy-mm-dd: the year's four digits, then month and day of two.
bool iso(std::string_view t, DataScritta& d) {
  if (t.size() != 10 || t[4] != '-' || t[7] != '-') return false;
  for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (!cifra(t[i])) return false;
  const auto valore = [&t](std::size_t i) { return t[i] - '0'; };
  d.anno = valore(0) * 1000 + valore(1) * 100 + valore(2) * 10 + valore(3);
  d.mese = valore(5) * 10 + valore(6);
  d.giorno = valore(8) * 10 + valore(9);
  return true;
}

}  // namespace

namespace lettura {

namespace {
// The first two letters of each weekday, in lower case ("lu", "ma", ...): a text that
// begins with two others has no weekday before it, and is told so without a look-up (the
// documentary forms begin with a word, and come by the million too).
constexpr std::uint16_t dueLettere(unsigned char prima, unsigned char seconda) {
  return static_cast<std::uint16_t>((prima | 0x20) | (seconda | 0x20) << 8);
}
constexpr auto kInizi = [] {
  std::array<std::uint16_t, kNomiGiorni.size()> inizi{};
  for (std::size_t g = 0; g < inizi.size(); ++g)
    inizi[g] = dueLettere(static_cast<unsigned char>(kNomiGiorni[g][0]),
                          static_cast<unsigned char>(kNomiGiorni[g][1]));
  return inizi;
}();
}  // namespace

bool settimanaPrima(Cursore& c, Enunciato& e) {
  // A weekday before the date, with a comma or a blank after it.
  if (!lettera(c.ora())) return true;
  const std::uint16_t inizio = dueLettere(static_cast<unsigned char>(c.ora()),
                                          static_cast<unsigned char>(c.t.data()[c.i + 1]));
  if (std::find(kInizi.begin(), kInizi.end(), inizio) == kInizi.end()) return false;
  e.settimana = settimanaDi(c.parola());
  const bool virgola = c.salta(',');
  return e.settimana && (c.vuoti() || virgola);
}

// Day, month and year, in figures, Roman numerals or words.
bool giornoMeseAnno(Cursore& c, DataScritta& d, std::size_t& cifreAnno) {
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

bool coda(Cursore& c, Enunciato& e) {
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

}  // namespace lettura

namespace {

using lettura::Enunciato;

bool forma(std::string_view t, Enunciato& e) {
  Cursore c{t};
  if (!lettura::settimanaPrima(c, e)) return false;
  if (iso(t.substr(c.i, 10), e.data) && (c.i + 10 == t.size() || !cifra(t[c.i + 10]))) {
    c.i += 10;
    e.cifreAnno = 4;
  } else if (!lettura::giornoMeseAnno(c, e.data, e.cifreAnno)) {
    return false;
  }
  return lettura::coda(c, e) && c.i == t.size();
}

constexpr bool fuori(int anno) {
  return anno < kPrimoAnnoStorico || anno > kUltimoAnnoStorico;
}

// The common year of the written date in the style `stile`, where the date is one of the
// style's years in the place: whether the style gives it.
struct Anno {
  int comune;
  bool inUso;
};
Anno nelloStile(const DataScritta& d, Stile stile, const Giornata& fine) {
  const int comune = annoComune(d.anno, d.mese, d.giorno, stile);
  return {comune, dettaglio::chiave(comune, d.mese, d.giorno) <= dettaglio::chiave(fine)};
}

// The place's styles, each in the years it was written: the readings of the written
// date that fall in the years of the style that gives them. Most places have one.
Lettura neiSuoiStili(DataScritta d, const Luogo& luogo) {
  Lettura trovata{Esito::NelLuogoMai, d};
  int dal = dettaglio::chiave(kSempre);
  for (const StileDelLuogo& s : luogo.stili) {
    if (s.fino == Giornata{}) break;
    const int comune = annoComune(d.anno, d.mese, d.giorno, s.stile);
    const int chiave = dettaglio::chiave(comune, d.mese, d.giorno);
    const bool nelPeriodo = !s.ignoto && chiave >= dal && chiave <= dettaglio::chiave(s.fino);
    dal = dettaglio::chiave(s.fino) + 1;
    if (!nelPeriodo) {
      // The first style tried names the refusal, unless a later one comes nearer.
      if (trovata.esito == Esito::NelLuogoMai && trovata.data.annoComune == 0) {
        trovata.stile = s.stile;
        trovata.data.annoComune = comune;
      }
      continue;
    }
    if (trovata.esito == Esito::Data && trovata.data.annoComune != comune)
      return {Esito::StileAmbiguo, trovata.data, 0, 0, 0, trovata.stile, s.stile, comune};
    if (trovata.esito != Esito::Data) {
      trovata = {Esito::Data, d};
      trovata.data.annoComune = comune;
      trovata.stile = s.stile;
    }
  }
  return trovata;
}

}  // namespace

namespace lettura {

namespace {
// A year that breaks the rules of a year: cut short, too long, or outside the era.
std::optional<Esito> annoSbagliato(int anno, std::size_t cifre) {
  if (cifre < 3) return Esito::AnnoIncompleto;
  // A year of five digits or more is no year as the forms write one, unless its value
  // itself is past the calendar's end.
  if (cifre > 4 && !fuori(anno)) return Esito::NonUnaData;
  if (fuori(anno)) return Esito::FuoriAnni;
  return std::nullopt;
}
Lettura rifiuto(Esito esito, const DataScritta& d, int anno, std::size_t cifre, bool parentesi) {
  Lettura l{esito, d};
  l.annoInCausa = anno;
  l.cifreInCausa = static_cast<unsigned char>(std::min<std::size_t>(cifre, 8));
  l.inParentesi = parentesi;
  return l;
}
// The count a twin is written in: the other of Julian and Gregorian; Sweden's days have
// their Julian twins, as the Russian record of the same war dates them.
constexpr Computo altroComputo(Computo computo) {
  return computo == Computo::Giuliano ? Computo::Gregoriano : Computo::Giuliano;
}
}  // namespace

Lettura valuta(const Enunciato& e, const Datazione& datazione) {
  DataScritta d = e.data;
  if (const auto sbagliato = annoSbagliato(d.anno, e.cifreAnno))
    return rifiuto(*sbagliato, d, d.anno, e.cifreAnno, false);
  if (e.annoComune && !e.annoDoppio)
    if (const auto sbagliato = annoSbagliato(*e.annoComune, e.cifreAnnoComune))
      return rifiuto(*sbagliato, d, *e.annoComune, e.cifreAnnoComune, true);
  const Luogo& luogo = *datazione.luogo;
  Stile stile = Stile::Comune;
  const bool senzaStile = !datazione.stile && luogo.soloComune();
  if (e.gemello && e.annoDelGemello) {
    // A year written once for both halves is the common one: the other count's writers
    // reckoned from 1 January.
    d.annoComune = d.anno;
    if (datazione.stile) stile = *datazione.stile;
    d.anno = annoNelloStile(d.annoComune, d.mese, d.giorno, stile);
  } else if (datazione.stile) {
    stile = *datazione.stile;
    const Anno anno = nelloStile(d, stile, fineDelloStile(stile, luogo));
    d.annoComune = anno.comune;
    if (!anno.inUso && !fuori(anno.comune)) {
      Lettura l{Esito::StileFinito, d};
      l.stile = stile;
      return l;
    }
  } else if (senzaStile) {
    d.annoComune = d.anno;
  } else {
    const Lettura lettura = neiSuoiStili(d, luogo);
    if (lettura.esito != Esito::Data) return lettura;
    d = lettura.data;
    stile = lettura.stile;
  }
  if (e.annoDoppio && senzaStile) {
    // A double year read without a style says which one applies: any that gives its
    // second year, in the years it was in use.
    for (const DatiStile& s : kStili) {
      const Anno anno = nelloStile(e.data, s.stile, s.fine);
      if (anno.comune == *e.annoComune && anno.inUso) {
        d.annoComune = anno.comune;
        stile = s.stile;
        break;
      }
    }
  }
  if (fuori(d.annoComune)) {
    Lettura l = rifiuto(Esito::FuoriAnni, d, d.annoComune, 4, false);
    l.stile = stile;
    return l;
  }
  const ContoDeiGiorni& conto = luogo.conto;
  const Periodo* periodo = conto.periodo(d.annoComune, d.mese, d.giorno);
  if (d.mese < 1 || d.mese > 12 || d.giorno < 1 || d.giorno > 31 || !periodo ||
      !esistevaNel(*periodo, d.annoComune, d.mese, d.giorno, conto)) {
    Lettura l{Esito::Inesistente, d};
    l.stile = stile;
    return l;
  }
  Lettura lettura{Esito::Data, d};
  lettura.stile = stile;
  if (e.annoComune && *e.annoComune != d.annoComune) {
    lettura.esito = e.annoDoppio ? Esito::DoppiaDiscorde : Esito::AnnoComuneSbagliato;
    lettura.annoComuneScritto = *e.annoComune;
    return lettura;
  }
  lettura.settimana = settimanaNel(*periodo, d.annoComune, d.mese, d.giorno);
  if (e.settimana && lettura.settimana != *e.settimana) {
    lettura.esito = Esito::SettimanaSbagliata;
    lettura.settimanaScritta = *e.settimana;
    return lettura;
  }
  if (e.indizione) {
    // A stated indiction, checked as a weekday is, against the kind the text or the
    // options name, or against every kind.
    const auto tipo = e.tipoIndizione ? e.tipoIndizione : datazione.indizione;
    if (*e.indizione < 1 || *e.indizione > 15)
      lettura.esito = Esito::IndizioneFuori;
    else if (!concorda(*e.indizione, d.annoComune, d.mese, d.giorno, tipo))
      lettura.esito = Esito::IndizioneSbagliata;
    if (lettura.esito != Esito::Data) {
      if (datazione.dettagli) {
        datazione.dettagli->indizioneScritta = *e.indizione;
        datazione.dettagli->tipoIndizione = tipo;
      }
      return lettura;
    }
  }
  lettura.annoDoppio = e.annoDoppio && senzaStile;
  if (e.gemello || e.gemelloFuori || datazione.doppia) {
    lettura.computoGemello = altroComputo(periodo->computo);
    lettura.gemello = giornataDi(numeroDelGiorno(d.annoComune, d.mese, d.giorno, periodo->computo),
                                 lettura.computoGemello);
    lettura.conGemello = true;
    const bool fuoriEra = fuori(lettura.gemello.anno);
    const bool concorda =
        (!e.computoDelGemello || *e.computoDelGemello == lettura.computoGemello) &&
        (e.gemelloFuori ? fuoriEra && e.gemelloPrima == (lettura.gemello.anno < kPrimoAnnoStorico)
                        : !e.gemello || *e.gemello == lettura.gemello);
    if (!concorda) lettura.esito = Esito::DoppiaDiscorde;
  }
  return lettura;
}

}  // namespace lettura

namespace {

// The reading of a text, from what `base` says of it: inlined into the reader of lines,
// where `base` says nothing and costs nothing.
[[gnu::always_inline]] inline Lettura leggere(std::string_view testo, const Datazione& datazione,
                                              const lettura::Enunciato& base) {
  lettura::Enunciato e = base;
  // ISO first, read by position: the form of dates by the million. Any other form is
  // read from a copy followed by zeros, which words are read 16 bytes at a time from.
  std::array<char, kDataMassima + 16> copia;
  if (iso(testo, e.data)) {
    e.cifreAnno = 4;
  } else {
    if (testo.empty()) return {Esito::Vuota, {}};
    if (testo.size() > kDataMassima) return {Esito::NonUnaData, {}};
    std::memcpy(copia.data(), testo.data(), testo.size());
    std::memset(copia.data() + testo.size(), 0, 16);
    const std::string_view copiato{copia.data(), testo.size()};
    if (!forma(copiato, e)) return lettura::formeDocumentarie(copiato, datazione, base);
  }
  return lettura::valuta(e, datazione);
}

}  // namespace

Lettura lettura::leggiDa(std::string_view testo, const Datazione& datazione,
                         const Enunciato& base) {
  return leggere(testo, datazione, base);
}

Lettura leggiSenzaSpazi(std::string_view testo, const Datazione& datazione) {
  static constexpr lettura::Enunciato kNulla{};
  return leggere(testo, datazione, kNulla);
}

Lettura leggiData(std::string_view testo, const Datazione& datazione) {
  return leggiSenzaSpazi(senzaSpazi(testo), datazione);
}

}  // namespace almanacco
