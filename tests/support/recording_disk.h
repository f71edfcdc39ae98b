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
  enum Kind { Write, Rename, Remove, SyncFolder };
  Kind kind;
  std::filesystem::path path;  // the file written, renamed or removed; the folder synced
  std::filesystem::path to;    // the new name of a rename
  bool synced = false;         // a write that was to reach the disk before it returned
};

// A disk that does what the program's own does and keeps every step it is asked for, in
// the order they come, from any thread.
class RecordingDisk : public Disk {
 public:
  bool writeNew(const std::filesystem::path& file, std::string_view bytes, bool sync) override;
  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool remove(const std::filesystem::path& file) override;
  bool syncFolder(const std::filesystem::path& folder) override;

  std::vector<DiskStep> steps() const;

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
// file. A file that takes a name which `mustLast` says must outlast a power cut was synced
// when it was written; before it takes the name, the folder was synced after the last
// write (the names that can undo it are on the disk); after, the folder is synced before
// anything else is written or removed, and before the steps end. Once such a file is in
// place, a file the steps wrote and then remove (what could undo it) is gone for good only
// when the folder is synced after the removal.
std::string DurabilityFaults(const std::vector<DiskStep>& steps,
                             const std::function<bool(const std::filesystem::path&)>& mustLast);
