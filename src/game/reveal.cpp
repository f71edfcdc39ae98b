#include "game/reveal.h"

#include "core/numeric.h"
#include "predict/black_or_red_strategy.h"
#include "predict/point_strategy.h"
#include "windows/app.h"
#include "windows/sounds.h"

namespace {

constexpr int PointLamps = 36;
constexpr int AreaLamps = 6;
constexpr int RevealInterval = 5;  // milliseconds

// The lamps that run together: one Point lamp, one Area lamp and both colour lamps.
void setRunningLamps(App& app, bool lit) {
  const auto& v = app.vars;
  Point_F(app).Expect_Light(v.BlinkPoint).setLit(lit);
  BlackOrRedForm& b = Black_or_Red_F(app);
  b.Black_Light.setLit(lit);
  b.Red_Light.setLit(lit);
  Area_F(app).Expect_Light(v.BlinkArea).setLit(lit);
}

// The end of a run: the lamps settle on the prediction.
void endReveal(App& app) {
  Main_F(app).Play.setEnabled(false);
  PlayExpectEndSound(app);
  ShowExpectColour(app, app.vars.ExpectColour);
  ShowPointLamps(app);
  AreaForm& a = Area_F(app);
  for (int k = 1; k <= AreaLamps; ++k) a.Expect_Light(k).setLit(Val(a.Expect_H(k).text()) == 1);
}

}  // namespace

void StartReveal(App& app) {
  auto& v = app.vars;
  v.BlinkArea = 1;
  v.BlinkPoint = 1;
  v.BlinkPhase = 1;
  PlayExpectSound(app);
  Timer& play = Main_F(app).Play;
  play.setEnabled(true);
  play.setInterval(RevealInterval);
}

void Play_Timer(App& app, int) {
  auto& v = app.vars;
  if (v.BlinkPhase == 1) {
    if (v.BlinkArea == AreaLamps + 1) v.BlinkArea = 1;
    setRunningLamps(app, true);
    v.BlinkPhase = 2;
    return;
  }
  setRunningLamps(app, false);
  const int lastPoint = v.BlinkPoint;
  ++v.BlinkPoint;
  ++v.BlinkArea;
  v.BlinkPhase = 1;
  if (lastPoint == PointLamps) endReveal(app);
}
