#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The clock the sync worker keeps its delay by. A test puts in one it moves by hand.
class SyncClock {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  virtual ~SyncClock() = default;
  virtual TimePoint now() const { return std::chrono::steady_clock::now(); }
  // Waits on `wake`, with `lock` held, until `until` or a notification; may return early.
  virtual void waitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock,
                         TimePoint until) {
    wake.wait_until(lock, until);
  }
};

// The changes the program makes to its files, one step at a time. Every step retries an
// interrupted system call and reports failure instead of throwing; a step that fails
// leaves errno saying why. The program holds one Disk; a test puts its own in place to
// see every step go wrong in turn, or to watch the order of the steps.
//
// Writing a file and renaming it into place is all the thread that paints the screen
// does: that much outlasts a kill of the program. What must also outlast a power cut is
// brought onto the disk by a sync worker of the Disk's own, a moment later (see
// syncLater), so the screen never waits for the disk.
class Disk {
 public:
  enum class Syncs {
    Background,  // a worker thread syncs, at most Delay after a change (the program's own)
    OnFlush,     // the syncs wait for flush() and run on its caller (tests that see them)
    Skip,        // nothing is synced; what follows a sync runs at once (quick tests)
  };
  // How long the worker gathers changes before it syncs them together.
  static constexpr std::chrono::milliseconds Delay{500};

  explicit Disk(Syncs syncs = Syncs::Background, std::shared_ptr<SyncClock> clock = nullptr);
  virtual ~Disk();
  Disk(const Disk&) = delete;
  Disk& operator=(const Disk&) = delete;

  // Creates `file`, which must not exist yet, with `bytes` as its whole content. A
  // `lasting` file's content is synced by the next syncLater's worker round.
  virtual bool writeNew(const std::filesystem::path& file, std::string_view bytes, bool lasting);
  // Replaces `to` by `from` in one step.
  virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to);
  // Gives the file `from` a second name `to`, which must not exist yet.
  virtual bool link(const std::filesystem::path& from, const std::filesystem::path& to);
  virtual bool remove(const std::filesystem::path& file);
  // Waits until the names in the folder (renames, new and removed files) are on the disk.
  virtual bool syncFolder(const std::filesystem::path& folder);

  // What the worker does once the lasting files written so far and the names of a folder
  // are on the disk: steps that may drop what could still undo them. False on failure.
  using AfterSync = std::function<bool(Disk&)>;
  // Hands the lasting files written since the last call, the names of `folder` and then
  // `after` to the sync worker. A later call of the same non-empty `stream` that is
  // waiting beside this one makes it needless: its files are closed unsynced and its
  // `after` is dropped (only the newest content of a name matters).
  void syncLater(const std::filesystem::path& folder, AfterSync after = {},
                 std::string stream = {});
  // Waits until everything handed to the worker is done; false when a step failed since
  // the last flush.
  bool flush();
  // Drops what waits for the worker, as a kill would (tests of a kill).
  void abandon();
  // Whether this disk syncs at all.
  bool syncs() const { return syncs_ != Syncs::Skip; }
  // The first file whose sync failed on the worker since the last call, and why; the
  // program tells the user after the event under way.
  std::optional<std::pair<std::filesystem::path, std::error_code>> takeSyncFailure();
  // A name no other replacement of this disk has used, ordered by when it was made.
  std::string newScratchId();

 protected:
  // Brings the content of an open file onto the disk; `file` is the name it was written
  // under.
  virtual bool syncFile(int fd, const std::filesystem::path& file);
  // Stops the worker after it has done all it has. A derived disk calls it from its own
  // destructor, so that the worker never sees it half destroyed.
  void finish();

 private:
  struct Worker;
  struct Written {
    int fd;
    std::filesystem::path file;
  };
  struct Job;

  void noteFailure(const std::filesystem::path& what, int error);
  // Syncs the files, then the folders, of the jobs, and runs what follows where that
  // went well.
  void runRound(std::vector<Job>& batch);

  Syncs syncs_;
  // Lasting files written since the last syncLater (only the painting thread adds).
  std::vector<Written> written_;
  std::unique_ptr<Worker> worker_;
  std::uint64_t lastId_ = 0;
};

// The whole content of a regular file; nothing when it is missing, is no file (a folder,
// a link that leads nowhere), cannot be read or holds more than `limit` bytes, and then
// `error`, when given, says why (no_such_file_or_directory for a name with nothing behind
// it, file_too_large beyond the limit). A file beyond the limit is not read at all.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file,
                                         std::error_code* error = nullptr,
                                         std::size_t limit = SIZE_MAX);

// The first `length` bytes of a regular file, or all of a shorter one; fails as
// ReadWholeFile does.
std::optional<std::string> ReadFileStart(const std::filesystem::path& file, std::size_t length,
                                         std::error_code* error = nullptr);

// True only when nothing at all stands under that name (a broken link is not missing).
// A name that cannot be looked at (a folder on the way that may not be searched or is no
// folder, a loop of links) is not known to be missing either: false, and `error`, when
// given, says why; it is cleared when the answer is sure.
bool IsMissing(const std::filesystem::path& file, std::error_code* error = nullptr);

// A folder stands under that name (not a link to one).
bool IsFolder(const std::filesystem::path& file);
