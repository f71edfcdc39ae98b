#include "windows/key_press.h"

#include <array>
#include <utility>

namespace {

bool isNamedKey(std::string_view key) {
  static constexpr std::array<std::string_view, 9> named = {
      "Enter", "Esc", "Backspace", "Space", "Tab", "PgUp", "PgDn", "Home", "End"};
  for (std::string_view n : named)
    if (key == n) return true;
  // F1..F12
  if (key.size() < 2 || key.size() > 3 || key[0] != 'F') return false;
  int n = 0;
  for (char c : key.substr(1)) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  return key[1] != '0' && n >= 1 && n <= 12;
}

// Takes `prefix` off the front of `token` when it is there.
bool strip(std::string_view& token, std::string_view prefix) {
  if (token.size() <= prefix.size() || token.substr(0, prefix.size()) != prefix) return false;
  token.remove_prefix(prefix.size());
  return true;
}

}  // namespace

std::optional<KeyPress> ParseKey(std::string_view token) {
  KeyPress k;
  // The modifiers may come in any order, each once.
  const std::pair<std::string_view, bool*> modifiers[] = {
      {"Ctrl+", &k.ctrl}, {"Alt+", &k.alt}, {"Shift+", &k.shift}};
  for (bool found = true; found;) {
    found = false;
    for (const auto& [prefix, held] : modifiers) {
      if (*held || !strip(token, prefix)) continue;
      *held = true;
      found = true;
    }
  }
  if (token.size() == 1) {
    const char c = token[0];
    // Printable characters but the space, which has its name.
    if (c <= ' ' || c > '~') return std::nullopt;
    k.key = std::string(1, c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    return k;
  }
  if (!isNamedKey(token)) return std::nullopt;
  k.key = std::string(token);
  return k;
}
