#pragma once

#include <QCoreApplication>

#include "gui/front_end.h"
#include "support/bench_program.h"

// Lets Qt lay out and paint what the last event changed.
inline void Settle() {
  QCoreApplication::processEvents();
}

// Late in a long game: 5000 spins logged, the 5000 notice behind (so that no message box
// waits for an answer) and the Log window open on its last page beside the others.
inline void LateInALongGame(FrontEnd& frontEnd) {
  App& app = frontEnd.app();
  MainForm& m = Main_F(app);
  for (int k = 1; k <= 5000; ++k) app.vars.SpinLog(k) = (k * 7) % 38 + 1;
  m.Total.setText("5100");
  frontEnd.send({EventKind::Click, FormId::Main_F, &m.Log_B, {}});
  app.vars.LogPage = 50;
  Settle();
}
