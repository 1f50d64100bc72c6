#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lettura.h"
#include "pasque.h"

// A dating by feast as the reader takes it apart ("martedì prima di San Michele 1335"),
// and the day it names in a year of a place: shared by the form (feste.cpp), the reasons
// of its refusals (motivifeste.cpp) and the year's elements (annata.cpp).
namespace almanacco::festivi {

// How the day stands to the feast.
enum class Relazione : std::uint8_t {
  Propria,   // the feast itself, or the day of its season counted ("terza domenica di Quaresima")
  Dopo,      // the first such weekday strictly after it
  Prima,     // the last such weekday strictly before it
  Vigilia,   // the day before
  Crastino,  // the day after
  Ottava,    // the eighth day, the feast counted: a week after
};

struct Formula {
  int festa = -1;  // in kFeste
  Relazione relazione = Relazione::Propria;
  // The weekday stated: the day sought, after "dopo" and "prima"; a claim the day is
  // checked against, otherwise.
  std::optional<Giorno> settimana;
  // The Sunday counted, 1 on; 0 where none is.
  int numero = 0;
  bool diStagione = false;  // counted in the season, the feast's own Sunday the first
  // (The counts of digits and the places in the text are small: a formula is made for
  // every dating read, and cleared whole.)
  std::uint16_t cifre = 0;
  int anno = 0;
  // The common year in parentheses, as the answers write it where a style turns the
  // year: it tells apart two days the written year names ("Laetare 1299 (1300)").
  std::optional<int> annoComune;
  std::uint16_t cifreComune = 0;
  // For a refusal: why, and the words of the name or the number in question.
  Esito esito = Esito::Data;
  std::uint16_t inizio = 0, fine = 0;
  int numeroFuori = 0;
  bool feriaFuori = false;  // the number out of range is a feria's
};

// Whether the text is a dating by feast: nothing where it is no such text; a formula,
// with the reason where the text is one but names no day that can be sought (an unknown
// feast, a feria out of range, a weekday missing). The text is followed by 16 bytes that
// may be read, as the readers' copy of a line is.
std::optional<Formula> analizza(std::string_view testo);

// The day a formula names for the feast of the common year `anno`, in the place: its
// day number, or why there is none. For a feast whose day the place's calendar lacked
// that year, the day it would have been (to be refused as a date that never was).
// (Small, as it is returned for every dating read: a place's Easter that is not known is
// told again by its refusal.)
struct GiornoDellaFesta {
  long numero = 0;
  Giornata mancante{};
  int domeniche = 0;  // for a Sunday counted past the last: how many there were
  Esito esito = Esito::Data;
  // The count of the feast's own day, which most days of its relations share.
  Computo computo = Computo::Svedese;
};
GiornoDellaFesta giornoDellaFesta(const Formula& f, int anno, const Luogo& luogo);

// The same where the place wrote the whole common year `anno` in one count and nothing
// else stands in the day's way, as for most datings: its date in that year and its day
// number, worked out without the place's periods. Nothing otherwise, and for a day of
// another year: giornoDellaFesta tells the day, or why there is none.
struct GiornoNellAnno {
  Giornata data;
  long numero;
};
std::optional<GiornoNellAnno> giornoNellAnno(const Formula& f, int anno, const Luogo& luogo);

// The day a feast's row has in the year, with no relation: for --anno.
GiornoDellaFesta giornoDellaFesta(int festa, int anno, const Luogo& luogo);

}  // namespace almanacco::festivi

namespace almanacco {

// The reasons of the refusals of datings by feast and of the Easter style
// (motivifeste.cpp), for motivi.cpp: a day the Easter style writes twice in a year, in the
// style asked or in the place's own.
std::string motivoPerFesta(std::string_view ingresso, const Lettura& l, const Datazione& datazione);
std::string pasqualeDoppia(const Lettura& l, const Luogo& luogo, bool delLuogo);
// Why the place's Easter of a year is not known.
std::string pasquaIgnota(int anno, const Luogo& luogo);

namespace lettura {
// The reading of a day of the common year as the place's styles, or the one asked, write
// it: the written year next to the common one that gives it; nothing where none does.
std::optional<Lettura> comeScritto(const Giornata& g, const Datazione& datazione);
}  // namespace lettura

}  // namespace almanacco
