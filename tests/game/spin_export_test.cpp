#include <gtest/gtest.h>

#include "../support/test_program.h"

namespace fs = std::filesystem;

// An export cut short by a kill leaves its temporary file beside the target; the next
// export to that folder removes it, and only what this program's temporaries are named.
TEST(SpinExport, TheNextExportRemovesTheTemporariesAKillLeft) {
  TestProgram p;
  p.spin(5);
  const std::vector<std::string> stale = {"exports/spins.csv.0123456789abcdef.new",
                                          "exports/other.csv.fedcba9876543210.new"};
  const std::vector<std::string> kept = {"exports/notes.new", "exports/a.0123.new",
                                         "exports/b.csv.0123456789abcdef.old",
                                         "Data/Files/USER.FIL.0123456789abcdef.new"};
  for (const auto& name : stale) p.writeFile(name, "cut short");
  for (const auto& name : kept) p.writeFile(name, "not ours");
  p.run("file " + (p.folder() / "exports/today.csv").string() + "\nclick Main_F.Export_Spins");
  EXPECT_TRUE(p.readFile("exports/today.csv").starts_with("spin,number,colour\r\n"));
  for (const auto& name : stale) EXPECT_FALSE(p.exists(name)) << name;
  for (const auto& name : kept) EXPECT_EQ(p.readFile(name), "not ours") << name;

  // The data folder's temporaries are the start's: an export there leaves them be.
  p.run("file " + (p.folder() / "Data/Files/spins.csv").string() + "\nclick Main_F.Export_Spins");
  EXPECT_EQ(p.readFile(kept.back()), "not ours");
}
