#pragma once

#include <QColor>
#include <QPalette>

#include "etichette.h"

namespace almanacco {

// A palette colour as the screen shows it: 0x00BBGGRR as written, or the desktop's own
// colour for the roles a label or shape leaves to the system.
QColor comeQColor(Color colore, const QPalette& palette);

}  // namespace almanacco
