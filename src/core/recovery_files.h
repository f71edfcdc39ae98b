#pragma once

#include <string>

// The contents of the recovery pair: the game in a slot's layout and the status windows
// with the areas in a slot snapshot's layout. Both empty stands for no pair at all.
struct RecoveryFiles {
  std::string game;
  std::string snapshot;

  bool empty() const { return game.empty() && snapshot.empty(); }
  bool operator==(const RecoveryFiles&) const = default;
};
