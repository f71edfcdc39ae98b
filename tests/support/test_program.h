#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/script_runner.h"

// A program in a fresh folder of its own, driven by script lines as varnet-cli drives it.
class TestProgram {
 public:
  // Files to lay down before start-up: relative path and content; `beforeStart` lines
  // (answers) run before the start.
  explicit TestProgram(std::initializer_list<std::pair<std::string, std::string>> files = {},
                       const std::string& beforeStart = "");
  ~TestProgram();

  // Runs the lines (separated by '\n') and returns what they printed.
  std::string run(const std::string& lines);
  // Ends the program without any of its closing steps, as a kill would, and starts it
  // again in the same folder; `beforeStart` lines (answers) run before the start.
  void restart(const std::string& beforeStart = "");
  // What start-up printed.
  const std::string& startOutput() const { return startOutput_; }

  App& app() { return runner_->app(); }
  MainForm& main() { return Main_F(app()); }
  const std::filesystem::path& folder() const { return folder_; }
  int exitCode() const { return runner_->exitCode(); }

  void writeFile(const std::string& relative, const std::string& content) const;
  // Empty when the file is missing or cannot be read.
  std::string readFile(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  // The names in Data/Files.
  std::vector<std::string> dataFiles() const;

  // Records spins of number index i, `times` times.
  std::string spin(int index, int times = 1);

 private:
  std::filesystem::path folder_;
  std::ostringstream out_;
  std::unique_ptr<ScriptRunner> runner_;
  std::string startOutput_;
};

// What `dump` prints of the five game windows (and the log window with `withLog`), the
// lines that `keep` accepts when given; then the whole spin log, the strip's texts and
// colours, the area memberships and the variables named, as `var` prints them.
std::string GameDump(TestProgram& p, bool (*keep)(const std::string& line) = nullptr,
                     std::initializer_list<const char*> vars = {}, bool withLog = false);

// The values `get` prints for the properties named (separated by spaces) of one window,
// or `var` for the game's variables, joined by "|": Shown(p, "Main_F", "Total.text
// Red.text") gives "5|1". One comparison then reads as a row of what the window shows.
std::string Shown(TestProgram& p, const std::string& form, const std::string& names);

// The lines where two texts differ, each as "- was" and "+ now", the first five; empty
// when they are alike.
std::string LineChanges(const std::string& was, const std::string& now);

// The first column of every row a query gives on an SQLite file, read as any SQLite tool
// would, joined by spaces ("-" for a null); "(error)" when the query cannot run.
std::string SqlRows(const std::filesystem::path& db, const std::string& sql);

// How many of the ten level lights of a main window row are lit.
inline int LitLevels(MainForm& m, int row) {
  int lit = 0;
  for (int k = 1; k <= 10; ++k) lit += m.Hit_Level(k)(row).back() != ButtonFace;
  return lit;
}

// Makes a program folder with files, for tests that start a program themselves.
std::filesystem::path MakeProgramFolder();
