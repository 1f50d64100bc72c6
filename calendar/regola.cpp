#include "regola.h"

namespace almanacco {

namespace {
// Division that rounds down, so that the counts hold for years before year 1 too.
constexpr int giù(int a, int b) {
  return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// Days from 1 January of year 1 to 1 January of `anno`, in each calendar.
constexpr int giorniPrima(int anno, Stile stile) {
  const int passati = anno - 1;
  int giorni = 365 * passati + giù(passati, 4);
  if (stile == Stile::Gregoriano) giorni += giù(passati, 400) - giù(passati, 100);
  return giorni;
}

constexpr Giorno aPartireDa(Giorno primo, int giorni) {
  return static_cast<Giorno>(((primo + giorni) % 7 + 7) % 7);
}

// 1 January of year 1 was a Saturday by the Julian count, a Monday by the Gregorian one.
constexpr Giorno kPrimoGennaioAnnoUno[] = {settimana::S, settimana::L};

constexpr bool prima(int anno, int mese, int annoRif, int meseRif) {
  return anno < annoRif || (anno == annoRif && mese < meseRif);
}
}  // namespace

Stile stileDelMese(int anno, int mese) {
  return prima(anno, mese, riforma::kAnno, riforma::kMese) ? Stile::Giuliano : Stile::Gregoriano;
}

bool bisestile(int anno, Stile stile) {
  if (anno % 4 != 0) return false;
  return stile == Stile::Giuliano || anno % 100 != 0 || anno % 400 == 0;
}

Giorno primoGennaio(int anno, Stile stile) {
  return aPartireDa(kPrimoGennaioAnnoUno[static_cast<int>(stile)], giorniPrima(anno, stile));
}

Giorno primoDelMese(int anno, int mese) {
  const Stile stile = stileDelMese(anno, mese);
  const auto& riga = kRigaDelTipo[bisestile(anno, stile)][primoGennaio(anno, stile)];
  return kTipiAnno[riga].primoDelMese[static_cast<std::size_t>(mese - 1)];
}

GiorniDelMese giorniDelMese(int anno, int mese) {
  constexpr int kLunghezze[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (mese < 1 || mese > 12) return {};
  const int ultimo =
      kLunghezze[mese - 1] + (mese == 2 && bisestile(anno, stileDelMese(anno, mese)));
  GiorniDelMese giorni = finoAl(ultimo);
  if (anno == riforma::kAnno && mese == riforma::kMese)
    for (int d = riforma::kUltimoGiuliano + 1; d < riforma::kPrimoGregoriano; ++d)
      giorni.reset(static_cast<std::size_t>(d));
  return giorni;
}

int giornoInIntestazione(int anno, int mese, int giorno) {
  const bool giulianoSottoGregoriano = anno == riforma::kAnno && mese == riforma::kMese &&
                                       giorno >= 1 && giorno <= riforma::kUltimoGiuliano;
  return giulianoSottoGregoriano ? giorno + riforma::kSaltati : giorno;
}

Giorno giornoDellaSettimana(int anno, int mese, int giorno) {
  return aPartireDa(primoDelMese(anno, mese), giornoInIntestazione(anno, mese, giorno) - 1);
}

}  // namespace almanacco
