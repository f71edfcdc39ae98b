#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The changes the program makes to its files, one step at a time. Every step retries an
// interrupted system call and reports failure instead of throwing. The program holds
// one Disk; a test puts a failing one in its place to see every step go wrong in turn.
class Disk {
 public:
  virtual ~Disk() = default;

  // Creates `file`, which must not exist yet, with `bytes` as its whole content, and
  // with `sync` waits until the content is on the disk.
  virtual bool writeNew(const std::filesystem::path& file, std::string_view bytes, bool sync);
  // Replaces `to` by `from` in one step.
  virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to);
  virtual bool remove(const std::filesystem::path& file);
  // Waits until the names in the folder (renames, new and removed files) are on the disk.
  virtual bool syncFolder(const std::filesystem::path& folder);
};

// The whole content of a regular file; nothing when it is missing, is no file (a folder,
// a link that leads nowhere) or cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// True only when nothing at all stands under that name; a broken link or a file that
// cannot be looked at is not missing.
bool IsMissing(const std::filesystem::path& file);

// A folder stands under that name (not a link to one).
bool IsFolder(const std::filesystem::path& file);
