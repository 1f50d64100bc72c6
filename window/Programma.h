#pragma once

#include <functional>

class QApplication;
class QWidget;

namespace almanacco {

// The whole program: checks for a display, starts Qt, opens the window on today and runs
// until the window is unloaded. `primaDiAttendere`, when given, sees the shown window
// just before the event loop starts (the start-up benchmark uses it); the program
// itself passes nothing.
int eseguiProgramma(int& argc, char* argv[],
                    const std::function<void(QApplication&, QWidget&)>& primaDiAttendere = {});

// Whether Qt can open a window at all: a platform was chosen, or an X11 or Wayland
// display is named. Checked before Qt starts, which would otherwise abort.
bool displayDisponibile();

// Says on stderr, in one line, that a graphical display is needed; returns the exit status.
int senzaDisplay();

// Between these two calls, while Qt starts its platform, a platform that cannot start
// ends the program with senzaDisplay() instead of Qt's abort and its advice.
void sorvegliaAvvio();
void fineAvvio();

// The program record: name, version, description and desktop identity.
void registraProgramma();

}  // namespace almanacco
