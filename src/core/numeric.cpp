#include "core/numeric.h"

#include <charconv>
#include <cmath>

// Numbers are read and written with from_chars and to_chars: the C locale that a desktop
// session sets (a decimal comma, say) must never change a figure.

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Writes v with `digits` significant digits, correctly rounded, in plain decimal notation.
std::string plainDecimal(double v, int digits) {
  if (v == 0 || !std::isfinite(v)) return "0";
  // d.ddde±x: the rounded figures and the power of ten of the first one.
  char sci[32];
  const auto sciEnd =
      std::to_chars(sci, sci + sizeof sci, std::fabs(v), std::chars_format::scientific, digits - 1)
          .ptr;
  char figures[24];
  int count = 0;
  const char* p = sci;
  for (; *p != 'e'; ++p)
    if (isDigit(*p)) figures[count++] = *p;
  while (count > 1 && figures[count - 1] == '0') --count;
  const bool negativeExponent = p[1] == '-';
  int exponent = 0;
  std::from_chars(p + 2, sciEnd, exponent);
  if (negativeExponent) exponent = -exponent;

  // At most a sign, "0.", 323 zeros and the figures, or 309 whole digits.
  char out[352];
  char* o = out;
  if (v < 0) *o++ = '-';
  if (exponent < 0) {
    *o++ = '0';
    *o++ = '.';
    for (int z = -exponent - 1; z > 0; --z) *o++ = '0';
    for (int k = 0; k < count; ++k) *o++ = figures[k];
  } else {
    for (int k = 0; k <= exponent || k < count; ++k) {
      if (k == exponent + 1) *o++ = '.';
      *o++ = k < count ? figures[k] : '0';
    }
  }
  return std::string(out, o);
}

}  // namespace

double Val(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  const std::size_t start = i;
  bool digits = false, point = false;
  for (; i < t.size(); ++i) {
    if (isDigit(t[i]))
      digits = true;
    else if (t[i] == '.' && !point)
      point = true;
    else
      break;
  }
  if (!digits) return 0;
  // An exponent counts only when digits follow it; "5E" reads 5.
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && isDigit(t[j])) {
      while (j < t.size() && isDigit(t[j])) ++j;
      i = j;
    }
  }
  // A number beyond the range of a double reads 0, as it would be written back.
  double value = 0;
  if (std::from_chars(t.data() + start, t.data() + i, value).ec != std::errc()) return 0;
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
