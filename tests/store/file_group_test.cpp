#include <gtest/gtest.h>

#include <map>

#include "../support/failing_disk.h"
#include "../support/test_program.h"

namespace fs = std::filesystem;

namespace {

using Files = std::map<std::string, std::string>;
using Group = std::vector<std::string>;

// A save the program makes, and the files it writes: each group changes together.
struct Writer {
  const char* what;
  const char* before;  // script lines that lead up to the save
  const char* save;    // "{dir}" stands for the program folder
  std::vector<Group> groups;
  // Script lines that print what the game holds about the save: while the first group
  // is as it was, so must that be; once it is written, it is as after a save that works.
  const char* state = nullptr;
  // The save changes the game (a slot save what is unsaved), which the recovery file then
  // keeps.
  bool keepsGame = false;
};

const Group Slot2 = {"Save2.FIL", "USER3_2.FIL"};
const char* const SlotState = "var Unsaved\nvar SlotMode\nget Save_Load_F.Date(2).caption";

const Writer Writers[] = {
    {"USER.FIL by the BGM menu",
     "click Main_F.BGM_Check",
     "click Main_F.BGM_Check",
     {{"USER.FIL"}}},
    {"USER2.FIL by a status window box", "click Main_F.OR", "click Main_F.OR", {{"USER2.FIL"}}},
    {"REAL_SAVE.FIL by a spin",
     "click Main_F.Count_P(6)",
     "click Main_F.Count_P(7)",
     {{"REAL_SAVE.FIL"}},
     nullptr,
     true},
    {"a slot saved over",
     "click Main_F.Count_P(6)\nclick Main_F.Save_Load\nnow 2026/01/01 09:00:00\n"
     "answer yes\nclick Save_Load_F.Save(2)\nclick Main_F.Count_P(20)\nnow 2026/01/01 10:00:00",
     "answer yes\nclick Save_Load_F.Save(2)",
     {Slot2, {"USER2.FIL"}},
     SlotState,
     true},
    {"a slot saved for the first time",
     "click Main_F.Count_P(6)\nclick Main_F.Save_Load\nnow 2026/01/01 09:00:00",
     "answer yes\nclick Save_Load_F.Save(2)",
     {Slot2, {"USER2.FIL"}},
     SlotState,
     true},
    {"USER.FIL by the zero setting",
     "click Main_F.Zero_Check",
     "click Main_F.Zero_Check",
     {{"USER.FIL"}}},
    {"USER2.FIL by a slot load",
     "click Main_F.Count_P(6)\nclick Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(2)\n"
     "click Main_F.OR",
     "answer yes\nclick Save_Load_F.Load(2)",
     {{"USER2.FIL"}},
     nullptr,
     true},
    {"USER2.FIL by the point limit", "click Main_F.Point_C", "click Point_F.UP_1", {{"USER2.FIL"}}},
    {"an export beside the data folder",
     "click Main_F.Count_P(6)",
     "file {dir}/spins.csv\nclick Main_F.Export_Spins",
     {{"../spins.csv"}}},
};

std::string saveIn(const Writer& w, const TestProgram& p) {
  std::string save = w.save;
  if (const auto at = save.find("{dir}"); at != std::string::npos)
    save.replace(at, 5, p.folder().string());
  return save;
}

// The slots and the recovery pair must outlast a power cut.
bool mustLast(const fs::path& file) {
  const std::string name = file.filename().string();
  return name.starts_with("Save") || name.starts_with("USER3_") || name.starts_with("RESUME");
}

// The names of the files a save puts in place, in order.
std::vector<std::string> placed(const Writer& w) {
  std::vector<std::string> names;
  for (const Group& g : w.groups)
    for (const std::string& name : g) names.push_back(fs::path(name).filename().string());
  if (w.keepsGame) names.push_back("RESUME.FIL");
  return names;
}

// The content of each file of the groups; "-" for a file that does not exist.
Files contents(const TestProgram& p, const std::vector<Group>& groups) {
  Files files;
  for (const Group& g : groups)
    for (const std::string& name : g) {
      const std::string path = "Data/Files/" + name;
      files[name] = p.exists(path) ? p.readFile(path) : "-";
    }
  return files;
}

bool reportedFailure(const std::string& printed, const Group& g) {
  for (const std::string& name : g)
    if (printed.find("ファイルに保存できませんでした。\\n\\rData/Files/" + name + "\"") !=
        std::string::npos)
      return true;
  return false;
}

// Whether a group is, as a whole, as it was before the save or as the save wrote it;
// fails the test when it is a mixture.
struct GroupState {
  bool isOld = true, isNew = true;
};

GroupState stateOf(const Group& g, const Files& now, const Files& old, const Files& saved) {
  GroupState s;
  for (const std::string& name : g) {
    s.isOld = s.isOld && now.at(name) == old.at(name);
    s.isNew = s.isNew && now.at(name) == saved.at(name);
  }
  EXPECT_TRUE(s.isOld || s.isNew) << "mixed files, first " << g.front();
  return s;
}

// Makes the n-th step of the save fail for every n the save reaches. With Once a group
// named in a failure is left as it was, and a group left as it was means a failure was
// reported (a later group may not be written once an earlier one failed); with FromThenOn (killed
// at that step) the next start finds every group whole, old or new. Either way nothing
// but the data files is left in the folder after the next start. Once no step fails, the
// steps of the save show each file put in place whole, and synced where it must last.
void failEveryStep(const Writer& w, FailingDisk::Mode mode) {
  TestProgram clean;
  clean.run(w.before);
  const Files old = contents(clean, w.groups);
  const std::string oldState = w.state ? clean.run(w.state) : "";
  ASSERT_EQ(clean.run(saveIn(w, clean)).find("msgbox stop"), std::string::npos);
  const Files saved = contents(clean, w.groups);
  const std::string savedState = w.state ? clean.run(w.state) : "";
  const std::vector<std::string> names = clean.dataFiles();

  for (int n = 1;; ++n) {
    SCOPED_TRACE(std::string(w.what) + ", step " + std::to_string(n));
    TestProgram p;
    p.run(w.before);
    FailingDisk& disk = FailStep(p.app(), n, mode);
    const std::string printed = p.run(saveIn(w, p));
    // The worker's syncs, and what waits for them.
    disk.flush();
    if (!disk.hit()) {
      // Every step went ahead: each file was put in place whole, and synced if it must last.
      EXPECT_EQ(contents(p, w.groups), saved);
      EXPECT_EQ(PlacedFiles(disk.steps()), placed(w));
      EXPECT_EQ(DurabilityFaults(disk.steps(), mustLast), "");
      break;
    }
    if (w.state && mode == FailingDisk::Mode::Once) {
      const GroupState first = stateOf(w.groups.front(), contents(p, w.groups), old, saved);
      EXPECT_EQ(p.run(w.state), first.isOld ? oldState : savedState);
    }
    p.restart();
    const Files now = contents(p, w.groups);
    for (const Group& g : w.groups) {
      const GroupState s = stateOf(g, now, old, saved);
      if (mode == FailingDisk::Mode::Once && !(s.isOld && s.isNew)) {
        EXPECT_TRUE(s.isOld || !reportedFailure(printed, g)) << printed;
        EXPECT_TRUE(!s.isOld ||
                    printed.find("ファイルに保存できませんでした。") != std::string::npos);
      }
    }
    std::vector<std::string> left = p.dataFiles();
    std::erase_if(left, [&](const std::string& f) {
      return std::find(names.begin(), names.end(), f) != names.end();
    });
    EXPECT_TRUE(left.empty()) << left.front();
    ASSERT_LT(n, 100);
  }
}

}  // namespace

