#include "core/win_rate.h"

#include "core/numeric.h"

std::string TallyWinRate(double hits, double outs) {
  return Str(Round(hits / (outs + hits), 3) * 100) + "%";
}

float ScoreWinRate(double hitScore, double outScore) {
  const auto h = static_cast<float>(CInt(hitScore));
  const auto o = static_cast<float>(outScore);
  const float rate = h / (h + o) * 100.0f;
  return static_cast<float>(Round(rate, 1));
}

std::string ScoreWinRateText(float rate) {
  return StrSingle(rate) + "%";
}
