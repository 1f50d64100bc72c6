#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "testo.h"

namespace almanacco {
namespace {

TEST(ComeIntero, ConvertsOnlyWholeDecimalTextsInTheSixteenBitRange) {
  const struct {
    std::string testo;
    std::optional<std::int16_t> valore;
  } casi[] = {
      {"0", 0},
      {"7", 7},
      {"1957", 1957},
      {"01", 1},
      {"-3", -3},
      {"32767", 32767},
      {"-32768", -32768},
      {"32768", std::nullopt},
      {"99999", std::nullopt},
      {"-32769", std::nullopt},
      {"", std::nullopt},
      {" 1", std::nullopt},
      {"1 ", std::nullopt},
      {"+1", std::nullopt},
      {"abc", std::nullopt},
      {"12a", std::nullopt},
      {"-", std::nullopt},
      {std::string(10000, '9'), std::nullopt},
      {"\xff\xfe", std::nullopt},
  };
  for (const auto& caso : casi) EXPECT_EQ(comeIntero(caso.testo), caso.valore) << caso.testo;
}

}  // namespace
}  // namespace almanacco
