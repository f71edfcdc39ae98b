#pragma once

#include <string>

class App;

// The contents of the recovery pair: the game in a slot's layout and the status windows
// with the areas in a slot snapshot's layout. Both empty stands for no pair at all.
struct RecoveryFiles {
  std::string game;
  std::string snapshot;

  bool empty() const { return game.empty() && snapshot.empty(); }
  bool operator==(const RecoveryFiles&) const = default;
};

// The recovery pair: the whole game, written after every change to it, so that a program
// that is killed, crashes or loses its power offers the game again at its next start.
// RESUME.FIL has the layout of a slot's SaveN.FIL, RESUME3.FIL that of its USER3_n.FIL.
inline constexpr char RecoveryGameFile[] = "Data/Files/RESUME.FIL";

// Runs after every user event. Writes the pair, both files together and synced, when the
// game differs from what the pair holds; removes it when no spin is recorded, as a new
// start gives that game anyway. Nothing is written once the program has ended, or while a
// window of the game is unloaded (the system closes them one by one).
void KeepRecoveryFiles(App& app);

// A clean end: the pair is removed.
void DiscardRecoveryFiles(App& app);

// At start, once the main window has loaded: a pair left by the last run is checked
// whole, then offered. Yes puts its game in place as a slot load does; No removes it. A
// damaged pair is reported, set aside under another name and the program starts empty.
void OfferRecoveredGame(App& app);
