// Kills varnet-cli with SIGKILL at random moments while it runs a script, and checks the
// data folder after each kill: once the program has started again on it, every file
// group holds either what it held before the step that was cut short or what that step
// wrote, never a mixture, no temporary file is left, and every file loads.
//
// The script is a list of steps separated by blank lines. What the folder holds after
// each step is learnt first, from runs that stop after that many steps (the program is
// deterministic: a script sets the clock and the random draws it needs).
//
// Usage: kill_driver CLI STEPS GROUPS CHECK KILLS SEED
//   CLI     the varnet-cli executable
//   STEPS   the script of steps
//   GROUPS  the files of Data/Files that change together, as "USER.FIL:Save1.FIL,USER3_1.FIL"
//   CHECK   script lines run after each start on the killed folder; they must print no
//           stop box and no error
//   KILLS   how many runs are killed
//   SEED    seed of the random moments, so that a failing run can be repeated
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Files = std::map<std::string, std::string>;
using Group = std::vector<std::string>;

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void writeFile(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

[[noreturn]] void fail(const std::string& why) {
  std::cerr << "kill_driver: " << why << '\n';
  std::exit(1);
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  std::string part;
  while (std::getline(in, part, separator))
    if (!part.empty()) parts.push_back(part);
  return parts;
}

// The steps of a script: runs of lines between blank lines.
std::vector<std::string> readSteps(const fs::path& file) {
  std::vector<std::string> steps;
  std::istringstream in(readFile(file));
  std::string line, step;
  while (std::getline(in, line)) {
    if (line.empty()) {
      if (!step.empty()) steps.push_back(step);
      step.clear();
    } else {
      step += line + '\n';
    }
  }
  if (!step.empty()) steps.push_back(step);
  return steps;
}

fs::path makeFolder(const fs::path& under, const std::string& name) {
  const fs::path folder = under / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// Starts the program on a folder with a script; its output goes to `output`.
pid_t start(const std::string& cli, const fs::path& folder, const fs::path& script,
            const fs::path& output) {
  const pid_t pid = ::fork();
  if (pid < 0) fail("cannot start a process");
  if (pid == 0) {
    if (!std::freopen(output.c_str(), "w", stdout)) std::_Exit(127);
    ::execl(cli.c_str(), cli.c_str(), "--dir", folder.c_str(), script.c_str(), nullptr);
    std::_Exit(127);
  }
  return pid;
}

// Runs the program to its end and returns what it printed.
std::string runToEnd(const std::string& cli, const fs::path& folder, const fs::path& script) {
  const fs::path output = folder.parent_path() / (folder.filename().string() + ".out");
  int status = 0;
  ::waitpid(start(cli, folder, script, output), &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) == 127) fail("varnet-cli did not run: " + cli);
  return readFile(output);
}

// The folder lock, the recovery pair the autosave keeps (resume.kill_restart checks
// that one) and the wheel book with its log (kill.wheel_book checks those) are not the
// groups this driver compares.
bool notCompared(const std::string& name) {
  return name == "varnet.lock" || name == "RESUME.FIL" || name == "RESUME3.FIL" ||
         name.starts_with("wheelbook.sqlite3");
}

// The files of the data folder.
Files dataFiles(const fs::path& folder) {
  Files files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder / "Data/Files", ec))
    if (!notCompared(entry.path().filename().string()))
      files[entry.path().filename().string()] =
          entry.is_regular_file() ? readFile(entry.path()) : "(not a file)";
  return files;
}

std::string contentOf(const Files& files, const std::string& name) {
  const auto it = files.find(name);
  return it == files.end() ? "(missing)" : it->second;
}

bool sameGroup(const Group& g, const Files& a, const Files& b) {
  for (const std::string& name : g)
    if (contentOf(a, name) != contentOf(b, name)) return false;
  return true;
}

