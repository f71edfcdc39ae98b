#pragma once

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/script_runner.h"

// A program in a fresh folder of its own, driven by script lines as varnet-cli drives it.
class TestProgram {
 public:
  // Files to lay down before start-up: relative path and content.
  explicit TestProgram(std::initializer_list<std::pair<std::string, std::string>> files = {});
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

// Makes a program folder with files, for tests that start a program themselves.
std::filesystem::path MakeProgramFolder();
