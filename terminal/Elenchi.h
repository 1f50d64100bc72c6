#pragma once

#include <string>

namespace almanacco {

// The texts the terminal prints on request, each within 80 columns: the help, the list of
// places with their changes and sources, and the list of styles. The places and styles
// come from the engine's own tables, so that the texts never name one the engine lacks.
std::string aiuto();
std::string elencoDeiLuoghi();
std::string elencoDegliStili();
std::string elencoDelleIndizioni();

}  // namespace almanacco
