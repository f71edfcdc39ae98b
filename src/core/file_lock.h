#pragma once

#include <filesystem>

// Holds a file locked against every other holder, in this process or another, for as long
// as the object lives. The system lets go of it when the process ends, however it ends,
// so a program that was killed never keeps the next one out.
class FileLock {
 public:
  enum class Outcome {
    Held,
    // Someone else holds it.
    Busy,
    // The file cannot be made or locked here (a read-only folder, a file system without
    // locks); nothing is held.
    Unavailable,
  };

  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

  // Creates the file (and its folders) when missing, without changing one that exists.
  Outcome acquire(const std::filesystem::path& file);

 private:
  int fd_ = -1;
};
