// The places' styles of the year walked day by day across each change of style, the year
// written by the test's own rule; and a large sample of answers, in every place, style and
// form, read back as themselves.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "risposta.h"
#include "tratti.h"

namespace almanacco::prova {
namespace {

// Easter as a month and a day, by Meeus's Julian rule or the anonymous Gregorian algorithm.
std::pair<int, int> pasqua(int y, bool gregoriana) {
  int h, l, m = 0;
  if (gregoriana) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    h = (19 * a + b - d - g + 15) % 30;
    l = (32 + 2 * e + 2 * (c / 4) - h - c % 4) % 7;
    m = (a + 11 * h + 22 * l) / 451;
  } else {
    h = (19 * (y % 19) + 15) % 30;
    l = (2 * (y % 4) + 4 * (y % 7) - h + 34) % 7;
  }
  return {(h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1};
}

// The year a style writes for a day of the common year, by the test's own rule: a style
// that begins before 1 January gives the days from its first the next year's number, one
// that begins after it gives the days before its first the last year's. The Easter style's
// first day is the year's Easter, in the count of the day.
int annoScritto(const Data& d, const DatiStile& s, bool gregoriana = false) {
  const auto [mese, giorno] =
      s.meseInizio == 0 ? pasqua(d.anno, gregoriana) : std::pair{s.meseInizio, s.giornoInizio};
  const bool dalPrimo = std::tie(d.mese, d.giorno) >= std::tie(mese, giorno);
  if (s.anticipato) return d.anno + (dalPrimo ? 1 : 0);
  return d.anno - (dalPrimo ? 0 : 1);
}

// The place's style on a day of the common year; nothing for years whose style is not known.
std::optional<Stile> stileNel(const Luogo& luogo, const Data& d) {
  for (const StileDelLuogo& s : luogo.stili)
    if (std::tie(d.anno, d.mese, d.giorno) <= std::tie(s.fino.anno, s.fino.mese, s.fino.giorno))
      return s.ignoto ? std::nullopt : std::optional{s.stile};
  return std::nullopt;
}

std::string scritta(int giorno, int mese, int anno) {
  std::string testo;
  aggiungiNumero(testo, giorno);
  testo += '/';
  aggiungiNumero(testo, mese);
  testo += '/';
  aggiungiNumero(testo, anno, 3);
  return testo;
}

TEST(Luoghi, EachPlaceWritesEachStyleOnlyInItsYears) {
  for (const Luogo& luogo : kLuoghi) {
    if (luogo.soloComune()) continue;
    SCOPED_TRACE(std::string(luogo.codice));
    const auto tratti = trattiDi(luogo);
    // The years around the changes of style, and beyond them where one style alone can
    // have written a year.
    int primo = 9999, ultimo = 1;
    for (const StileDelLuogo& s : luogo.stili)
      if (s.fino != kPerSempre && s.fino != Giornata{}) {
        primo = std::min(primo, s.fino.anno - 3);
        ultimo = std::max(ultimo, s.fino.anno + 3);
      }
    // Every written date of those years, with the days of the common style it stands for.
    std::map<std::tuple<int, int, int>, std::vector<long>> scritte;
    for (long n = numeroGiuliano(primo - 1, 1, 1); n <= numeroGiuliano(ultimo + 2, 1, 1); ++n) {
      const auto d = dataNelLuogo(tratti, n);
      if (!d) continue;
      const auto stile = stileNel(luogo, *d);
      // A Gregorian date stands ten days or more behind the Julian one of the same name
      // (Sweden's one behind).
      const bool gregoriana = n < numeroGiuliano(d->anno, d->mese, d->giorno) - 1;
      if (stile)
        scritte[{annoScritto(*d, datiStile(*stile), gregoriana), d->mese, d->giorno}].push_back(n);
    }
    // The program answers exactly the dates written once, refuses as ambiguous those
    // written twice, and refuses any other.
    const Datazione datazione{&luogo, {}};
    for (int anno = primo; anno <= ultimo; ++anno)
      for (int mese = 1; mese <= 12; ++mese)
        for (int giorno = 1; giorno <= 31; ++giorno) {
          const std::string testo = scritta(giorno, mese, anno);
          const Lettura l = leggiData(testo, datazione);
          const auto trovata = scritte.find({anno, mese, giorno});
          const std::size_t quante = trovata == scritte.end() ? 0 : trovata->second.size();
          if (quante == 2) {
            EXPECT_EQ(l.esito, Esito::StileAmbiguo) << testo;
            continue;
          }
          ASSERT_EQ(l.esito == Esito::Data, quante == 1) << testo;
          if (quante == 0) continue;
          const long n = trovata->second.front();
          std::string risposta;
          aggiungiRisposta(risposta, l);
          const Data comune = *dataNelLuogo(tratti, n);
          std::string attesa =
              std::to_string(giorno) + " " + kMesi[mese - 1] + " " + std::to_string(anno);
          if (comune.anno != anno) attesa += " (" + std::to_string(comune.anno) + ")";
          attesa += std::string(": ") + kSettimana[settimanaDi(n)] + "\n";
          ASSERT_EQ(risposta, attesa) << testo;
        }
  }
}

TEST(Luoghi, EveryAnswerInAnyPlaceStyleAndFormReadsBackAsItself) {
  std::mt19937 caso(1957);
  std::vector<std::vector<Tratto>> tratti;
  for (const Luogo& l : kLuoghi) tratti.push_back(trattiDi(l));
  int risposte = 0;
  constexpr int kProve = 200'000;
  for (int i = 0; i < kProve; ++i) {
    const std::size_t p = caso() % kLuoghi.size();
    const Luogo& luogo = kLuoghi[p];
    // Half of the days near the place's first change, half anywhere in the years 100-9999.
    const Giornata& cambio = luogo.conto[0].ultimo;
    const long centro = cambio == kPerSempre ? numeroGiuliano(1582, 10, 4)
                                             : numeroGiuliano(cambio.anno, cambio.mese, 1);
    const long n = caso() % 2 ? centro - 800 + static_cast<long>(caso() % 1600)
                              : numeroGiuliano(100, 3, 1) + static_cast<long>(caso() % 3'560'000);
    const auto d = dataNelLuogo(tratti[p], n);
    if (!d) continue;
    Datazione datazione{&luogo, {}, caso() % 4 == 0};
    std::optional<Stile> stile = stileNel(luogo, *d);
    if (caso() % 3 == 0) datazione.stile = stile = kStili[caso() % kStili.size()].stile;
    if (!stile) continue;
    const std::string testo = scritta(d->giorno, d->mese, annoScritto(*d, datiStile(*stile)));
    const Lettura prima = leggiData(testo, datazione);
    if (prima.esito != Esito::Data) continue;
    ++risposte;
    std::string risposta, ancora;
    aggiungiRisposta(risposta, prima);
    const Lettura riletta =
        leggiData(std::string_view(risposta).substr(0, risposta.size() - 1), datazione);
    ASSERT_EQ(riletta.esito, Esito::Data) << risposta;
    aggiungiRisposta(ancora, riletta);
    ASSERT_EQ(ancora, risposta) << testo;
  }
  // Most of the sample is answered: the rest are days in a style after its years, or of
  // one or two digits.
  EXPECT_GT(risposte, kProve / 2);
}

}  // namespace
}  // namespace almanacco::prova
