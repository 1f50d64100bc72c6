// The readings that fit a refused text, in the order an editor tries them: the styles of
// the year, then the other count of the days, then the other kinds of indiction.
#include "riletture.h"

#include <vector>

#include "motivi.h"
#include "tabelle.h"

namespace almanacco {

namespace {

// A reading of the text that gives a day: how it was read and what it gives.
struct Prova {
  Datazione datazione;
  std::string dove, opzioni;  // "nello stile natività", "--stile=natività"
};

struct Trovata {
  Lettura lettura;
  Computo computo;
  const Prova* prima;
  std::vector<std::string_view> altriStili;  // the other styles that give the same day
};

std::string giornoInParole(const Lettura& l) {
  std::string giorno(kNomiGiorni[l.settimana]);
  giorno.front() = static_cast<char>(giorno.front() | 0x20);
  return giorno + " " + inParole({l.data.annoComune, l.data.mese, l.data.giorno});
}

std::string_view nomeDi(Stile s) {
  return datiStile(s).nome;
}

}  // namespace

std::string letturaCheTorna(std::string_view testo, const Lettura& rifiutata,
                            const Datazione& datazione) {
  const bool daRileggere =
      rifiutata.esito == Esito::SettimanaSbagliata || rifiutata.esito == Esito::IndizioneSbagliata;
  if (!daRileggere || rifiutata.data.annoComune == 0) return {};
  std::vector<Prova> prove;
  // Each other style, in the place's calendar.
  for (const DatiStile& s : kStili) {
    if (s.stile == rifiutata.stile) continue;
    Datazione d = datazione;
    d.stile = s.stile;
    prove.push_back({d, "nello stile " + std::string(s.nome), "--stile=" + std::string(s.nome)});
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
      const bool conStile = s.stile != Stile::Comune || datazione.stile;
      prove.push_back({d,
                       "nel calendario " + std::string(codice) +
                           (conStile ? " e nello stile " + std::string(s.nome) : std::string()),
                       "--calendario=" + std::string(codice) +
                           (conStile ? " --stile=" + std::string(s.nome) : std::string())});
    }
  }
  // The other kinds of indiction, where one was asked.
  if (rifiutata.esito == Esito::IndizioneSbagliata && datazione.indizione)
    for (const DatiIndizione& k : kIndizioni) {
      if (ammessa(k.tipo, datazione.indizione) || k.tipo == Indizione::RomanaNatale) continue;
      Datazione d = datazione;
      d.indizione = k.tipo;
      prove.push_back(
          {d, "con l'indizione " + std::string(k.nome), "--indizione=" + std::string(k.nome)});
    }

  std::vector<Trovata> trovate;
  for (const Prova& p : prove) {
    const Lettura l = leggiData(testo, p.datazione);
    if (l.esito != Esito::Data) continue;
    const Computo computo =
        p.datazione.luogo->conto.computo(l.data.annoComune, l.data.mese, l.data.giorno)
            .value_or(Computo::Gregoriano);
    // No document was dated by the Gregorian count before its first day.
    if (computo == Computo::Gregoriano &&
        dettaglio::chiave(l.data.annoComune, l.data.mese, l.data.giorno) <
            dettaglio::chiave(kItalia[1].primo))
      continue;
    bool stesso = false;
    for (Trovata& t : trovate) {
      const DataScritta& a = t.lettura.data;
      if (t.computo != computo || a.annoComune != l.data.annoComune || a.mese != l.data.mese ||
          a.giorno != l.data.giorno)
        continue;
      // The same day in another style of the same count: named after the first.
      if (p.datazione.luogo == t.prima->datazione.luogo && p.datazione.stile)
        t.altriStili.push_back(nomeDi(*p.datazione.stile));
      stesso = true;
      break;
    }
    if (!stesso) trovate.push_back({l, computo, &p, {}});
  }
  std::string testoTrovate;
  for (const Trovata& t : trovate) {
    testoTrovate +=
        "; " + t.prima->dove + " è " + giornoInParole(t.lettura) + " (" + t.prima->opzioni + ")";
    const auto& altri = t.altriStili;
    if (!altri.empty())
      testoTrovate += altri.size() == 1 ? ", e così nello stile " : ", e così negli stili ";
    for (std::size_t i = 0; i < altri.size(); ++i)
      testoTrovate += (i == 0 ? "" : i + 1 == altri.size() ? " e " : ", ") + std::string(altri[i]);
  }
  return testoTrovate;
}

}  // namespace almanacco
