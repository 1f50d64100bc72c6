#pragma once

#include <string>
#include <string_view>

namespace almanacco {

// A text as a message names it: in double quotes, as written, but for what could harm a
// terminal or hide what it shows: control characters as \xHH (\u0080 to \u009F in
// UTF-8), the bidirectional controls, the characters of no width, the blanks other than
// the space, the soft hyphen and the combining marks as \u202E and the like, a byte of no
// valid UTF-8 character as \xHH, and the quote and the backslash as \x22 and \x5C; a text
// longer than 60 characters cut short with "...".
std::string citazione(std::string_view testo);

// Whether a text is UTF-8 throughout.
bool utf8(std::string_view testo);

}  // namespace almanacco
