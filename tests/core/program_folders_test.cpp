#include "core/program_folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class ProgramFolderRule : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "varnet-folders-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(pattern.data()));
    root = pattern;
    // mkdtemp makes it private; an ordinary folder shows that existing folders keep their mode.
    fs::permissions(root, fs::perms(0755));
  }
  void TearDown() override { fs::remove_all(root); }

  static unsigned mode(const fs::path& p) {
    struct stat s {};
    return ::stat(p.c_str(), &s) == 0 ? s.st_mode & 0777 : 0;
  }

  fs::path root;
};

// An installation puts its shared folder beside bin/; the user's files then go to the
// user's data folder even when the installation is writable (as it is for root).
TEST_F(ProgramFolderRule, InstalledAndPortableCopies) {
  ::setenv("XDG_DATA_HOME", (root / "xdg").c_str(), 1);
  fs::create_directories(root / "usr/bin");
  fs::create_directories(root / "usr/share/00-varnet");
  const ProgramFolders installed = FindProgramFolders(root / "usr/bin");
  EXPECT_EQ(installed.data, root / "xdg/00-varnet");
  EXPECT_EQ(installed.assets, root / "usr/share/00-varnet");

  fs::create_directories(root / "unpacked");
  const ProgramFolders portable = FindProgramFolders(root / "unpacked");
  EXPECT_EQ(portable.data, root / "unpacked");
  EXPECT_EQ(portable.assets, root / "unpacked");
}

TEST_F(ProgramFolderRule, UserDataFolderFallsBackToTheHomeFolder) {
  ::setenv("HOME", (root / "home").c_str(), 1);
  ::setenv("XDG_DATA_HOME", "relative/data", 1);
  EXPECT_EQ(UserDataFolder(), root / "home/.local/share/00-varnet");
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(UserDataFolder(), root / "home/.local/share/00-varnet");
  // Without HOME the account's home folder still serves.
  ::unsetenv("HOME");
  const fs::path fromAccount = UserDataFolder();
  EXPECT_TRUE(fromAccount.empty() || fromAccount.is_absolute()) << fromAccount;
}

// New folders are the user's alone; a file in the way is a failure, not an exception.
TEST_F(ProgramFolderRule, CreateDataFolder) {
  const fs::path data = root / "share/00-varnet";
  ASSERT_TRUE(CreateDataFolder(data));
  EXPECT_TRUE(fs::is_directory(data / "Data/Files"));
  EXPECT_EQ(mode(data), 0700u);
  EXPECT_EQ(mode(data / "Data/Files"), 0700u);
  EXPECT_NE(mode(root), 0700u) << "an existing folder keeps its mode";
  EXPECT_TRUE(CreateDataFolder(data));

  std::ofstream(root / "blocked") << "a file";
  EXPECT_FALSE(CreateDataFolder(root / "blocked"));
  EXPECT_FALSE(CreateDataFolder(root / "blocked/below"));
}

}  // namespace
