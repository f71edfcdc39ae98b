#pragma once

#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "cli/script_runner.h"

// A fresh program folder with sound off and, when given, the window settings file
// (USER2.FIL) written as it stands.
std::filesystem::path MakeBenchFolder(const std::string& windowSettings = {});

// USER2.FIL with the given first line and areas of the given sizes, filled in number order.
std::string WindowSettings(const std::string& firstLine, std::initializer_list<int> areaSizes);

// The floor under the file work of a click: the bare system calls, nothing else.
// Writes the bytes to a temporary file beside the target and renames it over the target.
void BareReplace(const std::filesystem::path& target, const std::string& bytes, bool sync);
void BareSyncFolder(const std::filesystem::path& folder);
std::string BareRead(const std::filesystem::path& file);

// The floor under a spin's row in the wheel book: a new book with a session, the same row
// appended by one prepared insert in one transaction, in the same log mode, nothing synced.
class BareBook {
 public:
  explicit BareBook(const std::filesystem::path& file);
  ~BareBook();
  BareBook(const BareBook&) = delete;
  BareBook& operator=(const BareBook&) = delete;
  void append(int index);

 private:
  struct sqlite3* db_ = nullptr;
  struct sqlite3_stmt* insert_ = nullptr;
};

// Wall-clock and processor seconds added up over the stretches it is running.
class Stopwatch {
 public:
  void start() {
    wallStart_ = std::chrono::steady_clock::now();
    cpuStart_ = std::clock();
  }
  void stop() {
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart_).count();
    cpu += static_cast<double>(std::clock() - cpuStart_) / CLOCKS_PER_SEC;
  }
  double wall = 0, cpu = 0;

 private:
  std::chrono::steady_clock::time_point wallStart_;
  std::clock_t cpuStart_ = 0;
};

// A program started in a folder of its own, driven like varnet-cli; what it prints goes
// nowhere. The folder is removed with it.
class BenchProgram {
 public:
  explicit BenchProgram(const std::string& windowSettings = {});
  ~BenchProgram();

  App& app() { return runner_->app(); }
  ScriptRunner& runner() { return *runner_; }
  const std::filesystem::path& folder() const { return folder_; }
  void run(const std::string& line) { runner_->runLine(line); }
  void spin(int index, int times = 1);
  std::string file(const std::string& relative) const;

 private:
  std::filesystem::path folder_;
  std::ostream discard_{nullptr};
  std::unique_ptr<ScriptRunner> runner_;
};
