#pragma once

#include <filesystem>

// Where a running program keeps its files.
struct ProgramFolders {
  // Holds Data/Files: the settings, the undo snapshot and the save slots.
  std::filesystem::path data;
  // Holds what ships with the program: Data/Sound and the help file.
  std::filesystem::path assets;
};

// The folder that holds the running executable.
std::filesystem::path ExecutableFolder();

// The folders of a program started from `programFolder`. A portable copy (a folder the
// user can write, such as a build folder or an unpacked archive) keeps everything in it.
// An installed copy keeps the user's files in UserDataFolder() and reads the shipped ones
// from the shared data folder of its installation. A copy is installed when that shared
// folder lies beside it where the installation puts it (so even a user who may write
// everywhere does not write into the installation), or when it cannot write its folder.
ProgramFolders FindProgramFolders(const std::filesystem::path& programFolder);

// $XDG_DATA_HOME/00-varnet, or ~/.local/share/00-varnet when XDG_DATA_HOME is unset or not
// an absolute path; empty when there is no home folder either.
std::filesystem::path UserDataFolder();

// The folder of the data files below a data folder: data/Data/Files.
std::filesystem::path DataFilesFolder(const std::filesystem::path& data);

// Creates data/Data/Files where missing, each new folder readable by the user alone.
// False when it cannot; the start then says which folder it cannot use, and why.
bool CreateDataFolder(const std::filesystem::path& data);
