#pragma once

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
// a link that leads nowhere) or cannot be read, and then `error`, when given, says why
// (no_such_file_or_directory for a name with nothing behind it).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file,
                                         std::error_code* error = nullptr);

// True only when nothing at all stands under that name; a broken link or a file that
// cannot be looked at is not missing.
bool IsMissing(const std::filesystem::path& file);

// A folder stands under that name (not a link to one).
bool IsFolder(const std::filesystem::path& file);
