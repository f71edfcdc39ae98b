#include "core/disk.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <thread>
#include <utility>

namespace {

int openRetrying(const char* name, int flags, mode_t mode = 0) {
  int fd;
  do fd = ::open(name, flags, mode);
  while (fd < 0 && errno == EINTR);
  return fd;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = EIO;  // nothing written and no reason given
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool syncRetrying(int fd) {
  int r;
  do r = ::fsync(fd);
  while (r != 0 && errno == EINTR);
  return r == 0;
}

}  // namespace

struct Disk::Job {
  std::vector<Written> files;
  std::filesystem::path folder;
  AfterSync after;
  std::string stream;
  SyncClock::TimePoint at;
};

struct Disk::Worker {
  explicit Worker(std::shared_ptr<SyncClock> c) : clock(std::move(c)) {}

  std::shared_ptr<SyncClock> clock;
  std::mutex mutex;
  std::condition_variable wake, idle;
  std::vector<Job> jobs;
  bool busy = false, stopping = false, flushing = false, failedSinceFlush = false;
  std::optional<std::pair<std::filesystem::path, std::error_code>> failure;
  std::thread thread;
};

Disk::Disk(Syncs syncs, std::shared_ptr<SyncClock> clock)
    : syncs_(syncs),
      worker_(std::make_unique<Worker>(clock ? std::move(clock) : std::make_shared<SyncClock>())) {
  if (syncs_ != Syncs::Background) return;
  worker_->thread = std::thread([this] {
    Worker& w = *worker_;
    std::unique_lock lock(w.mutex);
    while (true) {
      if (w.jobs.empty()) {
        if (w.stopping) return;
        w.wake.wait(lock);
        continue;
      }
      // The first change waits a moment for the ones that follow it, so that they share
      // the syncs; a flush or the end does not wait.
      auto first = w.jobs.front().at;
      for (const Job& j : w.jobs) first = std::min(first, j.at);
      const auto due = first + Delay;
      if (!w.flushing && !w.stopping && w.clock->now() < due) {
        w.clock->waitUntil(w.wake, lock, due);
        continue;
      }
      std::vector<Job> batch = std::move(w.jobs);
      w.jobs.clear();
      w.busy = true;
      lock.unlock();
      runRound(batch);
      lock.lock();
      w.busy = false;
      w.idle.notify_all();
    }
  });
}

Disk::~Disk() {
  finish();
  abandon();
}

void Disk::finish() {
  Worker& w = *worker_;
  if (!w.thread.joinable()) return;
  {
    std::lock_guard lock(w.mutex);
    w.stopping = true;
  }
  w.wake.notify_all();
  w.thread.join();
}

void Disk::abandon() {
  std::vector<Job> dropped;
  {
    std::lock_guard lock(worker_->mutex);
    dropped = std::move(worker_->jobs);
    worker_->jobs.clear();
  }
  for (const Job& job : dropped)
    for (const Written& f : job.files) ::close(f.fd);
  for (const Written& f : written_) ::close(f.fd);
  written_.clear();
}

bool Disk::writeNew(const std::filesystem::path& file, std::string_view bytes, bool lasting) {
  const int fd = openRetrying(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool ok = writeAll(fd, bytes);
  if (ok && lasting && syncs()) {
    // Kept open for the worker, which syncs this content wherever its name has gone.
    written_.push_back({fd, file});
    return true;
  }
  // close() is not repeated after EINTR: the descriptor is gone either way.
  return ::close(fd) == 0 && ok;
}

bool Disk::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool Disk::link(const std::filesystem::path& from, const std::filesystem::path& to) {
  return ::link(from.c_str(), to.c_str()) == 0;
}

bool Disk::remove(const std::filesystem::path& file) {
  return ::unlink(file.c_str()) == 0 || errno == ENOENT;
}

bool Disk::syncFolder(const std::filesystem::path& folder) {
  const int fd = openRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  // A file system that cannot sync a folder says EINVAL; it has nothing to wait for.
  const bool ok = syncRetrying(fd) || errno == EINVAL;
  ::close(fd);
  return ok;
}

bool Disk::syncFile(int fd, const std::filesystem::path&) {
  return syncRetrying(fd);
}

void Disk::syncLater(const std::filesystem::path& folder, AfterSync after, std::string stream) {
  Worker& w = *worker_;
  if (!syncs()) {
    if (after && !after(*this)) noteFailure(folder, errno);
    return;
  }
  bool first;
  std::vector<Written> needless;
  {
    std::lock_guard lock(w.mutex);
    first = w.jobs.empty();
    Job job{std::move(written_), folder, std::move(after), std::move(stream), w.clock->now()};
    // A waiting job of the same stream is needless now: its files are closed at once, so
    // that a quick run of changes holds two or three files open, not one per change. The
    // new job keeps its time, so that its syncs are not put off.
    if (!job.stream.empty()) {
      const auto same = std::find_if(w.jobs.begin(), w.jobs.end(),
                                     [&](const Job& j) { return j.stream == job.stream; });
      if (same != w.jobs.end()) {
        job.at = same->at;
        needless = std::move(same->files);
        w.jobs.erase(same);
      }
    }
    w.jobs.push_back(std::move(job));
  }
  written_.clear();
  for (const Written& f : needless) ::close(f.fd);
  // The worker's wait ends with the first job's delay; later jobs do not move it, and
  // waking the worker for each would cost the painting thread a switch per change.
  if (first) w.wake.notify_all();
}

bool Disk::flush() {
  Worker& w = *worker_;
  if (syncs_ == Syncs::OnFlush) {
    std::vector<Job> batch;
    {
      std::lock_guard lock(w.mutex);
      batch = std::move(w.jobs);
      w.jobs.clear();
    }
    runRound(batch);
  } else if (syncs_ == Syncs::Background) {
    std::unique_lock lock(w.mutex);
    w.flushing = true;
    w.wake.notify_all();
    w.idle.wait(lock, [&w] { return w.jobs.empty() && !w.busy; });
    w.flushing = false;
  }
  std::lock_guard lock(w.mutex);
  const bool ok = !w.failedSinceFlush;
  w.failedSinceFlush = false;
  return ok;
}

std::optional<std::pair<std::filesystem::path, std::error_code>> Disk::takeSyncFailure() {
  std::lock_guard lock(worker_->mutex);
  return std::exchange(worker_->failure, std::nullopt);
}

std::string Disk::newScratchId() {
  // Milliseconds of the wall clock above 20 random bits: markers of one folder sort in
  // the order they were made, also across a restart.
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
  std::uint64_t random = 0;
  // Without random bytes the clock and the counter below still make the name unique.
  if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random)
    random = static_cast<std::uint64_t>(::getpid());
  std::uint64_t id = (static_cast<std::uint64_t>(ms) << 20) | (random & 0xFFFFF);
  if (id <= lastId_) id = lastId_ + 1;
  lastId_ = id;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(id));
  return text;
}

