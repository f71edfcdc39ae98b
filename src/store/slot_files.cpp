#include "store/slot_files.h"

#include <algorithm>

#include "core/numeric.h"
#include "store/data_file.h"

namespace {

// The layout of SaveN.FIL (5128 lines). Date and comment come first so that the slot
// list needs only the first line. The writer walks a const SlotFile, the reader a
// mutable one.
template <class Io, class File>
void walkSlot(Io& io, File& f) {
  io.text(f.date);
  io.text(f.comment);
  io.figure(f.total, Figure::Count);
  io.figure(f.round, Figure::Amount);
  io.figure(f.red, Figure::Count);
  io.figure(f.black, Figure::Count);
  io.endLine();
  for (auto [column, kind] :
       {std::pair{&f.hitCount, Figure::Count}, std::pair{&f.rate, Figure::Shown}}) {
    for (auto& s : *column) {
      io.figure(s, kind);
      io.endLine();
    }
  }
  for (auto& s : f.logText) {
    io.text(s);
    io.endLine();
  }
  for (auto& c : f.logColour) {
    io.integer(c, 0, 4);
    io.endLine();
  }
  io.figure(f.expectHit, Figure::Amount);
  io.figure(f.expectOut, Figure::Amount);
  io.figure(f.winRate, Figure::Shown);
  io.endLine();
  for (auto& k : f.spinLog) {
    io.integer(k, 0, 38);
    io.endLine();
  }
}

// Whether the figures hold together as every game of this program keeps them: each spin
// is counted on one number and is red, black or neither, and the log holds one entry for
// each of the first spins it has room for and nothing after them (a take-back clears the
// last entry). A file that breaks this was damaged or made elsewhere.
bool figuresAgree(const SlotFile& f) {
  const long total = CInt(Val(f.total));
  long hits = 0;
  for (const std::string& s : f.hitCount) hits += CInt(Val(s));
  if (hits != total || CInt(Val(f.red)) + CInt(Val(f.black)) > total) return false;
  const long logged = std::min<long>(total, f.spinLog.size);
  for (int k = 1; k <= f.spinLog.size; ++k)
    if ((f.spinLog(k) != 0) != (k <= logged)) return false;
  return true;
}

}  // namespace

std::string SlotFileName(int n) {
  return "Data/Files/Save" + std::to_string(n) + ".FIL";
}

std::string SlotFileBytes(const SlotFile& f) {
  LayoutWriter out;
  walkSlot(out, f);
  return std::move(out.bytes);
}

std::optional<SlotFile> ParseSlotFile(std::string_view bytes) {
  SlotFile f;
  if (!ParseLayout(bytes, [&f](LayoutReader& in) { walkSlot(in, f); }) || !figuresAgree(f))
    return std::nullopt;
  return f;
}

FileRead<SlotFile> ReadSlotFile(const App& app, const std::string& relative) {
  return ReadLayoutFile<SlotFile>(app, relative, ParseSlotFile);
}

FileRead<std::pair<std::string, std::string>> SlotListing(const App& app, int n) {
  const std::string name = SlotFileName(n);
  const auto bytes = ReadDataFileLine(app, name);
  if (!bytes.result.done()) return {bytes.result};
  LayoutReader in(bytes.value);
  std::string date, comment;
  in.text(date);
  in.text(comment);
  if (!in.ok()) return {{FileResult::Malformed, name}};
  return {{}, {date, comment}};
}

FileResult WriteSlot(App& app, int n, const SlotFile& game, int expectDone,
                     const SnapshotBuffers& buffers, const AreaTables& areas) {
  const SnapshotFile snapshot = SlotSnapshotFile(n);
  return SaveDataFiles(app,
                       {{SlotFileName(n), SlotFileBytes(game)},
                        {snapshot.name(), SnapshotFileBytes(expectDone, buffers, &areas)}},
                       true);
}
