// Kills varnet-cli with SIGKILL at random moments of a scripted game and starts it again:
// every restart must offer the game as it stood after an event that completed before the
// kill (the last one acknowledged, or the one under way if it got as far as its save),
// never a damaged or mixed one, and the killed program's lock must not keep it out.
//
// usage: kill_restart VARNET_CLI KILLS [SEED]

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const Marker = "form Main_F";
const std::string MarkerReply = "Main_F loaded=";
const char* const PairNames[] = {"Data/Files/RESUME.FIL", "Data/Files/RESUME3.FIL"};
const std::string NoPair(2, '\0');

// One event of the game: its script lines, the last of which changes the game.
using Event = std::string;

// A game of a round and a half with predictions, take-backs, a slot save and load, and
// a Clear in the middle. Predictions draw from queued values, so every run plays alike.
std::vector<Event> scriptedGame() {
  std::vector<Event> game;
  const auto spin = [&game](int i) {
    game.push_back("click Main_F.Count_P(" + std::to_string(i) + ")");
  };
  std::string draws = "random";
  for (int k = 0; k < 60; ++k) draws += " 0." + std::to_string(10 + (k * 37) % 89);
  const auto predict = [&] { game.push_back(draws + "\nclick Main_F.Expect"); };
  for (int n = 0; n < 6; ++n) spin((n * 11) % 38);
  game.push_back("answer yes\nclick Main_F.Clear");
  for (int n = 0; n < 40; ++n) spin((n * 7 + n / 5) % 38);
  for (int n = 0; n < 10; ++n) {
    predict();
    spin((n * 13 + 5) % 38);
    if (n % 3 == 1)
      game.push_back("click Main_F.Count_M(" + std::to_string((n * 13 + 5) % 38) + ")");
  }
  game.push_back("click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Save(1)");
  spin(3);
  spin(36);
  game.push_back("answer yes\nclick Save_Load_F.Load(1)");
  predict();
  spin(12);
  return game;
}

struct Child {
  pid_t pid = -1;
  FILE* in = nullptr;   // the script
  FILE* out = nullptr;  // what it prints
};

