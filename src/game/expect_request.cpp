#include "game/expect_request.h"

#include "area/area_predict.h"
#include "core/numeric.h"
#include "game/reveal.h"
#include "predict/black_or_red_strategy.h"
#include "predict/point_strategy.h"
#include "store/settings.h"
#include "windows/app.h"
#include "windows/message.h"
#include "windows/sounds.h"

void Expect_Click(App& app, int) {
  if (RefuseWhileAreaEditing(app)) return;
  if (Val(Main_F(app).Total.text()) < app.vars.PocketCount) {
    MsgBox(app, "予想開始は1ラウンド以上からです。", BoxIcon::Stop);
    return;
  }
  if (app.vars.ExpectDone == 1) {
    MsgBox(app, "予想済みです。", BoxIcon::Stop);
    return;
  }
  MakeExpect(app);
}

void MakeExpect(App& app) {
  app.vars.ExpectDone = 1;
  Main_F(app).Expect.setBack(Colour::rgb(0x80FFFF));
  for (auto& l : Point_F(app).Expect_Light) l.setLit(false);
  LoadWindowSettings(app);
  // The order is fixed: each step draws its own random numbers.
  AreaExpectStep(app);
  BlackOrRedExpectStep(app);
  PointExpectStep(app);
  if (app.vars.QuickExpectOn == 1) {
    ShowPointLamps(app);
    PlayExpectEndSound(app);
  } else {
    StartReveal(app);
  }
}
