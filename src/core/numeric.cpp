#include "core/numeric.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

// Numbers are read and written with from_chars and to_chars: the C locale that a desktop
// session sets (a decimal comma, say) must never change a figure.

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// 10^0 to 10^22, every one exact in a double.
constexpr std::array<double, 23> PowersOfTen = [] {
  std::array<double, 23> p{};
  double power = 1;
  for (double& x : p) {
    x = power;
    power *= 10;
  }
  return p;
}();

// The significant figures of a number, without trailing zeros, and the power of ten of
// the first one.
struct Figures {
  char digits[24];
  int count = 0;
  int exponent = 0;
};

// v (positive, finite) rounded to `digits` significant figures, at most 15. The shortest
// figures that read back as v are used when there are no more than `digits` of them: a
// normal v lies within half its own spacing of them, which is less than half the spacing
// of decimals of 15 figures or fewer, so they are what rounding gives, and far cheaper.
Figures roundedFigures(double v, int digits) {
  // d.ddde±x
  char sci[40];
  char* end = std::to_chars(sci, sci + sizeof sci, v, std::chars_format::scientific).ptr;
  if (v < std::numeric_limits<double>::min() || std::find(sci, end, 'e') - sci > digits + 1)
    end = std::to_chars(sci, sci + sizeof sci, v, std::chars_format::scientific, digits - 1).ptr;
  Figures f;
  const char* p = sci;
  for (; *p != 'e'; ++p)
    if (isDigit(*p)) f.digits[f.count++] = *p;
  while (f.count > 1 && f.digits[f.count - 1] == '0') --f.count;
  std::from_chars(p + 2, end, f.exponent);
  if (p[1] == '-') f.exponent = -f.exponent;
  return f;
}

// Writes v with `digits` significant digits, correctly rounded, in plain decimal notation.
std::string plainDecimal(double v, int digits) {
  if (v == 0 || !std::isfinite(v)) return "0";
  char out[352];
  if (std::fabs(v) < PowersOfTen[static_cast<std::size_t>(digits)] && v == std::trunc(v)) {
    // A whole number of no more than `digits` figures, as most counts are, is exact.
    const auto end = std::to_chars(out, out + sizeof out, static_cast<std::int64_t>(v)).ptr;
    return std::string(out, end);
  }
  const Figures f = roundedFigures(std::fabs(v), digits);
  // At most a sign, "0.", 323 zeros and the figures, or 309 whole digits.
  char* o = out;
  if (v < 0) *o++ = '-';
  if (f.exponent < 0) {
    *o++ = '0';
    *o++ = '.';
    o = std::fill_n(o, -f.exponent - 1, '0');
    o = std::copy_n(f.digits, f.count, o);
  } else {
    for (int k = 0; k <= f.exponent || k < f.count; ++k) {
      if (k == f.exponent + 1) *o++ = '.';
      *o++ = k < f.count ? f.digits[k] : '0';
    }
  }
  return std::string(out, o);
}

}  // namespace

double Val(std::string_view t) {
  const char* p = t.data();
  const char* const end = p + t.size();
  while (p != end && (*p == ' ' || *p == '\t')) ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  const char* const start = p;
  // The figures as a whole number, and how many of them follow the point.
  std::uint64_t figures = 0;
  int count = 0, decimals = 0;
  bool point = false;
  for (; p != end; ++p) {
    if (isDigit(*p)) {
      if (++count <= 19) figures = figures * 10 + static_cast<std::uint64_t>(*p - '0');
      decimals += point;
    } else if (*p == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (count == 0) return 0;
  // An exponent counts only when digits follow it; "5E" reads 5.
  bool exponent = false;
  if (p != end && (*p == 'E' || *p == 'e')) {
    const char* q = p + 1;
    if (q != end && (*q == '+' || *q == '-')) ++q;
    if (q != end && isDigit(*q)) {
      while (q != end && isDigit(*q)) ++q;
      p = q;
      exponent = true;
    }
  }
  double value = 0;
  if (!exponent && count <= 19 && figures <= (std::uint64_t{1} << 53) &&
      decimals < static_cast<int>(PowersOfTen.size())) {
    // Most figures are read here: exact figures over an exact power of ten make one
    // correctly rounded division.
    value = static_cast<double>(figures) / PowersOfTen[static_cast<std::size_t>(decimals)];
  } else if (std::from_chars(start, p, value).ec != std::errc()) {
    // A number beyond the range of a double reads 0, as it would be written back.
    return 0;
  }
  return negative ? -value : value;
}

double Int(double x) {
  return std::floor(x);
}

double Round(double x, int d) {
  const double scale = std::pow(10.0, d);
  return std::nearbyint(x * scale) / scale;
}

long CInt(double x) {
  // Beyond a long, lrint gives no defined value: such a figure is held at the end.
  constexpr double Bound = 9223372036854775808.0;  // 2^63
  if (std::isnan(x)) return 0;
  if (x >= Bound) return std::numeric_limits<long>::max();
  if (x < -Bound) return std::numeric_limits<long>::min();
  return std::lrint(x);
}

std::string Str(double x) {
  return plainDecimal(x, 15);
}

std::string StrSingle(float x) {
  return plainDecimal(static_cast<double>(x), 7);
}

std::string JoinLines(std::initializer_list<std::string_view> lines) {
  std::string out;
  bool first = true;
  for (auto line : lines) {
    if (!first) out += "\n\r";
    out += line;
    first = false;
  }
  return out;
}
