#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_result.h"

class Disk;

struct FileBytes {
  std::filesystem::path target;
  std::string bytes;
};

// Replaces files of one folder whole, as a group that changes together or not at all.
// Each new content first goes to a temporary file of a unique name beside its target.
// A single file then takes its target's place in one rename. A group, and any file that
// must outlast a power cut (`durable`: every file is synced before it is used, and the
// folder after each step), goes through a marker file that names the group: the old
// files are kept beside the new ones until the marker is gone, and a step that fails
// puts them all back. When a step fails the result names the target it failed on (the
// first file's for a step of the whole group) as the caller gave it.
FileResult ReplaceFiles(Disk& disk, const std::vector<FileBytes>& files, bool durable);

// Run at start, before anything reads the folder: puts back the old files of a group that
// a kill or a power cut interrupted, and removes the temporary files left behind.
void RecoverReplacedFiles(Disk& disk, const std::filesystem::path& folder);

// Removes the temporary files ("<name>.<id>.new") a kill left behind in a folder no start
// looks at, such as one a file was exported to; run before the next write there.
void RemoveStaleTemporaries(Disk& disk, const std::filesystem::path& folder);
