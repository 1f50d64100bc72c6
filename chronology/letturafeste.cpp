// The words of a dating by feast, taken apart: the weekday or the Sunday counted, how the
// day stands to the feast, the feast's name, the year.
#include <algorithm>
#include <array>
#include <span>

#include "datafesta.h"
#include "nomifeste.h"
#include "parole.h"

namespace almanacco::festivi {

namespace {

// A word or a number of the text, with where it stands.
// (Set when it is read: the array of them is not cleared for every line.)
struct Segno {
  std::uint32_t ruoli;  // a word's, as the vocabulary gives them; none for a number
  int valore;
  std::uint16_t id;  // a word's in the vocabulary, 0 for one it lacks
  std::uint16_t inizio, fine;
  std::uint8_t cifre;
  bool numero, ordinale;  // 3ª, 3°, 3a
};
constexpr std::size_t kSegni = 24;
// "del 1335": the one preposition that may stand before the year alone.
constexpr std::uint16_t kDel = idDi("del");

constexpr bool separatore(char c) {
  return c == ' ' || c == '\t' || c == ',' || c == '.' || c == ';' || c == '\'' || c == '`';
}
// Characters of more than a byte that stand between words (apostrophes and blanks that
// do not break), and those that are nothing (a soft hyphen, characters of no width).
constexpr std::string_view kSeparatori[] = {"\xE2\x80\x99", "\xE2\x80\x98", "\xC2\xA0",
                                            "\xE2\x80\xAF", "\xE2\x80\x87"};
constexpr std::string_view kNiente[] = {"\xC2\xAD", "\xE2\x80\x8B", "\xE2\x81\xA0", "\xEF\xBB\xBF"};
constexpr std::string_view kOrdinali[] = {"\xC2\xAA", "\xC2\xBA", "\xC2\xB0"};

std::size_t uno(std::string_view t, std::size_t i, std::span<const std::string_view> tra) {
  for (const std::string_view s : tra)
    if (t.substr(i, s.size()) == s) return s.size();
  return 0;
}
// The bytes of a separator, or of a character that is nothing, at `i`: 0 for neither.
// Only a byte beyond ASCII may begin one.
std::size_t separa(std::string_view t, std::size_t i) {
  return static_cast<unsigned char>(t[i]) < 0x80 ? 0 : uno(t, i, kSeparatori);
}
std::size_t niente(std::string_view t, std::size_t i) {
  return static_cast<unsigned char>(t[i]) < 0x80 ? 0 : uno(t, i, kNiente);
}

// A number, and the sign of an ordinal after it (3ª, 3°, 3a), into `segno`. Four digits,
// as most years have, are read at once: a year's length differs from line to line, which
// a loop over its digits would make the processor guess.
[[gnu::always_inline]] inline void numero(std::string_view t, std::size_t& i, Segno& segno) {
  const std::size_t inizio = i;
  int valore = 0;
  std::uint8_t cifre = 0;
  const auto d = [&](std::size_t k) { return static_cast<unsigned>(t[i + k] - '0'); };
  if (i + 4 <= t.size() && std::max({d(0), d(1), d(2), d(3)}) <= 9 &&
      (i + 4 == t.size() || d(4) > 9)) {
    valore = static_cast<int>(d(0) * 1000 + d(1) * 100 + d(2) * 10 + d(3));
    cifre = 4;
    i += 4;
  } else {
    for (; i < t.size() && parole::cifra(t[i]); ++i) {
      valore = std::min(valore * 10 + (t[i] - '0'), 99'999'999);
      ++cifre;
    }
  }
  bool ordinale = false;
  if (const std::size_t k = i < t.size() && t[i] == '\xC2' ? uno(t, i, kOrdinali) : 0) {
    ordinale = true;
    i += k;
  } else if (i < t.size() && (t[i] == 'a' || t[i] == 'o') &&
             (i + 1 == t.size() || separatore(t[i + 1]))) {
    ordinale = true;
    ++i;
  }
  segno = {
      0,     valore, 0,       static_cast<std::uint16_t>(inizio), static_cast<std::uint16_t>(i),
      cifre, true,   ordinale};
}

// The text's words and numbers as the fast reader reads words, sixteen bytes at once, for
// a text followed by 16 bytes that may be read: nothing where a word is not among the
// usual spellings, or a sign is no dating's (the reading letter by letter says which).
// Each sign is written once, whole, as it is known.
std::optional<std::size_t> segniVeloci(std::string_view t, std::array<Segno, kSegni>& s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < t.size();) {
    const char c = t[i];
    // A word first, as most signs are (a grave accent has a letter's code, but stands
    // between words).
    if (parole::lettera(c) && c != '`') {
      if (n == kSegni) return std::nullopt;
      const std::size_t inizio = i;
      parole::Chiave k;
      if (!parole::leggiParolaSeguita(t.data(), i, k) || i > t.size()) return std::nullopt;
      const Scorciatoia& v = voceVeloce(k);
      if (v.id == 0) return std::nullopt;
      s[n++] = {
          v.ruoli, 0,     v.id, static_cast<std::uint16_t>(inizio), static_cast<std::uint16_t>(i),
          0,       false, false};
      // The blank after it, as there mostly is one, passed at once.
      if (t.data()[i] == ' ') ++i;
      continue;
    }
    if (separatore(c)) {
      ++i;
      continue;
    }
    if (n == kSegni || !parole::cifra(c)) return std::nullopt;
    numero(t, i, s[n++]);
  }
  return n;
}

// The text's words and numbers; nothing where it holds a sign no dating by feast has.
std::optional<std::size_t> segni(std::string_view t, std::array<Segno, kSegni>& s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < t.size();) {
    if (separatore(t[i])) {
      ++i;
      continue;
    }
    if (const std::size_t k = separa(t, i) + niente(t, i)) {
      i += k;
      continue;
    }
    if (n == kSegni) return std::nullopt;
    Segno& segno = s[n++];
    if (parole::cifra(t[i])) {
      numero(t, i, segno);
      continue;
    }
    segno = {0, 0,     0,    static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(i),
             0, false, false};
    // A word: up to the next separator or figure; the characters that are nothing are
    // left out, and one that is no letter of a name makes it a word no name has.
    Parola parola;
    bool nota = true;
    while (i < t.size() && !separatore(t[i]) && !parole::cifra(t[i]) && separa(t, i) == 0) {
      if (const std::size_t k = niente(t, i)) {
        i += k;
        continue;
      }
      const std::size_t k = carattere(t, i, parola);
      if (k == 0 && static_cast<unsigned char>(t[i]) < 0x80 &&
          ((t[i] | 0x20) < 'a' || (t[i] | 0x20) > 'z'))
        return std::nullopt;  // a sign no dating by feast has
      nota = nota && k > 0;
      i += k > 0 ? k : 1;
    }
    segno.fine = static_cast<std::uint16_t>(i);
    if (nota && parola.lunghezza > 0) segno.id = kVocabolario.cerca(parola);
    segno.ruoli = voce(segno.id).ruoli;
  }
  return n;
}

