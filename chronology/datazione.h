#pragma once

#include <cstddef>
#include <optional>

#include "indizione.h"
#include "luoghi.h"
#include "regola.h"
#include "romano.h"
#include "stili.h"

// What a reading of a date is: the conventions a text is dated by, and what the reader
// found in it. Apart from the reader, so that the readers of each form (enunciato.h) and
// the answer's writer need not include it.
namespace almanacco {

// What a refusal of the documentary forms names besides its Esito: the count out of its
// stretch and the days of its month; where in the text the word that names no month is;
// the indiction stated and the kind it was checked in (none for any). Kept out of the
// Lettura, which a million lines a second copy: it is found again when a message wants it.
struct DettagliDocumentari {
  Conto conto{};
  int giorniDelMese = 0;
  std::size_t parola = 0, lunghezzaParola = 0;
  int indizioneScritta = 0;
  std::optional<Indizione> tipoIndizione{};
};

// How a document dates its days: the place, whose calendar counts the days and whose
// styles turn the year; a style asked over the place's own; and, when `doppia`, whether
// the answer adds the same day in the other count, as a historian converting Old Style to
// New writes both.
struct Datazione {
  const Luogo* luogo = &kItaliaLuogo;
  std::optional<Stile> stile;
  bool doppia = false;
  // The kind of indiction a stated one is checked against (the Roman: either of its two
  // beginnings); without it, any kind. With `forme`, a date is answered with every form
  // the program reads it in (forme.h). Where `dettagli` points, a documentary form writes
  // what its refusal names (the messages read a refused text again with it).
  std::optional<Indizione> indizione{};
  bool forme = false;
  DettagliDocumentari* dettagli = nullptr;

  // Whether every year written is the common one: no style asked, and the place used no
  // other.
  constexpr bool soloAnnoComune() const { return !stile && luogo->soloComune(); }
};

// A date as a terminal or a document gives it. `anno` is the year as written;
// `annoComune` the same year reckoned from 1 January, which a style of the year may turn.
struct DataScritta {
  int giorno = 0, mese = 0, anno = 0, annoComune = 0;
};

// Why a text got no answer, as far as the reader tells; the message says the rest.
//   Vuota: nothing but blanks. TroppoLunga: longer than any date (kDataMassima).
//   AnnoIncompleto: a year of one or two digits, which could belong to any century.
//   Inesistente: a day the place's calendar never had (or a 13th month, a day 0...).
//   SettimanaSbagliata, AnnoComuneSbagliato: the text states a weekday, or a year of the
//   common style in parentheses, that the date does not have.
//   StileFinito: a date in a style after its last year. NelLuogoMai: a place's styles give
//   the written date no day of the years each was used in. StileAmbiguo: two of them do.
//   DoppiaDiscorde: the two halves of a double date are not one day.
//   The documentary forms' own: ContoFuori, a Roman or notarial count outside its stretch
//   of the month; MeseSconosciuto, a word where such a form wants a month, which names
//   none; IndizioneFuori, an indiction other than I to XV; IndizioneSbagliata, one the day
//   has in no kind asked. What else they name is in DettagliDocumentari.
enum class Esito : unsigned char {
  Data,
  NonUnaData,
  Vuota,
  TroppoLunga,
  AnnoIncompleto,
  FuoriAnni,
  Inesistente,
  SettimanaSbagliata,
  AnnoComuneSbagliato,
  StileFinito,
  NelLuogoMai,
  StileAmbiguo,
  DoppiaDiscorde,
  // Dates by feast and the Easter style (feste.cpp, pasque.h):
  //   FestaIgnota: a feast the table lacks. FestaFuoriUso: a feast before the year it was
  //   instituted, or after the last it was kept on its day. NumeroFuori: a feria or a
  //   Sunday's number the Church's count lacks. SenzaGiorno: "prima di", "dopo" a feast
  //   with no weekday. PasquaIgnota: the place's Easter of the year is not known, or its
  //   Church kept other feasts. FestaAmbigua, FestaMai: the written year has two such
  //   days, or none. PasqualeMai: a day the written year of the Easter style lacks (a day
  //   it has twice is StileAmbiguo, in the one style).
  FestaIgnota,
  FestaFuoriUso,
  NumeroFuori,
  SenzaGiorno,
  PasquaIgnota,
  FestaAmbigua,
  FestaMai,
  PasqualeMai,
  // The documentary forms (romane.cpp, notarili.cpp, clausole.cpp).
  ContoFuori,
  MeseSconosciuto,
  IndizioneFuori,
  IndizioneSbagliata,
};

struct Lettura {
  Esito esito;
  DataScritta data;
  // The date's weekday, for a date that existed; and, where the text states a wrong one,
  // the stated one.
  Giorno settimana = 0, settimanaScritta = 0;
  // The style the year was read in; for a refused reading, the one it was refused in,
  // and for an ambiguous one the other (with its common year, `altroAnno`).
  Stile stile = Stile::Comune, altroStile = Stile::Comune;
  // How the answer is written: with the written year and the common one after a slash,
  // for a double year read without a style ("30 Gennaio 1648/1649"); with the same day in
  // the other count, for a date given in both or with --doppia-data.
  bool annoDoppio = false, conGemello = false;
  // The year a refusal is about is the one in parentheses, not the date's own.
  bool inParentesi = false;
  // For the answer with the other count: the count, and below the same day in it, which
  // may fall outside the years 1 to 9999; for a double date refused, what its first half
  // gives in it.
  Computo computoGemello = Computo::Giuliano;
  // The digits of the year a refusal is about, as written (leading zeros included).
  unsigned char cifreInCausa = 0;
  // The common year the text states, in parentheses or after a slash.
  int annoComuneScritto = 0;
  int altroAnno = 0;
  // The year a refusal is about.
  int annoInCausa = 0;
  Giornata gemello{};
  // Every member but the first three is zero unless a form or a refusal sets it: a new
  // reading is cleared at once, a million times a second.
  // A date by feast (feste.cpp): the feast, from 1 in kFeste, for the reason of a refusal;
  // where a written year has two such days, the other. And whether the answer writes the
  // common year where it is the written one: a day written so twice in the year (in the
  // Easter style, or in two of a place's styles) is told apart by it.
  unsigned char festa = 0;
  Giornata altroGiorno{};
  bool conAnnoComune = false;
};

// A date is no longer than this, blanks around it apart; a longer text is no date.
inline constexpr std::size_t kDataMassima = 256;

}  // namespace almanacco
