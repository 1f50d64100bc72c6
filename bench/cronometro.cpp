// Start-up as a user sees it: from the moment a program is started to the moment its
// window is mapped on the X server, for several programs run alternately on one display,
// so that whatever else the machine does falls on all of them alike. Each run is also
// timed to the program's end and its peak memory read from the kernel: a program started
// with ALMANACCO_FINO_AL_PRIMO_FRAME ends at its first painted frame; one that does not
// end by itself is ended a second after its window is mapped.
//   cronometro [-n RUNS] [-w WARMUP] NAME PROGRAM [NAME PROGRAM ...]
// prints, for each program, the medians and quartiles of the three, and the ratios of the
// first program's medians to each other's.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Orologio = std::chrono::steady_clock;

struct Giro {
  double mappata, fine, memoria;  // ms, ms, KiB
};

struct Programma {
  std::string nome, percorso;
  std::vector<Giro> giri;
};

struct ChiudiXcb {
  void operator()(xcb_connection_t* x) const { xcb_disconnect(x); }
};
using Connessione = std::unique_ptr<xcb_connection_t, ChiudiXcb>;

struct Libera {
  void operator()(void* p) const { std::free(p); }
};
using Evento = std::unique_ptr<xcb_generic_event_t, Libera>;

double millisecondi(Orologio::time_point da, Orologio::time_point a) {
  return std::chrono::duration<double, std::milli>(a - da).count();
}

// The display's root, watched for its children's maps and ends: every program's main
// window is one on a display with no window manager.
class Schermo {
 public:
  bool apri() {
    int schermo = 0;
    x_.reset(xcb_connect(nullptr, &schermo));
    if (xcb_connection_has_error(x_.get())) return false;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(x_.get()));
    for (int s = 0; s < schermo; ++s) xcb_screen_next(&it);
    radice_ = it.data->root;
    const uint32_t maschera = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x_.get(), radice_, XCB_CW_EVENT_MASK, &maschera);
    xcb_flush(x_.get());
    return true;
  }

  // The next top-level window mapped, looked for up to 10 ms and no later than `limite`,
  // and the moment its map was seen: the caller looks at its child in between.
  std::optional<std::pair<xcb_window_t, Orologio::time_point>> mappata(
      Orologio::time_point limite) {
    return aspetta(XCB_MAP_NOTIFY, XCB_NONE,
                   std::min(limite, Orologio::now() + std::chrono::milliseconds(10)));
  }
  // Waits until `finestra` is destroyed, as it is once its program has ended.
  bool distrutta(xcb_window_t finestra, Orologio::time_point limite) {
    return aspetta(XCB_DESTROY_NOTIFY, finestra, limite).has_value();
  }

 private:
  std::optional<std::pair<xcb_window_t, Orologio::time_point>> aspetta(
      uint8_t tipo, xcb_window_t quale, Orologio::time_point limite) {
    pollfd attesa{xcb_get_file_descriptor(x_.get()), POLLIN, 0};
    for (;;) {
      while (Evento e{xcb_poll_for_event(x_.get())}) {
        const auto ora = Orologio::now();
        if ((e->response_type & 0x7f) != tipo) continue;
        xcb_window_t finestra;
        if (tipo == XCB_MAP_NOTIFY) {
          const auto* m = reinterpret_cast<const xcb_map_notify_event_t*>(e.get());
          if (m->event != radice_ || m->override_redirect) continue;
          finestra = m->window;
        } else {
          finestra = reinterpret_cast<const xcb_destroy_notify_event_t*>(e.get())->window;
        }
        if (quale == XCB_NONE || quale == finestra) return std::pair{finestra, ora};
      }
      const auto resto = std::chrono::ceil<std::chrono::milliseconds>(limite - Orologio::now());
      if (resto.count() <= 0 || xcb_connection_has_error(x_.get())) return std::nullopt;
      poll(&attesa, 1, static_cast<int>(resto.count()));
    }
  }

  Connessione x_;
  xcb_window_t radice_ = XCB_NONE;
};

