#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// The changes the program makes to its files, one step at a time. Every step retries an
// interrupted system call and reports failure instead of throwing; a step that fails
// leaves errno saying why. The program holds one Disk; a test puts its own in place to
// see every step go wrong in turn, or to watch the order of the steps.
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
// a link that leads nowhere), cannot be read or holds more than `limit` bytes, and then
// `error`, when given, says why (no_such_file_or_directory for a name with nothing behind
// it, file_too_large beyond the limit). A file beyond the limit is not read at all.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file,
                                         std::error_code* error = nullptr,
                                         std::size_t limit = SIZE_MAX);

// The first `length` bytes of a regular file, or all of a shorter one; fails as
// ReadWholeFile does.
std::optional<std::string> ReadFileStart(const std::filesystem::path& file, std::size_t length,
                                         std::error_code* error = nullptr);

// True only when nothing at all stands under that name (a broken link is not missing).
// A name that cannot be looked at (a folder on the way that may not be searched or is no
// folder, a loop of links) is not known to be missing either: false, and `error`, when
// given, says why; it is cleared when the answer is sure.
bool IsMissing(const std::filesystem::path& file, std::error_code* error = nullptr);

// A folder stands under that name (not a link to one).
bool IsFolder(const std::filesystem::path& file);