TEST(FileGroup, EveryWriterSurvivesAFailureAtAnyStep) {
  for (const Writer& w : Writers) failEveryStep(w, FailingDisk::Mode::Once);
}

TEST(FileGroup, EveryWriterSurvivesAKillAtAnyStep) {
  for (const Writer& w : Writers) failEveryStep(w, FailingDisk::Mode::FromThenOn);
}

TEST(FileGroup, StartActsOnlyOnWhatAMarkerSafelyNames) {
  const std::string files = "Data/Files/";
  TestProgram p({{"outside.txt", "keep"},
                 {files + "notes.txt", "keep"},
                 {files + "USER.FIL.bak", "keep"},
                 {files + "USER.FIL.0123.new", "keep"},
                 // A marker that names a file outside its folder, and one cut short.
                 {files + "00000000000000aa.group", "\"../../outside.txt\",0\r\n"},
                 {files + "00000000000000bb.group", "\"Save1.F"},
                 {files + "Save1.FIL.00000000000000bb.new", "left over"},
                 {files + "Save1.FIL", "keep"}});
  EXPECT_EQ(p.readFile("outside.txt"), "keep");
  EXPECT_EQ(p.dataFiles(),
            (std::vector<std::string>{"Save1.FIL", "USER.FIL.0123.new", "USER.FIL.bak", "notes.txt",
                                      "wheelbook.sqlite3", "wheelbook.sqlite3-shm",
                                      "wheelbook.sqlite3-wal"}));
  EXPECT_EQ(p.readFile(files + "Save1.FIL"), "keep");
}
