// Arbitrary bytes as dates from a terminal, in an arbitrary place's calendar, style of the
// year and kind of indiction, split into pieces of arbitrary sizes: nothing may crash or
// trip a sanitizer; the answers and errors may not depend on how the input was split;
// every answer is a result line of a date that reads back as itself, and so is every form
// --forme writes for it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "forme.h"
#include "luoghi.h"
#include "motivi.h"
#include "risposta.h"

namespace {
using namespace almanacco;

void richiedi(bool condizione) {
  if (!condizione) __builtin_trap();
}

struct Esiti {
  std::string risposte;
  std::vector<std::string> errori;
};

Esiti rispondi(std::string_view ingresso, const std::vector<std::size_t>& tagli,
               const Datazione& datazione) {
  Esiti esiti;
  Risponditore r(
      [&](long numero, std::string_view riga, const Lettura& lettura) {
        richiedi(lettura.esito != Esito::Data && numero > 0);
        esiti.errori.push_back(messaggio(riga, lettura, datazione, numero));
      },
      datazione);
  std::size_t da = 0;
  for (const std::size_t taglio : tagli) {
    const std::size_t quanti = std::min(taglio, ingresso.size() - da);
    r.leggi(ingresso.substr(da, quanti), esiti.risposte);
    da += quanti;
  }
  r.leggi(ingresso.substr(da), esiti.risposte);
  r.fine(esiti.risposte);
  richiedi(r.tuttoBene() == esiti.errori.empty());
  return esiti;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  FuzzedDataProvider fonte(dati, quanti);
  std::vector<std::size_t> tagli;
  for (int i = fonte.ConsumeIntegralInRange(0, 8); i > 0; --i)
    tagli.push_back(fonte.ConsumeIntegralInRange<std::size_t>(0, 300));
  Datazione datazione;
  if (const auto luogo = fonte.ConsumeIntegralInRange<std::size_t>(0, kLuoghi.size());
      luogo < kLuoghi.size())
    datazione.luogo = &kLuoghi[luogo];
  // A style asked, or the place's own.
  if (const auto stile = fonte.ConsumeIntegralInRange<std::size_t>(0, kStili.size());
      stile < kStili.size())
    datazione.stile = kStili[stile].stile;
  datazione.doppia = fonte.ConsumeBool();
  if (const auto tipo = fonte.ConsumeIntegralInRange<std::size_t>(0, kIndizioni.size());
      tipo < kIndizioni.size())
    datazione.indizione = kIndizioni[tipo].tipo;
  const std::string ingresso = fonte.ConsumeRemainingBytesAsString();

  const Esiti intero = rispondi(ingresso, {}, datazione);
  const Esiti aPezzi = rispondi(ingresso, tagli, datazione);
  richiedi(intero.risposte == aPezzi.risposte && intero.errori == aPezzi.errori);

  // The whole input as one date: an answer reads back as itself, but for one with a year of
  // one or two digits, as written or in parentheses, which no reading takes whole; a
  // refusal has its message.
  const Lettura lettura = leggiData(ingresso, datazione);
  if (lettura.esito != Esito::Data) {
    richiedi(!messaggio(ingresso, lettura, datazione).empty());
    return 0;
  }
  std::string risposta;
  aggiungiRisposta(risposta, lettura);
  richiedi(risposta.starts_with(std::to_string(lettura.data.giorno) + " ") &&
           risposta.ends_with("\n"));
  const std::string_view riga(risposta.data(), risposta.size() - 1);
  const Lettura riletta = leggiData(riga, datazione);
  const bool anniInteri = lettura.data.anno >= 100 && lettura.data.annoComune >= 100;
  richiedi(riletta.esito == (anniInteri ? Esito::Data : Esito::AnnoIncompleto));
  if (riletta.esito == Esito::Data) {
    std::string ancora;
    aggiungiRisposta(ancora, riletta);
    richiedi(ancora == risposta);
  }
  // Every form --forme writes reads back as the same day, but for the answer itself before
  // the year 100.
  std::string forme;
  aggiungiForme(forme, lettura, datazione);
  for (std::size_t da = 0, a; da < forme.size(); da = a + 1) {
    a = forme.find('\n', da);
    if (da == 0 && !anniInteri) continue;
    const Lettura l = leggiData(std::string_view(forme).substr(da, a - da), datazione);
    richiedi(l.esito == Esito::Data && l.data.giorno == lettura.data.giorno &&
             l.data.mese == lettura.data.mese && l.data.annoComune == lettura.data.annoComune);
  }
  return 0;
}