void Disk::noteFailure(const std::filesystem::path& what, int error) {
  std::lock_guard lock(worker_->mutex);
  worker_->failedSinceFlush = true;
  if (!worker_->failure)
    worker_->failure = {{what, std::error_code(error, std::generic_category())}};
}

void Disk::runRound(std::vector<Job>& batch) {
  std::vector<bool> ok(batch.size(), true);
  for (std::size_t i = 0; i < batch.size(); ++i) {
    for (const Written& f : batch[i].files) {
      if (!syncFile(f.fd, f.file)) {
        noteFailure(f.file, errno);
        ok[i] = false;
      }
      ::close(f.fd);
    }
  }
  // Each folder once, after every file in it.
  std::vector<std::filesystem::path> folders;
  for (const Job& job : batch)
    if (std::find(folders.begin(), folders.end(), job.folder) == folders.end())
      folders.push_back(job.folder);
  for (const auto& folder : folders) {
    if (syncFolder(folder)) continue;
    noteFailure(folder, errno);
    for (std::size_t i = 0; i < batch.size(); ++i)
      if (batch[i].folder == folder) ok[i] = false;
  }
  // What follows runs only where everything before it is on the disk.
  for (std::size_t i = 0; i < batch.size(); ++i)
    if (ok[i] && batch[i].after && !batch[i].after(*this)) noteFailure(batch[i].folder, errno);
}

namespace {

// Up to `limit` bytes of a regular file and whether it had more; unless `start` (the
// first bytes are wanted), a file whose size is beyond the limit is not read.
std::optional<std::string> readUpTo(const std::filesystem::path& file, std::size_t limit,
                                    bool start, bool& more, std::error_code* error) {
  const auto refused = [error](int failure) -> std::optional<std::string> {
    if (error) *error = std::error_code(failure, std::generic_category());
    return std::nullopt;
  };
  // Without O_NONBLOCK a pipe in the file's place would hold the program until a writer
  // came; it is no regular file and is refused below.
  const int fd = openRetrying(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return refused(errno);
  struct stat st;
  int failure = 0;
  std::string content;
  more = false;
  if (::fstat(fd, &st) != 0) {
    failure = errno;
  } else if (!S_ISREG(st.st_mode)) {
    failure = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  } else if (static_cast<std::uintmax_t>(st.st_size) > limit && !start) {
    more = true;
  } else {
    // One read more than the size sees the end, also of a file that grew meanwhile; the
    // buffer never grows beyond the limit and one byte that shows there is more.
    const std::size_t room = limit < SIZE_MAX ? limit + 1 : limit;
    content.resize(std::min(static_cast<std::size_t>(st.st_size), limit) + 1);
    std::size_t used = 0;
    while (used < room) {
      if (used == content.size()) content.resize(std::min(content.size() * 2, room));
      const ssize_t n = ::read(fd, content.data() + used, content.size() - used);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) failure = errno;
      if (n <= 0) break;
      used += static_cast<std::size_t>(n);
    }
    more = used > limit;
    content.resize(std::min(used, limit));
  }
  ::close(fd);
  if (failure != 0) return refused(failure);
  return content;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::error_code* error,
                                         std::size_t limit) {
  bool more = false;
  auto content = readUpTo(file, limit, false, more, error);
  if (!more) return content;
  if (error) *error = std::make_error_code(std::errc::file_too_large);
  return std::nullopt;
}

std::optional<std::string> ReadFileStart(const std::filesystem::path& file, std::size_t length,
                                         std::error_code* error) {
  bool more = false;
  return readUpTo(file, length, true, more, error);
}

bool IsMissing(const std::filesystem::path& file, std::error_code* error) {
  struct stat st;
  const int failure = ::lstat(file.c_str(), &st) == 0 ? 0 : errno;
  if (error)
    *error = failure == 0 || failure == ENOENT ? std::error_code()
                                               : std::error_code(failure, std::generic_category());
  return failure == ENOENT;
}

bool IsFolder(const std::filesystem::path& file) {
  struct stat st;
  return ::lstat(file.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
