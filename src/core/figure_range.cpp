#include "core/figure_range.h"

#include <cmath>

#include "core/numeric.h"

namespace {

// Digits with at most one decimal point between them, and a leading minus where the kind
// may be negative: what the program writes for a figure (never an exponent, a blank or a
// word such as "NaN"). An empty text is a figure not yet shown, which reads as 0.
bool plainDecimal(std::string_view text, bool signedKind) {
  if (text.empty()) return true;
  if (signedKind && text.front() == '-') text.remove_prefix(1);
  bool digit = false, point = false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point && digit && k + 1 < text.size()) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

}  // namespace

bool FigureInRange(std::string_view text, Figure kind) {
  if (kind == Figure::Shown) return true;
  if (!plainDecimal(text, kind == Figure::Level)) return false;
  const double v = Val(text);
  switch (kind) {
    case Figure::Flag:
      return v == 0 || v == 1;
    case Figure::Count:
      return v >= 0 && v <= FigureLimit && v == std::floor(v);
    case Figure::Amount:
      return v >= 0 && v <= FigureLimit;
    case Figure::Level:
      return std::fabs(v) <= FigureLimit;
    case Figure::Shown:
      break;
  }
  return true;
}
