#include <gtest/gtest.h>

#include "../support/predict_support.h"
#include "game/keyboard.h"
#include "windows/dispatch.h"
#include "windows/key_press.h"

namespace {

std::string typed(TestProgram& p) {
  return p.main().Key_Entry.text();
}

}  // namespace

TEST(Keyboard, ANumberThatIsNoPocketNowIsRefusedShownAndRecordsNothing) {
  TestProgram p{Silent(37)};
  MainForm& m = p.main();
  // The number stays in the entry as typed, marked, with the reason, until the next digit.
  const std::pair<const char*, const char*> refusals[] = {
      {"3 7", "37 はポケットではありません"},      {"0 7", "07 はポケットではありません"},
      {"0 0 0", "000 はポケットではありません"},   {"0 0", "00 は記録できません（00 がオフです）"},
      {"1 2 3 4", "123 はポケットではありません"},  // the fourth digit beeps at once
  };
  for (const auto& [keys, reason] : refusals) {
    EXPECT_NE(p.run(std::string("key ") + keys + " Enter"), "") << keys;
    EXPECT_EQ(RefusalText(p.app()), reason);
    p.run("key 5");
    EXPECT_EQ(typed(p), "5");
    EXPECT_EQ(m.Key_Entry.back(), White);
    EXPECT_EQ(RefusalText(p.app()), "");
    p.run("key Esc");
  }
  EXPECT_EQ(p.run("key 3 7 Enter"), "beep\n");
  EXPECT_EQ(p.run("key Backspace"), "");
  EXPECT_EQ(RefusalText(p.app()), "");
  EXPECT_EQ(m.Total.text(), "0");
  EXPECT_EQ(p.run("key Esc 0 Enter"), "");  // silent program, 0 is still a pocket
  EXPECT_EQ(m.Hit_Count(36).text(), "1");
}

TEST(Keyboard, RefusalsAndQuestionsAreThoseOfTheButton) {
  TestProgram p{Silent(), SettingsFile({.expectCheck = 1})};
  p.app().vars.AreaEditing = 1;
  const std::string refusal = p.run("click Main_F.Count_P(4)");
  ASSERT_NE(refusal, "");
  EXPECT_EQ(p.run("key 5 Enter"), refusal);
  EXPECT_EQ(p.main().Total.text(), "0");
  p.app().vars.AreaEditing = 0;

  // A full round without a prediction asks before the next spin; No keeps it out.
  p.spin(0, 38);
  EXPECT_EQ(p.run("answer no\nkey 5 Enter"), p.run("answer no\nclick Main_F.Count_P(4)"));
  EXPECT_EQ(p.main().Total.text(), "38");
  EXPECT_EQ(typed(p), "");
}

TEST(Keyboard, ShortcutsRunTheirCommands) {
  TestProgram p{Silent(), SettingsFile({})};
  // Expect is refused before a full round, by Space and F5 as by its button.
  const std::string notYet = p.run("click Main_F.Expect");
  ASSERT_NE(notYet, "");
  EXPECT_EQ(p.run("key Space"), notYet);
  EXPECT_EQ(p.run("key F5"), notYet);
  p.spin(0, 38);
  EXPECT_EQ(p.run("key Space"), "");
  EXPECT_EQ(p.app().vars.ExpectDone, 1);

  EXPECT_EQ(p.run("key Ctrl+L\nform Log_F\nkey Ctrl+S\nform Save_Load_F\nkey F1"),
            "Log_F loaded=1 visible=1 topmost=0\nSave_Load_F loaded=1 visible=1 topmost=0\n"
            "help contents\n");
  // Keys the main window has no use for print nothing and change nothing.
  EXPECT_EQ(p.run("key Tab Shift+Tab Esc Enter Backspace F12 Alt+Z Ctrl+7 Q"), "");
  EXPECT_EQ(p.main().Total.text(), "38");
  // Exit asks first about the unsaved game, as its menu item does.
  const std::string question = p.run("answer no\nkey Ctrl+Q");
  EXPECT_EQ(question.substr(0, 8), "msgbox q");
  const std::string ended = p.run("answer yes\nkey Ctrl+Q\nvar PocketCount");
  EXPECT_EQ(ended.substr(ended.size() - 15), "answer yes\nend\n");
}

