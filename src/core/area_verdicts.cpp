#include "core/area_verdicts.h"

#include "core/numeric.h"

namespace {

// The sum as the window writes it and reads it back, so that equal scores compare equal.
double addedAsText(double sum, double amount) {
  return Val(Str(sum + amount));
}

}  // namespace

bool AreaVerdicts::complete(double hitScore, double outScore) const {
  return !carried_ && hitScore == now_.hitScore && outScore == now_.outScore;
}

void AreaVerdicts::add(bool hit, double chance, double score) {
  verdicts_.push_back({hit, chance});
  now_.verdicts = verdicts_.size();
  double& sum = hit ? now_.hitScore : now_.outScore;
  sum = addedAsText(sum, score);
}

void AreaVerdicts::beginSpin() {
  beforeSpin_ = now_;
}

void AreaVerdicts::takeBackSpin() {
  if (beforeSpin_.verdicts > verdicts_.size()) return;
  verdicts_.resize(beforeSpin_.verdicts);
  now_ = beforeSpin_;
}

void AreaVerdicts::restart(double hitScore, double outScore) {
  verdicts_.clear();
  now_ = {0, hitScore, outScore};
  beforeSpin_ = now_;
  carried_ = hitScore != 0 || outScore != 0;
}
