#include "rigarisposta.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "regola.h"
#include "tabelle.h"

namespace almanacco {

namespace {
// A piece of an answer in a slot of 16 bytes, copied whole: a copy of a constant size
// is a single move, where a copy of each piece's own length is a call. The terminal
// writes a million answers a second.
struct Pezzo {
  std::array<char, 16> testo{};
  std::uint8_t lunghezza = 0;
  constexpr void metti(std::string_view parte) {
    for (const char c : parte) testo[lunghezza++] = c;
  }
  char* copia(char* qui) const {
    std::memcpy(qui, testo.data(), testo.size());
    return qui + lunghezza;
  }
};
// "15 Giugno " for every day and month, and ": Sabato\n" for every weekday, from the
// window's own names; the exhaustive test proves the line the window's for every day.
inline constexpr auto kGiornoEMese = [] {
  std::array<std::array<Pezzo, 12>, 32> pezzi{};
  for (std::size_t g = 1; g <= 31; ++g)
    for (std::size_t m = 0; m < 12; ++m) {
      pezzi[g][m].metti(numeroInLettere(static_cast<int>(g)));
      pezzi[g][m].metti(" ");
      pezzi[g][m].metti(kNomiMesi[m]);
      pezzi[g][m].metti(" ");
    }
  return pezzi;
}();
// "00" to "99".
inline constexpr auto kDueCifre = [] {
  std::array<std::array<char, 2>, 100> cifre{};
  for (std::size_t n = 0; n < cifre.size(); ++n)
    cifre[n] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  return cifre;
}();
inline constexpr auto kSettimanaEFine = [] {
  std::array<Pezzo, 7> pezzi{};
  for (std::size_t g = 0; g < 7; ++g) {
    pezzi[g].metti(": ");
    pezzi[g].metti(kNomiGiorni[g]);
    pezzi[g].metti("\n");
  }
  return pezzi;
}();

// The year as the window writes it, a plain number: 800, not 0800. Its four digits go in
// whole, and the place after the last one is where the rest goes.
char* scriviAnno(char* qui, int anno) {
  const auto alte = kDueCifre[static_cast<std::size_t>(anno / 100)];
  const auto basse = kDueCifre[static_cast<std::size_t>(anno % 100)];
  const char cifre[8] = {alte[0], alte[1], basse[0], basse[1]};
  const int quante = anno >= 1000 ? 4 : anno >= 100 ? 3 : anno >= 10 ? 2 : 1;
  std::memcpy(qui, cifre + 4 - quante, 4);
  return qui + quante;
}

char* scriviGiornoEMese(char* qui, int giorno, int mese) {
  return kGiornoEMese[static_cast<std::size_t>(giorno)][static_cast<std::size_t>(mese - 1)].copia(
      qui);
}

char* scrivi(char* qui, std::string_view testo) {
  std::memcpy(qui, testo.data(), testo.size());
  return qui + testo.size();
}

constexpr std::string_view kNelCalendario = " nel calendario ";

// " (9 Febbraio 1649 nel calendario gregoriano)": the same day in the other count, its year
// from 1 January; or, where that falls outside the years 1 to 9999, which end it passes.
char* scriviGemello(char* qui, const Lettura& lettura) {
  const Giornata& g = lettura.gemello;
  qui = scrivi(qui, " (");
  const bool fuori = g.anno < kPrimoAnnoStorico || g.anno > kUltimoAnnoStorico;
  if (!fuori) qui = scriviAnno(scriviGiornoEMese(qui, g.giorno, g.mese), g.anno);
  qui = scrivi(qui, fuori ? kNelCalendario.substr(1) : kNelCalendario);
  qui = scrivi(qui, nomeDelComputo(lettura.computoGemello));
  if (fuori) qui = scrivi(qui, g.anno < kPrimoAnnoStorico ? kPrimaDellEra : kDopoLEra);
  return scrivi(qui, ")");
}
}  // namespace

namespace {
// What follows the year where the answer is not the usual line: the year of the common
// style, after a slash or in parentheses, and the twin in the other count. Apart from the
// usual line's road, which it would otherwise weigh down.
[[gnu::noinline]] char* scriviAltro(char* qui, const Lettura& lettura) {
  const DataScritta& d = lettura.data;
  if (lettura.annoDoppio) {
    qui = scriviAnno(scrivi(qui, "/"), d.annoComune);
  } else if (d.annoComune != d.anno || lettura.conAnnoComune) {
    qui = scrivi(qui, " (");
    qui = scrivi(scriviAnno(qui, d.annoComune), ")");
  }
  const Giorno settimana = lettura.settimana;
  if (!lettura.conGemello) return kSettimanaEFine[settimana].copia(qui);
  // The weekday without its newline, then the twin and the newline.
  qui = kSettimanaEFine[settimana].copia(qui) - 1;
  return scrivi(scriviGemello(qui, lettura), "\n");
}
}  // namespace

char* scriviRisposta(char* qui, const Lettura& lettura) {
  const DataScritta& d = lettura.data;
  // The longest line, each piece counted as the room its copy takes: day and month, the
  // year, the common year after it, the weekday, and the twin with its newline.
  constexpr std::size_t kPezzo = sizeof(Pezzo::testo);
  constexpr std::size_t kGemello =
      std::max(kPezzo + 4 + kNelCalendario.size(), kNelCalendario.size() + kPrimaDellEra.size());
  static_assert(kPezzo + 4 + 7 + kPezzo + 2 + kGemello + std::string_view("gregoriano").size() +
                    2 <=
                kRispostaMassima);
  qui = scriviAnno(scriviGiornoEMese(qui, d.giorno, d.mese), d.anno);
  if (lettura.annoDoppio | lettura.conGemello | lettura.conAnnoComune | (d.annoComune != d.anno))
      [[unlikely]]
    return scriviAltro(qui, lettura);
  return kSettimanaEFine[lettura.settimana].copia(qui);
}

void aggiungiRisposta(std::string& risposte, const Lettura& lettura) {
  char riga[kRispostaMassima];
  risposte.append(riga, scriviRisposta(riga, lettura));
}

}  // namespace almanacco
