#include "testo.h"

#include <charconv>

namespace almanacco {

std::optional<std::int16_t> comeIntero(std::string_view testo) {
  // from_chars takes no '+' and no blanks, and reports a value out of range, which is
  // exactly the strictness wanted here.
  std::int16_t valore = 0;
  const char* fine = testo.data() + testo.size();
  const auto [ptr, ec] = std::from_chars(testo.data(), fine, valore);
  if (ec != std::errc{} || ptr != fine) return std::nullopt;
  return valore;
}

std::optional<int> numeroTra(std::string_view testo, int lo, int hi) {
  if (testo.empty() || testo.size() > 5) return std::nullopt;
  if (testo.size() > 1 && testo.front() == '0') return std::nullopt;
  int n = 0;
  for (const char c : testo) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < lo || n > hi) return std::nullopt;
  return n;
}

std::string comeTesto(int n) {
  return std::to_string(n);
}

}  // namespace almanacco
