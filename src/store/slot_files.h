#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/file_result.h"
#include "core/indexed_array.h"
#include "store/snapshot_files.h"

class App;

// What SaveN.FIL of save slot n holds: the main window's figures, the Total window's
// tallies and the spin log. The slot's areas and status windows are in its snapshot file.
// The recovery pair's game file has the same layout.
struct SlotFile {
  std::string date, comment, total, round, red, black;
  IndexedArray<std::string, 0, 37> hitCount;
  IndexedArray<std::string, 0, 37> rate;
  IndexedArray<std::string, 0, 24> logText;
  IndexedArray<int, 0, 24> logColour;
  std::string expectHit, expectOut, winRate;
  IndexedArray<int, 1, 5000> spinLog;
};

// "Data/Files/SaveN.FIL".
std::string SlotFileName(int n);

// The bytes of SaveN.FIL.
std::string SlotFileBytes(const SlotFile& f);

// The content of SaveN.FIL's bytes; nothing when they are short or malformed, or when
// their figures contradict each other in a way no game can (see slot_files.cpp).
std::optional<SlotFile> ParseSlotFile(std::string_view bytes);

// Reads a file of SaveN.FIL's layout whole (`relative` as SlotFileName gives it).
FileRead<SlotFile> ReadSlotFile(const App& app, const std::string& relative);

// The date and comment on the first line of SaveN.FIL; empty for a slot never saved or
// unreadable.
FileRead<std::pair<std::string, std::string>> SlotListing(const App& app, int n);

// Save slot n: SaveN.FIL with `game`, and USER3_n.FIL with the areas and the status
// windows. Both change together or not at all, and are synced: a slot outlasts a power cut.
[[nodiscard]] FileResult WriteSlot(App& app, int n, const SlotFile& game, int expectDone,
                                   const SnapshotBuffers& buffers, const AreaTables& areas);
