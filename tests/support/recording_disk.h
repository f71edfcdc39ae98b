#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "windows/app.h"

// One step a disk was asked for.
struct DiskStep {
  enum Kind { Write, Rename, Link, Remove, SyncFile, SyncFolder };
  Kind kind;
  // The file written, renamed, linked, removed or synced (under the name it was written
  // with); the folder synced.
  std::filesystem::path path;
  std::filesystem::path to;  // the new name of a rename or link
  bool lasting = false;      // a write whose content the worker is to sync
};

// A disk that does what the program's own does and keeps every step it is asked for, in
// the order they come, from any thread. Its worker's syncs wait for flush() unless told.
class RecordingDisk : public Disk {
 public:
  explicit RecordingDisk(Syncs syncs = Syncs::OnFlush, std::shared_ptr<SyncClock> clock = nullptr)
      : Disk(syncs, std::move(clock)) {}
  ~RecordingDisk() override { finish(); }

  bool writeNew(const std::filesystem::path& file, std::string_view bytes, bool lasting) override;
  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool link(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool remove(const std::filesystem::path& file) override;
  bool syncFolder(const std::filesystem::path& folder) override;

  std::vector<DiskStep> steps() const;

 protected:
  bool syncFile(int fd, const std::filesystem::path& file) override;

 private:
  void record(DiskStep step);

  mutable std::mutex mutex_;
  std::vector<DiskStep> steps_;
};

// Puts `disk` in the program's place and returns it.
template <class D>
D& PutDisk(App& app, std::unique_ptr<D> disk) {
  D& d = *disk;
  app.disk = std::move(disk);
  return d;
}

// Puts a recording disk in the program's place and returns it.
RecordingDisk& RecordSteps(App& app);

// The names that new files took, in the order they took them: each was written whole
// under another name and then renamed.
std::vector<std::string> PlacedFiles(const std::vector<DiskStep>& steps);

// What the steps do wrong, a line for each fault; empty when none. Every file written
// leaves its name again by a rename or a removal: nothing is written in the place of a
// file. A file that takes a name which `mustLast` says must outlast a power cut was
// written to be synced, and is synced before the steps end. What could undo or stand in
// for such a file (a group's marker, a kept old file or placeholder) is removed, and a
// synced copy named, only once every such file placed before is synced and the folder
// synced after that; kept old files and placeholders go only once the removal of their
// marker is on the disk.
std::string DurabilityFaults(const std::vector<DiskStep>& steps,
                             const std::function<bool(const std::filesystem::path&)>& mustLast);
