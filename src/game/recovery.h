#pragma once

#include <string>

class App;

// The recovery file as this program last wrote it; empty for no file at all.
struct RecoveryFiles {
  std::string bytes;

  bool empty() const { return bytes.empty(); }
  bool operator==(const RecoveryFiles&) const = default;
};

// The recovery file: the whole game, written after every change to it, so that a program
// that is killed, crashes or loses its power offers the game again at its next start, to
// go on exactly as it would have (store/recovery_file.h).
inline constexpr char RecoveryGameFile[] = "Data/Files/RESUME.FIL";

// The recovery file's bytes for the game as it stands.
std::string RecoveryBytes(App& app);

// Runs after every user event. Replaces the file when the game differs from what it
// holds (the disk's worker syncs it a moment later); removes it when no spin is
// recorded, as a new start gives that game anyway. Nothing is written once the program
// has ended, or while a window of the game is unloaded (the system closes them one by
// one). A sync that failed on the worker since the last event is reported.
void KeepRecoveryFiles(App& app);

// A clean end: the file is removed.
void DiscardRecoveryFiles(App& app);

// The program ends: waits until every file written is on the disk. The synced copy of
// the recovery file is then needless and goes.
void SettleFiles(App& app);

// At start, once the main window has loaded: a file left by the last run is checked
// whole, then offered. Yes puts its game in place; No removes it. A damaged file is
// reported, set aside under another name and the program starts empty.
void OfferRecoveredGame(App& app);
