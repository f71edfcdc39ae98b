#include <clocale>
#include <fstream>
#include <iostream>
#include <string>

#include "cli/script_runner.h"

namespace {

std::filesystem::path executableFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : exe.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  // The user's locale, as the desktop program takes it: numbers must read and write the
  // same in every locale.
  std::setlocale(LC_ALL, "");
  std::filesystem::path folder = executableFolder();
  std::string script = "-";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--dir" && i + 1 < argc) {
      folder = argv[++i];
    } else if (arg.rfind("--", 0) == 0 && arg != "-") {
      std::cerr << "usage: varnet-cli [--dir DIR] [SCRIPT]\n";
      return 2;
    } else {
      script = arg;
    }
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
  ScriptRunner runner(folder, std::cout);
  const int status = runner.run(script == "-" ? std::cin : file);
  std::cout.flush();
  return status;
}
