#include "core/numeric.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Writes v with `digits` significant digits in plain decimal notation.
std::string plainDecimal(double v, int digits) {
  if (v == 0 || !std::isfinite(v)) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, v);
  std::string s(buf);
  const auto ePos = s.find('e');
  const int exponent = std::atoi(s.c_str() + ePos + 1);
  std::string mantissa = s.substr(0, ePos);
  const bool negative = mantissa[0] == '-';
  std::string figures;
  for (char c : mantissa)
    if (isDigit(c)) figures += c;
  while (figures.size() > 1 && figures.back() == '0') figures.pop_back();
  if (figures == "0") return "0";

  std::string out;
  if (exponent < 0) {
    out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + figures;
  } else if (static_cast<std::size_t>(exponent) + 1 >= figures.size()) {
    out = figures + std::string(static_cast<std::size_t>(exponent) + 1 - figures.size(), '0');
  } else {
    out = figures.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
          figures.substr(static_cast<std::size_t>(exponent) + 1);
  }
  return negative ? "-" + out : out;
}

}  // namespace

double Val(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  std::string num;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) num += t[i++];
  bool digits = false, point = false;
  for (; i < t.size(); ++i) {
    if (isDigit(t[i])) {
      num += t[i];
      digits = true;
    } else if (t[i] == '.' && !point) {
      num += t[i];
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0;
  // An exponent counts only when digits follow it; "5E" reads 5.
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) exp += t[j++];
    if (j < t.size() && isDigit(t[j])) {
      while (j < t.size() && isDigit(t[j])) exp += t[j++];
      num += exp;
    }
  }
  return std::strtod(num.c_str(), nullptr);
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
