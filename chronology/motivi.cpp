// Why a text got no answer, said as an archivist would want to read it.
#include "motivi.h"

#include <optional>
#include <vector>

#include "citazione.h"
#include "datafesta.h"
#include "latino.h"
#include "nomi.h"
#include "riletture.h"
#include "scritte.h"
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

// The refusals of the documentary forms (romane.cpp, notarili.cpp, clausole.cpp): what
// they name is found again by reading the text once more. A count or an indiction is
// named in Roman numerals, as the documents write them.
DettagliDocumentari dettagliDi(std::string_view ingresso, const Datazione& datazione) {
  DettagliDocumentari dettagli;
  Datazione con = datazione;
  con.dettagli = &dettagli;
  leggiData(ingresso, con);
  return dettagli;
}

// "il conto delle calende di marzo va da XVI (14 febbraio) a pridie (28 febbraio): XX è
// fuori", "i giorni uscenti di febbraio vanno da XIV (15 febbraio) a I (28 febbraio)".
std::string contoFuori(const Lettura& l, const DettagliDocumentari& dettagli) {
  const Conto& c = dettagli.conto;
  const int giorni = dettagli.giorniDelMese;
  const std::string scritto = inRomani(c.numero);
  if (c.bis) {
    if (c.verso != Verso::Calende || c.mese != 3 || c.numero != 6)
      return "si conta due volte solo il VI prima delle calende di marzo, non il " + scritto;
    return "febbraio " + numero(l.data.annoComune) +
           " ha 28 giorni: il bis VI prima delle calende di marzo è solo degli anni bisestili";
  }
  const int mese = c.verso == Verso::Calende ? romano::mesePrima(c.mese) : c.mese;
  const int massimo = romano::contoMassimo(c.verso, mese, giorni);
  const auto giorno = [&](int n) {
    return giornoEMese(romano::giornoDel({c.verso, static_cast<std::uint8_t>(n), c.mese}, giorni),
                       mese);
  };
  if (c.verso == Verso::Entrante || c.verso == Verso::Uscente) {
    const bool entrante = c.verso == Verso::Entrante;
    return std::string(entrante ? "i giorni entranti di " : "i giorni uscenti di ") +
           minuscola(kNomiMesi[mese - 1]) + " vanno da " +
           (entrante ? "I (" + giorno(1) + ") a " + inRomani(massimo) + " (" + giorno(massimo)
                     : inRomani(massimo) + " (" + giorno(massimo) + ") a I (" + giorno(1)) +
           "): " + scritto + " è fuori";
  }
  constexpr std::string_view kFissi[] = {"", "calende", "none", "idi"};
  std::string testo = "il conto delle " + std::string(kFissi[static_cast<int>(c.verso)]) + " di " +
                      minuscola(kNomiMesi[c.mese - 1]) + " va da " + inRomani(massimo) + " (" +
                      giorno(massimo) + ") a pridie (" + giorno(2) + "): " + scritto + " è fuori";
  // Some documents counted every day from the next Kalends, Nones and Ides left aside
  // (Siena 1222, "xviij kal. novembris", 15 October: C. Paoli, 1870).
  const int tutti = giorni + 2 - c.numero;
  if (c.verso == Verso::Calende && c.numero > massimo && tutti >= 1)
    testo.append("; contando tutti i giorni dalle calende, come talvolta nei documenti senesi, ")
        .append(tutti == 8 || tutti == 11 ? "sarebbe l'" : "sarebbe il ")
        .append(giornoEMese(tutti, mese));
  return testo;
}

// "\"octobrix\" non è un mese (forse octobris?)".
std::string meseSconosciuto(std::string_view ingresso, const DettagliDocumentari& dettagli) {
  // The word in the text as it was read: without the blanks around it.
  const std::string_view letto = senzaSpazi(ingresso);
  const std::size_t fine = dettagli.parola + dettagli.lunghezzaParola;
  if (dettagli.lunghezzaParola == 0 || fine > letto.size())
    return "dove va il mese c'è una parola che non è un mese";
  const std::string_view parola = letto.substr(dettagli.parola, dettagli.lunghezzaParola);
  std::vector<std::string_view> mesi;
  for (const latino::Voce& v : latino::kMesi) mesi.push_back(v.testo);
  const auto simili = vicini(parola, mesi);
  std::string testo = citazione(parola) + " non è un mese";
  for (std::size_t i = 0; i < simili.size(); ++i)
    testo += (i == 0 ? " (forse " : i + 1 == simili.size() ? " o " : ", ") + std::string(simili[i]);
  return simili.empty() ? testo : testo + "?)";
}

// "indizione VI (greca, senese, bedana, romana dal 25 dicembre) o V (genovese, romana), non
// VII": the day's number in each kind asked, the kinds that agree together.
std::string indizioneSbagliata(const Lettura& l, const DettagliDocumentari& dettagli) {
  const DataScritta& d = l.data;
  std::vector<std::pair<int, std::string>> numeri;
  std::size_t tipi = 0;
  for (const DatiIndizione& k : kIndizioni) {
    if (!ammessa(k.tipo, dettagli.tipoIndizione)) continue;
    ++tipi;
    const int n = indizione(d.annoComune, d.mese, d.giorno, k.tipo);
    auto gruppo = numeri.begin();
    while (gruppo != numeri.end() && gruppo->first != n) ++gruppo;
    if (gruppo == numeri.end()) gruppo = numeri.insert(numeri.end(), {n, {}});
    // The two Roman kinds of one number are the Roman.
    if (k.tipo == Indizione::Romana && gruppo->second.ends_with("romana dal 25 dicembre"))
      gruppo->second.erase(gruppo->second.size() - std::string_view(" dal 25 dicembre").size());
    else
      gruppo->second += (gruppo->second.empty() ? "" : ", ") + std::string(k.nome);
  }
  std::string testo = "indizione ";
  const bool conTipi = numeri.size() > 1 || tipi < kIndizioni.size();
  for (std::size_t i = 0; i < numeri.size(); ++i)
    testo += (i == 0 ? "" : " o ") + inRomani(numeri[i].first) +
             (conTipi ? " (" + numeri[i].second + ")" : std::string());
  return testo + ", non " + inRomani(dettagli.indizioneScritta);
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
             minuscola(kNomiGiorni[l.settimanaScritta]) + letturaCheTorna(ingresso, l, datazione);
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
    case Esito::ContoFuori:
      return contoFuori(l, dettagliDi(ingresso, datazione));
    case Esito::MeseSconosciuto:
      return meseSconosciuto(ingresso, dettagliDi(ingresso, datazione));
    case Esito::IndizioneFuori:
      return "l'indizione va da I a XV, non " +
             inRomani(dettagliDi(ingresso, datazione).indizioneScritta);
    case Esito::IndizioneSbagliata:
      return indizioneSbagliata(l, dettagliDi(ingresso, datazione)) +
             letturaCheTorna(ingresso, l, datazione);
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

std::string messaggio(std::string_view ingresso, const Lettura& lettura, const Datazione& datazione,
                      long riga) {
  std::string testo = riga > 0 ? "riga " + std::to_string(riga) + ": " : "";
  return testo + citazione(ingresso) + ": " + motivo(ingresso, lettura, datazione);
}

}  // namespace almanacco
