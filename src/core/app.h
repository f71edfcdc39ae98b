#pragma once

#include <filesystem>
#include <memory>

#include "core/game_vars.h"
#include "core/services.h"
#include "store/disk.h"
#include "store/snapshot_files.h"
#include "windows/forms.h"

// One running program: its folder, platform services, game variables and windows.
// Nothing of the program lives outside it, so tests can run many programs side by side.
class App {
 public:
  App(std::filesystem::path folder, Services services);
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  std::filesystem::path folder;
  Services services;
  // Every change to the program's files goes through it; a test may put its own in place.
  std::unique_ptr<Disk> disk = std::make_unique<Disk>();
  GameVars vars;
  Forms forms;
  // The status windows on their way to and from REAL_SAVE.FIL and the slots.
  Snapshot snapshot;
  // Set when the program has ended (Exit, or the main window closed).
  bool ended = false;
};

// Starts the program as a user launching it would: files left by an interrupted save are
// put right, then the main window loads and shows.
void StartProgram(App& app);
