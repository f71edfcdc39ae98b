#include "stats/statistics_texts.h"

#include <cmath>

#include "core/numeric.h"

namespace {

constexpr double SmallestShown = 0.0001;

}  // namespace

std::string PText(double p) {
  if (p < SmallestShown) return "<" + Str(SmallestShown);
  const int decimals = 3 - static_cast<int>(std::floor(std::log10(p)));
  return Str(Round(p, decimals));
}

std::string PercentText(double share) {
  return Str(Round(share * 100, 1)) + "%";
}

std::string DecimalText(double x, int decimals) {
  return Str(Round(x, decimals));
}

std::string EvidenceText(double p, const std::string& strong, const std::string& weak,
                         const std::string& none, const std::string& pName) {
  const std::string strongBelow = Str(StrongBelow);
  const std::string weakBelow = Str(WeakBelow);
  switch (EvidenceOf(p)) {
    case Evidence::Strong:
      return strong + " (" + pName + " < " + strongBelow + ")";
    case Evidence::Weak:
      return weak + " (" + strongBelow + " ≤ " + pName + " < " + weakBelow + ")";
    case Evidence::None:
      break;
  }
  return none + " (" + pName + " ≥ " + weakBelow + ")";
}
