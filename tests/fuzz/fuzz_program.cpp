#include "fuzz_program.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "core/disk.h"
#include "windows/app.h"

std::string_view InputBytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

std::pair<std::string_view, std::string_view> SplitAtNul(std::string_view input) {
  const auto nul = input.find('\0');
  if (nul == std::string_view::npos) return {input, {}};
  return {input.substr(0, nul), input.substr(nul + 1)};
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

FuzzProgram::FuzzProgram() {
  std::string pattern = (std::filesystem::temp_directory_path() / "varnet-fuzz-XXXXXX").string();
  Require(::mkdtemp(pattern.data()) != nullptr, "a program folder can be made");
  folder_ = pattern;
}

FuzzProgram::~FuzzProgram() {
  runner_.reset();
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

void FuzzProgram::write(const std::string& relative, std::string_view bytes) const {
  const auto path = folder_ / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string FuzzProgram::read(const std::string& relative) const {
  return ReadWholeFile(folder_ / relative).value_or("");
}

void FuzzProgram::start(std::string_view answers) {
  if (runner_) return;
  runner_ = std::make_unique<ScriptRunner>(folder_, out_);
  // A fuzz run checks what the files hold, not that they outlast a power cut, and a sync
  // per input would cost most of the run.
  runner_->app().disk = std::make_unique<Disk>(Disk::Syncs::Skip);
  if (!answers.empty()) runner_->runLine(std::string(answers));
  runner_->start();
}

void FuzzProgram::run(std::string_view lines) {
  start();
  std::istringstream in{std::string(lines)};
  runner_->run(in);
}
