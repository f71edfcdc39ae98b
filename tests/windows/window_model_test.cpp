#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "../support/test_program.h"
#include "windows/dispatch.h"

TEST(WindowModel, CheckBoxRunsItsHandlerOnlyWhenItsValueChanges) {
  TestProgram p;
  MainForm& m = p.main();
  const std::string shown = "form Black_or_Red_F";
  m.OR.setValue(p.app(), 1);
  EXPECT_EQ(p.run(shown),
            "sound Data/Sound/BGM1.wav\nBlack_or_Red_F loaded=1 visible=1 topmost=1\n");
  m.OR.setValue(p.app(), 1);
  EXPECT_EQ(p.run(""), "");
  m.OR.setValue(p.app(), 0);
  EXPECT_EQ(p.run(shown),
            "sound Data/Sound/BGM1.wav\nBlack_or_Red_F loaded=1 visible=0 topmost=1\n");
}

TEST(WindowModel, ChangesBumpControlAndWindowCountersOnlyWhenAValueChanges) {
  TestProgram p;
  MainForm& m = p.main();
  const auto control = m.Total.version();
  const auto window = m.version();
  m.Total.setText("0");
  EXPECT_TRUE(m.Total.version() == control && m.version() == window);
  m.Total.setText("1");
  EXPECT_TRUE(m.Total.version() > control && m.version() > window);
}

TEST(WindowModel, UnloadDiscardsTheRecordAndTheNextUseStartsFromDesignValuesAndHandlers) {
  TestProgram p;
  PointForm& first = Point_F(p.app());
  first.Hit_T.setText("5");
  const auto generation = p.app().forms.point.generation();
  p.app().forms.point.unload(p.app());
  EXPECT_FALSE(p.app().forms.point.loaded());
  PointForm& second = Point_F(p.app());
  EXPECT_EQ(second.Hit_T.text(), "0");
  EXPECT_GT(p.app().forms.point.generation(), generation);
  // The new record's controls are bound to their handlers as the first one's were.
  RunHandler(p.app(), second.UP_1);
  EXPECT_EQ(second.Limit_C.caption(), "11");
}

TEST(WindowModel, DispatchIgnoresClicksOnControlsThatAreNotShown) {
  TestProgram p({{"Data/Files/USER.FIL", "37,1,0\r\n"}});
  EXPECT_EQ(Dispatch(p.app(), {EventKind::Click, FormId::Main_F, &p.main().Count_P(37), {}}),
            DispatchResult::NotShown);
  EXPECT_EQ(p.main().Hit_Count(37).text(), "0");
  EXPECT_EQ(p.run("click Main_F.Count_P(37)"), "error: Main_F.Count_P(37) is not shown\n");
}

// Every window of the table: its host and record carry its id, a script reaches it by its
// registry name, and every address its dump lists is its own and leads back to the same
// control.
TEST(WindowModel, EveryWindowIsReachedByItsNameAndEveryAddressItListsLeadsBack) {
  TestProgram p;
  for (int i = 0; i < FormCount; ++i) {
    const auto id = static_cast<FormId>(i);
    const std::string name = FormName(id);
    SCOPED_TRACE(name);
    EXPECT_EQ(FormByName(name), id);
    FormHostBase& host = p.app().forms.host(id);
    EXPECT_EQ(host.id(), id);
    EXPECT_EQ(host.load(p.app()).id(), id);
    p.run("");
    const std::string dump = p.run("dump " + name);
    std::istringstream lines(dump);
    std::string line, gets;
    std::set<std::string> addresses;
    while (std::getline(lines, line)) {
      const std::string address = line.substr(0, line.find('='));
      EXPECT_TRUE(addresses.insert(address).second) << address;
      gets += "get " + address + "\n";
    }
    EXPECT_NE(gets, "");
    EXPECT_EQ(p.run(gets), dump);
  }
}
