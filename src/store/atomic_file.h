#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct FileBytes {
  std::filesystem::path target;
  std::string bytes;
};

// Replaces files whole: writes a temporary file beside each target, flushes it (and
// syncs it to disk when asked), and only when every temporary file is complete renames
// them over their targets. Missing folders are created. Returns the index of the file
// that failed, or files.size() when all were replaced; when writing fails every old file
// is still whole.
std::size_t ReplaceFiles(const std::vector<FileBytes>& files, bool sync);

// The whole content, or nothing when the file cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);
