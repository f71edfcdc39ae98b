#include "stats/statistics_texts.h"

#include <cmath>

#include "core/numeric.h"

namespace {

constexpr double SmallestShown = 0.0001;

// x rounded to `digits` significant figures.
double Significant(double x, int digits) {
  if (x == 0 || !std::isfinite(x)) return x;
  return Round(x, digits - 1 - static_cast<int>(std::floor(std::log10(std::abs(x)))));
}

}  // namespace

double ShownP(double p, int digits) {
  return p < SmallestShown ? p : Significant(p, digits);
}

std::string PText(double p, int digits) {
  if (p < SmallestShown) return "<" + Str(SmallestShown);
  return Str(ShownP(p, digits));
}

std::string PercentText(double share, int decimals) {
  return Str(Round(share * 100, decimals)) + "%";
}

std::string SignedPercentText(double share, int decimals) {
  const double shown = Round(share * 100, decimals);
  return (shown > 0 ? "+" : "") + Str(shown) + "%";
}

std::string DecimalText(double x, int decimals) {
  return Str(Round(x, decimals));
}

std::string EValueText(double logValue) {
  const double log10Value = logValue / std::log(10.0);
  if (log10Value < 6) return Str(Significant(std::exp(logValue), 3));
  auto exponent = static_cast<long>(std::floor(log10Value));
  double mantissa = Round(std::pow(10.0, log10Value - static_cast<double>(exponent)), 2);
  if (mantissa >= 10) {
    mantissa /= 10;
    ++exponent;
  }
  return Str(mantissa) + "e+" + (exponent < 10 ? "0" : "") + std::to_string(exponent);
}

std::string AboutSpinsText(long spins) {
  const double shown = Significant(static_cast<double>(spins), 2);
  if (shown >= 1e8) return "約 " + Str(shown / 1e8) + " 億回";
  if (shown >= 1e4) return "約 " + Str(shown / 1e4) + " 万回";
  return "約 " + Str(shown) + " 回";
}

std::string EvidenceText(double p, const std::string& strong, const std::string& weak,
                         const std::string& none, const std::string& pName, int digits) {
  const std::string strongBelow = Str(StrongBelow);
  const std::string weakBelow = Str(WeakBelow);
  switch (EvidenceOf(ShownP(p, digits))) {
    case Evidence::Strong:
      return strong + " (" + pName + " < " + strongBelow + ")";
    case Evidence::Weak:
      return weak + " (" + strongBelow + " ≤ " + pName + " < " + weakBelow + ")";
    case Evidence::None:
      break;
  }
  return none + " (" + pName + " ≥ " + weakBelow + ")";
}
