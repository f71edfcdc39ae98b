#include "area/area_verdicts.h"

#include "core/numeric.h"
#include "windows/app.h"

namespace {

// The sum as the window writes it and reads it back, so that equal scores compare equal.
double addedAsText(double sum, double amount) {
  return Val(Str(sum + amount));
}

struct AreaScores {
  double hit = 0;
  double out = 0;
};

// The Area window's all-areas hit and miss scores; 0 and 0 while it is not loaded, as
// reading a window must not load it.
AreaScores allAreaScores(const App& app) {
  const AreaForm* a = app.forms.area.record();
  if (!a) return {};
  return {Val(a->Expect_Hit(7).text()), Val(a->Expect_Out(7).text())};
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

AreaVerdicts& AreaVerdictsOf(App& app) {
  return app.areaVerdicts.get();
}

void RestartAreaVerdicts(App& app) {
  const AreaScores scores = allAreaScores(app);
  AreaVerdictsOf(app).restart(scores.hit, scores.out);
}

bool AreaVerdictsComplete(App& app) {
  const AreaScores scores = allAreaScores(app);
  return AreaVerdictsOf(app).complete(scores.hit, scores.out);
}