Child launch(const std::string& cli, const fs::path& folder) {
  int toChild[2], fromChild[2];
  if (pipe(toChild) != 0 || pipe(fromChild) != 0) std::abort();
  const pid_t pid = fork();
  if (pid < 0) std::abort();
  if (pid == 0) {
    dup2(toChild[0], 0);
    dup2(fromChild[1], 1);
    close(toChild[1]);
    close(fromChild[0]);
    execl(cli.c_str(), cli.c_str(), "--dir", folder.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  return {pid, fdopen(toChild[1], "w"), fdopen(fromChild[0], "r")};
}

std::optional<std::string> readLine(FILE* f) {
  std::string line;
  for (int c; (c = std::fgetc(f)) != EOF;) {
    if (c == '\n') return line;
    line += static_cast<char>(c);
  }
  if (line.empty()) return std::nullopt;
  return line;
}

int finish(Child& c) {
  if (c.in) std::fclose(c.in);
  while (readLine(c.out)) {
  }
  std::fclose(c.out);
  int status = 0;
  waitpid(c.pid, &status, 0);
  return status;
}

// The recovery pair's bytes; "" for a file that is missing.
std::string pairOf(const fs::path& folder) {
  std::string both;
  for (const char* name : PairNames) {
    std::ifstream f(folder / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << f.rdbuf();
    both += bytes.str() + '\0';
  }
  return both;
}

void send(Child& c, const std::string& lines) {
  std::fputs((lines + "\n").c_str(), c.in);
  std::fflush(c.in);
}

// Runs the game event by event, taking the pair after each: pairs[n] is the pair once n
// events have completed.
std::vector<std::string> referencePairs(const std::string& cli, const fs::path& folder,
                                        const std::vector<Event>& game) {
  std::vector<std::string> pairs{pairOf(folder)};
  Child c = launch(cli, folder);
  for (const Event& e : game) {
    send(c, e + "\n" + Marker);
    while (const auto line = readLine(c.out))
      if (line->rfind(MarkerReply, 0) == 0) break;
    pairs.push_back(pairOf(folder));
  }
  finish(c);
  return pairs;
}

// Starts the program again, answering Yes to an offer. True when it started cleanly (no
// stop box, no error), offered a game exactly when a pair was there, and shows a game
// with spins exactly then.
// (The pair is looked at after the start: the start completes a write a kill cut short.)
bool restartsCleanly(const std::string& cli, const fs::path& folder) {
  Child c = launch(cli, folder);
  send(c, "answer yes\nget Main_F.Total.text");
  std::fclose(c.in);
  c.in = nullptr;
  std::string printed;
  while (const auto line = readLine(c.out)) printed += *line + "\n";
  std::fclose(c.out);
  int status = 0;
  waitpid(c.pid, &status, 0);
  const bool pairThere = pairOf(folder) != NoPair;
  const bool offered = printed.find("msgbox question") != std::string::npos;
  const bool stopped = printed.find("msgbox stop") != std::string::npos;
  const bool empty = printed.find("Main_F.Total.text=0\n") != std::string::npos;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && !stopped && offered == pairThere &&
      empty != pairThere)
    return true;
  std::cerr << "restart printed:\n" << printed;
  return false;
}

fs::path freshFolder(const fs::path& base, const std::string& name) {
  const fs::path folder = base / name;
  fs::remove_all(folder);
  fs::create_directories(folder / "Data/Files");
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: kill_restart VARNET_CLI KILLS [SEED]\n";
    return 2;
  }
  const std::string cli = argv[1];
  const int kills = std::atoi(argv[2]);
  const unsigned seed =
      argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : std::random_device{}();
  std::mt19937 random(seed);
  // A write to a program that was killed must not end the driver.
  signal(SIGPIPE, SIG_IGN);
  std::cout << "seed " << seed << std::endl;

  // A kill, unlike a power cut, loses nothing the system has taken: memory-backed folders
  // serve, and spare the disk some thousand syncs.
  std::string pattern = (fs::exists("/dev/shm") ? "/dev/shm" : fs::temp_directory_path().string()) +
                        "/varnet-kill-XXXXXX";
  if (!mkdtemp(pattern.data())) return 2;
  const fs::path base = pattern;
  const std::vector<Event> game = scriptedGame();
  const std::vector<std::string> pairs = referencePairs(cli, freshFolder(base, "reference"), game);

  int failures = 0, done = 0;
  const fs::path folder = freshFolder(base, "killed");
  for (int kill = 0; kill < kills && failures < 5; ++kill, ++done) {
    // Each kill starts a new game in a folder of its own, so every prefix can be hit.
    fs::remove_all(folder / "Data/Files");
    fs::create_directories(folder / "Data/Files");
    const std::size_t waitFor =
        std::uniform_int_distribution<std::size_t>(0, game.size() - 1)(random);
    const int extraMicros = std::uniform_int_distribution<int>(0, 4000)(random);

    Child c = launch(cli, folder);
    std::string script;
    for (const Event& e : game) script += e + "\n" + Marker + "\n";
    // The whole game at once: the program works on while the kill comes.
    std::thread feeder([&c, script] {
      std::fputs(script.c_str(), c.in);
      std::fflush(c.in);
    });
    std::size_t acknowledged = 0;
    while (acknowledged < waitFor) {
      const auto line = readLine(c.out);
      if (!line) break;
      if (line->rfind(MarkerReply, 0) == 0) ++acknowledged;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(extraMicros));
    ::kill(c.pid, SIGKILL);
    // What it printed before it died tells how far it got.
    while (const auto line = readLine(c.out))
      if (line->rfind(MarkerReply, 0) == 0) ++acknowledged;
    feeder.join();
    std::fclose(c.in);
    c.in = nullptr;
    std::fclose(c.out);
    int status = 0;
    waitpid(c.pid, &status, 0);

    // The restart finishes any interrupted write; then the pair must be that of the last
    // acknowledged event or of the one after it.
    const std::size_t next = std::min(acknowledged + 1, game.size());
    const bool started = restartsCleanly(cli, folder);
    const std::string pair = pairOf(folder);
    const bool matches = pair == pairs[acknowledged] || pair == pairs[next];
    if (!started || !matches) {
      std::cerr << "kill " << kill << " after " << acknowledged
                << " events: the restart did not offer the game of event " << acknowledged << " or "
                << next << (matches ? " (the start failed)" : " (the pair differs)") << "\n";
      ++failures;
    }
  }
  fs::remove_all(base);
  std::cout << done << " kills, " << failures << " failures\n";
  return failures == 0 ? 0 : 1;
}
