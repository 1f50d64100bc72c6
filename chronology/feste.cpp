// Dates by feast, a documentary form: the day a dating by feast names in the year as
// written, in the place's calendar, Easter and styles.
#include <array>
#include <utility>

#include "datafesta.h"
#include "enunciato.h"
#include "feste.h"

namespace almanacco {

namespace festivi {

namespace {

using Esito = almanacco::Esito;

// The first Sunday of Advent: the fourth before Christmas, from 27 November to
// 3 December, by Christmas's day number.
long primaDiAvvento(long natale) {
  const int indietro = (settimanaDelNumero(natale) + 1) % 7;
  return natale - (indietro == 0 ? 7 : indietro) - 21;
}
// The same in the year; nothing where the place's calendar lacks that Christmas.
std::optional<long> primaDiAvvento(int anno, const ContoDeiGiorni& conto) {
  const Periodo* periodo = conto.periodo(anno, 12, 25);
  if (!periodo) return std::nullopt;
  return primaDiAvvento(numeroDelGiorno(anno, 12, 25, periodo->computo));
}

// The day of a fixed feast in a year of the count: the day after its own in a leap year,
// for one kept on a day after the doubled one.
int giornoFisso(const Festa& festa, int anno, Computo computo) {
  return festa.giorno + (festa.bisesto && bisestile(anno, base(computo)) ? 1 : 0);
}

// The day of the feast's row itself in the year.
GiornoDellaFesta giornoBase(const Festa& festa, int anno, const Luogo& luogo) {
  GiornoDellaFesta g;
  if ((festa.dal != 0 && anno < festa.dal) || (festa.fino != 0 && anno > festa.fino)) {
    g.esito = Esito::FestaFuoriUso;
    return g;
  }
  // A Church that kept other feasts than Rome's kept none of these on their days.
  if (const RigaPasqua* riga = rigaPer(anno, luogo); riga && riga->tipo == AltraPasqua::Ortodossa) {
    g.esito = Esito::PasquaIgnota;
    return g;
  }
  const ContoDeiGiorni& conto = luogo.conto;
  switch (festa.base) {
    case Base::Pasqua: {
      const PasquaDelLuogo pasqua = pasquaDelLuogo(anno, luogo);
      if (pasqua.esito != PasquaDelLuogo::Esito::Nota) {
        g.esito = Esito::PasquaIgnota;
        return g;
      }
      g.numero = pasqua.numero + festa.scarto;
      g.computo = pasqua.computo;
      return g;
    }
    case Base::Avvento:
      if (const auto avvento = primaDiAvvento(anno, conto)) {
        g.numero = *avvento + festa.scarto;
        return g;
      }
      g.esito = Esito::Inesistente;
      g.mancante = {anno, 12, 25};
      return g;
    case Base::Fissa:
      break;
  }
  const Periodo* periodo = conto.periodo(anno, festa.mese, festa.giorno);
  const int giorno = periodo ? giornoFisso(festa, anno, periodo->computo) : festa.giorno;
  if (!periodo || !esistevaNel(*periodo, anno, festa.mese, giorno, conto)) {
    g.esito = Esito::Inesistente;
    g.mancante = {anno, festa.mese, giorno};
    return g;
  }
  g.numero = numeroDelGiorno(anno, festa.mese, giorno, periodo->computo);
  g.computo = periodo->computo;
  return g;
}

// The days from a day to the weekday sought, strictly after it (or before it, < 0).
int finoAl(long numero, Giorno settimana, bool dopo) {
  const int giorni = dopo ? (settimana - settimanaDelNumero(numero) + 7) % 7
                          : (settimanaDelNumero(numero) - settimana + 7) % 7;
  const int passi = giorni == 0 ? 7 : giorni;
  return dopo ? passi : -passi;
}

}  // namespace

GiornoDellaFesta giornoDellaFesta(int festa, int anno, const Luogo& luogo) {
  return giornoBase(kFeste[static_cast<std::size_t>(festa)], anno, luogo);
}

namespace {

// The day the formula's relation names, from the feast's own day `numero` of the common
// year `anno`: false for a Sunday counted past the last of its run, or a run whose end
// is not known; `perché`, where given, then says why (and `numero` may be its own).
bool conRelazione(const Formula& f, const Festa& festa, int anno, const Luogo& luogo, long& numero,
                  GiornoDellaFesta* perché) {
  // After a feast of several days is after its last.
  const bool dopo = f.relazione == Relazione::Dopo || f.relazione == Relazione::Crastino ||
                    f.relazione == Relazione::Ottava;
  if (dopo) numero += festa.giorni - 1;
  switch (f.relazione) {
    case Relazione::Propria:
      // A day of a feast of several: the one of the weekday stated, else the first.
      for (int k = 1; k < festa.giorni && f.settimana; ++k)
        if (settimanaDelNumero(numero + k) == *f.settimana) {
          numero += k;
          break;
        }
      numero += 7L * (f.numero > 1 ? f.numero - 1 : 0);
      return true;
    case Relazione::Vigilia:
      --numero;
      return true;
    case Relazione::Crastino:
      ++numero;
      return true;
    case Relazione::Ottava:
      numero += 7;
      return true;
    case Relazione::Prima:
      numero += finoAl(numero, *f.settimana, false);
      return true;
    case Relazione::Dopo:
      break;
  }
  numero += finoAl(numero, *f.settimana, true) + 7L * (f.numero > 1 ? f.numero - 1 : 0);
  if (f.numero <= 1 || festa.conta == Conta::Dopo) return true;
  // The Sundays after Pentecost and Trinity run to Advent; those after Epiphany to
  // Septuagesima.
  long limite = 0;
  if (festa.conta == Conta::DopoFinoAdAvvento) {
    const auto avvento = primaDiAvvento(anno, luogo.conto);
    if (!avvento) return true;
    limite = *avvento;
  } else {
    const GiornoDellaFesta settuagesima =
        giornoBase(kFeste[static_cast<std::size_t>(kSettuagesima)], anno, luogo);
    if (settuagesima.esito != Esito::Data) {
      if (perché) *perché = settuagesima;
      return false;
    }
    limite = settuagesima.numero;
  }
  if (numero < limite) return true;
  if (perché) {
    const long prima = numero - 7L * (f.numero - 1);
    perché->esito = Esito::NumeroFuori;
    perché->domeniche = static_cast<int>((limite - 1 - prima) / 7 + 1);
  }
  return false;
}

// The date of a day number of the common year `anno` in the count, worked out from the
// number of the year's 1 March: nothing for a day of another year.
std::optional<Giornata> nellAnno(long numero, int anno, Computo computo, long marzo) {
  // March to December are the first 306 days from this 1 March; January and February the
  // last of those from the one before.
  const bool daQuesto = numero >= marzo;
  const long giorni = numero - marzo + (daQuesto ? 0 : 365 + (bisestile(anno, computo) ? 1 : 0));
  if (daQuesto ? giorni >= 306 : giorni < 306) return std::nullopt;
  const auto [mese, giorno] = dettaglio::daPrimoMarzo(giorni);
  return Giornata{anno, mese, giorno};
}

}  // namespace

GiornoDellaFesta giornoDellaFesta(const Formula& f, int anno, const Luogo& luogo) {
  const Festa& festa = kFeste[static_cast<std::size_t>(f.festa)];
  GiornoDellaFesta g = giornoBase(festa, anno, luogo);
  if (g.esito == Esito::Data) conRelazione(f, festa, anno, luogo, g.numero, &g);
  return g;
}

std::optional<GiornoNellAnno> giornoNellAnno(const Formula& f, int anno, const Luogo& luogo) {
  const Festa& festa = kFeste[static_cast<std::size_t>(f.festa)];
  if ((festa.dal != 0 && anno < festa.dal) || (festa.fino != 0 && anno > festa.fino))
    return std::nullopt;
  // A row of the place's Easter, a year of two counts or of Sweden's: the place's periods
  // tell the day.
  if (rigaPer(anno, luogo)) return std::nullopt;
  const ContoDeiGiorni& conto = luogo.conto;
  const Periodo* p = conto.annoIntero(anno);
  if (!p || p->computo == Computo::Svedese) return std::nullopt;
  const Computo computo = p->computo;
  const long marzo = numeroDelGiorno(anno, 3, 1, computo);
  long numero = 0;
  switch (festa.base) {
    case Base::Pasqua:
      if (primaDelComputo(anno, computo)) return std::nullopt;
      numero = pasquaDaMarzo(anno, computo, marzo) + festa.scarto;
      break;
    case Base::Avvento:
      numero = primaDiAvvento(numeroDelGiorno(anno, 12, 25, computo)) + festa.scarto;
      break;
    case Base::Fissa: {
      const int giorno = giornoFisso(festa, anno, computo);
      if (!esistevaNel(*p, anno, festa.mese, giorno, conto)) return std::nullopt;
      numero = numeroDelGiorno(anno, festa.mese, giorno, computo);
      break;
    }
  }
  if (!conRelazione(f, festa, anno, luogo, numero, nullptr)) return std::nullopt;
  const std::optional<Giornata> data = nellAnno(numero, anno, computo, marzo);
  if (!data) return std::nullopt;
  return GiornoNellAnno{*data, numero};
}

}  // namespace festivi

namespace lettura {

namespace {

using festivi::Formula;
using festivi::GiornoDellaFesta;

// A refusal of the text itself, before any year is asked.
Lettura rifiuto(const Formula& f, Esito esito) {
  Lettura l{esito, {0, 0, f.anno, f.anno}};
  l.festa = static_cast<unsigned char>(f.festa + 1);
  return l;
}

// Why no day of the written year is the one named: the first reason of the written
// year's own feast, or of a feast next to it whose day is not known; not that a day is
// of another written year, which is what most are.
bool dice(const Lettura& l, int anno, int scritto) {
  switch (l.esito) {
    case Esito::FestaMai:
    case Esito::AnnoComuneSbagliato:
    case Esito::NelLuogoMai:
    case Esito::PasqualeMai:
    case Esito::StileAmbiguo:
      return false;
    case Esito::Inesistente:
      return anno == scritto;
    default:
      return true;
  }
}

// The date of the day in the place: in the count of the feast's own day, where the
// place counted that date in it, as most are; else by the place's periods.
std::optional<Giornata> nelLuogo(const GiornoDellaFesta& g, const ContoDeiGiorni& conto) {
  if (g.computo != Computo::Svedese) {
    const Giornata d = giornataDi(g.numero, g.computo);
    const Periodo* p = conto.periodo(d.anno, d.mese, d.giorno);
    if (p && p->computo == g.computo) return d;
  }
  return giornataNel(g.numero, conto);
}

}  // namespace

std::optional<Lettura> comeScritto(const Giornata& g, const Datazione& datazione) {
  for (const int anno : {g.anno, g.anno - 1, g.anno + 1}) {
    if (anno < kPrimoAnnoStorico || anno > kUltimoAnnoStorico) continue;
    Enunciato e;
    e.data = {g.giorno, g.mese, anno, 0};
    e.cifreAnno = 4;
    e.annoComune = g.anno;
    e.cifreAnnoComune = 4;
    if (Lettura l = valuta(e, datazione); l.esito == Esito::Data) return l;
  }
  return std::nullopt;
}

namespace {

// The reading of a dating by feast, written into `lettura`, a new one: every member as a
// reading begins.
void leggiFesta(const Formula& f, const Datazione& datazione, Lettura& lettura) {
  if (f.esito != Esito::Data) {
    lettura = rifiuto(f, f.esito);
    return;
  }
  // A year cut short, too long or outside the era is refused as a date's would be.
  Enunciato e;
  e.data = {1, 1, f.anno, 0};
  e.cifreAnno = f.cifre;
  const auto fuori = [](int anno, std::size_t cifre) {
    return cifre < 3 || cifre > 4 || anno < kPrimoAnnoStorico || anno > kUltimoAnnoStorico;
  };
  if (fuori(f.anno, f.cifre)) {
    lettura = valuta(e, datazione);
    return;
  }
  if (f.annoComune && fuori(*f.annoComune, f.cifreComune)) {
    e.annoComune = f.annoComune;
    e.cifreAnnoComune = f.cifreComune;
    lettura = valuta(e, datazione);
    return;
  }
  if (f.relazione == festivi::Relazione::Propria || f.relazione == festivi::Relazione::Vigilia ||
      f.relazione == festivi::Relazione::Crastino || f.relazione == festivi::Relazione::Ottava)
    e.settimana = f.settimana;

  const Luogo& luogo = *datazione.luogo;
  const Festa& festa = kFeste[static_cast<std::size_t>(f.festa)];
  const bool comune = datazione.soloAnnoComune();
  // Where every year is the common one, the days of a feast of neither the first nor the
  // last month of the year are of its own year: that year's feast is the one. (Any
  // refusal is explained below.)
  if (comune && (festa.base != Base::Fissa || (festa.mese > 1 && festa.mese < 12)) &&
      (!f.annoComune || *f.annoComune == f.anno)) {
    // Most years are written in one count from January to December: the day is worked
    // out in it at once.
    std::optional<Giornata> giorno;
    long numero = 0;
    if (const auto semplice = festivi::giornoNellAnno(f, f.anno, luogo)) {
      giorno = semplice->data;
      numero = semplice->numero;
    } else {
      const GiornoDellaFesta g = festivi::giornoDellaFesta(f, f.anno, luogo);
      if (g.esito == Esito::Data) giorno = nelLuogo(g, luogo.conto);
      numero = g.numero;
    }
    if (giorno && giorno->anno == f.anno) {
      e.data = {giorno->giorno, giorno->mese, f.anno, 0};
      // A day the place's calendar has, of the common year written: its answer, without
      // the judgement that the other count's day would need; a weekday stated is checked
      // as a date's is. Written in the reading returned, which is not copied on the way out.
      if (datazione.doppia) {
        lettura = valuta(e, datazione);
      } else {
        lettura.esito = Esito::Data;
        lettura.data = {giorno->giorno, giorno->mese, f.anno, f.anno};
        lettura.settimana = settimanaDelNumero(numero);
        if (e.settimana && lettura.settimana != *e.settimana) {
          lettura.esito = Esito::SettimanaSbagliata;
          lettura.settimanaScritta = *e.settimana;
        }
      }
      lettura.festa = static_cast<unsigned char>(f.festa + 1);
      return;
    }
  }
  // The feasts of the written year and of the two next to it: those whose day the place
  // wrote in the written year. Where every year is the common one, a feast counted from
  // Easter or Advent falls in its own year.
  std::array<Lettura, 3> trovate{};
  std::size_t quante = 0;
  Lettura perché = rifiuto(f, Esito::FestaMai);
  // The days of the feasts of the years next to the written one, to be named where none
  // is of it.
  std::array<Giornata, 3> altri{};
  std::size_t quantiAltri = 0;
  for (const int anno : {f.anno, f.anno - 1, f.anno + 1}) {
    if (anno < kPrimoAnnoStorico || anno > kUltimoAnnoStorico) continue;
    if (comune && festa.base != Base::Fissa && anno != f.anno) continue;
    const GiornoDellaFesta g = festivi::giornoDellaFesta(f, anno, luogo);
    Lettura l;
    if (g.esito == Esito::Inesistente) {
      // A feast whose day the place's calendar lacked: refused as that date.
      Enunciato mancante;
      mancante.data = {g.mancante.giorno, g.mancante.mese, g.mancante.anno, 0};
      mancante.cifreAnno = 4;
      l = valuta(mancante, {datazione.luogo, Stile::Comune, false});
    } else if (g.esito != Esito::Data) {
      l = rifiuto(f, g.esito);
      l.annoInCausa = anno;
    } else {
      const std::optional<Giornata> giorno = nelLuogo(g, luogo.conto);
      if (!giorno || (f.annoComune && giorno->anno != *f.annoComune)) continue;
      if (comune && giorno->anno != f.anno) {
        altri[quantiAltri++] = *giorno;
        continue;
      }
      e.data = {giorno->giorno, giorno->mese, f.anno, 0};
      e.annoComune = giorno->anno;
      e.cifreAnnoComune = 4;
      l = valuta(e, datazione);
      if (l.esito == Esito::Data || l.esito == Esito::SettimanaSbagliata) {
        l.festa = static_cast<unsigned char>(f.festa + 1);
        trovate[quante++] = l;
        continue;
      }
      altri[quantiAltri++] = *giorno;
    }
    if (perché.esito == Esito::FestaMai && dice(l, anno, f.anno)) perché = l;
  }
  // A stated weekday tells two days apart; two that both have it are refused.
  std::size_t giuste = 0;
  for (std::size_t i = 0; i < quante; ++i)
    if (trovate[i].esito == Esito::Data) trovate[giuste++] = trovate[i];
  if (giuste == 0 && quante > 0) {
    lettura = trovate[0];
    return;
  }
  if (giuste == 0) {
    perché.festa = static_cast<unsigned char>(f.festa + 1);
    if (perché.esito == Esito::FestaMai) {
      // The nearest before the written year and after it, by the years they are written in.
      Giornata prima{}, dopo{};
      for (std::size_t i = 0; i < quantiAltri; ++i) {
        const std::optional<Lettura> scritto = comeScritto(altri[i], datazione);
        if (!scritto) continue;
        const bool èPrima = scritto->data.anno < f.anno;
        Giornata& v = èPrima ? prima : dopo;
        const int chiave = dettaglio::chiave(altri[i]);
        if (v.anno == 0 || (èPrima ? chiave > dettaglio::chiave(v) : chiave < dettaglio::chiave(v)))
          v = altri[i];
      }
      perché.data = {prima.giorno, prima.mese, f.anno, prima.anno};
      perché.altroGiorno = dopo;
    }
    lettura = perché;
    return;
  }
  if (giuste == 1) {
    lettura = trovate[0];
    return;
  }
  // Both named in the order of time.
  const auto chiave = [](const Lettura& l) {
    return dettaglio::chiave(l.data.annoComune, l.data.mese, l.data.giorno);
  };
  if (chiave(trovate[1]) < chiave(trovate[0])) std::swap(trovate[0], trovate[1]);
  lettura = trovate[0];
  lettura.esito = Esito::FestaAmbigua;
  const DataScritta& altra = trovate[1].data;
  lettura.altroGiorno = {altra.annoComune, altra.mese, altra.giorno};
}

}  // namespace

bool perFesta(std::string_view testo, const Datazione& datazione, Lettura& lettura) {
  const std::optional<Formula> formula = festivi::analizza(testo);
  if (!formula) return false;
  lettura = Lettura{};
  leggiFesta(*formula, datazione, lettura);
  return true;
}

}  // namespace lettura

}  // namespace almanacco
