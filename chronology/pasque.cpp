#include "pasque.h"

#include <functional>

namespace almanacco {

namespace {

constexpr bool nomina(std::string_view luoghi, std::string_view codice) {
  while (!luoghi.empty()) {
    const std::size_t fine = luoghi.find(' ');
    if (luoghi.substr(0, fine) == codice) return true;
    if (fine == std::string_view::npos) break;
    luoghi.remove_prefix(fine + 1);
  }
  return false;
}

// Every code a row names is a place of the table.
constexpr bool codiciNoti() {
  for (const RigaPasqua& r : kPasqueDeiLuoghi) {
    std::string_view luoghi = r.luoghi;
    while (!luoghi.empty()) {
      const std::size_t fine = luoghi.find(' ');
      bool trovato = false;
      for (const Luogo& l : kLuoghi) trovato = trovato || l.codice == luoghi.substr(0, fine);
      if (!trovato) return false;
      luoghi.remove_prefix(fine == std::string_view::npos ? luoghi.size() : fine + 1);
    }
  }
  return true;
}
static_assert(codiciNoti());

// For each place of the table, the rows that name it, worked out while compiling: most
// places have none, and a date by feast asks a place's Easter up to three times a line.
constexpr auto kRighe = [] {
  std::array<std::array<std::int8_t, 4>, kLuoghi.size()> righe{};
  for (auto& r : righe) r.fill(-1);
  for (std::size_t l = 0; l < kLuoghi.size(); ++l) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < kPasqueDeiLuoghi.size(); ++i)
      if (nomina(kPasqueDeiLuoghi[i].luoghi, kLuoghi[l].codice))
        righe[l].at(n++) = static_cast<std::int8_t>(i);
  }
  return righe;
}();

}  // namespace

const RigaPasqua* rigaDelLuogo(int anno, const Luogo& luogo) {
  const Luogo* primo = kLuoghi.data();
  const std::less<const Luogo*> prima;
  if (!prima(&luogo, primo) && prima(&luogo, primo + kLuoghi.size())) {
    for (const std::int8_t i : kRighe[static_cast<std::size_t>(&luogo - primo)]) {
      if (i < 0) break;
      const RigaPasqua& r = kPasqueDeiLuoghi[static_cast<std::size_t>(i)];
      if (anno >= r.dal && anno <= r.al) return &r;
    }
    return nullptr;
  }
  for (const RigaPasqua& r : kPasqueDeiLuoghi)
    if (nomina(r.luoghi, luogo.codice) && anno >= r.dal && anno <= r.al) return &r;
  return nullptr;
}

namespace {

// The count of the place's period that has the day; nothing where none has it.
std::optional<Computo> computoDelGiorno(long numero, const ContoDeiGiorni& conto) {
  for (const Periodo& p : conto) {
    if (numero < numeroDelGiorno(p.primo.anno, p.primo.mese, p.primo.giorno, p.computo)) continue;
    if (numero <= numeroDelGiorno(p.ultimo.anno, p.ultimo.mese, p.ultimo.giorno, p.computo))
      return p.computo;
  }
  return std::nullopt;
}

}  // namespace

PasquaDelLuogo pasquaDelLuogo(int anno, const Luogo& luogo) {
  using Esito = PasquaDelLuogo::Esito;
  PasquaDelLuogo pasqua;
  const ContoDeiGiorni& conto = luogo.conto;
  if (const RigaPasqua* riga = rigaPer(anno, luogo)) {
    const Periodo* periodo = conto.periodo(riga->data.anno, riga->data.mese, riga->data.giorno);
    if (riga->tipo != AltraPasqua::Data || !periodo) {
      pasqua.esito = Esito::DaRiga;
      pasqua.riga = riga;
      return pasqua;
    }
    pasqua.data = riga->data;
    pasqua.computo = periodo->computo;
    pasqua.numero =
        numeroDelGiorno(riga->data.anno, riga->data.mese, riga->data.giorno, periodo->computo);
    return pasqua;
  }
  // Most years are in one period of the place from January to December: its computus.
  const Periodo* periodo = conto.annoIntero(anno);
  if (periodo && periodo->computo != Computo::Svedese) {
    const Computo computo = periodo->computo;
    if (primaDelComputo(anno, computo)) {
      pasqua.esito =
          computo == Computo::Gregoriano ? Esito::PrimaDiGregorio : Esito::PrimaDiDionigi;
      return pasqua;
    }
    const DomenicaDiPasqua domenica = pasquaNelComputo(anno, computo);
    pasqua.data = domenica.data;
    pasqua.computo = computo;
    pasqua.numero = domenica.numero;
    return pasqua;
  }
  // Each computus's Easter, where the place counted its days in that computus's count
  // that day.
  int quante = 0;
  bool inUnCalendario = false, gregorianaPrima = false;
  for (const Computo computo : {Computo::Giuliano, Computo::Gregoriano}) {
    const long numero = pasquaNelComputo(anno, computo).numero;
    const std::optional<Computo> delLuogo = computoDelGiorno(numero, conto);
    inUnCalendario = inUnCalendario || delLuogo;
    if (!delLuogo || base(*delLuogo) != computo) continue;
    if (primaDelComputo(anno, computo)) {
      gregorianaPrima = gregorianaPrima || computo == Computo::Gregoriano;
      continue;
    }
    ++quante;
    pasqua.numero = numero;
  }
  if (quante == 1) {
    pasqua.data = *giornataNel(pasqua.numero, conto);
    pasqua.computo = *conto.computo(pasqua.data.anno, pasqua.data.mese, pasqua.data.giorno);
    return pasqua;
  }
  pasqua.esito = !inUnCalendario              ? Esito::SenzaCalendario
                 : gregorianaPrima            ? Esito::PrimaDiGregorio
                 : anno < kPrimaPasquaDionigi ? Esito::PrimaDiDionigi
                                              : Esito::NelCambio;
  return pasqua;
}

AnniNelloStile anniNelloStile(int scritto, int mese, int giorno, Stile stile, const Luogo& luogo) {
  AnniNelloStile anni;
  if (!mobile(stile)) {
    anni.anni[anni.quanti++] = annoComune(scritto, mese, giorno, stile);
    return anni;
  }
  const int chiave = dettaglio::chiave(0, mese, giorno);
  for (const int anno : {scritto, scritto + 1}) {
    const PasquaDelLuogo pasqua = pasquaDelLuogo(anno, luogo);
    if (pasqua.esito != PasquaDelLuogo::Esito::Nota) {
      anni.noti = false;
      anni.anno = anno;
      return anni;
    }
    const int inizio = dettaglio::chiave(0, pasqua.data.mese, pasqua.data.giorno);
    if (anno == scritto ? chiave >= inizio : chiave < inizio) anni.anni[anni.quanti++] = anno;
  }
  return anni;
}

std::optional<int> annoScrittoNelloStile(int anno, int mese, int giorno, Stile stile,
                                         const Luogo& luogo) {
  if (!mobile(stile)) return annoNelloStile(anno, mese, giorno, stile);
  const PasquaDelLuogo pasqua = pasquaDelLuogo(anno, luogo);
  if (pasqua.esito != PasquaDelLuogo::Esito::Nota) return std::nullopt;
  const bool dopo = dettaglio::chiave(0, mese, giorno) >=
                    dettaglio::chiave(0, pasqua.data.mese, pasqua.data.giorno);
  return dopo ? anno : anno - 1;
}

}  // namespace almanacco
