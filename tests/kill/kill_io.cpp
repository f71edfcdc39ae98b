// Kills varnet-cli with SIGKILL at random moments of an export, an import and the start
// that restores a game (within the time each takes uninterrupted), and checks what a user
// finds: an exported file whole or absent and, after the next export there, no temporary
// file; after an import, the game before it or after it; after a restoring start killed
// up to five times in a row, the game whole.
//
// usage: kill_io VARNET_CLI KILLS SEED
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;
using Micros = std::chrono::microseconds;

namespace {

std::string cli;
fs::path base;

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Runs varnet-cli on `folder` with `script`, killed after `killAfter` unless it is zero;
// gives the time it ran and, in `printed`, what it printed ("" unless it exited 0).
Micros run(const fs::path& folder, const std::string& script, Micros killAfter = Micros(0),
           std::string* printed = nullptr) {
  std::ofstream(base / "script") << script;
  const auto began = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(::open((base / "script").c_str(), O_RDONLY), 0);
    ::dup2(::open((base / "printed").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
    ::execl(cli.c_str(), cli.c_str(), "--dir", folder.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  if (killAfter.count() > 0) {
    std::this_thread::sleep_for(killAfter);
    ::kill(pid, SIGKILL);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (printed)
    *printed = WIFEXITED(status) && WEXITSTATUS(status) == 0 ? readFile(base / "printed") : "";
  return std::chrono::duration_cast<Micros>(std::chrono::steady_clock::now() - began);
}

// The game a clean start shows after answering Yes to its offer; "" after a stop box.
std::string restartTotal(const fs::path& folder) {
  std::string printed;
  run(folder, "answer yes\nget Main_F.Total.text\n", Micros(0), &printed);
  const auto at = printed.find("Main_F.Total.text=");
  if (printed.find("msgbox stop") != std::string::npos || at == std::string::npos) return "";
  return printed.substr(at + 18, printed.find('\n', at) - at - 18);
}

fs::path freshFolder(const std::string& name) {
  fs::remove_all(base / name);
  fs::create_directories(base / name / "Data/Files");
  return base / name;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: kill_io VARNET_CLI KILLS SEED\n";
    return 2;
  }
  cli = argv[1];
  const int kills = std::atoi(argv[2]);
  std::mt19937 draws(static_cast<unsigned>(std::atoi(argv[3])));
  const auto anyMomentOf = [&draws](Micros span) {
    return Micros(1 + draws() % static_cast<unsigned>(span.count() + 1));
  };
  std::string pattern = (fs::exists("/dev/shm") ? "/dev/shm" : fs::temp_directory_path().string()) +
                        "/varnet-kill-io-XXXXXX";
  if (!::mkdtemp(pattern.data())) return 2;
  base = pattern;
  int failures = 0;
  const auto check = [&failures](bool holds, const std::string& what, int trial) {
    if (holds) return;
    ++failures;
    std::cerr << what << " (trial " << trial << ")\n";
  };

  // A game of 400 spins, and its export: the file the imports below read.
  const fs::path source = freshFolder("source"), out = base / "out", spins = base / "spins.csv";
  std::string game;
  for (int k = 0; k < 400; ++k)
    game += "click Main_F.Count_P(" + std::to_string(k * 7 % 38) + ")\n";
  run(source, game + "file " + spins.string() + "\nclick Main_F.Export_Spins\n");
  const std::string exported = readFile(spins);
  fs::create_directories(out);
  const auto exportTo = [&](const std::string& name) {
    return "answer yes\nfile " + (out / name).string() + "\nclick Main_F.Export_Spins\n";
  };
  const Micros exportTime = run(source, exportTo("spins.csv"));
  for (int trial = 0; trial < kills; ++trial) {
    fs::remove(out / "spins.csv");
    run(source, exportTo("spins.csv"), anyMomentOf(exportTime));
    check(!fs::exists(out / "spins.csv") || readFile(out / "spins.csv") == exported,
          "a killed export left a partial file", trial);
    run(source, exportTo("next.csv"));
    for (const auto& entry : fs::directory_iterator(out))
      check(entry.path().extension() != ".new", "a temporary file stayed", trial);
  }

  const std::string importScript = "file " + spins.string() + "\nclick Main_F.Import_Spins\n";
  const Micros importTime = run(freshFolder("import"), importScript);
  for (int trial = 0; trial < kills; ++trial) {
    const fs::path folder = freshFolder("import");
    run(folder, importScript, anyMomentOf(importTime));
    const std::string total = restartTotal(folder);
    check(total == "0" || total == "400", "a killed import left the game at " + total, trial);
  }

  const fs::path folder = freshFolder("restore");
  run(folder, game);
  const std::string restart = "answer yes\nget Main_F.Total.text\n";
  const Micros startTime = run(folder, restart);
  for (int trial = 0; trial < kills; ++trial) {
    for (int again = 1 + static_cast<int>(draws() % 5); again > 0; --again)
      run(folder, restart, anyMomentOf(startTime));
    const std::string total = restartTotal(folder);
    check(total == "400", "a restore killed again and again left the game at " + total, trial);
  }

  std::cout << "kill_io: " << 3 * kills << " kill trials, " << failures << " failures\n";
  fs::remove_all(base);
  return failures == 0 && exported.size() > 400 ? 0 : 1;
}