struct Lettore {
  const std::array<Segno, kSegni>& s;
  std::size_t i, fine;

  bool parola() const { return i < fine && !s[i].numero; }
  // Up to the one after the last word of the name, which the reader may look at: the
  // signs from `fine` on are made to have none.
  std::uint32_t ruoli(std::size_t k) const { return s[k].ruoli; }
  bool è(std::uint32_t ruolo) const { return (ruoli(i) & ruolo) != 0; }
  bool salta(std::uint32_t ruolo) {
    if (!è(ruolo)) return false;
    ++i;
    return true;
  }
  // A number that counts: II, tertia, 3ª, 3.
  std::optional<int> numero() const {
    if (i >= fine) return std::nullopt;
    if (s[i].numero) return s[i].valore;
    if (!è(kOrdinale | kRomano)) return std::nullopt;
    return voce(s[i].id).numero;
  }
};

// The formula of the text, read into `f`: whether it is a dating by feast. (Part of
// analizza, which is all it does.)
[[gnu::always_inline]] inline bool leggi(std::string_view testo, Formula& f) {
  // The common year in parentheses at the end, as the answers write it.
  if (!testo.empty() && testo.back() == ')') {
    const std::size_t aperta = testo.rfind('(');
    if (aperta == std::string_view::npos || aperta + 2 >= testo.size()) return false;
    int anno = 0;
    for (const char c : testo.substr(aperta + 1, testo.size() - aperta - 2)) {
      if (!parole::cifra(c)) return false;
      anno = std::min(anno * 10 + (c - '0'), 99'999'999);
    }
    f.annoComune = anno;
    f.cifreComune = static_cast<std::uint16_t>(testo.size() - aperta - 2);
    testo = testo.substr(0, aperta);
  }
  std::array<Segno, kSegni> s;
  std::optional<std::size_t> quanti = segniVeloci(testo, s);
  if (!quanti) quanti = segni(testo, s);
  if (!quanti || *quanti < 2) return false;
  std::size_t fine = *quanti - 1;
  if (!s[fine].numero || s[fine].ordinale) return false;
  f.anno = s[fine].valore;
  f.cifre = s[fine].cifre;
  // "anno Domini 1335", "dell'anno 1335", "del 1335" before the year.
  const std::size_t anno = fine;
  if (fine >= 2 && s[fine - 1].ruoli & kDomini && s[fine - 2].ruoli & kAnno) {
    fine -= 2;
  } else if (fine >= 1 && s[fine - 1].ruoli & kAnno) {
    --fine;
    if (fine >= 1 && s[fine - 1].ruoli & kPreposizione) --fine;
  } else if (fine >= 1 && !s[fine - 1].numero && s[fine - 1].id == kDel) {
    --fine;
  }
  // The words left out are no part of the name: the reader finds no role in them (nor in
  // the year, a number, which has none).
  for (std::size_t k = fine; k < anno; ++k) s[k].ruoli = 0;
  Lettore l{s, 0, fine};

  // The whole, an article apart, may be a name that begins with a weekday ("sabato santo").
  // A name is made of words only: a number among them makes it no name.
  l.salta(kArticolo);
  const auto nomeDa = [&](std::size_t da) -> const Posto* {
    Nome nome;
    std::size_t n = 0;
    for (std::size_t k = da; k < fine; ++k) {
      if (s[k].id == 0 || n == kParoleNome) return nullptr;
      if ((s[k].ruoli & kOnorifico) != 0 && k + 1 < fine) continue;
      nome.chiave |= static_cast<std::uint64_t>(s[k].id) << (10 * n++);
    }
    if (n == 0) return nullptr;
    nome.chiave |= static_cast<std::uint64_t>(n) << 60;
    return festaDelNome(nome);
  };
  // Whether the words from `da` may be a day's name, by their first two as the name's key
  // has them: most texts begin with words that begin none ("martedì prima").
  const auto forseNome = [&](std::size_t da) {
    const auto parola = [&](std::size_t k) {
      while (k + 1 < fine && (s[k].ruoli & kOnorifico) != 0) ++k;
      return k;
    };
    const std::size_t primo = parola(da);
    if (primo >= fine) return false;
    const InizioDiNome& inizio = kIniziDiNomi[s[primo].id];
    const std::size_t secondo = parola(primo + 1);
    if (secondo >= fine) return inizio.solo;
    return ((inizio.seguenti >> (s[secondo].id % 64)) & 1) != 0;
  };
  if (forseNome(l.i)) {
    if (const Posto* posto = nomeDa(l.i); posto && posto->uso & kDelGiorno) {
      f.festa = posto->festa - 1;
      if (kFeste[static_cast<std::size_t>(f.festa)].giorni > 1) f.esito = Esito::SenzaGiorno;
      return true;
    }
  }

  // A Sunday counted before its weekday ("terza domenica"), or a weekday, or a feria and
  // its number.
  bool segnato = false;  // a word that only a dating by feast has
  if (const auto n = l.numero(); n && l.i + 1 < fine && voce(s[l.i + 1].id).settimana == 6) {
    f.numero = *n;
    l.i += 2;
    f.settimana = settimana::D;
  } else if (l.è(kSettimana)) {
    f.settimana = static_cast<Giorno>(voce(s[l.i].id).settimana);
    ++l.i;
  } else if (l.salta(kFeria)) {
    const auto n = l.numero();
    if (!n) return false;
    f.inizio = s[l.i - 1].inizio;
    f.fine = s[l.i].fine;
    ++l.i;
    if (*n < 2 || *n > 6) {
      f.esito = Esito::NumeroFuori;
      f.numeroFuori = *n;
      f.feriaFuori = true;
      return true;
    }
    f.settimana = static_cast<Giorno>(*n - 2);
  }
  // "dominica tertia Quadragesimae", "domenica terza di Quaresima": the number after it,
  // but not "domenica prima di Natale".
  if (f.settimana == settimana::D && f.numero == 0 && l.numero() &&
      !(l.è(kPrima) && l.ruoli(l.i + 1) & kPreposizione)) {
    f.numero = *l.numero();
    ++l.i;
  }
  l.salta(kProssimo);

  if (l.salta(kDopo)) {
    f.relazione = Relazione::Dopo;
  } else if (l.è(kPrima) && l.ruoli(l.i + 1) & kPreposizione) {
    f.relazione = Relazione::Prima;
    l.i += 2;
  } else if (l.salta(kAnte)) {
    f.relazione = Relazione::Prima;
  }
  if (f.relazione != Relazione::Propria) {
    segnato = true;
    l.salta(kArticolo);
  } else {
    // "la vigilia di", "in vigilia", "in crastino", "l'ottava di", "in octavis".
    const std::size_t prima = l.i;
    if (!l.salta(kArticolo)) l.salta(kPreposizione);
    if (l.salta(kVigilia)) {
      f.relazione = Relazione::Vigilia;
    } else if (l.salta(kCrastino)) {
      f.relazione = Relazione::Crastino;
    } else if (l.salta(kOttava)) {
      f.relazione = Relazione::Ottava;
    } else {
      l.i = prima;
    }
    if (f.relazione != Relazione::Propria) {
      segnato = true;
      l.salta(kPreposizione);
    }
  }
  // "la festa di", "in festo", "festum", "il giorno di", "in die".
  {
    const std::size_t prima = l.i;
    if (!l.salta(kArticolo)) l.salta(kPreposizione);
    if (l.è(kFesta | kGiorno)) {
      segnato = segnato || l.è(kFesta);
      ++l.i;
      l.salta(kPreposizione);
    } else {
      l.i = prima;
    }
  }
  // Between a weekday and its feast: "domenica delle Palme", "dominica in Albis".
  l.salta(kPreposizione);
  if (l.i >= fine) return false;
  segnato = segnato || (l.è(kOnorifico) && l.i + 1 < fine);
  f.inizio = s[l.i].inizio;
  f.fine = s[fine - 1].fine;
  const Posto* posto = nomeDa(l.i);
  if (!posto) {
    if (!segnato) return false;
    f.esito = Esito::FestaIgnota;
    return true;
  }
  f.festa = posto->festa - 1;
  const Festa& festa = kFeste[static_cast<std::size_t>(f.festa)];
  const bool dopo = f.relazione == Relazione::Dopo;
  if (f.numero != 0) {
    // A Sunday counted in the feast's season, or after a feast whose Sundays are counted.
    f.diStagione = f.relazione == Relazione::Propria && posto->uso & kDellaStagione;
    const bool contabile = f.diStagione || (dopo && festa.conta >= Conta::Dopo);
    const int massimo = !contabile                                   ? 1
                        : f.diStagione || festa.conta == Conta::Dopo ? festa.domeniche
                                                                     : 28;
    if (f.numero < 1 || f.numero > massimo || (!contabile && !dopo)) {
      f.esito = Esito::NumeroFuori;
      f.numeroFuori = f.numero;
    }
    return true;
  }
  if (!(posto->uso & kDelGiorno)) {
    // A season's name needs its Sunday's number.
    f.esito = Esito::NumeroFuori;
    return true;
  }
  if ((f.relazione == Relazione::Dopo || f.relazione == Relazione::Prima) && !f.settimana)
    f.esito = Esito::SenzaGiorno;
  if (festa.giorni > 1 && f.relazione == Relazione::Propria && !f.settimana)
    f.esito = Esito::SenzaGiorno;
  return true;
}

}  // namespace

std::optional<Formula> analizza(std::string_view testo) {
  // Read in the object returned itself, which is not copied on the way out.
  std::optional<Formula> f{std::in_place};
  if (!leggi(testo, *f)) f.reset();
  return f;
}

}  // namespace almanacco::festivi
