// The documentary forms, tried in turn on a text the fast reader finds no date in; and,
// last, the same text with what it plainly means in place of what it writes oddly.
#include <string>

#include "cornice.h"
#include "enunciato.h"
#include "lettura.h"

namespace almanacco::lettura {

namespace {

// A day given in both counts may name them in either order: the half in the place's own
// count is the date, the other its twin.
Lettura inDueCalendari(Enunciato e, const Datazione& datazione) {
  const Lettura primo = valuta(e, datazione);
  if (primo.esito == Esito::Data || !e.gemello) return primo;
  const Giornata altro = *e.gemello;
  e.gemello = Giornata{e.annoDelGemello ? altro.anno : e.data.anno, e.data.mese, e.data.giorno};
  e.data = {altro.giorno, altro.mese, altro.anno, 0};
  const Lettura secondo = valuta(e, datazione);
  return secondo.esito == Esito::Data ? secondo : primo;
}

// The text as it is plainly meant: a no-break blank is a blank; a soft hyphen, a
// character of no width or a byte-order mark inside it is nothing; a vowel followed by a
// combining grave or acute accent is the accented vowel. Nothing where none is there.
std::optional<std::string> ripulito(std::string_view t) {
  struct Sostituzione {
    std::string_view da, a;
  };
  static constexpr Sostituzione kSostituzioni[] = {
      {"\xC2\xA0", " "},    {"\xE2\x80\xAF", " "}, {"\xE2\x80\x87", " "}, {"\xC2\xAD", ""},
      {"\xE2\x80\x8B", ""}, {"\xE2\x81\xA0", ""},  {"\xEF\xBB\xBF", ""},  {"a\xCC\x80", "à"},
      {"e\xCC\x80", "è"},   {"i\xCC\x80", "ì"},    {"o\xCC\x80", "ò"},    {"u\xCC\x80", "ù"},
      {"e\xCC\x81", "é"},   {"i\xCC\x81", "í"},    {"o\xCC\x81", "ó"},    {"u\xCC\x81", "ú"},
      {"A\xCC\x80", "À"},   {"E\xCC\x80", "È"},    {"I\xCC\x80", "Ì"},    {"O\xCC\x80", "Ò"},
      {"U\xCC\x80", "Ù"},   {"E\xCC\x81", "É"},    {"I\xCC\x81", "Í"},
  };
  std::string testo;
  bool cambiato = false;
  for (std::size_t i = 0; i < t.size();) {
    bool trovata = false;
    for (const Sostituzione& s : kSostituzioni)
      if (t.substr(i, s.da.size()) == s.da) {
        testo += s.a;
        i += s.da.size();
        trovata = cambiato = true;
        break;
      }
    if (!trovata) testo += t[i++];
  }
  if (!cambiato) return std::nullopt;
  return testo;
}

}  // namespace

Lettura formeDocumentarie(std::string_view testo, const Datazione& datazione,
                          const Enunciato& base) {
  // The counted forms first: lines of them come by the million, double dates one by one.
  // Every form's reading goes into the one object returned.
  bool letta = false;
  Lettura l = dataContata(testo, datazione, base, letta);
  if (letta) return l;
  if (Enunciato e = base; doppiaData(testo, e)) {
    l = inDueCalendari(e, datazione);
  } else if (perFesta(testo, datazione, l)) {
    // A feast judges its own day; an indiction stated around it is checked on that day.
    if (l.esito == Esito::Data) indizioneDetta(base, datazione, l);
  } else if (auto conClausola = conClausole(testo, datazione, base)) {
    l = *conClausola;
  } else if (const auto chiaro = ripulito(testo)) {
    l = leggiDa(senzaSpazi(*chiaro), datazione, base);
    // Where the text was changed, a word is no longer where it was.
    if (datazione.dettagli) datazione.dettagli->lunghezzaParola = 0;
  } else {
    l = {Esito::NonUnaData, {}};
  }
  return l;
}

}  // namespace almanacco::lettura
