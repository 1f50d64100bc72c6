// A day written in every form the program reads, each as the readers take it back.
#include "forme.h"

#include "cornice.h"
#include "latino.h"
#include "rigarisposta.h"

namespace almanacco {

namespace {

// A year as the readers take it whole: three or four figures, 0057 for 57.
std::string anno(int a) {
  std::string testo = std::to_string(a);
  if (testo.size() < 3) testo.insert(0, 4 - testo.size(), '0');
  return testo;
}

// " 1218 (1217): Venerdì": the year as written, the common one where it differs, the
// weekday, as the answers end.
std::string annoESettimana(int scritto, int comune, Giorno settimana) {
  std::string testo(" ");
  testo += anno(scritto);
  if (comune != scritto) testo.append(" (").append(anno(comune)).append(")");
  return testo.append(": ").append(kNomiGiorni[settimana]);
}

// "III kal. oct.", "pridie id. mart.", "kal. ian.", "bis VI kal. mart.".
std::string romana(const Conto& c) {
  constexpr std::string_view kFissi[] = {"", "kal. ", "non. ", "id. "};
  std::string testo = c.bis ? "bis " : "";
  if (c.numero == 2)
    testo += "pridie ";
  else if (c.numero > 2)
    testo.append(latino::inRomano(c.numero)).append(" ");
  return testo.append(kFissi[static_cast<std::size_t>(c.verso)])
      .append(latino::kAbbreviati[c.mese - 1u]);
}

// "die III intrante martii", "die III exeunte decembris", "die ultimo exeunte decembris".
std::string notarile(const Conto& c) {
  const bool ultimo = c.verso == Verso::Uscente && c.numero == 1;
  return std::string("die ")
      .append(ultimo ? "ultimo" : latino::inRomano(c.numero))
      .append(c.verso == Verso::Entrante ? " intrante " : " exeunte ")
      .append(latino::kGenitivi[c.mese - 1u]);
}

}  // namespace

void aggiungiForme(std::string& testo, const Lettura& lettura, const Datazione& datazione) {
  aggiungiRisposta(testo, lettura);
  const DataScritta& d = lettura.data;
  const int comune = d.annoComune;
  // A double year read without a style is read back as the common year it says.
  const int scritto = lettura.annoDoppio ? comune : d.anno;
  const Stile proprio = lettura.annoDoppio ? Stile::Comune : lettura.stile;
  const std::string coda = annoESettimana(scritto, comune, lettura.settimana);
  const int giorni = lettura::ultimoGiorno(comune, d.mese, datazione.luogo->conto);
  if (const Conto r = romano::contoRomano(d.mese, d.giorno, giorni); r.verso != Verso::Nessuno)
    testo.append(romana(r)).append(coda).append("\n");
  testo.append(notarile(romano::contoNotarile(d.mese, d.giorno, giorni))).append(coda).append("\n");
  const std::string data = std::to_string(d.giorno) + " " + std::string(kNomiMesi[d.mese - 1]);
  for (const DatiIndizione& k : kIndizioni)
    testo.append(data)
        .append(coda)
        .append(", indizione ")
        .append(latino::inRomano(indizione(comune, d.mese, d.giorno, k.tipo)))
        .append(" ")
        .append(k.nome)
        .append("\n");
  // The year in each other style that turns it, where the style was written on that day.
  const int chiave = dettaglio::chiave(comune, d.mese, d.giorno);
  for (const DatiStile& s : kStili) {
    const int nelloStile = annoNelloStile(comune, d.mese, d.giorno, s.stile);
    const bool inUso = chiave <= dettaglio::chiave(fineDelloStile(s.stile, *datazione.luogo));
    if (s.stile == proprio || nelloStile == comune || !inUso || nelloStile < kPrimoAnnoStorico ||
        nelloStile > kUltimoAnnoStorico)
      continue;
    testo.append(data)
        .append(annoESettimana(nelloStile, comune, lettura.settimana))
        .append(", stile ")
        .append(s.nome)
        .append("\n");
  }
}

}  // namespace almanacco
