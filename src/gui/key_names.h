#pragma once

#include <QString>
#include <optional>
#include <string>

class QKeyEvent;

// The name the program gives a key press ("7", "Enter", "Ctrl+Z"); the keypad's digits and
// Enter name the same keys as the main keyboard's. Null for a key the program never uses
// (arrows, a modifier on its own, characters outside ASCII).
std::optional<std::string> KeyName(const QKeyEvent& e);

// A menu item's text: its first letter or digit underlined for Alt (or, when it has none,
// its Ctrl shortcut's letter added in brackets), and the shortcut that also runs it, if
// any, shown beside it unless `showShortcut` is false (the menu bar has no room).
QString MenuText(const std::string& caption, const std::string& shortcut = {},
                 bool showShortcut = true);
