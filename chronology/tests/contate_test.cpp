// The counted forms of every day from 1200 to 1600, in each count throughout and in every
// style of the year: the Roman dating and the entering and leaving month as the test writes
// them from its own rules, in the spellings documents use, read against the real calendar
// (reale.h) and against the engine's reading of the same day; every line --forme writes
// read back as the same day; the indiction of each kind around each day it moves on.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "cornice.h"
#include "forme.h"
#include "latino.h"
#include "luoghi.h"
#include "reale.h"
#include "risposta.h"

namespace almanacco::prova {
namespace {

constexpr int kDal = 1200, kAl = 1600;

// The test's own words: what a notary wrote, taken from the manuals, not from the program.
constexpr const char* kRomani[] = {"",    "I",    "II",  "III",  "IV",    "V",   "VI",
                                   "VII", "VIII", "IX",  "X",    "XI",    "XII", "XIII",
                                   "XIV", "XV",   "XVI", "XVII", "XVIII", "XIX"};
constexpr const char* kOrdinali[] = {"",
                                     "primo",
                                     "secundo",
                                     "tertio",
                                     "quarto",
                                     "quinto",
                                     "sexto",
                                     "septimo",
                                     "octavo",
                                     "nono",
                                     "decimo",
                                     "undecimo",
                                     "duodecimo",
                                     "tertio decimo",
                                     "quartodecimo",
                                     "quintodecimo",
                                     "sextodecimo",
                                     "septimodecimo",
                                     "duodevicesimo",
                                     "undevicesimo"};
constexpr const char* kGenitivi[] = {"ianuarii",   "februarii", "martii",    "aprilis",
                                     "maii",       "iunii",     "iulii",     "augusti",
                                     "septembris", "octobris",  "novembris", "decembris"};
constexpr const char* kAccusativi[] = {"Ianuarias",  "Februarias", "Martias",   "Apriles",
                                       "Maias",      "Iunias",     "Iulias",    "Augustas",
                                       "Septembres", "Octobres",   "Novembres", "Decembres"};
constexpr const char* kAbbreviati[] = {"ian.", "febr.", "mart.", "apr.", "mai.", "iun.",
                                       "iul.", "aug.",  "sept.", "oct.", "nov.", "dec."};
constexpr const char* kItaliani[] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                     "maggio",    "giugno",   "luglio",   "agosto",
                                     "settembre", "ottobre",  "novembre", "dicembre"};
constexpr const char* kLatini[] = {"lune",    "martis",  "mercurii", "iovis",
                                   "veneris", "sabbati", "dominica"};

// The Nones on the 7th in March, May, July and October, on the 5th in the other months.
int none(int mese) {
  return mese == 3 || mese == 5 || mese == 7 || mese == 10 ? 7 : 5;
}

// The days of a month as the count writes them: the last one written.
int ultimo(char conto, int anno, int mese) {
  const long primoDopo = conto == 'G' ? numeroGregoriano({anno + mese / 12, mese % 12 + 1, 1})
                                      : numeroGiuliano(anno + mese / 12, mese % 12 + 1, 1);
  return (conto == 'G' ? gregoriana(primoDopo - 1) : giuliana(primoDopo - 1)).giorno;
}

// The day in Roman dating, in one of four ways a document writes it (`modo`): Roman
// numerals and abbreviations; Latin ordinals and whole words; "a.d." and the classical
// cases, the ablative on the day itself and the accusative after a count; Italian.
std::string romana(int mese, int giorno, int giorni, int modo) {
  constexpr const char* kAblativi[] = {"Ianuariis",    "Februariis", "Martiis",     "Aprilibus",
                                       "Maiis",        "Iuniis",     "Iuliis",      "Augustis",
                                       "Septembribus", "Octobribus", "Novembribus", "Decembribus"};
  constexpr const char* kFissi[4][3] = {{"kal.", "non.", "id."},
                                        {"kalendas", "nonas", "idus"},
                                        {"Kal.", "Non.", "Id."},
                                        {"calende", "none", "idi"}};
  constexpr const char* kSulFisso[4][3] = {{"kal.", "non.", "id."},
                                           {"kalendis", "nonis", "idibus"},
                                           {"Kal.", "Non.", "Id."},
                                           {"calende", "none", "idi"}};
  constexpr const char* kPridie[] = {"pridie ", "pridie ", "prid. ", "il giorno avanti le "};
  const int n = none(mese), idi = n + 8;
  int verso = 0, conto = 1, nominato = mese;
  if (giorno == 1) {
  } else if (giorno <= n) {
    verso = 1, conto = n + 1 - giorno;
  } else if (giorno <= idi) {
    verso = 2, conto = idi + 1 - giorno;
  } else {
    nominato = mese % 12 + 1;
    // A leap February names its 24th and 25th both the sixth, the 25th twice.
    const bool bisestile = mese == 2 && giorni == 29;
    if (bisestile && giorno == 25) {
      constexpr const char* kBis[] = {"bis VI kal. mart.", "bis sexto kalendas martii",
                                      "bissexto Kal. Martias", "bis VI calende di marzo"};
      return kBis[modo];
    }
    conto = (bisestile && giorno <= 24 ? 28 : giorni) + 2 - giorno;
  }
  std::string testo;
  if (conto == 2)
    testo = kPridie[modo];
  else if (conto > 2)
    testo = std::string(modo == 1 ? kOrdinali[conto] : kRomani[conto]) + " ";
  if (conto > 2 && modo == 2) testo.insert(0, "a.d. ");
  testo += conto == 1 ? kSulFisso[modo][verso] : kFissi[modo][verso];
  const std::string quale[] = {kAbbreviati[nominato - 1], kGenitivi[nominato - 1],
                               conto == 1 ? kAblativi[nominato - 1] : kAccusativi[nominato - 1],
                               std::string("di ") + kItaliani[nominato - 1]};
  return testo + " " + quale[modo];
}

// The day by the entering and the leaving month: the first 16, 15 or 14 days (15 in a leap
// February) entering, the last 15 (February's last 14) leaving, from the last.
std::string notarile(int mese, int giorno, int giorni, int modo, int settimana) {
  const int uscenti = mese == 2 ? 14 : 15;
  const bool entrante = giorno <= giorni - uscenti;
  const int conto = entrante ? giorno : giorni + 1 - giorno;
  switch (modo) {
    case 0:
      return std::string("die ") + (!entrante && conto == 1 ? "ultimo" : kRomani[conto]) +
             (entrante ? " intrante " : " exeunte ") + kGenitivi[mese - 1];
    case 1:
      return std::string("die ") + kLatini[settimana] + " " + kOrdinali[conto] +
             (entrante ? " intrante mense " : " exeunte mense ") + kGenitivi[mese - 1];
    case 2:
      return std::to_string(conto) + (entrante ? " entrante " : " uscente ") + kItaliani[mese - 1];
    default:
      return std::string("a dì ") + std::to_string(conto) +
             (entrante ? " intrante " : " exeunte ") + "del mese di " + kItaliani[mese - 1];
  }
}

// The styles as the manuals give them: the day the year turns, and whether before
// 1 January (the days from it on carry the next year's number).
struct Stile_ {
  const char* nome;
  int mese, giorno;
  bool anticipato;
};
constexpr Stile_ kStili_[] = {{"comune", 1, 1, false},      {"natività", 12, 25, true},
                              {"fiorentino", 3, 25, false}, {"pisano", 3, 25, true},
                              {"veneto", 3, 1, false},      {"bizantino", 9, 1, true}};

int annoScritto(const Stile_& s, const Data& d) {
  const bool dopo = d.mese * 32 + d.giorno >= s.mese * 32 + s.giorno;
  if (s.anticipato) return dopo ? d.anno + 1 : d.anno;
  return dopo || (s.mese == 1 && s.giorno == 1) ? d.anno : d.anno - 1;
}

class OgniGiorno : public ::testing::TestWithParam<std::tuple<char, int>> {};

TEST_P(OgniGiorno, RomanAndNotarialFormsAndEveryFormWrittenReadBack) {
  const auto [conto, quale] = GetParam();
  const Stile_& stile = kStili_[quale];
  const Datazione datazione{luogoDi(conto == 'G' ? "gregoriano" : "giuliano").luogo,
                            stileDi(stile.nome)->stile};
  const long primo = conto == 'G' ? numeroGregoriano({kDal, 1, 1}) : numeroGiuliano(kDal, 1, 1);
  const long fine = conto == 'G' ? numeroGregoriano({kAl, 12, 31}) : numeroGiuliano(kAl, 12, 31);
  std::string testo, atteso, risposta, forme;
  for (long n = primo; n <= fine; ++n) {
    const Data d = conto == 'G' ? gregoriana(n) : giuliana(n);
    const int giorni = ultimo(conto, d.anno, d.mese);
    const int settimana = settimanaDi(n);
    const int scritto = annoScritto(stile, d);
    const int modo = static_cast<int>(n % 4);
    // The engine's reading of the same day, written plainly.
    testo = std::to_string(d.giorno) + "/" + std::to_string(d.mese) + "/" + std::to_string(scritto);
    atteso.clear();
    const Lettura semplice = rispondi(testo, atteso, datazione);
    ASSERT_EQ(semplice.esito, Esito::Data) << testo;
    for (const std::string& forma :
         {romana(d.mese, d.giorno, giorni, modo) + " " + std::to_string(scritto),
          modo == 1
              ? std::to_string(scritto) + ", " + notarile(d.mese, d.giorno, giorni, modo, settimana)
              : notarile(d.mese, d.giorno, giorni, modo, settimana) + " " +
                    std::to_string(scritto)}) {
      risposta.clear();
      const Lettura l = rispondi(forma, risposta, datazione);
      ASSERT_EQ(l.esito, Esito::Data) << forma << " (" << stile.nome << ", " << conto << ")";
      ASSERT_EQ(Data({l.data.annoComune, l.data.mese, l.data.giorno}), d) << forma;
      ASSERT_EQ(l.data.anno, scritto) << forma;
      ASSERT_EQ(l.settimana, settimana) << forma;
      ASSERT_EQ(risposta, atteso) << forma;
    }
    // Every form --forme writes, read back with the same options: on every fifth day, which
    // goes through every weekday and every way of writing the forms above in turn.
    if (n % 5 != 0) continue;
    forme.clear();
    aggiungiForme(forme, semplice, datazione);
    ASSERT_TRUE(forme.starts_with(atteso)) << forme;
    for (std::size_t da = 0, a; da < forme.size(); da = a + 1) {
      a = forme.find('\n', da);
      const std::string_view riga(forme.data() + da, a - da);
      const Lettura l = leggiData(riga, datazione);
      ASSERT_EQ(l.esito, Esito::Data) << riga << " (" << stile.nome << ", " << conto << ")";
      ASSERT_EQ(Data({l.data.annoComune, l.data.mese, l.data.giorno}), d) << riga;
      ASSERT_EQ(l.settimana, settimana) << riga;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ContiEStili, OgniGiorno,
                         ::testing::Combine(::testing::Values('J', 'G'), ::testing::Range(0, 6)));

// The indiction of a day by each kind, as the test reckons it: the number of the year from
// 1 January, one more from the kind's day (1, 8, 24 September, 25 December), Genoa's one
// less than the Bedan.
struct Tipo_ {
  const char* nome;
  int mese, giorno, meno;
};
constexpr Tipo_ kTipi[] = {{"greca", 9, 1, 0},
                           {"senese", 9, 8, 0},
                           {"bedana", 9, 24, 0},
                           {"genovese", 9, 24, 1},
                           {"romana dal 25 dicembre", 12, 25, 0},
                           {"romana", 1, 1, 0}};
int indizioneDi(const Tipo_& t, const Data& d) {
  const bool avanti =
      !(t.mese == 1 && t.giorno == 1) && d.mese * 32 + d.giorno >= t.mese * 32 + t.giorno;
  const int n = ((d.anno + 3 + (avanti ? 1 : 0) - t.meno) % 15 + 15) % 15;
  return n == 0 ? 15 : n;
}

// Around each day a kind moves on, every number: the one the day has in the kind named
// after it is taken, every other refused; without a kind, a number any kind gives.
TEST(Indizione, EachKindAcrossEachOfItsChangesEveryNumber) {
  Datazione datazione;
  datazione.luogo = luogoDi("giuliano").luogo;
  for (int anno = kDal; anno <= kAl; ++anno)
    for (const Tipo_& t : kTipi)
      for (int scarto = -2; scarto <= 1; ++scarto) {
        const long n = numeroGiuliano(anno, t.mese, t.giorno) + scarto;
        const Data d = giuliana(n);
        const std::string data =
            std::to_string(d.giorno) + " " + kItaliani[d.mese - 1] + " " + std::to_string(d.anno);
        for (int numero = 1; numero <= 15; ++numero) {
          bool qualcuno = false;
          for (const Tipo_& altro : kTipi) qualcuno = qualcuno || indizioneDi(altro, d) == numero;
          const std::string indizione = std::string(", indizione ") + kRomani[numero];
          const Esito col = leggiData(data + indizione + " " + t.nome, datazione).esito;
          const Esito senza = leggiData(data + indizione, datazione).esito;
          // "romana" is either Roman kind, from Christmas or from 1 January.
          const bool suo =
              indizioneDi(t, d) == numero || (t.mese == 1 && indizioneDi(kTipi[4], d) == numero);
          ASSERT_EQ(col, suo ? Esito::Data : Esito::IndizioneSbagliata)
              << data << indizione << " " << t.nome;
          ASSERT_EQ(senza, qualcuno ? Esito::Data : Esito::IndizioneSbagliata) << data << indizione;
        }
      }
}

// Every word of the lexicon that a counted form cannot do without (the Kalends, Nones and
// Ides, the entering and leaving month, the last day, "pridie"), in either case: the
// reader never passes over a text that holds one.
TEST(Contate, EveryWordTheyNeedIsSeenBeforeTheTextIsCut) {
  using latino::Parola;
  using latino::Specie;
  const auto& lessico = latino::kLessico;
  // The reader's text is followed by 16 bytes it may read.
  const auto conta = [](std::string testo) {
    testo.append(16, '\0');
    return lettura::puòContare(std::string_view(testo).substr(0, testo.size() - 16));
  };
  int viste = 0;
  for (const parole::Chiave& posto : lessico.posti) {
    const auto numero = static_cast<std::size_t>(posto.altre >> 56);
    if (numero == 0) continue;
    const latino::Significato s = lessico.significati[numero];
    const auto parola = static_cast<Parola>(s.valore);
    if (s.specie != Specie::Fisso &&
        !(s.specie == Specie::Parola &&
          (parola == Parola::Entrante || parola == Parola::Uscente || parola == Parola::Ultimo ||
           parola == Parola::Penultimo || parola == Parola::Pridie)))
      continue;
    std::string minuscola, maiuscola;
    for (int b = 0; b < 15; ++b) {
      const auto c =
          static_cast<char>((b < 8 ? posto.prime >> (8 * b) : posto.altre >> (8 * (b - 8))) & 0xFF);
      if (c == 0) break;
      minuscola += c;
      maiuscola += static_cast<char>(c >= 'a' && c <= 'z' ? c - 0x20 : c);
    }
    EXPECT_TRUE(conta("III " + minuscola + " oct. 1300")) << minuscola;
    EXPECT_TRUE(conta("1300, die " + maiuscola)) << maiuscola;
    ++viste;
  }
  EXPECT_GE(viste, 30);
  EXPECT_FALSE(conta("feria III post Reminiscere 1285"));
}

}  // namespace
}  // namespace almanacco::prova
