#pragma once

namespace almanacco::accessibile {

// Gives the window and its labels their faces for screen readers: the cells as radio
// buttons in their groups, the other shown texts as static texts. Called where the
// application is made, after it exists (QtWidgets installs its own factory then, and the
// newest is asked first) and before the window, so that no control is ever seen without
// its face. Qt keeps a factory once, however often it is installed.
void installa();

}  // namespace almanacco::accessibile
