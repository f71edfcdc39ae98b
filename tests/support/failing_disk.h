#pragma once

#include "recording_disk.h"

// A disk that makes one step of the program's file changes fail, with EIO. Steps (writing
// a file, syncing it, syncing a folder, renaming, removing) are counted from the moment it
// is put in place. With Once only the chosen step fails, as with a full disk; with
// FromThenOn every step from the chosen one on fails, as if the program had been killed
// there: the files stay as they were at that moment for the next start to find. The steps
// that go ahead are recorded.
class FailingDisk : public RecordingDisk {
 public:
  enum class Mode { Once, FromThenOn };

  FailingDisk(int failAt, Mode mode) : failAt_(failAt), mode_(mode) {}
  ~FailingDisk() override { finish(); }

  // Whether the chosen step was reached.
  bool hit() const { return hit_; }

  bool writeNew(const std::filesystem::path& file, std::string_view bytes, bool lasting) override;
  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool remove(const std::filesystem::path& file) override;
  bool syncFolder(const std::filesystem::path& folder) override;

 protected:
  bool syncFile(int fd, const std::filesystem::path& file) override;

 private:
  // Counts a step; false, with errno set, when it is to fail.
  bool step();

  int failAt_;
  Mode mode_;
  int steps_ = 0;
  bool hit_ = false;
};

// Puts a failing disk in the program's place and returns it.
FailingDisk& FailStep(App& app, int failAt, FailingDisk::Mode mode = FailingDisk::Mode::Once);
