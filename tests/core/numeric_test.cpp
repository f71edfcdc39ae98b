#include "core/numeric.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

// The numeric prefix, an exponent only after a number, and 0 beyond what a
// double holds.
TEST(Numeric, ValReadsTheNumericPrefix) {
  const std::pair<const char*, double> cases[] = {
      {"105%", 105},  {"", 0},      {"0", 0},       {"  -2.5x", -2.5}, {"abc", 0},
      {"1.2.3", 1.2}, {"+7", 7},    {"-", 0},       {"66.7%", 66.7},   {"5E", 5},
      {"5Ex", 5},     {"1e400", 0}, {"-1e400%", 0}, {"1e-400", 0}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << text;
  EXPECT_EQ(Val(std::string(400, '9')), 0);
  EXPECT_DOUBLE_EQ(Val("1E-05"), 0.00001);
  EXPECT_DOUBLE_EQ(Val("-6.000000000006E-06"), -6.000000000006e-06);
}

TEST(Numeric, RoundTiesToEven) {
  EXPECT_EQ((std::vector{Round(6.25, 1), Round(0.5, 0), Round(1.5, 0), Round(2.5, 0)}),
            (std::vector{6.2, 0.0, 2.0, 2.0}));
  EXPECT_EQ(Str(Round(6.0 / 38 * 100, 6)), "15.789474");
  EXPECT_EQ(Str(Round(9.0 / 19 * 100, 1)), "47.4");
  EXPECT_EQ(Str(Round(1.0 / 16 * 100, 1)), "6.2");
  EXPECT_EQ(Str(Round(2.0 / 3, 3) * 100), "66.7");
  EXPECT_EQ(Str(Round(1.0 / 3, 3) * 100), "33.3");
}

TEST(Numeric, IntAndCIntDiffer) {
  EXPECT_EQ((std::vector{Int(-0.5), Int(37.99)}), (std::vector{-1.0, 37.0}));
  EXPECT_EQ((std::vector{CInt(0.5), CInt(1.5), CInt(1.05), CInt(70000.4)}),
            (std::vector<long>{0, 2, 1, 70000}));
  // Beyond a long a figure is held at the end instead of turning into any value
  // at all.
  EXPECT_EQ(CInt(1e30), std::numeric_limits<long>::max());
  EXPECT_EQ(CInt(-1e30), std::numeric_limits<long>::min());
}

// The shortest form of fifteen digits, correctly rounded at every magnitude,
// and never with an exponent.
TEST(Numeric, StrWritesTheShortestFormOfFifteenDigits) {
  const std::pair<double, std::string> cases[] = {
      {40.0 / 19, "2.10526315789474"},
      {11.0 / 38, "0.289473684210526"},
      {0.5, "0.5"},
      {-0.5, "-0.5"},
      {0, "0"},
      {-0.0, "0"},
      {12, "12"},
      {-1, "-1"},
      {1.05 + 1.05 + 1.05, "3.15"},
      {0.1 + 0.2, "0.3"},
      {3800, "3800"},
      {1e15, "1000000000000000"},
      {-6.000000000006E-06, "-0.000006000000000006"},
      {0.00001, "0.00001"},
      {0.1234567890123456, "0.123456789012346"},
      {999999999999999.5, "1000000000000000"},
      {0.9999999999999999, "1"},
      {-123456789.0125, "-123456789.0125"},
      {1.5e17, "150000000000000000"},
      {1e-300, "0." + std::string(299, '0') + "1"},
      {-1.7976931348623157e308, "-179769313486232" + std::string(294, '0')},
      {4.9406564584124654e-324, "0." + std::string(323, '0') + "494065645841247"},
      {HUGE_VAL, "0"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(Str(value), text) << text;
  EXPECT_EQ(Val(Str(-6.000000000006E-06)), -6.000000000006E-06);
}

// Short figures are read by a division of exact values, longer ones by the
// library: both must give the nearest double, as the C library's reading in the
// C locale does.
TEST(Numeric, ValGivesTheNearestDouble) {
  for (const char* text :
       {"0.1", "0.3", "2.10526315789474", "15.789474", "9007199254740992", "9007199254740993",
        "9007199254740993.5", "123456789012345678", "1234567890123456789012", "0.0000001",
        "0.0000000000000000000001", "0.00000000000000000000001", "3.14159265358979323846",
        "-0.000006000000000006", "99999999999999999999.5", "1.000000000000000111", "1.5E-05",
        "2.5e3"}) {
    EXPECT_EQ(Val(text), std::strtod(text, nullptr)) << text;
  }
}

TEST(Numeric, SingleKeepsSevenDigits) {
  const float h = 1, o = 0.95f;
  EXPECT_EQ((std::vector{StrSingle(static_cast<float>(Round(h / (h + o) * 100.0f, 1))),
                         StrSingle(static_cast<float>(Round(2 / 2.32f * 100.0f, 1))),
                         StrSingle(100), StrSingle(1.0f / 3)}),
            (std::vector<std::string>{"51.3", "86.2", "100", "0.3333333"}));
}

// Desktop sessions set the C locale from the environment; a decimal comma there
// must not change how a figure reads or writes.
TEST(CommaLocale, NumbersReadAndWriteAsInTheCLocale) {
  struct Restore {
    std::string name = std::setlocale(LC_ALL, nullptr);
    ~Restore() { std::setlocale(LC_ALL, name.c_str()); }
  } restore;
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
    GTEST_SKIP() << "no de_DE.UTF-8 here (CTest makes one for its comma-decimal run)";
  ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
  EXPECT_EQ((std::vector{Val("2.5"), Val("51.3%"), Val("2,5")}), (std::vector{2.5, 51.3, 2.0}));
  EXPECT_DOUBLE_EQ(Val("1.5E-05"), 0.000015);
  EXPECT_EQ(Str(40.0 / 19), "2.10526315789474");
  EXPECT_EQ(Str(-6.000000000006E-06), "-0.000006000000000006");
  EXPECT_EQ(StrSingle(1.0f / 3), "0.3333333");
}
