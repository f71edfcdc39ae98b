#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "game/spin_entry.h"
#include "store/wheel_book.h"

class App;
struct WheelTally;

// The game's side of the wheel book: which session and wheel its spins go to.
struct BookState {
  WheelBook book;
  // A failure of the book is told once; the game goes on without it.
  bool told = false;
  // The session the next spin goes to; 0 starts a new one.
  std::int64_t session = 0;
  std::int64_t lastSpinAt = 0;
  // The book's id of the game's last spin while the undo can take it back; 0 otherwise.
  std::int64_t lastSpin = 0;
  // Every spin of the current wheel, oldest first, for the statistics; read on first use
  // and kept up to date with each spin and undo.
  std::optional<std::vector<signed char>> wheelSpins;
  // The pockets of the current wheel, read with its spins.
  int wheelPockets = 38;

  // The book's window: the lists as last read, the rows picked and the first row shown.
  std::vector<BookWheel> wheelList;
  std::vector<BookSession> sessionList;
  std::int64_t pickedWheel = 0;
  std::int64_t pickedSession = 0;
  int wheelTop = 0;
  int sessionTop = 0;
};

BookState& BookOf(App& app);

// A session ends after this long without a spin.
inline constexpr std::int64_t SessionGap = 2 * 60 * 60;

// At start, before the recovered game is offered: opens the book, telling the player when
// a damaged one was set aside or it cannot be used.
void OpenWheelBook(App& app);
// At start: the recovered game holds `spins` (0 when there is none); the book takes back
// an event of the last run that the game does not hold.
void SettleWheelBook(App& app, long spins);

// A spin recorded in the game goes to the book: the first after a new game, a change of
// wheel, or two hours without a spin starts a session.
void RecordInBook(App& app, int index, SpinSource source);
// The undo took the game's last spin back.
void TakeBackFromBook(App& app);
// Another game took the place of this one (clear, slot load, restore): its spins are in
// the book already, and the next spin starts a session.
void NewGameInBook(App& app);
// After every user event, once the recovery files hold the game.
void ConfirmBook(App& app);

// Makes another wheel the current one; the next spin starts a session.
FileResult ChooseBookWheel(App& app, std::int64_t wheel);
// A session was deleted: the statistics read the wheel again.
void ForgetWheelSpins(App& app);

// Every spin of the current wheel, for the statistics.
WheelTally WheelBookTally(App& app);
// Tells the player once that the book failed; false when `r` is not done.
bool TellBookFault(App& app, const FileResult& r);
