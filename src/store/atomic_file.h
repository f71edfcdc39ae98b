#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Replaces a file whole: writes a temporary file in the same folder, flushes it (and
// syncs it to disk when asked), then renames it over the target. Missing folders are
// created. Returns false on any failure, and the old file is then still whole.
bool ReplaceFile(const std::filesystem::path& target, std::string_view bytes, bool sync);

// The whole content, or nothing when the file cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);
