// The year's elements as --anno writes them, and every moveable feast's line read back:
// its answer as its day, each of its names with the year as the answer writes it as the
// same day, in
// Italy's calendar from 1000 to 2000 and in places and styles that turn the year.
#include <gtest/gtest.h>

#include <string>

#include "annata.h"
#include "luoghi.h"
#include "risposta.h"

namespace almanacco::prova {
namespace {

// The element's value on its line: "  numero d'oro         10".
std::string elemento(const std::string& testo, std::string_view nome) {
  const std::size_t dove = testo.find(std::string("  ").append(nome));
  if (dove == std::string::npos) return {};
  const std::size_t inizio = testo.find_first_not_of(' ', dove + 2 + nome.size());
  return testo.substr(inizio, testo.find('\n', inizio) - inizio);
}

TEST(Annata, TheElementsOfTheCheckYears) {
  const struct {
    int anno;
    std::string_view lettera, aureo, epatta, ciclo, indizione, pasqua;
  } casi[] = {
      // Bach, p. 61, and the tables of the research notes.
      {1282, "D", "10", "IX (giuliana: l'età della luna il 22 marzo)", "3", "X (dal 1° gennaio)",
       "29 marzo: calendario 8 dei 35"},
      {1957, "F", "1", "XXIX (gregoriana: l'età della luna il 1° gennaio)", "6",
       "X (dal 1° gennaio)", "21 aprile: calendario 31 dei 35"},
      // The Dominican ordo of 2023.
      {2023, "A", "10", "VIII (gregoriana: l'età della luna il 1° gennaio)", "16",
       "I (dal 1° gennaio)", "9 aprile: calendario 19 dei 35"},
      {2024, "G fino al 24 febbraio, F dal 25 febbraio", "11",
       "XIX (gregoriana: l'età della luna il 1° gennaio)", "17", "II (dal 1° gennaio)",
       "31 marzo: calendario 10 dei 35"},
      {1582, "G fino al 4 ottobre, C dal 15 ottobre", "6",
       "XXV (giuliana: l'età della luna il 22 marzo)", "23", "X (dal 1° gennaio)",
       "15 aprile: calendario 25 dei 35"},
  };
  for (const auto& c : casi) {
    const std::string testo = annata(c.anno, {});
    EXPECT_EQ(elemento(testo, "lettera domenicale"), c.lettera) << c.anno;
    EXPECT_EQ(elemento(testo, "numero d'oro"), c.aureo) << c.anno;
    EXPECT_EQ(elemento(testo, "epatta"), c.epatta) << c.anno;
    EXPECT_EQ(elemento(testo, "ciclo solare"), c.ciclo) << c.anno;
    EXPECT_EQ(elemento(testo, "indizione"), c.indizione) << c.anno;
    EXPECT_EQ(elemento(testo, "Pasqua"), c.pasqua) << c.anno;
  }
}

// Each feast's line: "  Settuagesima, dominica in Septuagesima: 25 Gennaio 1282: Domenica".
void rileggi(int anno, const Datazione& datazione, int almeno = 4) {
  const std::string testo = annata(anno, datazione);
  std::size_t da = testo.find("Feste mobili:");
  ASSERT_NE(da, std::string::npos) << anno;
  int righe = 0;
  for (da = testo.find('\n', da) + 1; da < testo.size(); da = testo.find('\n', da) + 1) {
    const std::string riga = testo.substr(da + 2, testo.find('\n', da) - da - 2);
    const std::size_t duePunti = riga.find(": ");
    const std::string nomi = riga.substr(0, duePunti), risposta = riga.substr(duePunti + 2);
    const Lettura giorno = leggiData(risposta, datazione);
    ASSERT_EQ(giorno.esito, Esito::Data) << anno << ": " << riga;
    const auto stesso = [&giorno](const Lettura& l) {
      return l.esito == Esito::Data && l.data.giorno == giorno.data.giorno &&
             l.data.mese == giorno.data.mese && l.data.annoComune == giorno.data.annoComune;
    };
    // The year as the answer writes it, with the common one after it where it has it:
    // "27 Marzo 1300 (1300): Domenica".
    const std::size_t mese = risposta.find(' ') + 1;
    const std::size_t fineMese = risposta.find(' ', mese);
    const std::string anno = risposta.substr(fineMese, risposta.find(':') - fineMese);
    const std::size_t virgola = nomi.find(", ");
    for (const std::string& nome :
         {nomi.substr(0, virgola),
          virgola == std::string::npos ? std::string() : nomi.substr(virgola + 2)}) {
      if (nome.empty()) continue;
      ASSERT_TRUE(stesso(leggiData(nome + anno, datazione))) << nome << anno << ": " << riga;
    }
    ++righe;
  }
  if (almeno == 0) {
    EXPECT_EQ(righe, 0) << anno;
  }
  EXPECT_GE(righe, almeno) << anno;
}

TEST(Annata, EveryFeastsLineReadsBackInItaly) {
  for (int anno = 1000; anno <= 2000; ++anno) {
    rileggi(anno, {});
    if (::testing::Test::HasFatalFailure()) return;
  }
}

// Places whose styles turn the year, their changes of calendar and their own Easters; and
// the styles asked.
TEST(Annata, EveryFeastsLineReadsBackInPlacesAndStyles) {
  const struct {
    std::string_view luogo;
    std::optional<Stile> stile;
    int da, a;
  } casi[] = {
      {"firenze", {}, 1300, 1760},
      {"pisa", {}, 1700, 1760},
      {"venezia", {}, 1700, 1800},
      {"FR", {}, 1300, 1600},
      {"GB", {}, 1600, 1800},
      {"SE", {}, 1690, 1760},
      {"DE", {}, 1690, 1780},
      {"IT", Stile::Pasquale, 1300, 1575},
      {"IT", Stile::Natività, 1300, 1400},
      {"GB", Stile::Fiorentino, 1600, 1700},
  };
  for (const auto& c : casi)
    for (int anno = c.da; anno <= c.a; ++anno) {
      rileggi(anno, {luogoDi(c.luogo).luogo, c.stile});
      if (::testing::Test::HasFatalFailure()) return;
    }
  // A Church that kept its own feasts: none, and why.
  rileggi(1600, {luogoDi("RU").luogo, {}}, 0);
  EXPECT_NE(annata(1600, {luogoDi("RU").luogo, {}})
                .find("Feste mobili: in Russia si seguiva il calendario della Chiesa ortodossa"),
            std::string::npos);
}

}  // namespace
}  // namespace almanacco::prova
