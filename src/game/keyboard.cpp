#include "game/keyboard.h"

#include "core/number_index.h"
#include "windows/app.h"
#include "windows/dispatch.h"
#include "windows/message.h"

namespace {

// Enough for "00" and for a wrong number to be seen whole before Enter refuses it.
constexpr std::size_t MaxTypedDigits = 3;

// A shortcut does what a click on its control of the main window does.
struct Shortcut {
  const char* key;
  const char* control;
};
constexpr Shortcut Shortcuts[] = {
    {"Space", "Expect"},     {"F5", "Expect"}, {"Ctrl+L", "Log_B"},
    {"Ctrl+S", "Save_Load"}, {"F1", "Help"},   {"Ctrl+Q", "Exit"},
};

void click(App& app, Control& c) {
  Dispatch(app, {EventKind::Click, FormId::Main_F, &c, {}});
}

// Ctrl+Z: the "＜" of the row of the last spin, which decides whether it can be taken back.
void undoLastSpin(App& app, MainForm& m) {
  const int i = app.vars.LastIndex;
  if (i >= 0 && i <= 37) click(app, m.Count_M(i));
}

void recordTyped(App& app, MainForm& m) {
  const int i = IndexOfNumberText(m.Key_Entry.text());
  // Emptied first: any question the spin asks shows the field already taken.
  m.Key_Entry.setText("");
  // A hidden row (00 while the 00 pocket is off) refuses as a number that is no pocket.
  if (i < 0 || Dispatch(app, {EventKind::Click, FormId::Main_F, &m.Count_P(i), {}}) ==
                   DispatchResult::NotShown)
    Beep(app);
}

// Digits, Enter, Backspace and Esc work on the typed number; Shift is ignored so that
// keyboards that need it for digits can type them.
bool typingKey(App& app, MainForm& m, const std::string& key) {
  TextBox& entry = m.Key_Entry;
  const std::string& typed = entry.text();
  if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') {
    if (typed.size() >= MaxTypedDigits)
      Beep(app);
    else
      entry.setText(typed + key);
    return true;
  }
  if (key == "Enter" || key == "Backspace" || key == "Esc") {
    if (typed.empty()) return false;
    if (key == "Enter")
      recordTyped(app, m);
    else if (key == "Backspace")
      entry.setText(typed.substr(0, typed.size() - 1));
    else
      entry.setText("");
    return true;
  }
  return false;
}

}  // namespace

bool Main_F_KeyPress(App& app, const KeyPress& key) {
  MainForm& m = Main_F(app);
  if (!key.ctrl && !key.alt && typingKey(app, m, key.key)) return true;
  if (key == KeyPress{"Z", true}) {
    undoLastSpin(app, m);
    return true;
  }
  for (const Shortcut& s : Shortcuts) {
    if (key == ParseKey(s.key)) {
      click(app, *m.find(s.control)->at(0));
      return true;
    }
  }
  return false;
}

std::string ShortcutOf(const MainForm& m, const Control& c) {
  std::string keys;
  for (const Shortcut& s : Shortcuts) {
    if (m.find(s.control)->at(0) != &c) continue;
    if (!keys.empty()) keys += ", ";
    keys += s.key;
  }
  return keys;
}
