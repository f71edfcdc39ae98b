#include "failing_disk.h"

bool FailingDisk::step() {
  ++steps_;
  const bool fails = steps_ == failAt_ || (mode_ == Mode::FromThenOn && steps_ > failAt_);
  hit_ = hit_ || fails;
  return !fails;
}

bool FailingDisk::writeNew(const std::filesystem::path& file, std::string_view bytes, bool sync) {
  // A write that fails has written part of the file.
  if (!step()) {
    Disk::writeNew(file, bytes.substr(0, bytes.size() / 2), false);
    return false;
  }
  if (sync && !step()) {
    Disk::writeNew(file, bytes, false);
    return false;
  }
  return Disk::writeNew(file, bytes, sync);
}

bool FailingDisk::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  return step() && Disk::rename(from, to);
}

bool FailingDisk::remove(const std::filesystem::path& file) {
  return step() && Disk::remove(file);
}

bool FailingDisk::syncFolder(const std::filesystem::path& folder) {
  return step() && Disk::syncFolder(folder);
}

FailingDisk& FailStep(App& app, int failAt, FailingDisk::Mode mode) {
  auto disk = std::make_unique<FailingDisk>(failAt, mode);
  FailingDisk& d = *disk;
  app.disk = std::move(disk);
  return d;
}
