// The layouts of the slot and snapshot files, straight on the fuzzed bytes: whatever
// reads as one must hold figures the program can work with, and must write back into
// bytes that read back to the same content.
#include "core/figure_range.h"
#include "fuzz_program.h"
#include "store/slot_files.h"
#include "store/snapshot_files.h"

namespace {

void slotFile(std::string_view bytes) {
  const auto f = ParseSlotFile(bytes);
  if (!f) return;
  Require(FigureInRange(f->total, Figure::Count), "a slot's spin count is a count");
  const std::string written = SlotFileBytes(*f);
  const auto back = ParseSlotFile(written);
  Require(back.has_value(), "a slot file the program writes reads back");
  Require(SlotFileBytes(*back) == written, "a slot file reads back as it was written");
}

void snapshotFile(std::string_view bytes, bool slot) {
  const auto c = ParseSnapshotFile(bytes, slot);
  if (!c) return;
  Require(c->expectDone == 0 || c->expectDone == 1, "ExpectDone is 0 or 1");
  const std::string written =
      SnapshotFileBytes(c->expectDone, c->buffers, slot ? &c->areas : nullptr);
  const auto back = ParseSnapshotFile(written, slot);
  Require(back.has_value(), "a snapshot file the program writes reads back");
  Require(
      SnapshotFileBytes(back->expectDone, back->buffers, slot ? &back->areas : nullptr) == written,
      "a snapshot file reads back as it was written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = InputBytes(data, size);
  slotFile(bytes);
  snapshotFile(bytes, false);
  snapshotFile(bytes, true);
  return 0;
}
