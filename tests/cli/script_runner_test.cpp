#include <gtest/gtest.h>

#include "../support/test_program.h"
#include "windows/message.h"

TEST(ScriptRunner, TextsAreEscaped) {
  TestProgram p;
  p.main().Total.setText("a\\b\"c\r\nメモリ");
  EXPECT_EQ(p.run("get Main_F.Total.text"), "Main_F.Total.text=a\\\\b\"c\\r\\nメモリ\n");
}

TEST(ScriptRunner, MessageBoxesTakeQueuedAnswersAndComplainWithoutOne) {
  TestProgram p;
  EXPECT_EQ(AskYesNo(p.app(), "say \"yes\""), false);
  EXPECT_EQ(p.run(""),
            "msgbox question yesno \"00 Varnet\" \"say \\\"yes\\\"\"\nerror: no answer "
            "queued\nanswer no\n");
  p.run("answer yes no");
  EXPECT_TRUE(AskYesNo(p.app(), "a"));
  EXPECT_FALSE(AskYesNo(p.app(), "b"));
  EXPECT_EQ(p.exitCode(), 2);
}

TEST(ScriptRunner, FormAndDumpDescribeWindows) {
  TestProgram p;
  EXPECT_EQ(p.run("form Main_F\nform Log_F\nform Point_F"),
            "Main_F loaded=1 visible=1 topmost=0\nLog_F loaded=0 visible=0 topmost=0\n"
            "Point_F loaded=1 visible=0 topmost=1\n");
  const std::string dump = p.run("dump Main_F");
  EXPECT_EQ(dump.substr(0, dump.find('\n', dump.find('\n') + 1) + 1),
            "Main_F.Deme(0).caption=1\nMain_F.Deme(0).back=#C00000\n");
  EXPECT_NE(dump.find("Main_F.Hit_Level_10(37).picture=empty\n"), std::string::npos);
  EXPECT_NE(dump.find("Main_F.Play.enabled=0\nMain_F.Play.interval=0\n"), std::string::npos);
  EXPECT_NE(dump.find("Main_F.Zero_Check.caption=\"00\"\nMain_F.Zero_Check.checked=1\n"),
            std::string::npos);
  EXPECT_NE(dump.find("Main_F.OR.caption=OR\nMain_F.OR.visible=1\nMain_F.OR.value=0\n"),
            std::string::npos);
}
