// Why a dating by feast, or a date in the Easter style, got no answer.
#include <string>
#include <vector>

#include "citazione.h"
#include "datafesta.h"
#include "nomi.h"
#include "nomifeste.h"
#include "scritte.h"
#include "tabelle.h"

namespace almanacco {

namespace {

using festivi::Formula;

// The text taken apart again, from a copy followed by the bytes the reader may read.
std::optional<Formula> analisi(std::string_view ingresso) {
  std::string copia(ingresso);
  copia.append(16, '\0');
  return festivi::analizza({copia.data(), ingresso.size()});
}

std::string numero(int n) {
  return std::to_string(n);
}

constexpr std::string_view kOrdinali[] = {"prima",  "seconda", "terza",  "quarta",
                                          "quinta", "sesta",   "settima"};

const Festa& festaDella(int indice) {
  return kFeste[static_cast<std::size_t>(indice)];
}

// "festa sconosciuta: "San Pippo" (forse San Filippo?)": the names nearest, among every
// name a feast is read by.
std::string ignota(std::string_view ingresso) {
  const std::optional<Formula> f = analisi(ingresso);
  if (!f) return "festa sconosciuta";
  const std::string_view nome = ingresso.substr(f->inizio, f->fine - f->inizio);
  // Every name each feast is read by, the words in brackets left out: made once.
  static const std::vector<std::string> nomi = [] {
    std::vector<std::string> tutti;
    for (const Festa& festa : kFeste)
      for (std::string_view resto = festa.nomi; !resto.empty();) {
        const std::size_t fine = resto.find('|');
        std::string uno;
        bool tra = false;
        for (const char c : resto.substr(0, fine)) {
          tra = c == '[' || (tra && c != ']');
          if (!tra && c != ']') uno += c;
        }
        while (!uno.empty() && uno.back() == ' ') uno.pop_back();
        tutti.push_back(uno);
        resto.remove_prefix(fine == std::string_view::npos ? resto.size() : fine + 1);
      }
    return tutti;
  }();
  static const std::vector<std::string_view> candidati(nomi.begin(), nomi.end());
  // The name without the saint's title before it, as the names are listed.
  std::string_view senzaTitolo = nome;
  for (const std::string_view titolo :
       {"San ", "Santo ", "Santa ", "Sant'", "Santi ", "sancti ", "beati ", "beatae ", "S. "})
    if (senzaTitolo.size() > titolo.size() &&
        normalizzato(senzaTitolo.substr(0, titolo.size())) == normalizzato(titolo))
      senzaTitolo.remove_prefix(titolo.size());
  const std::vector<std::string_view> vicini = almanacco::vicini(senzaTitolo, candidati);
  std::string testo = "festa sconosciuta: " + citazione(nome);
  if (vicini.empty()) return testo;
  testo += " (forse ";
  for (std::size_t i = 0; i < vicini.size(); ++i)
    testo.append(i == 0 ? "" : i + 1 == vicini.size() ? " o " : ", ").append(vicini[i]);
  return testo + "?)";
}

std::string numeroFuori(std::string_view ingresso, const Lettura& l, const Luogo& luogo) {
  const std::optional<Formula> f = analisi(ingresso);
  if (!f || (!f->feriaFuori && f->festa < 0)) return "numero fuori dal conto";
  if (f->feriaFuori)
    return std::string("non c'è una feria ")
        .append(inRomani(f->numeroFuori))
        .append(
            ": feria II-VI sono i giorni dal lunedì al venerdì; il sabato e la domenica "
            "sono sabbatum e dominica");
  const Festa& festa = festaDella(f->festa);
  const bool contabile = f->diStagione || festa.conta >= Conta::Dopo || f->numero == 0;
  if (!contabile)
    return "si contano le domeniche di Quaresima e d'Avvento e quelle dopo Pasqua, Pentecoste, "
           "la Trinità e l'Epifania";
  if (f->numero == 0 || f->numero > festa.domeniche) {
    const std::string_view ultima = kOrdinali[static_cast<std::size_t>(festa.domeniche - 1)];
    return std::string(f->numero == 0 ? "quale domenica? " : "")
        .append("le domeniche si contano dalla prima alla ")
        .append(ultima);
  }
  // Past the last Sunday before Advent, or Septuagesima, that year.
  const festivi::GiornoDellaFesta g = festivi::giornoDellaFesta(*f, l.annoInCausa, luogo);
  return std::string("nel ")
      .append(numero(l.annoInCausa))
      .append(" se ne contano ")
      .append(numero(g.domeniche))
      .append(festa.conta == Conta::DopoFinoAdAvvento ? " prima dell'Avvento"
                                                      : " prima della Settuagesima");
}

std::string senzaGiorno(const Lettura& l) {
  if (l.festa > 0 && festaDella(l.festa - 1).giorni > 1)
    return std::string(festaDella(l.festa - 1).nome)
        .append(
            ": sono tre giorni, dal lunedì al mercoledì; va detto quale (martedì delle Rogazioni)");
  return "manca il giorno della settimana (martedì prima di San Michele, feria III post "
         "Reminiscere)";
}

std::string fuoriUso(const Lettura& l) {
  if (l.festa == 0) return "festa fuori dagli anni in cui si celebrava";
  const Festa& festa = festaDella(l.festa - 1);
  if (festa.dal != 0 && l.annoInCausa < festa.dal)
    return std::string(festa.nome).append(" si celebra dal ").append(numero(festa.dal));
  return std::string(festa.nome)
      .append(" si celebrò il ")
      .append(giornoEMese({0, festa.mese, festa.giorno}))
      .append(" fino al ")
      .append(numero(festa.fino));
}

// "l'anno 1923 non ne ha uno: il più vicino prima è il 26 dicembre 1922, dopo è il
// 1° gennaio 1924".
std::string festaMai(const Lettura& l, const Datazione& datazione) {
  std::string testo = "l'anno " + numero(l.data.anno);
  if (datazione.stile)
    testo.append(" nello stile ").append(datiStile(*datazione.stile).nome);
  else if (!datazione.luogo->soloComune())
    testo.append(" come lo si scriveva ").append(datazione.luogo->nel);
  testo += " non ne ha uno";
  const bool prima = l.data.annoComune != 0, dopo = l.altroGiorno.anno != 0;
  if (prima || dopo) testo += ": il più vicino ";
  if (prima)
    testo.append("prima è il ").append(inParole({l.data.annoComune, l.data.mese, l.data.giorno}));
  if (prima && dopo) testo += ", ";
  if (dopo) testo.append("dopo è il ").append(inParole(l.altroGiorno));
  return testo;
}

}  // namespace

// Why the place's Easter of a year is not known.
std::string pasquaIgnota(int anno, const Luogo& luogo) {
  using E = PasquaDelLuogo::Esito;
  const PasquaDelLuogo pasqua = pasquaDelLuogo(anno, luogo);
  const std::string nel(luogo.nel);
  switch (pasqua.esito) {
    case E::DaRiga:
      if (pasqua.riga->tipo == AltraPasqua::Ortodossa)
        return nel + " " + std::string(pasqua.riga->perché);
      return nel + " la Pasqua del " + numero(anno) +
             " non è nota: " + std::string(pasqua.riga->perché);
    case E::PrimaDiDionigi:
      return "la Pasqua si data dal 532, primo anno della tavola di Dionigi il Piccolo";
    case E::PrimaDiGregorio:
      return "la Pasqua gregoriana si calcola dal 1583, la prima dopo la riforma";
    case E::NelCambio:
      return nel + " il cambio di calendario del " + numero(anno) +
             " non dice quale Pasqua vi si celebrò";
    case E::SenzaCalendario:
    case E::Nota:
      break;
  }
  return "non si sa in quale calendario si contassero i giorni " + nel + " nel " + numero(anno);
}

// A day the Easter style writes twice in its year, or not at all.
std::string pasqualeDoppia(const Lettura& l, const Luogo& luogo, bool delLuogo) {
  const DataScritta& d = l.data;
  const std::string scritta = numero(d.giorno) + "/" + numero(d.mese) + "/" + numero(d.anno) + " (";
  return (delLuogo ? std::string(luogo.nel) + " il " : std::string("nello stile pasquale il ")) +
         giornoEMese({0, d.mese, d.giorno}) + " " + numero(d.anno) + " può essere del " +
         numero(d.annoComune) + " (dalla Pasqua) o del " + numero(l.altroAnno) +
         " (prima della Pasqua): scrivere " + scritta + numero(d.annoComune) + ") o " + scritta +
         numero(l.altroAnno) + ")";
}

std::string pasqualeMai(const Lettura& l, const Luogo& luogo) {
  const DataScritta& d = l.data;
  const PasquaDelLuogo da = pasquaDelLuogo(d.anno, luogo), a = pasquaDelLuogo(d.anno + 1, luogo);
  const Giornata vigilia = *giornataNel(a.numero - 1, luogo.conto);
  return "nello stile pasquale l'anno " + numero(d.anno) + " va dal " + inParole(da.data) + " al " +
         inParole(vigilia) + ": non ha un " + giornoEMese({0, d.mese, d.giorno});
}

std::string motivoPerFesta(std::string_view ingresso, const Lettura& l,
                           const Datazione& datazione) {
  const Luogo& luogo = *datazione.luogo;
  switch (l.esito) {
    case Esito::FestaIgnota:
      return ignota(ingresso);
    case Esito::FestaFuoriUso:
      return fuoriUso(l);
    case Esito::NumeroFuori:
      return numeroFuori(ingresso, l, luogo);
    case Esito::SenzaGiorno:
      return senzaGiorno(l);
    case Esito::PasquaIgnota:
      return pasquaIgnota(l.annoInCausa, luogo);
    case Esito::FestaAmbigua:
      return "può essere il " + inParole({l.data.annoComune, l.data.mese, l.data.giorno}) +
             " o il " + inParole(l.altroGiorno) + ": scrivere la data";
    case Esito::FestaMai:
      return festaMai(l, datazione);
    case Esito::PasqualeMai:
      return pasqualeMai(l, luogo);
    default:
      return {};
  }
}

}  // namespace almanacco
