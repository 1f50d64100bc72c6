#pragma once

#include <functional>

#include "luoghi.h"

class QApplication;
class QWidget;

namespace almanacco {

// The whole program: checks for a display, starts Qt, opens the window on today, counting
// in the place's calendar, and runs until the window is unloaded. `primaDiAttendere`,
// when given, sees the window just before it is shown (the start-up benchmark uses it);
// the program itself passes nothing.
int eseguiProgramma(int& argc, char* argv[], const Luogo& luogo = kItaliaLuogo,
                    const std::function<void(QApplication&, QWidget&)>& primaDiAttendere = {});

}  // namespace almanacco
