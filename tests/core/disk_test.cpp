#include "core/disk.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <utility>
#include <vector>

#include "../support/test_program.h"

// The test program is linked with fsync wrapped (tests/CMakeLists.txt): every fsync the
// program makes comes through here, which notes the file it syncs and its size then.
extern "C" int __real_fsync(int fd);

namespace {

// The inode and the size of a file.
using Synced = std::pair<ino_t, off_t>;
std::vector<Synced> synced;

Synced statOf(const std::filesystem::path& file) {
  struct stat st {};
  ::stat(file.c_str(), &st);
  return {st.st_ino, st.st_size};
}

}  // namespace

extern "C" int __wrap_fsync(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) == 0) synced.push_back({st.st_ino, st.st_size});
  return __real_fsync(fd);
}

TEST(Disk, AWriteSyncsItsWholeFileWhenAskedAndAFolderSyncSyncsTheFolder) {
  TestProgram p;
  Disk disk;
  for (const bool sync : {false, true}) {
    SCOPED_TRACE(sync);
    synced.clear();
    const auto file = p.folder() / (sync ? "synced" : "unsynced");
    ASSERT_TRUE(disk.writeNew(file, "twelve bytes", sync));
    EXPECT_EQ(statOf(file).second, 12);
    EXPECT_EQ(synced, sync ? std::vector{statOf(file)} : std::vector<Synced>{});
  }
  synced.clear();
  ASSERT_TRUE(disk.syncFolder(p.folder()));
  EXPECT_EQ(synced, std::vector{statOf(p.folder())});
}
