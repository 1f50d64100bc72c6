#include "Avvio.h"

#include <optional>

namespace almanacco {

namespace {

bool iniziaCon(std::string_view testo, std::string_view inizio) {
  return testo.substr(0, inizio.size()) == inizio;
}

// The platform named in Qt's `... platform plugin "NAME" ...`, after `inizio`.
std::optional<std::string> piattaformaIn(std::string_view testo, std::string_view inizio) {
  if (!iniziaCon(testo, inizio)) return std::nullopt;
  const auto apre = testo.find('"', inizio.size());
  const auto chiude = apre == std::string_view::npos ? apre : testo.find('"', apre + 1);
  if (chiude == std::string_view::npos) return std::nullopt;
  return std::string(testo.substr(apre + 1, chiude - apre - 1));
}

constexpr std::string_view kNessunWayland = "Failed to create wl_display";

// Wayland's platform comes in the package qt6-wayland, which a user may lack.
std::string conPacchetto(const std::string& piattaforma) {
  return iniziaCon(piattaforma, "wayland") ? " (pacchetto qt6-wayland)" : "";
}

}  // namespace

bool dallaPiattaforma(std::string_view categoria, std::string_view testo) {
  return iniziaCon(categoria, "qt.qpa") || iniziaCon(testo, kNessunWayland);
}

std::string causaDelFallimento(const std::vector<std::string>& messaggi,
                               std::string_view waylandDisplay) {
  std::vector<std::string> irraggiungibili, mancanti, nonPartono;
  for (const std::string& messaggio : messaggi) {
    constexpr std::string_view kX = "could not connect to display ";
    if (iniziaCon(messaggio, kX) && messaggio.size() > kX.size())
      irraggiungibili.push_back("il display " + messaggio.substr(kX.size()));
    else if (iniziaCon(messaggio, kNessunWayland))
      irraggiungibili.push_back("il display Wayland " +
                                std::string(waylandDisplay.empty() ? "wayland-0" : waylandDisplay));
    else if (auto p = piattaformaIn(messaggio, "Could not find the Qt platform plugin"))
      mancanti.push_back(*p);
    else if (auto q = piattaformaIn(messaggio, "Could not load the Qt platform plugin"))
      nonPartono.push_back(*q);
  }

  const auto elenco = [](const std::vector<std::string>& voci) {
    std::string testo = voci.front();
    for (std::size_t i = 1; i < voci.size(); ++i) testo += " né " + voci[i];
    return testo;
  };
  if (!mancanti.empty())
    return "la piattaforma grafica \"" + mancanti.front() + "\" non è disponibile" +
           conPacchetto(mancanti.front());
  if (!irraggiungibili.empty()) return "impossibile aprire " + elenco(irraggiungibili);
  if (!nonPartono.empty())
    return "la piattaforma grafica \"" + nonPartono.front() + "\" non si avvia" +
           conPacchetto(nonPartono.front());
  return std::string(kServeUnDisplay);
}

}  // namespace almanacco
