#include "game/snapshot_cycle.h"

#include "area/area_edit.h"
#include "area/area_stats.h"
#include "core/numeric.h"
#include "windows/app.h"
#include "windows/message.h"
#include "windows/verdict_style.h"

namespace {

enum class Copy { ToBuffers, ToWindow };

void copy(Copy direction, TextBox& box, std::string& buffer) {
  if (direction == Copy::ToBuffers)
    buffer = box.text();
  else
    box.setText(buffer);
}

void copyOrWindow(App& app, Copy direction, SnapshotBuffers& b) {
  BlackOrRedForm& w = Black_or_Red_F(app);
  TextBox* const boxes[15] = {&w.Hit_Hantei_Black,
                              &w.Black_Hit,
                              &w.Black_Deme_Rate,
                              &w.Expect_Black_Hit,
                              &w.Expect_Black_Out,
                              &w.Black_Win_Rate,
                              &w.Hit_Hantei_Red,
                              &w.Red_Hit,
                              &w.Red_Deme_Rate,
                              &w.Expect_Red_Hit,
                              &w.Expect_Red_Out,
                              &w.Red_Win_Rate,
                              &w.Hit_T,
                              &w.Out_T,
                              &w.Win_Rate};
  for (int e = 0; e <= 14; ++e) copy(direction, *boxes[e], b.OrSnap(e));
}

void copyPointWindow(App& app, Copy direction, SnapshotBuffers& b) {
  PointForm& w = Point_F(app);
  for (int k = 1; k <= 36; ++k) {
    copy(direction, w.Hit_Count(k), b.PointSnapHitCount(k - 1));
    copy(direction, w.Zenkai_H(k), b.PointSnapZenkai(k - 1));
    copy(direction, w.Point_One(k), b.PointSnapOne(k - 1));
    copy(direction, w.Point_Total(k), b.PointSnapTotal(k - 1));
    copy(direction, w.Expect_H(k), b.PointSnapExpect(k - 1));
  }
  copy(direction, w.Hit_T, b.PointSnapTally(0));
  copy(direction, w.Out_T, b.PointSnapTally(1));
  copy(direction, w.Win_Rate, b.PointSnapTally(2));
}

void copyAreaWindow(App& app, Copy direction, SnapshotBuffers& b) {
  AreaForm& w = Area_F(app);
  for (int k = 1; k <= 6; ++k) {
    copy(direction, w.Hit_C(k), b.AreaSnapHit(k));
    copy(direction, w.Hit_Rate(k), b.AreaSnapRate(k));
    copy(direction, w.Expect_H(k), b.AreaSnapExpect(k));
  }
  for (int k = 1; k <= 7; ++k) {
    copy(direction, w.Expect_Hit(k), b.AreaSnapExpectHit(k));
    copy(direction, w.Expect_Out(k), b.AreaSnapExpectOut(k));
    copy(direction, w.Win_Rate(k), b.AreaSnapWinRate(k));
  }
}

bool predicted(const TextBox& flag) {
  return Val(flag.text()) == 1;
}

StatusSnapshot& snapshotOf(App& app) {
  return app.snapshot.get();
}

}  // namespace

void SnapOrWindow(App& app) {
  copyOrWindow(app, Copy::ToBuffers, snapshotOf(app).buffers);
}

void SnapPointWindow(App& app) {
  copyPointWindow(app, Copy::ToBuffers, snapshotOf(app).buffers);
}

void SnapAreaWindow(App& app) {
  copyAreaWindow(app, Copy::ToBuffers, snapshotOf(app).buffers);
}

SnapshotBuffers StatusWindowTexts(App& app) {
  SnapshotBuffers b;
  copyOrWindow(app, Copy::ToBuffers, b);
  copyPointWindow(app, Copy::ToBuffers, b);
  copyAreaWindow(app, Copy::ToBuffers, b);
  return b;
}

const SnapshotBuffers& SnapshotBuffersOf(App& app) {
  return snapshotOf(app).buffers;
}

void KeepUndoSnapshot(App& app, int expectDone) {
  StatusSnapshot& s = snapshotOf(app);
  s.undoBytes = SnapshotFileBytes(expectDone, s.buffers, nullptr);
  s.realSaveStale = !ReportWrite(app, WriteUndoSnapshot(app, s.undoBytes));
}

bool LoadSnapshotFile(App& app, const SnapshotFile& file) {
  // A stale REAL_SAVE.FIL holds the windows of an earlier spin: the file itself is
  // sound, but the last spin's windows were never written to it.
  if (!file.isSlot() && snapshotOf(app).realSaveStale) {
    MsgBox(app, JoinLines({"直前のスピンの保存に失敗したため、取り消しできません。", file.name()}),
           BoxIcon::Stop);
    return false;
  }
  auto read = ReadSnapshotFile(app, file);
  if (!ReportRead(app, read.result)) return false;
  PutSnapshotInPlace(app, std::move(read.value), file);
  return true;
}

void PutSnapshotInPlace(App& app, SnapshotContent content, const SnapshotFile& from) {
  auto& v = app.vars;
  if (from.isSlot()) {
    ClearAreaSet(app);
    v.AreaMember = content.areas;
  }
  v.ExpectDone = content.expectDone;
  snapshotOf(app).buffers = std::move(content.buffers);
  // The button shows whether a prediction stands, whatever it showed before.
  Main_F(app).Expect.setBack(v.ExpectDone == 1 ? Colour::rgb(0x80FFFF) : ButtonFace);
}

void RestoreOrWindow(App& app) {
  copyOrWindow(app, Copy::ToWindow, snapshotOf(app).buffers);
  BlackOrRedForm& w = Black_or_Red_F(app);
  // With both flags set red wins; with neither the lamps keep what they show.
  if (predicted(w.Hit_Hantei_Black)) {
    w.Black_Light.setLit(true);
    w.Red_Light.setLit(false);
  }
  if (predicted(w.Hit_Hantei_Red)) {
    w.Red_Light.setLit(true);
    w.Black_Light.setLit(false);
  }
  ShowVerdict(w.B_OR_R_L, w.Image1, Verdict::Cleared);
}

void RestorePointWindow(App& app) {
  copyPointWindow(app, Copy::ToWindow, snapshotOf(app).buffers);
  PointForm& w = Point_F(app);
  for (int k = 1; k <= 36; ++k) w.Expect_Light(k).setLit(predicted(w.Expect_H(k)));
  ShowVerdict(w.Status_L, w.Image1, Verdict::Cleared);
}

void RestoreAreaWindow(App& app, const SnapshotFile& from) {
  const bool slot = from.isSlot();
  // The rebuild sets base hit levels, so it runs before the texts come back: a slot
  // keeps the hit levels it stored.
  if (slot) ShowAreaSet(app);
  copyAreaWindow(app, Copy::ToWindow, snapshotOf(app).buffers);
  AreaForm& w = Area_F(app);
  for (int k = 1; k <= 7; ++k) ShowVerdict(w.Status_L(k), w.Image1(k), Verdict::Cleared);
  for (int k = 1; k <= 6; ++k) {
    w.Hit_Area_L(k).setVisible(false);
    w.Expect_Light(k).setLit(predicted(w.Expect_H(k)));
  }
}
