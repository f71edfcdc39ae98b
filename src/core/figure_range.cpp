#include "core/figure_range.h"

#include <cmath>

#include "core/numeric.h"

bool FigureInRange(std::string_view text, Figure kind) {
  if (kind == Figure::Shown) return true;
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