// Waits for the child's end up to `limite`; its resource usage once it has ended.
std::optional<rusage> attendiFine(pid_t figlio, Orologio::time_point limite) {
  for (;;) {
    int stato = 0;
    rusage uso{};
    const pid_t finito = wait4(figlio, &stato, WNOHANG, &uso);
    if (finito == figlio) return uso;
    if (finito < 0 && errno != EINTR) return std::nullopt;
    if (Orologio::now() >= limite) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

std::optional<rusage> termina(pid_t figlio) {
  for (const int segnale : {SIGTERM, SIGKILL}) {
    kill(figlio, segnale);
    if (auto uso = attendiFine(figlio, Orologio::now() + std::chrono::seconds(5))) return uso;
  }
  return std::nullopt;
}

std::optional<Giro> unGiro(Schermo& schermo, const Programma& p) {
  char* argv[] = {const_cast<char*>(p.percorso.c_str()), nullptr};
  pid_t figlio = 0;
  const auto inizio = Orologio::now();
  if (const int errore =
          posix_spawn(&figlio, p.percorso.c_str(), nullptr, nullptr, argv, environ)) {
    std::fprintf(stderr, "cronometro: %s cannot be started: %s\n", p.percorso.c_str(),
                 std::strerror(errore));
    return std::nullopt;
  }
  const auto limite = inizio + std::chrono::seconds(20);
  std::optional<std::pair<xcb_window_t, Orologio::time_point>> mappa;
  while (!mappa && Orologio::now() < limite) {
    mappa = schermo.mappata(limite);
    if (!mappa && waitpid(figlio, nullptr, WNOHANG) == figlio) {
      std::fprintf(stderr, "cronometro: %s ended without mapping a window\n", p.nome.c_str());
      return std::nullopt;
    }
  }
  if (!mappa) {
    termina(figlio);
    std::fprintf(stderr, "cronometro: %s mapped no window in 20 s\n", p.nome.c_str());
    return std::nullopt;
  }
  const auto [finestra, mappata] = *mappa;
  auto uso = attendiFine(figlio, mappata + std::chrono::seconds(1));
  const auto fine = Orologio::now();
  if (!uso) uso = termina(figlio);
  // The next run starts once the server has let this window go.
  schermo.distrutta(finestra, Orologio::now() + std::chrono::seconds(2));
  return Giro{millisecondi(inizio, mappata), millisecondi(inizio, fine),
              uso ? static_cast<double>(uso->ru_maxrss) : 0.0};
}

// The value below which a fraction `q` of the values lie, between the two nearest.
double quantile(std::vector<double> valori, double q) {
  std::sort(valori.begin(), valori.end());
  const double posto = q * static_cast<double>(valori.size() - 1);
  const auto sotto = static_cast<std::size_t>(posto);
  const double resto = posto - static_cast<double>(sotto);
  return sotto + 1 < valori.size() ? valori[sotto] * (1 - resto) + valori[sotto + 1] * resto
                                   : valori[sotto];
}

std::vector<double> di(const Programma& p, double Giro::*campo) {
  std::vector<double> valori;
  for (const Giro& g : p.giri) valori.push_back(g.*campo);
  return valori;
}

double mediana(const Programma& p, double Giro::*campo) {
  return quantile(di(p, campo), 0.5);
}

void stampa(const Programma& p, double Giro::*campo, const char* formato) {
  const auto valori = di(p, campo);
  std::printf(formato, quantile(valori, 0.5), quantile(valori, 0.25), quantile(valori, 0.75));
}

int uso() {
  std::fprintf(stderr, "usage: cronometro [-n RUNS] [-w WARMUP] NAME PROGRAM [NAME PROGRAM ...]\n");
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  int giri = 21, riscaldamento = 3;
  for (int opzione; (opzione = getopt(argc, argv, "n:w:")) != -1;) {
    if (opzione == 'n')
      giri = std::atoi(optarg);
    else if (opzione == 'w')
      riscaldamento = std::atoi(optarg);
    else
      return uso();
  }
  if (argc - optind < 2 || (argc - optind) % 2 != 0 || giri < 1 || riscaldamento < 0) return uso();
  std::vector<Programma> programmi;
  for (int i = optind; i + 1 < argc; i += 2) programmi.push_back({argv[i], argv[i + 1], {}});

  Schermo schermo;
  if (!schermo.apri()) {
    std::fprintf(stderr, "cronometro: cannot open the display\n");
    return 1;
  }
  // Round after round, every program once, each round starting one program further on,
  // so that none always runs right after the same other.
  const auto n = programmi.size();
  for (int giro = 0; giro < riscaldamento + giri; ++giro)
    for (std::size_t k = 0; k < n; ++k) {
      Programma& p = programmi[(static_cast<std::size_t>(giro) + k) % n];
      const auto risultato = unGiro(schermo, p);
      if (!risultato) return 1;
      if (giro >= riscaldamento) p.giri.push_back(*risultato);
    }

  std::printf("%d runs each, alternated: median (quartiles)\n", giri);
  std::printf("%-10s %-24s %-24s %s\n", "", "to the window mapped", "to the first frame, ended",
              "peak memory");
  for (const Programma& p : programmi) {
    std::printf("%-10s ", p.nome.c_str());
    stampa(p, &Giro::mappata, "%6.1f ms (%5.1f-%5.1f)   ");
    stampa(p, &Giro::fine, "%6.1f ms (%5.1f-%5.1f)   ");
    stampa(p, &Giro::memoria, "%6.0f KiB (%.0f-%.0f)\n");
  }
  const Programma& primo = programmi.front();
  for (std::size_t i = 1; i < n; ++i) {
    const Programma& p = programmi[i];
    std::printf("%s / %-8s mapped %.3f   first frame, ended %.3f   peak memory %.3f\n",
                primo.nome.c_str(), p.nome.c_str(),
                mediana(primo, &Giro::mappata) / mediana(p, &Giro::mappata),
                mediana(primo, &Giro::fine) / mediana(p, &Giro::fine),
                mediana(primo, &Giro::memoria) / mediana(p, &Giro::memoria));
  }
  return 0;
}
