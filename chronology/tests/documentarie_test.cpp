// The documentary forms as the sources quote them, and their refusals, in one table: the
// date each gives, or why it gives none; then the message of each refusal.
#include <gtest/gtest.h>

#include "luoghi.h"
#include "motivi.h"

namespace almanacco::prova {
namespace {

TEST(Documentarie, EachFormAsTheSourcesQuoteItAndItsRefusals) {
  constexpr Esito D = Esito::Data, N = Esito::NonUnaData, F = Esito::ContoFuori;
  const struct {
    std::string_view testo;
    Esito esito;
    int giorno = 0, mese = 0, anno = 0;  // the day, its year of the common style
  } casi[] = {
      // Roman dating: Allen and Greenough's examples, then documents' own
      {"III kal. octobris 1300", D, 29, 9, 1300},
      {"III KAL. OCT. 1300", D, 29, 9, 1300},
      {"a.d. III kal. oct. 1300", D, 29, 9, 1300},
      {"ante diem III kalendas octobres 1300", D, 29, 9, 1300},
      {"pridie idus martii 1300", D, 14, 3, 1300},
      {"prid. id. mart. 1300", D, 14, 3, 1300},
      {"VIII kal. feb. 1300", D, 25, 1, 1300},
      {"kalendis martii 1300", D, 1, 3, 1300},
      {"Kalendis Martiis 1300", D, 1, 3, 1300},
      {"kal. mart. 1300", D, 1, 3, 1300},
      {"idibus martii 1300", D, 15, 3, 1300},
      {"nonis iunii 1300", D, 5, 6, 1300},
      {"VIII id. ian. 1300", D, 6, 1, 1300},
      {"iii Non. Majas 1300", D, 5, 5, 1300},
      {"IIII idus Maii 1291", D, 12, 5, 1291},
      {"Duodecimo kalendas Octobris 1436", D, 20, 9, 1436},
      {"X kal. Ianuarii 695", D, 23, 12, 695},
      {"die Mercuris XII kal. Ian. 757", D, 21, 12, 757},
      {"anno domini MCCCXVI quarto kal. Ianuarii", D, 29, 12, 1316},
      {"kal. mart. mcccliij", D, 1, 3, 1353},
      {"II kal. mart. 1301", D, 28, 2, 1301},
      // the year is the day's own: the last days of December count to January's Kalends
      {"III kal. ian. 1300", D, 30, 12, 1300},
      // Italian
      {"III calende di ottobre 1300", D, 29, 9, 1300},
      {"il III delle calende di ottobre 1300", D, 29, 9, 1300},
      {"calende di marzo 1300", D, 1, 3, 1300},
      {"le idi di marzo 1300", D, 15, 3, 1300},
      {"none di giugno 1300", D, 5, 6, 1300},
      {"il giorno avanti le none di gennaio 1300", D, 4, 1, 1300},
      {"idi d'aprile 1300", D, 13, 4, 1300},
      {"idi d’aprile 1300", D, 13, 4, 1300},
      // the leap day: the 24th and 25th both the sixth, the 25th named twice; a weekday
      // tells which the sixth is
      {"VI kal. mart. 1300", D, 24, 2, 1300},
      {"bis VI kal. mart. 1300", D, 25, 2, 1300},
      {"bis sexto kalendas martii 1300", D, 25, 2, 1300},
      {"giovedì, VI kal. mart. 1300", D, 25, 2, 1300},
      {"V kal. mart. 1300", D, 26, 2, 1300},
      {"pridie kal. mart. 1300", D, 29, 2, 1300},
      {"V kal. mart. 1301", D, 25, 2, 1301},
      {"pridie kal. mart. 1301", D, 28, 2, 1301},
      {"XVI kal. mart. 1300", D, 14, 2, 1300},
      // out of their stretch
      {"XX kal. mart. 1300", F},
      {"XVII kal. mart. 1300", F},
      {"VIII non. iun. 1300", F},
      {"IX id. mart. 1300", F},
      {"bis VI kal. mart. 1301", F},
      {"bis V kal. mart. 1300", F},
      {"xviij kal. novembris 1222", F},
      {"III kal. octobrix 1300", Esito::MeseSconosciuto},
      {"III kal. oct. 57", Esito::AnnoIncompleto},
      {"III kal. oct.", N},
      {"III kal. oct. 1300 1301", N},
      {"III kal.oct. 1300", D, 29, 9, 1300},
      // at the edge of the two shapes read word by word: what stands just outside them
      {"die III kal. oct. 1300", D, 29, 9, 1300},
      {"die pridie kal. mart. 1300", D, 29, 2, 1300},
      {"03 kal. oct. 1300", D, 29, 9, 1300},
      {"III kal. oct. 1300.", N},
      {"pridie intrante martio 1300", N},
      {"intrante martio 1300", N},
      {"foo12 kal. mart. 1300", N},
      // the entering and leaving month
      {"die III intrante martio 1300", D, 3, 3, 1300},
      {"die tertio exeunte decembris 1217", D, 29, 12, 1217},
      {"die tercio exeunte decembris 1217", D, 29, 12, 1217},
      {"die ultimo exeunte decembris 1300", D, 31, 12, 1300},
      {"die ultimo mensis decembris 1300", D, 31, 12, 1300},
      {"penultimo exeunte decembris 1300", D, 30, 12, 1300},
      {"die sextodecimo intrante martii 1300", D, 16, 3, 1300},
      {"die decimo tertio intrante martii 1300", D, 13, 3, 1300},
      {"3 entrante marzo 1300", D, 3, 3, 1300},
      {"3 uscente dicembre 1300", D, 29, 12, 1300},
      {"a dì 3 intrante marzo 1300", D, 3, 3, 1300},
      {"adì 3 uscente dicembre 1300", D, 29, 12, 1300},
      {"di XIIII intrando lo mese di Setembrio 1326", D, 14, 9, 1326},
      {"undecimus dies intrante mense Madii 1165", D, 11, 5, 1165},
      {"tertia die exeunte mense septembri 1300", D, 28, 9, 1300},
      {"VIII die exeunte mense Septembrio 1300", D, 23, 9, 1300},
      {"die IX exeunte mense aprilis 1247", D, 22, 4, 1247},
      {"die lune XI exeunte mense Novembris anno 1189, ind. VII", D, 20, 11, 1189},
      {"1294, indictione septima, die Mercurii quinto intrante Majo", D, 5, 5, 1294},
      {"1294, die Mercurii octavo exeunte Junio, indictione septima", D, 23, 6, 1294},
      {"XIV intrante februarii 1301", D, 14, 2, 1301},
      {"XV intrante februarii 1300", D, 15, 2, 1300},
      {"XV intrante februarii 1301", F},
      {"XIV exeunte februarii 1300", D, 16, 2, 1300},
      {"die XVI intrante aprilis 1300", F},
      {"XVI exeunte martii 1300", F},
      {"ultimo intrante martii 1300", N},
      {"3 entrante marzio 1300", Esito::MeseSconosciuto},
      // an indiction before or after any form
      {"1 marzo 1300, indizione XIII", D, 1, 3, 1300},
      {"indizione XIII, 1 marzo 1300", D, 1, 3, 1300},
      {"1 marzo 1300 indictione tertia decima", D, 1, 3, 1300},
      {"1/3/1300, ind. 13", D, 1, 3, 1300},
      {"1/3/1300, indizione decima terza", D, 1, 3, 1300},
      {"1 marzo 1300, indizione XII genovese", D, 1, 3, 1300},
      {"1 marzo 1300, indizione XIII genovese", Esito::IndizioneSbagliata},
      {"1 marzo 1300, indizione V", Esito::IndizioneSbagliata},
      {"1 marzo 1300, indizione XX", Esito::IndizioneFuori},
      {"1 marzo 1300, indizione 0", Esito::IndizioneFuori},
      {"1 marzo 1300, indizione XIII, indizione XIII", N},
      {"kal. mart. 1300, indictione XIII", D, 1, 3, 1300},
      // a style after the date
      {"25 febbraio 1706 more veneto", D, 25, 2, 1707},
      {"25 febbraio 1706 m.v.", D, 25, 2, 1707},
      {"26 febbraio 1265, stile fiorentino", D, 26, 2, 1266},
      {"1 ottobre 1127 secundum cursum Pisanorum", D, 1, 10, 1126},
      {"29 dicembre 1218, stile della Natività", D, 29, 12, 1217},
      {"1 marzo 1300, indizione XIII, stile comune", D, 1, 3, 1300},
      {"25 febbraio 1706 ab incarnatione", N},
      {"25 febbraio 1706 fiorentino", N},
      // the weekday, Latin and Italian, is checked
      {"die veneris tercio exeunte decembris 1218", Esito::SettimanaSbagliata},
      {"venerdì 29 dicembre 1218, indizione VI", Esito::SettimanaSbagliata},
      {"feria sexta, IV kal. ian. 1217", D, 29, 12, 1217},
  };
  for (const auto& c : casi) {
    const Lettura l = leggiData(c.testo);
    EXPECT_EQ(l.esito, c.esito) << c.testo;
    if (l.esito != D || c.esito != D) continue;
    EXPECT_EQ(l.data.giorno, c.giorno) << c.testo;
    EXPECT_EQ(l.data.mese, c.mese) << c.testo;
    EXPECT_EQ(l.data.annoComune, c.anno) << c.testo;
  }
}

// Each refusal says what is wrong, and, where a stated weekday or indiction is not the
// day's, which reading of the same text fits.
TEST(Documentarie, EachRefusalSaysWhyAndWhichReadingFits) {
  const Datazione italia;
  Datazione romana, genovese, gb;
  romana.indizione = Indizione::Romana;
  genovese.indizione = Indizione::Genovese;
  gb.luogo = luogoDi("GB").luogo;
  const struct {
    std::string_view testo;
    const Datazione& datazione;
    std::string_view motivo;
  } casi[] = {
      {"XX kal. mart. 1301", italia,
       "il conto delle calende di marzo va da XVI (14 febbraio) a pridie (28 febbraio): XX è "
       "fuori; contando tutti i giorni dalle calende, come talvolta nei documenti senesi, "
       "sarebbe il 10 febbraio"},
      {"xviij kal. novembris 1222", italia,
       "il conto delle calende di novembre va da XVII (16 ottobre) a pridie (31 ottobre): XVIII è "
       "fuori; contando tutti i giorni dalle calende, come talvolta nei documenti senesi, "
       "sarebbe il 15 ottobre"},
      {"VIII non. iun. 1300", italia,
       "il conto delle none di giugno va da IV (2 giugno) a pridie (4 giugno): VIII è fuori"},
      {"bis VI kal. mart. 1301", italia,
       "febbraio 1301 ha 28 giorni: il bis VI prima delle calende di marzo è solo degli anni "
       "bisestili"},
      {"die XVI intrante aprilis 1300", italia,
       "i giorni entranti di aprile vanno da I (1° aprile) a XV (15 aprile): XVI è fuori"},
      {"XV exeunte februarii 1300", italia,
       "i giorni uscenti di febbraio vanno da XIV (16 febbraio) a I (29 febbraio): XV è fuori"},
      {"III kal. octobrix 1300", italia,
       "\"octobrix\" non è un mese (forse octobris, octobri o octobrio?)"},
      {"1 marzo 1300, indizione V", italia,
       "indizione XIII (greca, senese, bedana, romana) o XII (genovese), non V"},
      {"29 dicembre 1217, indizione VII", italia,
       "indizione VI (greca, senese, bedana, romana dal 25 dicembre) o V (genovese, romana), non "
       "VII"},
      {"1 marzo 1300, indizione XX", italia, "l'indizione va da I a XV, non XX"},
      {"1 marzo 1300, indizione V", romana, "indizione XIII (romana), non V"},
      // the Vercelli deed of 29 December 1217, in the style of the Nativity
      {"venerdì 29 dicembre 1218, indizione VI", italia,
       "cade di sabato, non di venerdì; nello stile natività è venerdì 29 dicembre 1217 "
       "(--stile=natività), e così negli stili pisano e bizantino"},
      {"1218, indicione sexta, die veneris tercio exeunte decembris", italia,
       "cade di sabato, non di venerdì; nello stile natività è venerdì 29 dicembre 1217 "
       "(--stile=natività), e così negli stili pisano e bizantino"},
      {"29 dicembre 1217, indizione VI", genovese,
       "indizione V (genovese), non VI; con l'indizione greca è venerdì 29 dicembre 1217 "
       "(--indizione=greca), e così con le indizioni senese, bedana e romana"},
      {"30 Gennaio 1648: Sabato", gb,
       "cade di martedì, non di sabato; nel calendario gregoriano e nello stile fiorentino è "
       "sabato 30 gennaio 1649 (--calendario=gregoriano --stile=fiorentino), e così nello "
       "stile veneto"},
      // none fits: the refusal alone
      {"lunedì 15 giugno 1957", italia, "cade di sabato, non di lunedì"},
  };
  for (const auto& c : casi) {
    std::string atteso("\"");
    atteso.append(c.testo).append("\": ").append(c.motivo);
    EXPECT_EQ(messaggio(c.testo, leggiData(c.testo, c.datazione), c.datazione), atteso) << c.testo;
  }
}

}  // namespace
}  // namespace almanacco::prova
