#pragma once

#include <filesystem>

// Holds a folder for this process alone, for as long as the object lives. The lock is
// taken on the folder itself, opened for reading: nothing done to the files inside it (a
// lock file removed, or replaced by a folder or a link) lets a second holder in, and a
// folder the user may only read is held too. The system lets go of it when the process
// ends, however it ends, so a program that was killed never keeps the next one out.
class FolderLock {
 public:
  enum class Outcome {
    Held,
    // Someone else holds it.
    Busy,
    // Not a folder this program can use: it is missing, no folder, a loop of links, it
    // cannot be read or searched, or its file system has no locks. error() says why.
    Unusable,
  };

  FolderLock() = default;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

  Outcome acquire(const std::filesystem::path& folder);
  // The errno of the last acquire that found the folder unusable.
  int error() const { return error_; }

 private:
  int fd_ = -1;
  int error_ = 0;
};