// Whether every group holds what it held after step k or after step k + 1, for one k.
bool beforeOrAfterOneStep(const std::vector<Group>& groups, const Files& now,
                          const std::vector<Files>& after) {
  for (std::size_t k = 0; k < after.size(); ++k) {
    bool whole = true;
    for (const Group& g : groups)
      whole = whole && (sameGroup(g, now, after[k]) ||
                        (k + 1 < after.size() && sameGroup(g, now, after[k + 1])));
    if (whole) return true;
  }
  return false;
}

bool reportsTrouble(const std::string& printed) {
  return printed.find("msgbox stop") != std::string::npos ||
         printed.find("error:") != std::string::npos;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) fail("usage: kill_driver CLI STEPS GROUPS CHECK KILLS SEED");
  const std::string cli = fs::absolute(argv[1]).string();
  const std::vector<std::string> steps = readSteps(argv[2]);
  std::vector<Group> groups;
  for (const std::string& g : split(argv[3], ':')) groups.push_back(split(g, ','));
  const std::string check = readFile(argv[4]);
  const int kills = std::atoi(argv[5]);
  const unsigned seed = static_cast<unsigned>(std::strtoul(argv[6], nullptr, 10));
  if (steps.empty() || groups.empty() || kills <= 0) fail("nothing to do");

  char pattern[] = "/tmp/varnet-kill-XXXXXX";
  if (!::mkdtemp(pattern)) fail("cannot make a work folder");
  const fs::path work = pattern;

  // Every file a group names; any other file left in the data folder is a leftover.
  Files known;
  for (const Group& g : groups)
    for (const std::string& name : g) known[name];

  // What the folder holds after 0, 1, ... all steps, and how long the whole script takes.
  std::vector<Files> after;
  std::string script;
  auto wholeRun = std::chrono::steady_clock::duration::zero();
  for (std::size_t k = 0; k <= steps.size(); ++k) {
    if (k > 0) script += steps[k - 1];
    writeFile(work / "script", script);
    const fs::path folder = makeFolder(work, "reference");
    const auto begin = std::chrono::steady_clock::now();
    const std::string printed = runToEnd(cli, folder, work / "script");
    wholeRun = std::chrono::steady_clock::now() - begin;
    if (reportsTrouble(printed))
      fail("the script itself fails after step " + std::to_string(k) + ":\n" + printed);
    after.push_back(dataFiles(folder));
    for (const auto& [name, bytes] : after.back())
      if (!known.count(name))
        fail("step " + std::to_string(k) + " leaves a file no group names: " + name);
  }
  writeFile(work / "check", check);
  // A start after a kill may offer the game the autosave kept; declining it leaves the
  // groups as the kill left them.
  writeFile(work / "restart", "answer no\n");

  std::mt19937 random(seed);
  std::uniform_int_distribution<long long> moment(
      0, std::chrono::duration_cast<std::chrono::microseconds>(wholeRun).count() * 11 / 10);
  int interrupted = 0;
  for (int i = 1; i <= kills; ++i) {
    const std::string where = "kill " + std::to_string(i) + " (seed " + std::to_string(seed) +
                              "), folder kept in " + (work / "killed").string();
    const fs::path folder = makeFolder(work, "killed");
    const pid_t pid = start(cli, folder, work / "script", work / "killed.out");
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    interrupted += WIFSIGNALED(status);

    // The next start puts the folder in order; then it must hold one moment of the script.
    const std::string started = runToEnd(cli, folder, work / "restart");
    if (reportsTrouble(started)) fail(where + ": the start after it printed\n" + started);
    const Files now = dataFiles(folder);
    for (const auto& [name, bytes] : now)
      if (!known.count(name)) fail(where + ": left behind " + name);
    if (!beforeOrAfterOneStep(groups, now, after))
      fail(where + ": the files are not those before or after one step");
    const std::string checked = runToEnd(cli, folder, work / "check");
    if (reportsTrouble(checked)) fail(where + ": the check printed\n" + checked);
  }
  std::cout << kills << " kills, " << interrupted << " of them while the script ran, "
            << steps.size() << " steps, whole script "
            << std::chrono::duration_cast<std::chrono::milliseconds>(wholeRun).count() << " ms\n";
  fs::remove_all(work);
  return 0;
}
