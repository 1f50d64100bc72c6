#include "regola.h"

namespace almanacco::dettaglio {

// Worked out while compiling, in this file alone: every other includes only its name.
constinit const RigheDegliAnni kRigheDegliAnni = righeDegliAnni();

}  // namespace almanacco::dettaglio