TEST(Keyboard, CtrlDigitsSwitchTheStatusWindowsAndCtrlTOpensTheStatistics) {
  TestProgram p{Silent(), SettingsFile({})};
  MainForm& m = p.main();
  const struct {
    const char* key;
    CheckBox& box;
    FormId window;
  } switches[] = {{"Ctrl+1", m.OR, FormId::Black_or_Red_F},
                  {"Ctrl+2", m.Area, FormId::Area_F},
                  {"Ctrl+3", m.Point_C, FormId::Point_F},
                  {"Ctrl+4", m.Total_C, FormId::Total_F}};
  for (const auto& s : switches) {
    for (int value : {1, 0}) {
      p.run(std::string("key ") + s.key);
      EXPECT_EQ(s.box.value(), value) << s.key;
      EXPECT_EQ(p.app().forms.host(s.window).record()->visible(), value == 1) << s.key;
    }
  }
  EXPECT_EQ(ShortcutOf(m, m.Point_C), "Ctrl+3");
  EXPECT_EQ(p.run("key Ctrl+T\nform Stats_F"), "Stats_F loaded=1 visible=1 topmost=0\n");
}

TEST(Keyboard, TheLogPagesByKeysAndItsDigitsGoToTheMainEntry) {
  TestProgram p{Silent(), SettingsFile({})};
  p.spin(4, 250);
  p.run("click Main_F.Log_B");
  auto press = [&p](const char* key) {
    Dispatch(p.app(), {EventKind::Key, FormId::Log_F, nullptr, key});
    return p.app().vars.LogPage;
  };
  EXPECT_EQ(press("PgUp"), 1);  // nothing before the first page
  EXPECT_EQ(press("PgDn"), 2);
  EXPECT_EQ(press("End"), 3);  // the newest of 250 entries
  EXPECT_EQ(Log_F(p.app()).Log_No(1).caption(), "201");
  EXPECT_EQ(press("Home"), 1);
  for (int k = 0; k < 60; ++k) press("PgDn");
  EXPECT_EQ(p.app().vars.LogPage, 50);
  press("7");
  press("Enter");
  EXPECT_EQ(p.main().Total.text(), "251");
}

TEST(Keyboard, AKeyLineThatCannotBeReadPressesNothing) {
  TestProgram p;
  EXPECT_EQ(p.run("key 7 Enter Ctrl+ F13"), "error: unknown key: Ctrl+\n");
  EXPECT_EQ(p.run("key 7  Enter"), "error: unknown key: \n");
  EXPECT_EQ(p.run("key 7 Return"), "error: unknown key: Return\n");
  EXPECT_EQ(p.main().Total.text(), "0");
  EXPECT_EQ(p.main().Key_Entry.text(), "");
}

TEST(KeyPress, NamesReadAsBothFrontEndsWriteThem) {
  EXPECT_EQ(ParseKey("Ctrl+Z"), (KeyPress{"Z", true}));
  EXPECT_EQ(ParseKey("ctrl+z"), std::nullopt);
  EXPECT_EQ(ParseKey("Shift+Alt+Ctrl+s"), (KeyPress{"S", true, true, true}));
  EXPECT_EQ(ParseKey("Ctrl+Ctrl+Z"), std::nullopt);
  EXPECT_EQ(ParseKey("F10"), (KeyPress{"F10"}));
  EXPECT_EQ(ParseKey("PgDn"), (KeyPress{"PgDn"}));
  for (const char* bad : {"F0", "F01", "F13", "", " ", "Ctrl+", "Enterr", "é"})
    EXPECT_EQ(ParseKey(bad), std::nullopt) << bad;
}
