#include "game/startup.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "../support/test_program.h"
#include "core/program_folders.h"

namespace fs = std::filesystem;

namespace {

// A user who owns none of the test's files.
constexpr uid_t Nobody = 65534;

// Runs `step` in a child process, as Nobody when the test runs as root (whom no
// permission stops), and gives its exit status; 99 when it did not end within 30 s.
int runInChild(const std::function<int()>& step) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(30);
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
      ::_exit(98);
    ::_exit(step());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

// The names and contents of the files in a folder.
std::string filesIn(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(folder))
    files[e.path().filename().string()] = ReadWholeFile(e.path()).value_or("(unreadable)");
  std::string all;
  for (const auto& [name, content] : files) all += name + ": " + content + "\n";
  return all;
}

// Starts a program on `folder` as varnet-cli does, and keeps it running.
struct Started {
  explicit Started(const fs::path& folder) : runner(folder, out) {
    std::istringstream script("get Main_F.Total.text\n");
    status = runner.run(script);
  }
  std::ostringstream out;
  ScriptRunner runner;
  int status = 0;
};

// A folder the start cannot use ends it with one line that names the folder and the
// reason; it never waits, and writes nothing.
TEST(StartUp, AFolderThatCannotBeUsedEndsTheStartNamingItAndWhy) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to build folders of another user";
  struct Case {
    const char* what;
    std::function<void(const fs::path&)> make;
    const char* reason;
  };
  const auto folderOf = [](const fs::path& p, uid_t owner, mode_t mode) {
    fs::create_directories(p / "Data/Files");
    ASSERT_EQ(::chown((p / "Data/Files").c_str(), owner, Nobody), 0);
    ASSERT_EQ(::chmod((p / "Data/Files").c_str(), mode), 0);
  };
  const Case cases[] = {
      {"mode 000", [&](const fs::path& p) { folderOf(p, Nobody, 0); }, "アクセス権がありません"},
      {"mode 600", [&](const fs::path& p) { folderOf(p, Nobody, 0600); }, "アクセス権がありません"},
      {"another user's", [&](const fs::path& p) { folderOf(p, 0, 0700); },
       "アクセス権がありません"},
      {"a regular file",
       [](const fs::path& p) {
         fs::create_directories(p / "Data");
         std::ofstream(p / "Data/Files") << "x";
       },
       "フォルダではありません"},
      {"Data a link loop", [](const fs::path& p) { fs::create_symlink(p / "Data", p / "Data"); },
       "リンクが循環しています"},
      {"Data a dangling link",
       [](const fs::path& p) { fs::create_symlink(p / "nowhere", p / "Data"); },
       "フォルダがなく、作成もできません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path folder = MakeProgramFolder();
    fs::permissions(folder, fs::perms(0755));
    c.make(folder);
    const std::string expected = "error: データフォルダを使えません (" + std::string(c.reason) +
                                 "): " + DataFilesFolder(folder).string() + "\n";
    const int status = runInChild([&] {
      std::ostringstream out;
      ScriptRunner runner(folder, out);
      std::istringstream script("answer yes\nclick Main_F.Count_P(5)\n");
      const int code = runner.run(script);
      return code == 2 && out.str() == expected ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(fs::exists(folder / "nowhere"));
    fs::remove_all(folder);
  }
}

// The lock is on the folder: nothing in the folder's varnet.lock (left there by an
// earlier version) lets a second program in, nor does its removal while the first runs.
TEST(StartUp, NoLockFileLetsASecondProgramIn) {
  const std::function<void(const fs::path&)> lockFiles[] = {
      [](const fs::path& lock) { fs::create_directory(lock); },
      [](const fs::path& lock) { fs::create_symlink(lock, lock); },
      [](const fs::path& lock) { fs::create_symlink(lock.parent_path() / "gone", lock); },
      [](const fs::path& lock) {
        std::ofstream(lock) << "";
        fs::permissions(lock, fs::perms(0444));
      },
      [](const fs::path& lock) {
        std::ofstream(lock) << "";
        ASSERT_EQ(::chmod(lock.c_str(), 0600), 0);
        if (::geteuid() == 0) {
          ASSERT_EQ(::chown(lock.c_str(), Nobody, Nobody), 0);
        }
      },
  };
  for (std::size_t k = 0; k <= std::size(lockFiles); ++k) {
    SCOPED_TRACE(k);
    const fs::path folder = MakeProgramFolder();
    const fs::path lock = DataFilesFolder(folder) / "varnet.lock";
    fs::create_directories(lock.parent_path());
    if (k < std::size(lockFiles)) lockFiles[k](lock);
    {
      Started first(folder);
      EXPECT_EQ(first.status, 0) << first.out.str();
      // The last case: whatever the first made is removed while it runs.
      if (k == std::size(lockFiles)) fs::remove_all(lock);
      const std::string files = filesIn(lock.parent_path());
      // The second refuses before it reads or writes anything of the folder.
      Started second(folder);
      EXPECT_EQ(second.status, 2);
      EXPECT_EQ(second.out.str(), "error: " + std::string(AlreadyRunningMessage) + "\n");
      EXPECT_EQ(filesIn(lock.parent_path()), files);
    }
    Started again(folder);
    EXPECT_EQ(again.status, 0) << again.out.str();
    fs::remove_all(folder);
  }
}

}  // namespace
