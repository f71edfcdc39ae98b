#include "core/program_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The shared data folder of an installation, relative to the folder of its executables;
// the build sets it from the install layout (bin/ and share/00-varnet/ by default).
const char* const SharedFromProgram = VARNET_SHARED_DATA;

fs::path homeFolder() {
  if (const char* home = std::getenv("HOME"); home && fs::path(home).is_absolute()) return home;
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir && fs::path(found->pw_dir).is_absolute())
    return found->pw_dir;
  return {};
}

}  // namespace

fs::path ExecutableFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path(ec) : exe.parent_path();
}

ProgramFolders FindProgramFolders(const fs::path& programFolder) {
  std::error_code ec;
  const fs::path shared = (programFolder / SharedFromProgram).lexically_normal();
  const bool installed = fs::is_directory(shared, ec);
  if (!installed && ::access(programFolder.c_str(), W_OK) == 0)
    return {programFolder, programFolder};
  const fs::path user = UserDataFolder();
  // Without a home folder the data stays put; every write that then fails says so.
  return {user.empty() ? programFolder : user, installed ? shared : programFolder};
}

fs::path UserDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && fs::path(xdg).is_absolute())
    return fs::path(xdg) / "00-varnet";
  const fs::path home = homeFolder();
  return home.empty() ? fs::path() : home / ".local/share/00-varnet";
}

fs::path DataFilesFolder(const fs::path& data) {
  return data / "Data/Files";
}

bool CreateDataFolder(const fs::path& data) {
  const fs::path files = DataFilesFolder(data);
  std::error_code ec;
  if (fs::is_directory(files, ec)) return true;
  fs::path step;
  for (const fs::path& part : files) {
    step /= part;
    if (::mkdir(step.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return fs::is_directory(files, ec);
}
