#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "cli/script_runner.h"
#include "core/program_folders.h"
#include "windows/version_form.h"

namespace {

// The title and version as the Version window shows them, and where this copy keeps its
// files.
void printVersion(const ProgramFolders& folders) {
  const VersionForm about;
  std::cout << about.lblTitle(0).caption() << ' ' << about.lblVersion.caption() << '\n'
            << "data folder: " << DataFilesFolder(folders.data).string() << '\n'
            << "sounds and help: " << folders.assets.string() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  // The user's locale, as the desktop program takes it: numbers must read and write the
  // same in every locale.
  std::setlocale(LC_ALL, "");
  std::optional<std::filesystem::path> dir;
  bool version = false;
  std::string script = "-";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--dir" && i + 1 < argc) {
      dir = argv[++i];
    } else if (arg == "--version") {
      version = true;
    } else if (arg.rfind("--", 0) == 0 && arg != "-") {
      std::cerr << "usage: varnet-cli [--dir DIR] [--version] [SCRIPT]\n";
      return 2;
    } else {
      script = arg;
    }
  }
  // --dir names one folder for everything, as a portable copy has.
  const ProgramFolders folders =
      dir ? ProgramFolders{*dir, *dir} : FindProgramFolders(ExecutableFolder());
  if (version) {
    printVersion(folders);
    return 0;
  }
  std::ifstream file;
  if (script != "-") {
    file.open(script);
    if (!file) {
      std::cerr << "varnet-cli: cannot read " << script << '\n';
      return 2;
    }
  }
  std::ios::sync_with_stdio(false);
  ScriptRunner runner(folders.data, std::cout);
  // Tests that do not look at durability spare the disk its syncs.
  if (std::getenv("VARNET_SKIP_SYNCS"))
    runner.app().disk = std::make_unique<Disk>(Disk::Syncs::Skip);
  const int status = runner.run(script == "-" ? std::cin : file);
  std::cout.flush();
  return status;
}
