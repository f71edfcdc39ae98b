// Kills varnet-cli with SIGKILL at random moments while it records spins by click and by
// import and takes them back, and checks after each kill, once the program has started
// again and brought the game back:
//   - the wheel book passes PRAGMA integrity_check;
//   - the game that came back holds every spin whose event was acknowledged (its line
//     printed) and none that was taken back, give or take the one event cut short;
//   - the book holds exactly the spins of that game, in order.
// One game runs through every start (each start answers Yes to bringing it back), so the
// game's spin log and the book must match spin for spin.
//
// Usage: book_kill CLI KILLS SEED
#include <signal.h>
#include <sqlite3.h>
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
#include <vector>

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const std::string& why) {
  std::cerr << "book_kill: " << why << '\n';
  std::exit(1);
}

// "1".."36" at index 0..35, "0" at 36, "00" at 37.
std::string numberText(int i) {
  return i == 36 ? "0" : i == 37 ? "00" : std::to_string(i + 1);
}

int indexOf(const std::string& t) {
  if (t == "0") return 36;
  if (t == "00") return 37;
  return std::atoi(t.c_str()) - 1;
}

using Spins = std::vector<int>;

// One user event of a run and what it does to the game when it goes through.
struct Event {
  enum Kind { Entry, Import, Undo } kind;
  Spins spins;         // the entry's or the import's spins
  std::string script;  // its lines
};

Spins apply(Spins game, const Event& e, bool undoable) {
  if (e.kind == Event::Undo) {
    if (undoable && !game.empty()) game.pop_back();
  } else {
    game.insert(game.end(), e.spins.begin(), e.spins.end());
  }
  return game;
}

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Runs the CLI on a script with output to a file; kills it after `killAfter` unless that
// is negative. Gives the lines it printed.
std::vector<std::string> runCli(const std::string& cli, const fs::path& dir,
                                const std::string& script, int killAfterMs) {
  const std::string name = killAfterMs >= 0 ? "killed" : "check";
  const fs::path scriptFile = dir / (name + ".txt"), outFile = dir / (name + ".out");
  std::ofstream(scriptFile) << script;
  const pid_t pid = fork();
  if (pid < 0) fail("fork");
  if (pid == 0) {
    if (!freopen(outFile.c_str(), "w", stdout)) _exit(127);
    execl(cli.c_str(), cli.c_str(), "--dir", dir.c_str(), scriptFile.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  if (killAfterMs >= 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(killAfterMs));
    kill(pid, SIGKILL);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  std::vector<std::string> lines;
  std::istringstream in(readFile(outFile));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct Book {
  std::string integrity;
  Spins spins;
};

Book readBook(const fs::path& file) {
  Book b;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
    fail("cannot open the book");
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &s, nullptr);
  if (sqlite3_step(s) == SQLITE_ROW)
    b.integrity = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
  sqlite3_finalize(s);
  sqlite3_prepare_v2(db, "SELECT number FROM spins ORDER BY session_id, id", -1, &s, nullptr);
  while (sqlite3_step(s) == SQLITE_ROW)
    b.spins.push_back(indexOf(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))));
  sqlite3_finalize(s);
  sqlite3_close(db);
  return b;
}

std::string show(const Spins& s) {
  std::string t;
  for (int i : s) t += numberText(i) + " ";
  return "(" + std::to_string(s.size()) + ") " + t;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) fail("usage: book_kill CLI KILLS SEED");
  const std::string cli = argv[1];
  const int kills = std::atoi(argv[2]);
  std::mt19937 random(static_cast<unsigned>(std::atoi(argv[3])));
  const fs::path dir = fs::temp_directory_path() / ("book_kill." + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "Data" / "Files");

  const std::string ack = "get Main_F.Total.text\n";
  Spins game;  // the game as the acknowledged events left it
  // Whether an undo takes a spin back: a restored game keeps the take-back of its last spin.
  bool undoable = false;
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (int run = 0; run < kills; ++run) {
    // The events of this run, each followed by the line that acknowledges it; few enough
    // that 300 runs stay within the 5000 spins the log holds.
    std::vector<Event> events;
    std::string script = "answer yes\n";
    Spins planned = game;
    const bool undoableAtStart = undoable;
    std::vector<bool> undoableBefore;
    for (int k = 0; k < 12; ++k) {
      Event e;
      const int roll = pick(20);
      if (roll < 12) {
        e = {Event::Entry, {pick(38)}, {}};
        e.script = "click Main_F.Count_P(" + std::to_string(e.spins[0]) + ")\n";
      } else if (roll < 15) {
        e.kind = Event::Import;
        for (int n = 2 + pick(6); n > 0; --n) e.spins.push_back(pick(38));
        const fs::path file = dir / ("import" + std::to_string(k) + ".txt");
        std::string text;
        for (int i : e.spins) text += numberText(i) + "\n";
        std::ofstream(file) << text;
        // A game with spins asks whether to add them to it.
        e.script = std::string(planned.empty() ? "" : "answer yes\n") + "file " + file.string() +
                   "\nclick Main_F.Import_Spins\n";
      } else {
        e = {Event::Undo, {}, "key Ctrl+Z\n"};
      }
      undoableBefore.push_back(undoable);
      planned = apply(planned, e, undoable);
      undoable = e.kind != Event::Undo;
      script += e.script + ack;
      events.push_back(e);
    }
    const auto lines = runCli(cli, dir, script, 20 + pick(120));

    // The events acknowledged before the kill, and the one it cut short.
    std::size_t acked = 0;
    for (const std::string& line : lines)
      if (line.rfind("Main_F.Total.text=", 0) == 0) ++acked;
    Spins expected = game;
    for (std::size_t k = 0; k < acked && k < events.size(); ++k)
      expected = apply(expected, events[k], undoableBefore[k]);
    Spins cutShort = expected;
    if (acked < events.size()) cutShort = apply(expected, events[acked], undoableBefore[acked]);

    // Start again, bring the game back and read its log.
    std::string check = "answer yes\nget Main_F.Total.text\n";
    for (std::size_t k = 1; k <= cutShort.size() + 1 && k <= 5000; ++k)
      check += "var SpinLog(" + std::to_string(k) + ")\n";
    const auto back = runCli(cli, dir, check, -1);
    long total = -1;
    Spins restored;
    for (const std::string& line : back) {
      if (line.rfind("Main_F.Total.text=", 0) == 0) total = std::atol(line.c_str() + 18);
      if (line.rfind("SpinLog(", 0) == 0 && restored.size() < static_cast<std::size_t>(total))
        restored.push_back(std::atoi(line.substr(line.find('=') + 1).c_str()) - 1);
    }
    if (total < 0) fail("run " + std::to_string(run) + ": no game came back");
    if (restored != expected && restored != cutShort)
      fail("run " + std::to_string(run) + ": the game came back as " + show(restored) +
           ", acknowledged " + show(expected));
    const Book book = readBook(dir / "Data" / "Files" / "wheelbook.sqlite3");
    if (book.integrity != "ok") fail("run " + std::to_string(run) + ": " + book.integrity);
    if (book.spins != restored)
      fail("run " + std::to_string(run) + ": the book holds " + show(book.spins) + ", the game " +
           show(restored) + "; cut short: " +
           (acked < events.size() ? events[acked].script : "nothing") + " in " + dir.string());
    game = restored;
    const std::size_t done = restored == expected ? acked : acked + 1;
    undoable = done == 0 ? undoableAtStart : events[done - 1].kind != Event::Undo;
  }
  std::cout << "book_kill: " << kills << " kills, " << game.size() << " spins in the book\n";
  fs::remove_all(dir);
  return 0;
}
