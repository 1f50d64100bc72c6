#include "lettura.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "enunciato.h"
#include "parole.h"
#include "pasque.h"
#include "tabelle.h"

namespace almanacco {

using namespace parole;

namespace {

// ISO 8601, exactly yyyy-mm-dd: the year's four digits, then month and day of two.
[[gnu::always_inline]] inline bool iso(std::string_view t, DataScritta& d) {
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

namespace {

using lettura::Enunciato;

bool forma(std::string_view t, lettura::Essenziale& e) {
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

// The reading of the written date in the style `stile`: its common year, and whether the
// style was in use then; or why it has none. A day the Easter style writes twice in one
// year is told apart by the common year the text states.
struct Anno {
  int comune = 0;
  bool inUso = true;
  Esito esito = Esito::Data;
  int altro = 0;
  bool doppio = false;
};
Anno nelloStile(const DataScritta& d, Stile stile, const Giornata& fine, const Luogo& luogo,
                std::optional<int> detto) {
  const AnniNelloStile anni = anniNelloStile(d.anno, d.mese, d.giorno, stile, luogo);
  if (!anni.noti) return {anni.anno, true, Esito::PasquaIgnota};
  if (anni.quanti == 0) return {0, true, Esito::PasqualeMai};
  // The readings in the years the style was in use; the first one where none is.
  std::array<int, 2> inUso{};
  int quanti = 0;
  for (int i = 0; i < anni.quanti; ++i)
    if (dettaglio::chiave(anni.anni[i], d.mese, d.giorno) <= dettaglio::chiave(fine))
      inUso[quanti++] = anni.anni[i];
  if (quanti == 0) return {anni.anni[0], false};
  Anno anno{inUso[0]};
  if (quanti == 2) {
    if (detto && (*detto == inUso[0] || *detto == inUso[1])) {
      anno.comune = *detto;
      anno.doppio = true;
    } else {
      anno.esito = Esito::StileAmbiguo;
      anno.altro = inUso[1];
    }
  }
  return anno;
}

// The place's styles, each in the years it was written: the readings of the written
// date that fall in the years of the style that gives them. Most places have one; where
// two readings differ, the common year the text states tells them apart.
Lettura neiSuoiStili(DataScritta d, const Luogo& luogo, std::optional<int> detto) {
  Lettura trovata{Esito::NelLuogoMai, d};
  bool doppia = false;
  int dal = dettaglio::chiave(kSempre);
  for (const StileDelLuogo& s : luogo.stili) {
    if (s.fino == Giornata{}) break;
    const int inizio = dal;
    dal = dettaglio::chiave(s.fino) + 1;
    if (s.ignoto) continue;
    const AnniNelloStile anni = anniNelloStile(d.anno, d.mese, d.giorno, s.stile, luogo);
    if (!anni.noti) {
      Lettura l{Esito::PasquaIgnota, d};
      l.stile = s.stile;
      l.annoInCausa = anni.anno;
      return l;
    }
    for (int i = 0; i < anni.quanti; ++i) {
      const int comune = anni.anni[i];
      const int chiave = dettaglio::chiave(comune, d.mese, d.giorno);
      if (chiave < inizio || chiave > dettaglio::chiave(s.fino)) {
        // The first style tried names the refusal, unless a later one comes nearer.
        if (trovata.esito == Esito::NelLuogoMai && trovata.data.annoComune == 0) {
          trovata.stile = s.stile;
          trovata.data.annoComune = comune;
        }
        continue;
      }
      if (trovata.esito == Esito::Data) {
        if (trovata.data.annoComune == comune) continue;
        if (detto != comune && detto != trovata.data.annoComune) {
          Lettura ambigua{Esito::StileAmbiguo, trovata.data};
          ambigua.stile = trovata.stile;
          ambigua.altroStile = s.stile;
          ambigua.altroAnno = comune;
          return ambigua;
        }
        doppia = true;
        if (detto != comune) continue;
      }
      trovata = {Esito::Data, d};
      trovata.data.annoComune = comune;
      trovata.stile = s.stile;
    }
  }
  trovata.conAnnoComune = doppia;
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

bool indizioneDetta(const Enunciato& e, const Datazione& datazione, Lettura& lettura) {
  if (!e.indizione) return true;
  // Checked as a weekday is, against the kind the text or the options name, or against
  // every kind.
  const auto tipo = e.tipoIndizione ? e.tipoIndizione : datazione.indizione;
  const DataScritta& d = lettura.data;
  if (*e.indizione < 1 || *e.indizione > 15)
    lettura.esito = Esito::IndizioneFuori;
  else if (!concorda(*e.indizione, d.annoComune, d.mese, d.giorno, tipo))
    lettura.esito = Esito::IndizioneSbagliata;
  if (lettura.esito == Esito::Data) return true;
  if (datazione.dettagli) {
    datazione.dettagli->indizioneScritta = *e.indizione;
    datazione.dettagli->tipoIndizione = tipo;
  }
  return false;
}

Lettura valuta(const Enunciato& e, const Datazione& datazione) {
  DataScritta d = e.data;
  if (const auto sbagliato = annoSbagliato(d.anno, e.cifreAnno))
    return rifiuto(*sbagliato, d, d.anno, e.cifreAnno, false);
  if (e.annoComune && !e.annoDoppio)
    if (const auto sbagliato = annoSbagliato(*e.annoComune, e.cifreAnnoComune))
      return rifiuto(*sbagliato, d, *e.annoComune, e.cifreAnnoComune, true);
  // A month or a day no calendar has, whatever the style: said before any style is asked.
  if (d.mese < 1 || d.mese > 12 || d.giorno < 1 || d.giorno > 31) {
    d.annoComune = d.anno;
    return {Esito::Inesistente, d};
  }
  const Luogo& luogo = *datazione.luogo;
  Stile stile = Stile::Comune;
  const bool senzaStile = datazione.soloAnnoComune();
  // The common year the text states, which tells apart a day a style writes twice.
  std::optional<int> detto;
  if (!e.annoDoppio) detto = e.annoComune;
  bool conAnnoComune = false;
  if (e.gemello && e.annoDelGemello) {
    // A year written once for both halves is the common one: the other count's writers
    // reckoned from 1 January.
    d.annoComune = d.anno;
    if (datazione.stile) stile = *datazione.stile;
    const std::optional<int> scritto =
        annoScrittoNelloStile(d.annoComune, d.mese, d.giorno, stile, luogo);
    if (!scritto) {
      Lettura l{Esito::PasquaIgnota, d};
      l.annoInCausa = d.annoComune;
      return l;
    }
    d.anno = *scritto;
  } else if (datazione.stile) {
    stile = *datazione.stile;
    const Anno anno = nelloStile(d, stile, fineDelloStile(stile, luogo), luogo, detto);
    d.annoComune = anno.comune;
    if (anno.esito != Esito::Data) {
      Lettura l{anno.esito, d};
      l.stile = l.altroStile = stile;
      l.altroAnno = anno.altro;
      l.annoInCausa = anno.comune;
      return l;
    }
    if (!anno.inUso && !fuori(anno.comune)) {
      Lettura l{Esito::StileFinito, d};
      l.stile = stile;
      return l;
    }
    conAnnoComune = anno.doppio;
  } else if (senzaStile) {
    d.annoComune = d.anno;
  } else {
    const Lettura lettura = neiSuoiStili(d, luogo, detto);
    if (lettura.esito != Esito::Data) return lettura;
    d = lettura.data;
    stile = lettura.stile;
    conAnnoComune = lettura.conAnnoComune;
  }
  if (e.annoDoppio && senzaStile) {
    // A double year read without a style says which one applies: any whose year turns on
    // a fixed day that gives its second year, in the years it was in use.
    for (const DatiStile& s : kStili) {
      if (mobile(s.stile)) continue;
      const int comune = annoComune(e.data.anno, e.data.mese, e.data.giorno, s.stile);
      if (comune == *e.annoComune &&
          dettaglio::chiave(comune, e.data.mese, e.data.giorno) <= dettaglio::chiave(s.fine)) {
        d.annoComune = comune;
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
  if (!periodo || !esistevaNel(*periodo, d.annoComune, d.mese, d.giorno, conto)) {
    Lettura l{Esito::Inesistente, d};
    l.stile = stile;
    return l;
  }
  Lettura lettura{Esito::Data, d};
  lettura.stile = stile;
  lettura.conAnnoComune = conAnnoComune;
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
  if (!indizioneDetta(e, datazione, lettura)) return lettura;
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

// The judgement of a date the fast reader found, made where the caller keeps it.
[[gnu::always_inline]] inline Lettura giudicata(const lettura::Essenziale& e,
                                                const Datazione& datazione, const Enunciato& base) {
  Lettura lettura{Esito::NonUnaData, {}};
  if (base.clausole || e.annoComune ||
      !lettura::subito(e.data, e.cifreAnno, e.settimana, datazione, lettura)) {
    Enunciato tutto = base;
    static_cast<lettura::Essenziale&>(tutto) = e;
    lettura = lettura::valuta(tutto, datazione);
  }
  return lettura;
}

// Any form but ISO, read from a copy followed by zeros, which words are read 16 bytes at a
// time from. `base` is what a form around the text said of it already (an indiction).
[[gnu::always_inline]] inline Lettura leggiForme(std::string_view testo, const Datazione& datazione,
                                                 const Enunciato& base) {
  if (testo.empty()) return {Esito::Vuota, {}};
  if (testo.size() > kDataMassima) return {Esito::TroppoLunga, {}};
  std::array<char, kDataMassima + 16> copia;
  std::memcpy(copia.data(), testo.data(), testo.size());
  std::memset(copia.data() + testo.size(), 0, 16);
  const std::string_view copiato{copia.data(), testo.size()};
  lettura::Essenziale e = base;
  if (!forma(copiato, e)) return lettura::formeDocumentarie(copiato, datazione, base);
  return giudicata(e, datazione, base);
}

// An ISO date's reading, made where the caller keeps it.
[[gnu::always_inline]] inline Lettura leggiIso(const DataScritta& d, const Datazione& datazione,
                                               const Enunciato& base) {
  Lettura lettura{Esito::NonUnaData, {}};
  if (base.clausole || !lettura::subito(d, 4, std::nullopt, datazione, lettura)) {
    Enunciato e = base;
    e.data = d;
    e.cifreAnno = 4;
    lettura = lettura::valuta(e, datazione);
  }
  return lettura;
}

// The reading of a text, from what `base` says of it: inlined into the reader of lines,
// where `base` says nothing and costs nothing. One reading, made where the caller keeps
// it, by whichever reader reads the text: no road copies it on the way.
[[gnu::always_inline]] inline Lettura leggere(std::string_view testo, const Datazione& datazione,
                                              const Enunciato& base) {
  // ISO first, read by position: the form of dates by the million.
  if (DataScritta d; iso(testo, d)) return leggiIso(d, datazione, base);
  return leggiForme(testo, datazione, base);
}

}  // namespace

Lettura lettura::leggiDa(std::string_view testo, const Datazione& datazione,
                         const Enunciato& base) {
  return leggere(testo, datazione, base);
}

Lettura leggiSenzaSpazi(std::string_view testo, const Datazione& datazione) {
  static constexpr Enunciato kNulla{};
  return leggere(testo, datazione, kNulla);
}

Lettura leggiData(std::string_view testo, const Datazione& datazione) {
  return leggiSenzaSpazi(senzaSpazi(testo), datazione);
}

}  // namespace almanacco
