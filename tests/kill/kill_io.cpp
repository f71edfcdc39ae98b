// Kills varnet-cli with SIGKILL at random moments of an export, of an import, and of the
// start that restores a game, and checks what a user would find afterwards:
//  - export: the exported file is whole or absent, and once the next export to that
//    folder has run no temporary file is left beside it;
//  - import: the next start is clean and shows the game before the import or after it;
//  - restore: a start killed again and again, any number of times in a row, leaves the
//    game for the next one, whole.
// Each kill falls within the time a run takes uninterrupted, measured first.
//
// usage: kill_io VARNET_CLI KILLS SEED
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::string cli;
fs::path base;
std::mt19937 draws;

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Runs varnet-cli on `folder` with `script`, killed after `killAfter` when one is given;
// gives what it printed, and the time it ran.
struct Run {
  std::string printed;
  std::chrono::microseconds took{};
  bool killed = false;
  int status = 0;
};

Run run(const fs::path& folder, const std::string& script,
        std::chrono::microseconds killAfter = std::chrono::microseconds::max()) {
  const fs::path in = base / "script", out = base / "printed";
  std::ofstream(in) << script;
  const auto began = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int input = ::open(in.c_str(), O_RDONLY);
    const int output = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(input, 0);
    ::dup2(output, 1);
    ::execl(cli.c_str(), cli.c_str(), "--dir", folder.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  Run r;
  if (killAfter != std::chrono::microseconds::max()) {
    std::this_thread::sleep_for(killAfter);
    r.killed = ::kill(pid, SIGKILL) == 0;
  }
  ::waitpid(pid, &r.status, 0);
  r.took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 began);
  r.printed = readFile(out);
  return r;
}

std::chrono::microseconds anyMomentOf(std::chrono::microseconds span) {
  return std::chrono::microseconds(draws() % static_cast<unsigned>(span.count() + 1));
}

// A start that answers Yes to the offer and says what game it shows; "" when it did not
// start cleanly (a stop box, an error, a failed exit).
std::string restartTotal(const fs::path& folder) {
  const Run r = run(folder, "answer yes\nget Main_F.Total.text\n");
  const auto at = r.printed.find("Main_F.Total.text=");
  if (!WIFEXITED(r.status) || WEXITSTATUS(r.status) != 0 ||
      r.printed.find("msgbox stop") != std::string::npos || at == std::string::npos) {
    std::cerr << "restart printed:\n" << r.printed;
    return "";
  }
  return r.printed.substr(at + 18, r.printed.find('\n', at) - at - 18);
}

fs::path freshFolder(const std::string& name) {
  const fs::path folder = base / name;
  fs::remove_all(folder);
  fs::create_directories(folder / "Data/Files");
  return folder;
}

bool strayTemporary(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".new") return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: kill_io VARNET_CLI KILLS SEED\n";
    return 2;
  }
  cli = argv[1];
  const int kills = std::atoi(argv[2]);
  draws.seed(static_cast<unsigned>(std::atoi(argv[3])));
  std::string pattern = (fs::exists("/dev/shm") ? "/dev/shm" : fs::temp_directory_path().string()) +
                        "/varnet-kill-io-XXXXXX";
  if (!::mkdtemp(pattern.data())) return 2;
  base = pattern;

  // A game of 400 spins, exported: the file every export and import below uses.
  const fs::path source = freshFolder("source"), spins = base / "spins.csv";
  std::string game;
  for (int k = 0; k < 400; ++k)
    game += "click Main_F.Count_P(" + std::to_string(k * 7 % 38) + ")\n";
  run(source, game + "file " + spins.string() + "\nclick Main_F.Export_Spins\n");
  const std::string exported = readFile(spins);
  if (exported.empty()) {
    std::cerr << "kill_io: the game could not be exported\n";
    return 1;
  }

  int failures = 0;
  const auto fail = [&failures](const std::string& what, int trial) {
    ++failures;
    std::cerr << what << " (trial " << trial << ")\n";
  };

  // Exports of the restored game into a folder of their own, each killed.
  const fs::path out = base / "out";
  fs::create_directories(out);
  const std::string exportScript =
      "answer yes\nfile " + (out / "spins.csv").string() + "\nclick Main_F.Export_Spins\n";
  const auto exportTime = run(source, exportScript).took;
  for (int trial = 0; trial < kills; ++trial) {
    fs::remove(out / "spins.csv");
    run(source, exportScript, anyMomentOf(exportTime));
    if (fs::exists(out / "spins.csv") && readFile(out / "spins.csv") != exported)
      fail("a killed export left a partial file", trial);
    run(source,
        "answer yes\nfile " + (out / "next.csv").string() + "\nclick Main_F.Export_Spins\n");
    if (strayTemporary(out)) fail("a temporary file stayed after the next export", trial);
  }

  // Imports into an empty game, each killed.
  const std::string importScript = "file " + spins.string() + "\nclick Main_F.Import_Spins\n";
  const auto importTime = run(freshFolder("import"), importScript).took;
  for (int trial = 0; trial < kills; ++trial) {
    const fs::path folder = freshFolder("import");
    run(folder, importScript, anyMomentOf(importTime));
    const std::string total = restartTotal(folder);
    if (total != "0" && total != "400") fail("a killed import left the game at " + total, trial);
  }

  // The start that restores a game, killed up to five times in a row, then a clean one.
  const fs::path folder = freshFolder("restore");
  run(folder, game);
  const auto startTime = run(folder, "answer yes\nget Main_F.Total.text\n").took;
  for (int trial = 0; trial < kills; ++trial) {
    for (int again = 1 + static_cast<int>(draws() % 5); again > 0; --again)
      run(folder, "answer yes\nget Main_F.Total.text\n", anyMomentOf(startTime));
    if (const std::string total = restartTotal(folder); total != "400")
      fail("a restore killed again and again left the game at " + total, trial);
  }

  std::cout << "kill_io: " << 3 * kills << " kills, " << failures << " failures\n";
  fs::remove_all(base);
  return failures == 0 ? 0 : 1;
}
