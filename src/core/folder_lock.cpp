#include "core/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

FolderLock::Outcome FolderLock::acquire(const std::filesystem::path& folder) {
  if (fd_ >= 0) return Outcome::Held;
  const auto unusable = [this](int fd) {
    error_ = errno;
    if (fd >= 0) ::close(fd);
    return Outcome::Unusable;
  };
  int fd;
  do fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  while (fd < 0 && errno == EINTR);
  if (fd < 0) return unusable(fd);
  // A folder that opens may still refuse to be searched (read but no execute
  // permission); every file in it would then fail, so it counts as unusable now.
  if (::faccessat(fd, ".", R_OK | X_OK, AT_EACCESS) != 0) return unusable(fd);
  int r;
  do r = ::flock(fd, LOCK_EX | LOCK_NB);
  while (r != 0 && errno == EINTR);
  if (r != 0 && errno == EWOULDBLOCK) {
    ::close(fd);
    return Outcome::Busy;
  }
  if (r != 0) return unusable(fd);
  fd_ = fd;
  return Outcome::Held;
}
