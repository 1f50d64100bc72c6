// The readings that fit a refused text, in the order an editor tries them: the styles of
// the year, then the other count of the days, then the other kinds of indiction.
#include "riletture.h"

#include <vector>

#include "scritte.h"
#include "tabelle.h"

namespace almanacco {

namespace {

// A way of reading the text again: the options, how a sentence names it ("nello stile
// natività", "--stile=natività"), and the style or kind it tries, by which readings of the
// same day are named together.
struct Prova {
  Datazione datazione;
  std::string dove, opzioni;
  std::string_view nome;
  bool indizione = false;
};

// A day some readings give: the first of them, and the names of the others of its kind.
struct Trovata {
  Lettura lettura;
  Computo computo;
  const Prova* prima;
  std::vector<std::string_view> altri;
};

std::string giornoInParole(const Lettura& l) {
  std::string giorno(kNomiGiorni[l.settimana]);
  giorno.front() = static_cast<char>(giorno.front() | 0x20);
  return giorno + " " + inParole({l.data.annoComune, l.data.mese, l.data.giorno});
}

// The ways to read the text again, in the order an editor tries them.
std::vector<Prova> prove(const Lettura& rifiutata, const Datazione& chiesta) {
  // The readings again write no refusal's details.
  Datazione datazione = chiesta;
  datazione.dettagli = nullptr;
  std::vector<Prova> prove;
  // Each other style, in the place's calendar.
  for (const DatiStile& s : kStili) {
    if (s.stile == rifiutata.stile) continue;
    Datazione d = datazione;
    d.stile = s.stile;
    prove.push_back(
        {d, "nello stile " + std::string(s.nome), "--stile=" + std::string(s.nome), s.nome});
  }
  // The other count, in every style: Old Style read as New, or New as Old.
  const DataScritta& r = rifiutata.data;
  const auto proprio = datazione.luogo->conto.computo(r.annoComune, r.mese, r.giorno);
  for (const char* codice : {"giuliano", "gregoriano"}) {
    const Luogo* luogo = luogoDi(codice).luogo;
    if (!proprio || luogo->conto.computo(r.annoComune, r.mese, r.giorno) == proprio) continue;
    for (const DatiStile& s : kStili) {
      Datazione d = datazione;
      d.luogo = luogo;
      d.stile = s.stile;
      std::string dove = std::string("nel calendario ").append(codice);
      std::string opzioni = std::string("--calendario=").append(codice);
      if (s.stile != Stile::Comune || datazione.stile) {
        dove.append(" e nello stile ").append(s.nome);
        opzioni.append(" --stile=").append(s.nome);
      }
      prove.push_back({d, dove, opzioni, s.nome});
    }
  }
  // The other kinds of indiction, where one was asked (the Roman for both of its own).
  if (rifiutata.esito == Esito::IndizioneSbagliata && datazione.indizione)
    for (const DatiIndizione& k : kIndizioni) {
      if (ammessa(k.tipo, datazione.indizione) || k.tipo == Indizione::RomanaNatale) continue;
      Datazione d = datazione;
      d.indizione = k.tipo;
      prove.push_back({d, "con l'indizione " + std::string(k.nome),
                       "--indizione=" + std::string(k.nome), k.nome, true});
    }
  return prove;
}

}  // namespace

std::string letturaCheTorna(std::string_view testo, const Lettura& rifiutata,
                            const Datazione& datazione) {
  const bool daRileggere =
      rifiutata.esito == Esito::SettimanaSbagliata || rifiutata.esito == Esito::IndizioneSbagliata;
  if (!daRileggere || rifiutata.data.annoComune == 0) return {};
  const std::vector<Prova> tutte = prove(rifiutata, datazione);
  std::vector<Trovata> trovate;
  for (const Prova& p : tutte) {
    const Lettura l = leggiData(testo, p.datazione);
    if (l.esito != Esito::Data) continue;
    const DataScritta& d = l.data;
    const Computo computo = p.datazione.luogo->conto.computo(d.annoComune, d.mese, d.giorno)
                                .value_or(Computo::Gregoriano);
    // No document was dated by the Gregorian count before its first day.
    if (computo == Computo::Gregoriano &&
        dettaglio::chiave(d.annoComune, d.mese, d.giorno) < dettaglio::chiave(kItalia[1].primo))
      continue;
    // The same day read in another way of the same kind is named with the first.
    Trovata* stessa = nullptr;
    for (Trovata& t : trovate) {
      const DataScritta& a = t.lettura.data;
      if (t.computo == computo && a.annoComune == d.annoComune && a.mese == d.mese &&
          a.giorno == d.giorno)
        stessa = &t;
    }
    if (!stessa) {
      trovate.push_back({l, computo, &p, {}});
    } else if (stessa->prima->indizione == p.indizione &&
               stessa->prima->datazione.luogo == p.datazione.luogo) {
      stessa->altri.push_back(p.nome);
    }
  }
  std::string detto;
  for (const Trovata& t : trovate) {
    detto.append("; ").append(t.prima->dove).append(" è ").append(giornoInParole(t.lettura));
    detto.append(" (").append(t.prima->opzioni).append(")");
    const auto& altri = t.altri;
    if (altri.empty()) continue;
    const bool indizioni = t.prima->indizione;
    detto += altri.size() == 1
                 ? (indizioni ? ", e così con l'indizione " : ", e così nello stile ")
                 : (indizioni ? ", e così con le indizioni " : ", e così negli stili ");
    for (std::size_t i = 0; i < altri.size(); ++i)
      detto.append(i == 0 ? "" : i + 1 == altri.size() ? " e " : ", ").append(altri[i]);
  }
  return detto;
}

}  // namespace almanacco
