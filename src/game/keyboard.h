#pragma once

#include <string>

#include "windows/key_press.h"

class App;
class Control;
class MainForm;

// Typing on the main window. Digits gather in Key_Entry; Enter records the typed number
// as a click on that row's "＞" does, or refuses it when it names no pocket shown now:
// a beep, and the number stays in the entry, marked, until the next key changes it;
// Backspace takes back a digit and Esc clears them. Shortcuts click their control:
// Ctrl+Z the "＜" of the last spin, Space and F5 Expect, Ctrl+L Log, Ctrl+S Save_Load,
// F1 Help, Ctrl+Q Exit, Ctrl+T the statistics, Ctrl+1..4 the OR, Area, Point and Total
// check boxes. Returns false for a key the main window has no use for.
bool Main_F_KeyPress(App& app, const KeyPress& key);

// The log window pages by PgUp and PgDn, as its page buttons do; Home shows the first
// page, End the page of the newest entry. Other keys are the main window's.
bool Log_F_KeyPress(App& app, const KeyPress& key);

// Why the number in the entry was refused ("37 はポケットではありません"); empty when the
// entry holds no refused number.
std::string RefusalText(App& app);

// The shortcuts that click a control of the main window ("Ctrl+S" for Save_Load, "Space,
// F5" for Expect); empty when it has none.
std::string ShortcutOf(const MainForm& m, const Control& c);
