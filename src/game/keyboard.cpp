#include "game/keyboard.h"

#include "core/number_index.h"
#include "log/log_window.h"
#include "windows/app.h"
#include "windows/dispatch.h"
#include "windows/message.h"

namespace {

// Enough for "00" and for a wrong number to be seen whole before Enter refuses it.
constexpr std::size_t MaxTypedDigits = 3;

// A refused number stays in the entry on this colour until the next key changes it.
constexpr Colour RefusedBack = Colour::rgb(0xFFC0C0);

bool refused(const MainForm& m) {
  return m.Key_Entry.back() == RefusedBack;
}

// Sets the entry's digits; any change takes the refusal mark away.
void setTyped(MainForm& m, const std::string& text) {
  m.Key_Entry.setText(text);
  m.Key_Entry.setBack(White);
}

// A shortcut does what a click on its control of the main window does.
struct Shortcut {
  const char* key;
  const char* control;
};
constexpr Shortcut Shortcuts[] = {
    {"Space", "Expect"}, {"F5", "Expect"},      {"Ctrl+L", "Log_B"},   {"Ctrl+S", "Save_Load"},
    {"F1", "Help"},      {"Ctrl+Q", "Exit"},    {"Ctrl+T", "Stats"},   {"Ctrl+1", "OR"},
    {"Ctrl+2", "Area"},  {"Ctrl+3", "Point_C"}, {"Ctrl+4", "Total_C"},
};

// The log holds 5000 entries, 100 to a page.
constexpr int SpinLogSize = 5000;
constexpr int LogPageSize = 100;

void click(App& app, Control& c) {
  Dispatch(app, {EventKind::Click, FormId::Main_F, &c, {}});
}

// Ctrl+Z: the "＜" of the row of the last spin, which decides whether it can be taken back.
void undoLastSpin(App& app, MainForm& m) {
  const int i = app.vars.LastIndex;
  if (i >= 0 && i <= 37) click(app, m.Count_M(i));
}

void recordTyped(App& app, MainForm& m) {
  const std::string typed = m.Key_Entry.text();
  const int i = IndexOfNumberText(typed);
  // Emptied first: any question the spin asks shows the field already taken.
  setTyped(m, "");
  // A hidden row (00 while the 00 pocket is off) refuses as a number that is no pocket.
  if (i < 0 || Dispatch(app, {EventKind::Click, FormId::Main_F, &m.Count_P(i), {}}) ==
                   DispatchResult::NotShown) {
    m.Key_Entry.setText(typed);
    m.Key_Entry.setBack(RefusedBack);
    Beep(app);
  }
}

// Digits, Enter, Backspace and Esc work on the typed number; Shift is ignored so that
// keyboards that need it for digits can type them.
bool typingKey(App& app, MainForm& m, const std::string& key) {
  TextBox& entry = m.Key_Entry;
  const std::string& typed = entry.text();
  if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') {
    // A refused number gives way to the next one typed.
    if (refused(m))
      setTyped(m, key);
    else if (typed.size() >= MaxTypedDigits)
      Beep(app);
    else
      setTyped(m, typed + key);
    return true;
  }
  if (key == "Enter" || key == "Backspace" || key == "Esc") {
    if (typed.empty()) return false;
    if (key == "Enter")
      recordTyped(app, m);
    else if (key == "Backspace")
      setTyped(m, typed.substr(0, typed.size() - 1));
    else
      setTyped(m, "");
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

bool Log_F_KeyPress(App& app, const KeyPress& key) {
  LogForm& f = Log_F(app);
  if (key == KeyPress{"PgUp"}) {
    Dispatch(app, {EventKind::Click, FormId::Log_F, &f.Page_Back_B, {}});
  } else if (key == KeyPress{"PgDn"}) {
    Dispatch(app, {EventKind::Click, FormId::Log_F, &f.Page_Next_B, {}});
  } else if (key == KeyPress{"Home"}) {
    TurnLogPageTo(app, 1);
  } else if (key == KeyPress{"End"}) {
    // The page of the newest entry.
    int newest = SpinLogSize;
    while (newest > 1 && app.vars.SpinLog(newest) == 0) --newest;
    TurnLogPageTo(app, (newest + LogPageSize - 1) / LogPageSize);
  } else {
    return Main_F_KeyPress(app, key);
  }
  return true;
}

std::string RefusalText(App& app) {
  const MainForm& m = Main_F(app);
  if (!refused(m)) return {};
  const std::string& typed = m.Key_Entry.text();
  if (IndexOfNumberText(typed) == 37 && app.vars.PocketCount != 38)
    return typed + " は記録できません（00 がオフです）";
  return typed + " はポケットではありません";
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
