#include "predict/judge.h"

#include "area/area_predict.h"
#include "area/area_verdicts.h"
#include "predict/black_or_red_strategy.h"
#include "predict/point_strategy.h"
#include "predict/total_window.h"
#include "windows/app.h"

void JudgeExpect(App& app) {
  const bool stood = app.vars.ExpectDone != 0;
  AreaVerdictsOf(app).beginSpin();
  // Whatever the verdicts, the prediction ends with this spin.
  app.vars.ExpectDone = 0;
  AreaJudgeStep(app, stood);
  BlackOrRedJudgeStep(app, stood);
  PointJudgeStep(app, stood);
  if (stood) ShowTotalStatus(app, TotalStatusAfter::Verdict);
}
