#include "core/disk.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "../support/recording_disk.h"
#include "../support/test_program.h"
#include "store/file_group.h"

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

// A clock the test moves. The worker looks at it again every millisecond while it waits.
class HandClock : public SyncClock {
 public:
  TimePoint now() const override { return TimePoint(std::chrono::milliseconds(ms_.load())); }
  void waitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                 TimePoint until) override {
    waitingFor_ =
        std::chrono::duration_cast<std::chrono::milliseconds>(until.time_since_epoch()).count();
    wake.wait_for(lock, std::chrono::milliseconds(1));
  }
  void advance(std::chrono::milliseconds by) { ms_ += by.count(); }
  // The moment the worker last waited for, in milliseconds; -1 before it first waited.
  long waitingFor() const { return waitingFor_.load(); }

 private:
  std::atomic<long> ms_{1000};
  std::atomic<long> waitingFor_{-1};
};

// Waits, by the real clock, until `done` holds; false after five seconds.
template <class Done>
bool eventually(Done done) {
  for (int i = 0; i < 5000 && !done(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return done();
}

// How many descriptors of this program are open on a file whose name holds `name` (other
// threads of the test program open files of their own at any time).
long openFilesNamed(const std::string& name) {
  long n = 0;
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    if (std::filesystem::read_symlink(fd.path(), ec).string().find(name) != std::string::npos) ++n;
  }
  return n;
}

int count(const std::vector<DiskStep>& steps, DiskStep::Kind kind) {
  return static_cast<int>(std::count_if(steps.begin(), steps.end(),
                                        [kind](const DiskStep& s) { return s.kind == kind; }));
}

}  // namespace

extern "C" int __wrap_fsync(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) == 0) synced.push_back({st.st_ino, st.st_size});
  return __real_fsync(fd);
}

TEST(Disk, ALastingWriteIsSyncedWithItsFolderOnlyByTheWorker) {
  TestProgram p;
  for (const bool lasting : {false, true}) {
    SCOPED_TRACE(lasting);
    Disk disk(Disk::Syncs::OnFlush);
    synced.clear();
    const auto file = p.folder() / (lasting ? "lasting" : "passing");
    ASSERT_TRUE(disk.writeNew(file, "twelve bytes", lasting));
    EXPECT_EQ(statOf(file).second, 12);
    // The writer never waits for the disk.
    EXPECT_TRUE(synced.empty());
    disk.syncLater(p.folder());
    EXPECT_TRUE(disk.flush());
    const std::vector<Synced> file_then_folder{statOf(file), statOf(p.folder())};
    EXPECT_EQ(synced, lasting ? file_then_folder : std::vector{statOf(p.folder())});
  }
}

TEST(Disk, TheWorkerSyncsWithinItsDelayOfTheLastChangeAndGathersChanges) {
  TestProgram p;
  const auto clock = std::make_shared<HandClock>();
  RecordingDisk disk(Disk::Syncs::Background, clock);
  const auto target = p.folder() / "RESUME.FIL";
  // Ten quick changes: one round syncs the newest, and names it as the synced copy. Only
  // the newest stays open for it: a quick run of changes never runs out of descriptors.
  for (int n = 0; n < 10; ++n)
    ASSERT_TRUE(ReplaceFiles(disk, {{target, std::string(100 + n, 'x')}}, true).done());
  EXPECT_EQ(openFilesNamed("RESUME.FIL"), 1);
  ASSERT_TRUE(eventually([&] { return clock->waitingFor() >= 0; }));
  EXPECT_LE(clock->waitingFor() - 1000, 1000);
  EXPECT_EQ(count(disk.steps(), DiskStep::SyncFile), 0);
  clock->advance(Disk::Delay);
  ASSERT_TRUE(eventually([&] { return count(disk.steps(), DiskStep::Rename) == 11; }));
  EXPECT_EQ(count(disk.steps(), DiskStep::SyncFile), 1);
  EXPECT_EQ(ReadWholeFile(SyncedCopyOf(target)), std::string(109, 'x'));
  EXPECT_EQ(DurabilityFaults(disk.steps(), [](const auto&) { return true; }), "");

  // A flush, as at the end of the program, does not wait for the clock.
  ASSERT_TRUE(ReplaceFiles(disk, {{target, "last"}}, true).done());
  EXPECT_TRUE(disk.flush());
  EXPECT_EQ(ReadWholeFile(SyncedCopyOf(target)), "last");
  // The removal goes onto the disk with the worker.
  RemoveDurableFile(disk, target);
  EXPECT_TRUE(disk.flush());
  EXPECT_TRUE(IsMissing(SyncedCopyOf(target)));
  EXPECT_EQ(disk.steps().back().kind, DiskStep::SyncFolder);
}

TEST(Disk, AFileRemovedAndWrittenAgainNeverLeavesTheRemovedContentAsItsCopy) {
  TestProgram p;
  RecordingDisk disk;  // the worker's rounds wait for flush()
  const auto target = p.folder() / "RESUME.FIL";
  ASSERT_TRUE(ReplaceFiles(disk, {{target, "cleared game"}}, true).done());
  ASSERT_TRUE(disk.flush());
  // Cleared, and a new game begun before the worker's next round.
  RemoveDurableFile(disk, target);
  ASSERT_TRUE(ReplaceFiles(disk, {{target, "new game"}}, true).done());
  // Whatever a power cut leaves now, the cleared game cannot come back from the copy.
  EXPECT_TRUE(IsMissing(SyncedCopyOf(target)));
  ASSERT_TRUE(disk.flush());
  EXPECT_EQ(ReadWholeFile(SyncedCopyOf(target)), "new game");
}
