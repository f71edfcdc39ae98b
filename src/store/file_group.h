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

// Replaces files of one folder whole. Each new content first goes to a temporary file of
// a unique name beside its target, and takes the target's place by a rename: that much
// is done at once and outlasts a kill. When a step fails the result names the target it
// failed on (the first file's for a step of the whole group) as the caller gave it.
//
// - One file that need not outlast a power cut: the rename is all.
// - One file that must (`durable`): the disk's sync worker later syncs it and gives the
//   synced content a second name, SyncedCopyOf(target), so that a whole copy stands on
//   the disk whatever a power cut does to the newest one.
// - A group, which changes together or not at all: a marker file names each member with
//   the size and a check of its new content, the old files are kept beside the new ones,
//   and a member that did not exist gets an empty placeholder. The marker goes, with the
//   old files, only once the new files are on the disk (at once for a group that need
//   not outlast a power cut). A start that finds a marker keeps the new files when each
//   is whole, and puts the old ones back otherwise.
FileResult ReplaceFiles(Disk& disk, const std::vector<FileBytes>& files, bool durable);

// Removes a file written durable and its synced copy; the worker syncs the removal.
void RemoveDurableFile(Disk& disk, const std::filesystem::path& target);

// The name under which the last synced content of a durable file stands.
std::filesystem::path SyncedCopyOf(const std::filesystem::path& target);

// Run at start, before anything reads the folder: settles the groups a kill or a power
// cut interrupted, and removes the temporary files left behind.
void RecoverReplacedFiles(Disk& disk, const std::filesystem::path& folder);

// Removes the temporary files ("<name>.<id>.new") a kill left behind in a folder no start
// looks at, such as one a file was exported to; run before the next write there.
void RemoveStaleTemporaries(Disk& disk, const std::filesystem::path& folder);
