#include "grading/deskmark/checks/params.h"

#include <gtest/gtest.h>

namespace deskmark {
namespace {

TEST(Params, DatesInTheSystemFormat) {
  const auto at = [](int64_t y, unsigned mo, unsigned d, int h = 0, int mi = 0, int s = 0) {
    return std::optional<win::LocalSeconds>(win::LocalSecondsOfCivil(y, mo, d, h, mi, s));
  };
  struct Case {
    const char* text;
    std::optional<win::LocalSeconds> when;
  } cases[] = {
      {"2024/6/1", at(2024, 6, 1)},
      {" 2024-06-01 ", at(2024, 6, 1)},
      {"2024.6.1 8:05", at(2024, 6, 1, 8, 5)},
      {"2024/6/1 8:05:09", at(2024, 6, 1, 8, 5, 9)},
      {"2024年6月1日", at(2024, 6, 1)},
      {"2024年6月1日 下午3:00", at(2024, 6, 1, 15, 0)},
      {"2024/6/1 12:30 AM", at(2024, 6, 1, 0, 30)},
      {"6/1/2024", at(2024, 6, 1)},
      {"24/6/1", at(2024, 6, 1)},
      {"99/12/31", at(1999, 12, 31)},
      {"2024/2/29", at(2024, 2, 29)},
      {"8:05:00", at(1899, 12, 30, 8, 5)},
      {"2023/2/29", std::nullopt},
      {"2024/13/1", std::nullopt},
      {"2024/6/1 24:00", std::nullopt},
      {"2024/6/1x", std::nullopt},
      {"2024-06-01T08:00", std::nullopt},
      {"45444", std::nullopt},
      {"", std::nullopt},
      {"明天", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseDateTime(c.text), c.when) << c.text;
  EXPECT_EQ(DateParam("no date"), kZeroDate);
  EXPECT_EQ(kZeroDate, win::LocalSecondsOfCivil(1899, 12, 30, 0, 0, 0));
}

TEST(Params, IntegersRoundHalvesToEvenAndFailToZero) {
  struct Case {
    const char* text;
    int16_t value;
  } cases[] = {
      {"22", 22}, {" 3 ", 3}, {"2.5", 2}, {"3.5", 4},
      {"-1", -1}, {"", 0},    {"abc", 0}, {"40000", 0},  // does not fit 16 bits
  };
  for (const Case& c : cases) EXPECT_EQ(IntParam(c.text), c.value) << c.text;
  EXPECT_EQ(PathParam("C:\\k\\", "sub\\a.txt"), "C:\\k\\sub\\a.txt");
}

}  // namespace
}  // namespace deskmark
