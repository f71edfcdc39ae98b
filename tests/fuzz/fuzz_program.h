#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "cli/script_runner.h"

// The input of a fuzz target as bytes.
std::string_view InputBytes(const std::uint8_t* data, std::size_t size);

// Two files in one input: the bytes before the first NUL and those after it.
std::pair<std::string_view, std::string_view> SplitAtNul(std::string_view input);

// Stops the fuzzer with a report when a property of the program does not hold.
void Require(bool holds, const char* what);

// A program in a fresh folder of its own, started and driven as varnet-cli starts and
// drives it; what it prints is kept from the fuzzer's output. The folder goes with it.
class FuzzProgram {
 public:
  FuzzProgram();
  ~FuzzProgram();
  FuzzProgram(const FuzzProgram&) = delete;
  FuzzProgram& operator=(const FuzzProgram&) = delete;

  // A file below the program folder, as in "Data/Files/USER.FIL".
  void write(const std::string& relative, std::string_view bytes) const;
  std::string read(const std::string& relative) const;

  // Starts the program (once), as varnet-cli does; `answers` is an `answer` line for the
  // questions of the start.
  void start(std::string_view answers = {});
  // Runs script lines separated by '\n'.
  void run(std::string_view lines);
  App& app() { return runner_->app(); }
  // Whether anything printed so far contains `text`.
  bool printed(std::string_view text) const { return out_.str().find(text) != std::string::npos; }

 private:
  std::filesystem::path folder_;
  std::ostringstream out_;
  std::unique_ptr<ScriptRunner> runner_;
};
