#include "core/disk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

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

bool Disk::writeNew(const std::filesystem::path& file, std::string_view bytes, bool sync) {
  const int fd = openRetrying(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes);
  if (ok && sync) ok = syncRetrying(fd);
  // close() is not repeated after EINTR: the descriptor is gone either way.
  return ::close(fd) == 0 && ok;
}

bool Disk::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
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
