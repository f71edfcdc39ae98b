#include "bench_program.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

std::filesystem::path MakeBenchFolder(const std::string& windowSettings) {
  std::string pattern = (std::filesystem::temp_directory_path() / "varnet-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  const std::filesystem::path folder = pattern;
  std::filesystem::create_directories(folder / "Data/Files");
  std::ofstream(folder / "Data/Files/USER.FIL", std::ios::binary) << "38,0,0\r\n";
  if (!windowSettings.empty())
    std::ofstream(folder / "Data/Files/USER2.FIL", std::ios::binary) << windowSettings;
  return folder;
}

std::string WindowSettings(const std::string& firstLine, std::initializer_list<int> areaSizes) {
  std::string s = firstLine + "\r\n";
  int index = 0;
  for (int area = 0; area < static_cast<int>(areaSizes.size()); ++area)
    for (int n = 0; n < areaSizes.begin()[area]; ++n, ++index)
      for (int k = 0; k < 6; ++k) s += std::string(k == area ? "1" : "0") + (k < 5 ? "," : "\r\n");
  for (; index < 38; ++index) s += "0,0,0,0,0,0\r\n";
  return s;
}

BenchProgram::BenchProgram(const std::string& windowSettings)
    : folder_(MakeBenchFolder(windowSettings)),
      runner_(std::make_unique<ScriptRunner>(folder_, discard_)) {
  runner_->start();
}

BenchProgram::~BenchProgram() {
  runner_.reset();
  std::filesystem::remove_all(folder_);
}

void BenchProgram::spin(int index, int times) {
  for (int t = 0; t < times; ++t) run("click Main_F.Count_P(" + std::to_string(index) + ")");
}

std::string BenchProgram::file(const std::string& relative) const {
  std::ifstream in(folder_ / relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
