#pragma once

#include <optional>
#include <string>
#include <string_view>

// A key press as both front ends name it: one character ("7", "Z") or a named key
// ("Enter", "Esc", "Backspace", "Space", "Tab", "PgUp", "PgDn", "Home", "End",
// "F1".."F12"), with the modifiers held.
struct KeyPress {
  std::string key;
  bool ctrl = false;
  bool alt = false;
  bool shift = false;

  bool operator==(const KeyPress&) const = default;
};

// Reads a token such as "Ctrl+Z", "Enter" or "0": modifiers first, each followed by "+".
// A letter names its key in either case. Null when the token names no key.
std::optional<KeyPress> ParseKey(std::string_view token);
