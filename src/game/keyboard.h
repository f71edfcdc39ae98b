#pragma once

#include <string>

#include "windows/key_press.h"

class App;
class Control;
class MainForm;

// Typing on the main window. Digits gather in Key_Entry; Enter records the typed number
// as a click on that row's "＞" does, or beeps when it names no pocket shown now;
// Backspace takes back a digit and Esc clears them. Shortcuts click their control:
// Ctrl+Z the "＜" of the last spin, Space and F5 Expect, Ctrl+L Log, Ctrl+S Save_Load,
// F1 Help, Ctrl+Q Exit. Returns false for a key the main window has no use for.
bool Main_F_KeyPress(App& app, const KeyPress& key);

// The shortcuts that click a control of the main window ("Ctrl+S" for Save_Load, "Space,
// F5" for Expect); empty when it has none.
std::string ShortcutOf(const MainForm& m, const Control& c);
