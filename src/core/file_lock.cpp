#include "core/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

FileLock::Outcome FileLock::acquire(const std::filesystem::path& file) {
  if (fd_ >= 0) return Outcome::Held;
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  int fd;
  do fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  while (fd < 0 && errno == EINTR);
  if (fd < 0) return Outcome::Unavailable;
  int r;
  do r = ::flock(fd, LOCK_EX | LOCK_NB);
  while (r != 0 && errno == EINTR);
  if (r != 0) {
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? Outcome::Busy : Outcome::Unavailable;
  }
  fd_ = fd;
  return Outcome::Held;
}
