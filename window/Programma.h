#pragma once

namespace almanacco {

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
