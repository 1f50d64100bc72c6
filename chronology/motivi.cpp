// Why a text got no answer, said as an archivist would want to read it.
#include "motivi.h"

#include <optional>
#include <vector>

#include "citazione.h"
#include "datafesta.h"
#include "tabelle.h"

namespace almanacco {

namespace {

std::string minuscola(std::string_view nome) {
  std::string testo(nome);
  testo.front() = static_cast<char>(testo.front() | 0x20);
  return testo;
}

std::string numero(int n) {
  return std::to_string(n);
}

// The article of a year as Italian reads it aloud: "l'8", "l'11", "l'80", "il 12".
std::string conArticolo(int anno) {
  const bool vocale = anno == 1 || anno == 8 || anno == 11 || (anno >= 80 && anno <= 89) ||
                      (anno >= 800 && anno <= 899) || (anno >= 8000 && anno <= 8999) ||
                      (anno >= 11000 && anno <= 11999);
  return (vocale ? "l'" : "il ") + numero(anno);
}

// A year as written: its digits with the leading zeros the user gave.
std::string comeScritto(int anno, int cifre) {
  std::string testo = numero(anno);
  if (static_cast<int>(testo.size()) < cifre)
    testo.insert(0, static_cast<std::size_t>(cifre) - testo.size(), '0');
  return testo;
}

std::string giornoEMese(int giorno, int mese) {
  if (mese < 1 || mese > 12) return numero(giorno) + "/" + numero(mese);
  return (giorno == 1 ? "1°" : numero(giorno)) + " " + minuscola(kNomiMesi[mese - 1]);
}

std::string nomeDelloStile(Stile stile) {
  return "stile " + std::string(datiStile(stile).nome);
}

Giornata ilGiornoDopo(const Giornata& g) {
  return giornataDi(numeroDelGiorno(g.anno, g.mese, g.giorno, Computo::Gregoriano) + 1,
                    Computo::Gregoriano);
}

// "al 4 ottobre 1582 seguì il 15", "al 28 febbraio 1700 seguì il 1° marzo", "al
// 21 dicembre 1582 seguì il 1° gennaio 1583": the second day named as far as it differs.
std::string salto(const Giornata& a, const Giornata& b) {
  std::string dopo = b.giorno == 1 ? "1°" : numero(b.giorno);
  if (b.mese != a.mese || b.anno != a.anno)
    dopo.append(" ").append(minuscola(kNomiMesi[b.mese - 1]));
  if (b.anno != a.anno) dopo.append(" ").append(numero(b.anno));
  return "al " + inParole(a) + " seguì il " + dopo;
}

// The styles that give the written date the year of the common style `anno`, in the
// years each was in use: "--stile=fiorentino o --stile=veneto".
std::string stiliChe(const DataScritta& d, int anno) {
  std::string testo;
  for (const DatiStile& s : kStili) {
    if (mobile(s.stile)) continue;
    const int comune = annoComune(d.anno, d.mese, d.giorno, s.stile);
    if (comune != anno || dettaglio::chiave(comune, d.mese, d.giorno) > dettaglio::chiave(s.fine))
      continue;
    testo += (testo.empty() ? "" : " o ") + std::string("--stile=") + std::string(s.nome);
  }
  return testo;
}

// The date as written, and, where a style turned its year, the year it is of.
std::string dataScritta(const DataScritta& d) {
  return giornoEMese(d.giorno, d.mese) + " " + numero(d.anno);
}
std::string nelloStile(const Lettura& l) {
  if (l.data.annoComune == l.data.anno) return {};
  return "nello " + nomeDelloStile(l.stile) + " il " + dataScritta(l.data) + " è del " +
         numero(l.data.annoComune) + ", e ";
}

std::string incompleto(const Lettura& l) {
  const int a = l.annoInCausa;
  const std::string scritto = comeScritto(a, l.cifreInCausa);
  const std::string dove = l.inParentesi ? " tra parentesi" : "";
  if (a == 0)
    return "anno incompleto" + dove + ": " + scritto +
           " può essere il 1900 o il 2000; scrivere 1900 o 2000";
  return "anno incompleto" + dove + ": " + scritto + " può essere " + conArticolo(a) + " o il " +
         numero(1900 + a) + "; scrivere " + comeScritto(a, 4) + " o " + numero(1900 + a);
}

std::string fuoriAnni(const Lettura& l) {
  constexpr std::string_view kEra = " fuori dal calendario, che va dall'anno 1 al 9999";
  if (l.inParentesi)
    return "l'anno " + numero(l.annoInCausa) + " tra parentesi è" + std::string(kEra);
  if (l.annoInCausa == l.data.annoComune && l.data.annoComune != l.data.anno)
    return "nello " + nomeDelloStile(l.stile) + " il " + dataScritta(l.data) + " è del " +
           numero(l.data.annoComune) + "," + std::string(kEra);
  if (l.annoInCausa == 0) return "l'anno 0 non esiste: il calendario va dall'anno 1 al 9999";
  return "l'anno " + numero(l.annoInCausa) + " è" + std::string(kEra);
}

// Which rule or which change left out the day.
std::string inesistente(const Lettura& l, const Luogo& luogo) {
  const DataScritta& d = l.data;
  if (d.mese < 1 || d.mese > 12) return "non esiste un mese " + numero(d.mese);
  if (d.giorno < 1 || d.giorno > 31) return "non esiste un giorno " + numero(d.giorno);
  const int anno = d.annoComune;
  const ContoDeiGiorni& conto = luogo.conto;
  const int chiave = dettaglio::chiave(anno, d.mese, d.giorno);
  std::string perché;
  if (const Periodo* p = conto.periodo(chiave)) {
    // A day past its month's end in the count of its period.
    const bool bisestileMancato = d.mese == 2 && d.giorno == 29 && !bisestile(anno, p->computo);
    if (bisestileMancato) {
      perché = "il " + numero(anno) + " non è bisestile";
      if (anno % 4 == 0) perché += " nel calendario " + std::string(nomeDelComputo(p->computo));
    } else {
      const GiorniDelMese giorni = giorniDelMese(anno, d.mese, conto);
      int ultimo = 31;
      while (ultimo > 0 && !giorni[static_cast<std::size_t>(ultimo)]) --ultimo;
      perché = minuscola(kNomiMesi[d.mese - 1]) + " " + numero(anno) + " ha " + numero(ultimo) +
               " giorni";
    }
    return nelloStile(l) + perché;
  }
  // Between two periods: the days a change skipped, or a time whose count is not known.
  for (std::size_t i = 0; i + 1 < conto.quanti(); ++i) {
    const Periodo& a = conto[i];
    const Periodo& b = conto[i + 1];
    if (chiave <= dettaglio::chiave(a.ultimo) || chiave >= dettaglio::chiave(b.primo)) continue;
    const bool cambio =
        numeroDelGiorno(a.ultimo.anno, a.ultimo.mese, a.ultimo.giorno, a.computo) + 1 ==
        numeroDelGiorno(b.primo.anno, b.primo.mese, b.primo.giorno, b.computo);
    if (cambio) return nelloStile(l) + std::string(luogo.nel) + " " + salto(a.ultimo, b.primo);
  }
  return nelloStile(l) + "non si sa in quale calendario si contassero i giorni " +
         std::string(luogo.nel) + " nel " + numero(anno);
}

std::string annoComuneSbagliato(const Lettura& l, const Datazione& datazione) {
  const DataScritta& d = l.data;
  std::string testo = "nello " + nomeDelloStile(l.stile) + " il " + dataScritta(d) + " è del " +
                      numero(d.annoComune) + ", non del " + numero(l.annoComuneScritto);
  // Where no style was asked, a year in parentheses is most likely an answer pasted without
  // the style it was given in.
  if (datazione.stile || !datazione.luogo->soloComune()) return testo;
  const std::string stili = stiliChe(d, l.annoComuneScritto);
  return stili.empty() ? testo : testo + " (manca " + stili + "?)";
}

// "fino al 1749", "dal 1750", "dal 1° settembre 1492 al 1699": when a place used a style,
// by whole years where its use began and ended with one.
std::string anniDello(const Luogo& luogo, std::size_t i) {
  const bool primo = i == 0, ultimo = luogo.stili[i].fino == kPerSempre;
  const auto giorno = [](const Giornata& g, bool inizio) {
    return (inizio ? g.mese == 1 && g.giorno == 1 : g.mese == 12 && g.giorno == 31) ? numero(g.anno)
                                                                                    : inParole(g);
  };
  const std::string dal = primo ? "" : "dal " + giorno(ilGiornoDopo(luogo.stili[i - 1].fino), true);
  const std::string al = ultimo ? "" : "al " + giorno(luogo.stili[i].fino, false);
  if (primo) return "fino " + al;
  return ultimo ? dal : dal + " " + al;
}

std::string maiScritto(const Lettura& l, const Luogo& luogo) {
  std::string testo = std::string(luogo.nel) + " il " + dataScritta(l.data) +
                      " non è una data di nessuno stile in uso:";
  bool ignoto = false;
  for (std::size_t i = 0; i < luogo.stili.size() && luogo.stili[i].fino != Giornata{}; ++i) {
    const StileDelLuogo& s = luogo.stili[i];
    testo += i == 0 ? " " : "; ";
    if (s.ignoto) {
      testo += anniDello(luogo, i) + " lo stile non è noto";
      ignoto = true;
      continue;
    }
    const AnniNelloStile anni =
        anniNelloStile(l.data.anno, l.data.mese, l.data.giorno, s.stile, luogo);
    testo += "nello " + nomeDelloStile(s.stile) + " (" + anniDello(luogo, i) + ") ";
    if (anni.quanti == 0) {
      testo += "non ha questo giorno";
      continue;
    }
    testo += "sarebbe del " + numero(anni.anni[0]);
    if (anni.quanti == 2) testo += " o del " + numero(anni.anni[1]);
  }
  return ignoto ? testo + " (--stile lo sceglie)" : testo;
}

std::string stileFinito(const Lettura& l, const Luogo& luogo) {
  const Giornata fine = fineDelloStile(l.stile, luogo);
  const bool delLuogo = !(fine == datiStile(l.stile).fine);
  return (delLuogo ? std::string(luogo.nel) + " " : std::string()) + "lo " +
         nomeDelloStile(l.stile) + " non è più in uso dal " + inParole(ilGiornoDopo(fine)) +
         " (ometti --stile)";
}

std::string doppiaDiscorde(const Lettura& l, const Luogo& luogo) {
  const DataScritta& d = l.data;
  if (!l.conGemello) {
    if (l.annoComuneScritto != d.annoComune && l.stile != Stile::Comune)
      return "nello " + nomeDelloStile(l.stile) + " il " + dataScritta(d) + " è del " +
             numero(d.annoComune) + ", non del " + numero(l.annoComuneScritto);
    return "nessuno stile in uso dà il " + dataScritta(d) + " del " + numero(l.annoComuneScritto);
  }
  const Periodo* p = luogo.conto.periodo(d.annoComune, d.mese, d.giorno);
  const std::string proprio = p ? " " + std::string(nomeDelComputo(p->computo)) : "";
  const Giornata& g = l.gemello;
  const std::string altro = g.anno < kPrimoAnnoStorico    ? "prima dell'anno 1"
                            : g.anno > kUltimoAnnoStorico ? "dopo l'anno 9999"
                                                          : "il " + inParole(g);
  return "le due date non sono lo stesso giorno: il " + inParole({d.annoComune, d.mese, d.giorno}) +
         proprio + " è " + altro + " " + std::string(nomeDelComputo(l.computoGemello));
}

// Why a text is no answerable date.
std::string motivo(std::string_view ingresso, const Lettura& l, const Datazione& datazione) {
  const Luogo& luogo = *datazione.luogo;
  switch (l.esito) {
    case Esito::Data:
      return {};
    case Esito::Vuota:
      return "nessuna data: il testo è vuoto";
    case Esito::TroppoLunga:
      return "non è una data: è più lungo di " + numero(static_cast<int>(kDataMassima)) +
             " caratteri";
    case Esito::AnnoIncompleto:
      return incompleto(l);
    case Esito::FuoriAnni:
      return fuoriAnni(l);
    case Esito::Inesistente:
      return inesistente(l, luogo);
    case Esito::SettimanaSbagliata:
      return "cade di " + minuscola(kNomiGiorni[l.settimana]) + ", non di " +
             minuscola(kNomiGiorni[l.settimanaScritta]);
    case Esito::AnnoComuneSbagliato:
      return annoComuneSbagliato(l, datazione);
    case Esito::StileFinito:
      return stileFinito(l, luogo);
    case Esito::NelLuogoMai:
      return maiScritto(l, luogo);
    case Esito::StileAmbiguo:
      if (l.stile == l.altroStile) return pasqualeDoppia(l, luogo, !datazione.stile);
      return std::string(luogo.nel) + " il " + dataScritta(l.data) + " può essere del " +
             numero(l.data.annoComune) + " (" + nomeDelloStile(l.stile) + ") o del " +
             numero(l.altroAnno) + " (" + nomeDelloStile(l.altroStile) +
             "): scegliere --stile=" + std::string(datiStile(l.stile).nome) +
             " o --stile=" + std::string(datiStile(l.altroStile).nome);
    case Esito::DoppiaDiscorde:
      return doppiaDiscorde(l, luogo);
    // Dates by feast and the Easter style.
    case Esito::FestaIgnota:
    case Esito::FestaFuoriUso:
    case Esito::NumeroFuori:
    case Esito::SenzaGiorno:
    case Esito::PasquaIgnota:
    case Esito::FestaAmbigua:
    case Esito::FestaMai:
    case Esito::PasqualeMai:
      return motivoPerFesta(ingresso, l, datazione);
    case Esito::NonUnaData:
      break;
  }
  if (!utf8(ingresso))
    return "il testo non è UTF-8 (forse è Latin-1: iconv -f latin1 -t utf8 lo converte)";
  if (l.cifreInCausa > 4)
    return "l'anno " + comeScritto(l.annoInCausa, l.cifreInCausa) +
           (l.inParentesi ? " tra parentesi" : "") + " va scritto con tre o quattro cifre";
  return "non è una data (si scrive 15/6/1957, 15.VI.1957, 15 giugno 1957 o 1957-06-15)";
}

}  // namespace

std::string inParole(const Giornata& g) {
  return giornoEMese(g.giorno, g.mese) + " " + numero(g.anno);
}

std::string messaggio(std::string_view ingresso, const Lettura& lettura, const Datazione& datazione,
                      long riga) {
  std::string testo = riga > 0 ? "riga " + std::to_string(riga) + ": " : "";
  return testo + citazione(ingresso) + ": " + motivo(ingresso, lettura, datazione);
}

}  // namespace almanacco
