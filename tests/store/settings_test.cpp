#include "store/settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

#include "../support/area_sets.h"
#include "../support/test_program.h"

namespace {

std::string user2(const std::string& firstLine, int memberOfArea = 0) {
  AreaOf areas;
  areas.fill(memberOfArea);
  return User2File(areas, firstLine);
}

}  // namespace

TEST(Settings, MissingFilesGiveFactoryValuesAndNothingIsWritten) {
  TestProgram p;
  EXPECT_EQ(Shown(p, "var",
                  "PocketCount SoundOn MainFront PointMode PointLimit OrWindowOn AreaWindowOn "
                  "PointWindowOn TotalWindowOn"),
            "38|1|0|1|10|0|0|0|0");
  EXPECT_EQ(LoadUserSettings(p.app()).outcome, FileResult::Missing);
  EXPECT_EQ(LoadWindowSettings(p.app()).outcome, FileResult::Missing);
  EXPECT_FALSE(p.exists("Data/Files/USER.FIL") || p.exists("Data/Files/USER2.FIL"));
}

TEST(Settings, ShortOrUnreadableFieldsTakeTheirFactoryValue) {
  TestProgram p({{"Data/Files/USER.FIL", "37,x\r\n"}, {"Data/Files/USER2.FIL", "0,0,0,0,1,2\r\n"}});
  EXPECT_EQ(Shown(p, "var", "PocketCount SoundOn ExpectCheckOn PointMode PointLimit"),
            "37|1|1|2|10");
  const FileResult user = LoadUserSettings(p.app());
  EXPECT_EQ(user.outcome, FileResult::Malformed);
  EXPECT_EQ(user.path, "Data/Files/USER.FIL");
  EXPECT_EQ(LoadWindowSettings(p.app()).outcome, FileResult::Malformed);
  // Line breaks anywhere: commas and line ends both separate fields.
  TestProgram q({{"Data/Files/USER.FIL", "37\r\n0\r\n1\r\n"}});
  EXPECT_EQ(Shown(q, "var", "PocketCount SoundOn MainFront"), "37|0|1");
}

TEST(Settings, WritingRewritesTheWholeFileWithMembership) {
  TestProgram p({{"Data/Files/USER2.FIL", user2("0,0,0,0,0,1,0,12", 3)}});
  auto& v = p.app().vars;
  EXPECT_EQ(v.AreaMember(3)(37), 1);
  v.QuickExpectOn = 1;
  EXPECT_TRUE(SaveWindowSettings(p.app()).done());
  EXPECT_EQ(p.readFile("Data/Files/USER2.FIL"), user2("0,0,0,0,0,1,1,12", 3));
  EXPECT_TRUE(LoadWindowSettings(p.app()).done());
  v.SoundOn = 0;
  EXPECT_TRUE(SaveUserSettings(p.app()).done());
  EXPECT_EQ(p.readFile("Data/Files/USER.FIL"), "38,0,0\r\n");
}

TEST(Settings, ValuesOutsideWhatTheProgramCanUseTakeTheirFactoryValue) {
  // Pocket count, sound, point limit and mode as the program takes them; every other switch
  // is off.
  struct Case {
    const char *user, *firstLine, *taken;
  };
  for (const Case& c : {Case{"39,0,0", "0,0,0,0,0,2,0,12", "38|0|12|2"},
                        Case{"36,0,0", "0,0,0,0,0,2,0,0", "38|0|10|2"},
                        Case{"37,4294967296,0", "0,0,0,0,0,2,0,39", "37|1|10|2"},
                        Case{"-38,0,0", "0,0,0,0,0,2,0,-12", "38|0|10|2"},
                        // Switches other than 0 and 1, modes other than 1 and 2.
                        Case{"38,2,-1", "2,0,0,-1,0,3,7,12", "38|1|12|1"},
                        Case{"38,-32768,32767", "0,0,0,0,2,0,0,12", "38|1|12|1"}}) {
    SCOPED_TRACE(c.user);
    TestProgram p({{"Data/Files/USER.FIL", c.user}, {"Data/Files/USER2.FIL", user2(c.firstLine)}});
    EXPECT_EQ(Shown(p, "var", "PocketCount SoundOn PointLimit PointMode"), c.taken);
    EXPECT_EQ(Shown(p, "var", "MainFront OrWindowOn TotalWindowOn ExpectCheckOn QuickExpectOn"),
              "0|0|0|0|0");
    // Spins read the files again; every one of them is recorded.
    p.spin(36);
    p.spin(5);
    EXPECT_EQ(p.main().Total.text(), "2");
  }
}

TEST(Settings, AreaMembershipsAreZeroOrOne) {
  std::string file = user2("0,0,0,0,0,1,0,10", 2);
  file.replace(file.find("\r\n0,1,0"), 7, "\r\n0,7,0");
  file.replace(file.rfind("0,1,0"), 5, "0,-1,0");
  TestProgram p({{"Data/Files/USER2.FIL", file}});
  EXPECT_EQ(Shown(p, "var", "AreaMember2(0) AreaMember2(1) AreaMember2(37)"), "0|1|0");
}

TEST(Settings, AStrayByteCostsOnlyItsOwnField) {
  // One byte that the code page does not define, in a membership line, in the first
  // line, and alone between two commas.
  for (const auto& [line, from, to] :
       {std::tuple{4, "0,0,1", "0,0,1\x80"}, std::tuple{0, ",12", ",1\x80"},
        std::tuple{20, "0,0,1", "0,0,\x80"}}) {
    SCOPED_TRACE(line);
    std::string file = user2("0,1,0,0,0,2,0,12", 3);
    std::size_t at = 0;
    for (int i = 0; i < line; ++i) at = file.find("\r\n", at) + 2;
    file.replace(file.find(from, at), std::string(from).size(), to);
    TestProgram p({{"Data/Files/USER2.FIL", file}});
    const auto& v = p.app().vars;
    EXPECT_EQ(Shown(p, "var", "AreaWindowOn PointMode PointLimit"), line ? "1|2|12" : "1|2|10");
    for (int i = 0; i <= 37; ++i) EXPECT_EQ(v.AreaMember(3)(i), i == line - 1 ? 0 : 1) << i;
    // The next change of a setting keeps every area but the damaged field.
    p.run("click Main_F.OR");
    std::string expected = user2("1,1,0,0,0,2,0,12", 3);
    if (line == 0)
      expected.replace(expected.find(",12"), 3, ",10");
    else
      expected.replace(expected.find("0,0,1", at), 5, "0,0,0");
    EXPECT_EQ(p.readFile("Data/Files/USER2.FIL"), expected);
  }
}

TEST(Settings, FilesThatCannotBeReadGiveFactoryValues) {
  // A folder in place of one, a pipe that nothing writes to in place of the other.
  TestProgram p({{"Data/Files/USER.FIL/keep", ""}});
  ASSERT_EQ(::mkfifo((p.folder() / "Data/Files/USER2.FIL").c_str(), 0644), 0);
  p.restart();
  EXPECT_EQ(LoadUserSettings(p.app()).reason, std::errc::is_a_directory);
  EXPECT_EQ(LoadWindowSettings(p.app()).outcome, FileResult::Failed);
  EXPECT_EQ(Shown(p, "var", "PocketCount PointLimit"), "38|10");
  p.spin(6);
  EXPECT_EQ(p.main().Total.text(), "1");
}
