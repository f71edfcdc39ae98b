#include "core/settings.h"

#include <gtest/gtest.h>

#include "../support/test_program.h"

namespace {

std::string user2(const std::string& firstLine, int memberOfArea = 0) {
  std::string s = firstLine + "\r\n";
  for (int i = 0; i < 38; ++i) {
    for (int k = 1; k <= 6; ++k)
      s += std::string(k == 1 ? "" : ",") + (k == memberOfArea ? "1" : "0");
    s += "\r\n";
  }
  return s;
}

}  // namespace

TEST(Settings, MissingFilesGiveFactoryValuesAndNothingIsWritten) {
  TestProgram p;
  const auto& v = p.app().vars;
  EXPECT_EQ(v.PocketCount, 38);
  EXPECT_EQ(v.SoundOn, 1);
  EXPECT_EQ(v.MainFront, 0);
  EXPECT_EQ(v.PointMode, 1);
  EXPECT_EQ(v.PointLimit, 10);
  EXPECT_EQ(v.OrWindowOn + v.AreaWindowOn + v.PointWindowOn + v.TotalWindowOn, 0);
  EXPECT_FALSE(p.exists("Data/Files/USER.FIL"));
  EXPECT_FALSE(p.exists("Data/Files/USER2.FIL"));
}

TEST(Settings, ShortOrUnreadableFieldsTakeTheirFactoryValue) {
  TestProgram p({{"Data/Files/USER.FIL", "37,x\r\n"}, {"Data/Files/USER2.FIL", "0,0,0,0,1,2\r\n"}});
  const auto& v = p.app().vars;
  EXPECT_EQ(v.PocketCount, 37);
  EXPECT_EQ(v.SoundOn, 1);
  EXPECT_EQ(v.ExpectCheckOn, 1);
  EXPECT_EQ(v.PointMode, 2);
  EXPECT_EQ(v.PointLimit, 10);
}

TEST(Settings, WritingRewritesTheWholeFileWithMembership) {
  TestProgram p({{"Data/Files/USER2.FIL", user2("0,0,0,0,0,1,0,12", 3)}});
  auto& v = p.app().vars;
  EXPECT_EQ(v.AreaMember(3)(37), 1);
  v.QuickExpectOn = 1;
  SaveWindowSettings(p.app());
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL"), user2("0,0,0,0,0,1,1,12", 3));
  v.SoundOn = 0;
  SaveUserSettings(p.app());
  EXPECT_EQ(p.readFile("Data/Files/USER.FIL"), "38,0,0\r\n");
}

TEST(Settings, ValuesAreTakenInFileOrderAcrossLines) {
  // Line breaks anywhere: commas and line ends both separate fields.
  TestProgram p({{"Data/Files/USER.FIL", "37\r\n0\r\n1\r\n"}});
  EXPECT_EQ(p.app().vars.PocketCount, 37);
  EXPECT_EQ(p.app().vars.SoundOn, 0);
  EXPECT_EQ(p.app().vars.MainFront, 1);
}

TEST(Settings, AFailedWriteSaysSoAndKeepsTheOldFile) {
  TestProgram p({{"Data/Files/USER.FIL", "38,1,0\r\n"}});
  // A folder where the temporary file must go makes the write fail.
  std::filesystem::create_directories(p.folder() / "Data/Files/USER.FIL.tmp");
  p.app().vars.SoundOn = 0;
  SaveUserSettings(p.app());
  const std::string printed = p.run("");
  EXPECT_NE(printed.find("msgbox stop ok \"00 Varnet\" "
                         "\"ファイルに保存できませんでした。\\n\\rData/Files/USER.FIL\""),
            std::string::npos)
      << printed;
  EXPECT_EQ(p.readFile("Data/Files/USER.FIL"), "38,1,0\r\n");
}
