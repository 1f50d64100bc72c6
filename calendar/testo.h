#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace almanacco {

// The one conversion of a caption to a number: an optional minus sign and decimal
// digits, leading zeros allowed, within the 16-bit signed range. Anything else (empty,
// blanks, letters, a value out of range) converts to nothing, and the step that wanted
// the number is skipped.
std::optional<std::int16_t> comeIntero(std::string_view testo);

// The number n with lo <= n <= hi whose decimal text is exactly `testo`, the way every
// holder is compared with a value: "7" matches 7, "07" and " 7" match nothing.
std::optional<int> numeroTra(std::string_view testo, int lo, int hi);

// A number as the holders carry it: plain decimal, no sign for positives, no blanks.
std::string comeTesto(int n);

}  // namespace almanacco
