// The year's elements and its moveable feasts, for --anno.
#include "annata.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "datafesta.h"
#include "enunciato.h"
#include "feste.h"
#include "indizione.h"
#include "risposta.h"
#include "scritte.h"

namespace almanacco {

namespace {

std::string numero(int n) {
  return std::to_string(n);
}

// "giuliano", "giuliano fino al 4 ottobre, gregoriano dal 15 ottobre": the counts of the
// place's periods that have days of the year.
std::string calendari(int anno, const ContoDeiGiorni& conto) {
  std::string testo;
  for (const Periodo& p : conto) {
    if (p.primo.anno > anno || p.ultimo.anno < anno) continue;
    testo.append(testo.empty() ? "" : ", ").append(nomeDelComputo(p.computo));
    if (p.primo.anno == anno && !(p.primo.mese == 1 && p.primo.giorno == 1))
      testo.append(" dal ").append(giornoEMese(p.primo));
    if (p.ultimo.anno == anno && !(p.ultimo.mese == 12 && p.ultimo.giorno == 31))
      testo.append(" fino al ").append(giornoEMese(p.ultimo));
  }
  return testo.empty() ? "non noto" : testo;
}

// The letter of a day, A for 1 January, as the Roman reckoning counts them: the leap day
// is a second 24 February, so the days from the 25th have the letters of a common year's.
int letteraDel(int mese, int giorno, int giorniDiFebbraio) {
  constexpr int kPrima[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  if (mese == 2 && giorno > 24) giorno = std::max(24, giorno - (giorniDiFebbraio - 28));
  return (kPrima[mese - 1] + giorno - 1) % 7;
}

// "D"; "G fino al 24 febbraio, F dal 25 febbraio": the letter of the Sundays, and where a
// leap day or a change of calendar moves it.
std::string lettereDomenicali(int anno, const ContoDeiGiorni& conto) {
  struct Tratto {
    int lettera;
    Giornata primo, ultimo;
  };
  std::vector<Tratto> tratti;
  // February's days in the place that year: 29 in a leap year, 30 in Sweden's 1712.
  const GiorniDelMese giorni = giorniDelMese(anno, 2, conto);
  int febbraio = 31;
  while (febbraio > 28 && !giorni[static_cast<std::size_t>(febbraio)]) --febbraio;
  // Every day the year may have, in whichever count.
  const long inizio = std::min(numeroDelGiorno(anno, 1, 1, Computo::Giuliano),
                               numeroDelGiorno(anno, 1, 1, Computo::Gregoriano)) -
                      2;
  const long fine = std::max(numeroDelGiorno(anno, 12, 31, Computo::Giuliano),
                             numeroDelGiorno(anno, 12, 31, Computo::Gregoriano)) +
                    2;
  for (long n = inizio; n <= fine; ++n) {
    const std::optional<Giornata> g = giornataNel(n, conto);
    if (!g || g->anno != anno) continue;
    const int lettera = (letteraDel(g->mese, g->giorno, febbraio) + 6 - settimanaDelNumero(n)) % 7;
    if (tratti.empty() || tratti.back().lettera != lettera)
      tratti.push_back({lettera, *g, *g});
    else
      tratti.back().ultimo = *g;
  }
  std::string testo;
  for (std::size_t i = 0; i < tratti.size(); ++i) {
    const Tratto& t = tratti[i];
    testo.append(i == 0 ? "" : ", ").append(1, static_cast<char>('A' + t.lettera));
    if (tratti.size() == 1) break;
    if (t.primo == t.ultimo)
      testo.append(" il ").append(giornoEMese(t.primo));
    else if (i == 0)
      testo.append(" fino al ").append(giornoEMese(t.ultimo));
    else if (i + 1 == tratti.size())
      testo.append(" dal ").append(giornoEMese(t.primo));
    else
      testo.append(" dal ")
          .append(giornoEMese(t.primo))
          .append(" al ")
          .append(giornoEMese(t.ultimo));
  }
  return testo;
}

// A moveable feast's line: its names, then the answer.
void riga(std::string& testo, std::string_view nome, std::string_view latino, long giorno,
          const Datazione& datazione) {
  testo.append("  ").append(nome);
  if (!latino.empty()) testo.append(", ").append(latino);
  testo.append(": ");
  const std::optional<Giornata> g = giornataNel(giorno, datazione.luogo->conto);
  std::optional<Lettura> l = g ? lettura::comeScritto(*g, datazione) : std::nullopt;
  if (l) {
    // Where the written year has two such feasts (a style's year from 25 March may have
    // two Sundays of Passion), the common year tells them apart, in the answer too.
    const std::string scritta = std::string(nome).append(" ").append(numero(l->data.anno));
    if (leggiData(scritta, datazione).esito == Esito::FestaAmbigua) l->conAnnoComune = true;
    aggiungiRisposta(testo, *l);
  } else {
    testo.append(g ? inParole(*g) : "").append(" (non si sa come vi si scrivesse l'anno)\n");
  }
}

constexpr std::string_view kOrdinali[][2] = {
    {"Prima", "prima"}, {"Seconda", "secunda"}, {"Terza", "tertia"}, {"Quarta", "quarta"}};
constexpr std::string_view kGiorni[][2] = {
    {"Lunedì", "II"}, {"Martedì", "III"}, {"Mercoledì", "IV"}};

}  // namespace

std::string annata(int anno, const Datazione& datazione) {
  const Luogo& luogo = *datazione.luogo;
  const ContoDeiGiorni& conto = luogo.conto;
  std::string testo = "Anno " + numero(anno) + " " + std::string(luogo.nel) + ": calendario " +
                      calendari(anno, conto) + "\n";
  const auto elemento = [&testo](std::string_view nome, const std::string& valore) {
    testo.append("  ").append(nome).append(std::string(22 - nome.size(), ' '));
    testo.append(valore).append("\n");
  };
  elemento("lettera domenicale", lettereDomenicali(anno, conto));
  elemento("numero d'oro", numero(numeroDOro(anno)));
  // The epact of the computus of the place's days at the equinox, 21 March.
  const Periodo* equinozio = conto.periodo(anno, 3, 21);
  const bool gregoriana = equinozio && equinozio->computo == Computo::Gregoriano;
  if (gregoriana) {
    const int e = epattaGregoriana(anno);
    elemento("epatta", (e == 0 ? std::string("*") : inRomani(e)) +
                           " (gregoriana: l'età della luna il 1° gennaio)");
  } else {
    const int e = epattaGiuliana(anno);
    elemento("epatta", (e == 0 ? std::string("nulla") : inRomani(e)) +
                           " (giuliana: l'età della luna il 22 marzo)");
  }
  elemento("ciclo solare", numero(cicloSolare(anno)));
  elemento("indizione", inRomani(indizioneDellAnno(anno)) + " (dal 1° gennaio)");
  const PasquaDelLuogo pasqua = pasquaDelLuogo(anno, luogo);
  if (pasqua.esito == PasquaDelLuogo::Esito::Nota) {
    if (!pasqua.riga && equinozio) {
      const Giornata limite =
          gregoriana ? limitePasqualeGregoriano(anno) : limitePasqualeGiuliano(anno);
      elemento("termine pasquale", giornoEMese(limite) + " (luna XIV)");
    }
    elemento("Pasqua", giornoEMese(pasqua.data) + ": calendario " +
                           numero(calendarioDelleFeste(pasqua.data)) + " dei 35");
  } else {
    elemento("Pasqua", pasquaIgnota(anno, luogo));
  }

  std::string feste;
  for (std::size_t i = 0; i < kFeste.size(); ++i) {
    const Festa& f = kFeste[i];
    if (f.base == Base::Fissa) continue;
    const festivi::GiornoDellaFesta g = festivi::giornoDellaFesta(static_cast<int>(i), anno, luogo);
    if (g.esito != Esito::Data) continue;
    if (f.giorni > 1) {
      for (int k = 0; k < f.giorni; ++k)
        riga(feste, std::string(kGiorni[k][0]) + " delle " + std::string(f.nome),
             std::string("feria ") + std::string(kGiorni[k][1]) + " " + std::string(f.latino),
             g.numero + k, datazione);
    } else if (f.base == Base::Avvento) {
      for (int k = 0; k < f.domeniche; ++k)
        riga(feste, std::string(kOrdinali[k][0]) + " domenica d'Avvento",
             std::string("dominica ") + std::string(kOrdinali[k][1]) + " Adventus",
             g.numero + 7L * k, datazione);
    } else {
      riga(feste, f.nome, f.latino, g.numero, datazione);
    }
  }
  // A Church that kept other feasts has none of these.
  if (feste.empty()) return testo + "Feste mobili: " + pasquaIgnota(anno, luogo) + "\n";
  return testo + "Feste mobili:\n" + feste;
}

}  // namespace almanacco
