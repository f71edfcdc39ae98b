#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "core/indexed_array.h"
#include "store/slot_files.h"
#include "store/snapshot_files.h"

// A verdict as a status window shows it: the label's caption and colours, and whether
// its picture is shown.
struct ShownVerdict {
  std::string caption;
  Colour fore = ButtonText, back = ButtonFace;
  int picture = 0;
};

// What a game holds between two events that no save slot keeps, so that a game restored
// from the recovery file goes on exactly as it would have: the undo of the last spin,
// the verdicts, lamps and hold count on show, and a reveal under way.
struct ResumeState {
  int lastIndex = 100, lastArea = 0, lastColour = 0, unsaved = 0;
  int expectColour = 0, pointExpectVoid = 0, expectArea = 0;
  int playing = 0, playInterval = 0, blinkArea = 0, blinkPoint = 0, blinkPhase = 0;
  std::string holdCount;  // Point_F.Ex_Limit
  ShownVerdict orVerdict, pointVerdict, totalVerdict;
  IndexedArray<ShownVerdict, 1, 7> areaVerdict;
  int blackLight = 0, redLight = 0;
  IndexedArray<int, 1, 36> pointLight;
  IndexedArray<int, 1, 6> areaLight, areaHit;
  IndexedArray<std::string, 1, 6> drawWeight;  // Area_F.Expect_Hit_P
  // The Total window before the last spin, for its undo.
  std::string totalHits, totalOuts, totalRate;
  ShownVerdict totalVerdictBefore;
  // REAL_SAVE.FIL as the undo would read it; empty when there is nothing to take back.
  std::string undoSnapshot;
};

// The recovery file, RESUME.FIL: the game in a slot's SaveN.FIL layout, the status
// windows and areas in a slot's USER3_n.FIL layout, then a section of the recovery
// file's own (ResumeState), and last the undo snapshot in REAL_SAVE.FIL's layout when
// there is one.
struct RecoveryFile {
  SlotFile game;
  SnapshotContent snapshot;
  ResumeState resume;
};

std::string RecoveryFileBytes(const RecoveryFile& f);

// The recovery file's content; nothing when it is short or malformed, or not written as
// this program writes it (so that what loads saves back byte for byte).
std::optional<RecoveryFile> ParseRecoveryFile(std::string_view bytes);
