#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace almanacco {

// The one line, without the program's name, that says why no window could be opened,
// from what Qt said while it tried to start its platform: a display that cannot be
// reached is named, a platform that is missing or does not start is named, and
// otherwise a graphical display is asked for. `waylandDisplay` is the Wayland display
// named in the environment, if any.
std::string causaDelFallimento(const std::vector<std::string>& messaggi,
                               std::string_view waylandDisplay);

// Whether a message Qt gives while starting its platform is the platform's own
// complaint, which the one line of causaDelFallimento already says better.
bool dallaPiattaforma(std::string_view categoria, std::string_view testo);

// What is said when no display is named at all.
inline constexpr std::string_view kServeUnDisplay =
    "serve un display grafico (X11 o Wayland) per aprire la finestra";

}  // namespace almanacco
