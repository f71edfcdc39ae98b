#pragma once

#include <filesystem>
#include <memory>

#include "core/disk.h"
#include "core/folder_lock.h"
#include "core/game_vars.h"
#include "core/services.h"
#include "windows/feature_state.h"
#include "windows/forms.h"

class AreaVerdicts;
struct BookState;
class StatisticsState;
struct RecoveryFiles;
struct StatusSnapshot;
struct TotalWindowTexts;

// One running program: its folder, platform services, game variables and windows.
// Nothing of the program lives outside it, so tests can run many programs side by side.
// Its windows have no handlers until StartProgram (game/startup.h) binds them.
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
  FeatureState<StatusSnapshot> snapshot;
  // The Total window before the last spin, for its undo.
  FeatureState<TotalWindowTexts> totalBeforeSpin;
  // The Area verdicts of this game with their chances, for the statistics window.
  FeatureState<AreaVerdicts> areaVerdicts;
  // What the statistics window keeps between updates.
  FeatureState<StatisticsState> statistics;
  // Set when the program has ended (Exit, or the main window closed).
  bool ended = false;

  // Keeps a second program out of the same folder while this one runs.
  FolderLock folderLock;
  // Runs after every user event, once the event has done all it does (bound at start).
  void (*afterEvent)(App&) = nullptr;
  // User events under way: a timer tick can arrive while a message box waits.
  int eventsRunning = 0;
  // What the recovery pair holds as this program last wrote it.
  FeatureState<RecoveryFiles> recovery;
  // The wheel book and where the game's spins go in it.
  FeatureState<BookState> book;
};
