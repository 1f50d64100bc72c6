// Arbitrary captions in every label the engine reads, then the operations in an arbitrary
// order: nothing may crash, trip a sanitizer, or leave the labels in a state the engine
// could not have written.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "Calendario.h"
#include "MemoryStore.h"
#include "luoghi.h"
#include "testo.h"

namespace {
using namespace almanacco;
using namespace almanacco::nomi;

void richiedi(bool condizione) {
  if (!condizione) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  FuzzedDataProvider ingresso(dati, quanti);
  MemoryStore etichette;
  const auto luogo = ingresso.ConsumeIntegralInRange<std::size_t>(0, kLuoghi.size());
  Calendario calendario(etichette, luogo < kLuoghi.size() ? kLuoghi[luogo].conto : kItalia);

  const LabelId letti[] = {lblSecoloSel, lblDecineSel, lblUnitàSel,  lblAnno,      lblMeseSel,
                           lblIndice,    lblGiornoSel, lblFinale(0), lblFinale(1), lblFinale(3),
                           lblNome(1),   lblNome(2),   lblNome(3),   lblNome(4),   lblNome(5),
                           lblNome(6),   lblNome(7)};
  for (const LabelId id : letti) etichette.setCaption(id, ingresso.ConsumeRandomLengthString(64));

  while (ingresso.remaining_bytes() > 0) {
    const std::string restoPrima = etichette.caption(lblRestoAnno);
    switch (ingresso.ConsumeIntegralInRange(0, 4)) {
      case 0:
        calendario.ComponiAnno();
        break;
      case 1: {
        calendario.CalcolaIndice();
        // The remainder is the old one, or a year's remainder mod 28.
        const std::string resto = etichette.caption(lblRestoAnno);
        const auto r = numeroTra(resto.starts_with('-') ? resto.substr(1) : resto, 0, 27);
        richiedi(resto == restoPrima || r.has_value());
        break;
      }
      case 2: {
        calendario.DisponiSettimana();
        // At most one header cell is dark red, and then its whole column is.
        int rosse = 0;
        for (std::int16_t c = 1; c <= 7; ++c)
          if (etichette.foreColor(lblNome(c)) == kRossoScuro) {
            ++rosse;
            for (std::int16_t d = c; d <= 31; d = static_cast<std::int16_t>(d + 7))
              richiedi(etichette.foreColor(lblGiorni(d)) == kRossoScuro);
          }
        richiedi(rosse <= 1);
        break;
      }
      case 3:
        calendario.ScriviRisultato();
        richiedi(etichette.caption(lblNomeCompleto).find(": ") != std::string::npos);
        break;
      default:
        etichette.setCaption(letti[ingresso.ConsumeIntegralInRange<std::size_t>(0, 16)],
                             ingresso.ConsumeRandomLengthString(16));
        break;
    }
  }
  return 0;
}
