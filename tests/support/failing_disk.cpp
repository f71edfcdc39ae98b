#include "failing_disk.h"

#include <cerrno>

bool FailingDisk::step() {
  ++steps_;
  const bool fails = steps_ == failAt_ || (mode_ == Mode::FromThenOn && steps_ > failAt_);
  hit_ = hit_ || fails;
  if (fails) errno = EIO;
  return !fails;
}

bool FailingDisk::writeNew(const std::filesystem::path& file, std::string_view bytes,
                           bool lasting) {
  // A write that fails has written part of the file.
  if (!step()) {
    Disk::writeNew(file, bytes.substr(0, bytes.size() / 2), false);
    errno = EIO;
    return false;
  }
  return RecordingDisk::writeNew(file, bytes, lasting);
}

bool FailingDisk::syncFile(int fd, const std::filesystem::path& file) {
  return step() && RecordingDisk::syncFile(fd, file);
}

bool FailingDisk::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  return step() && RecordingDisk::rename(from, to);
}

bool FailingDisk::remove(const std::filesystem::path& file) {
  return step() && RecordingDisk::remove(file);
}

bool FailingDisk::syncFolder(const std::filesystem::path& folder) {
  return step() && RecordingDisk::syncFolder(folder);
}

FailingDisk& FailStep(App& app, int failAt, FailingDisk::Mode mode) {
  return PutDisk(app, std::make_unique<FailingDisk>(failAt, mode));
}
