#include "bench_program.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
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

void BareReplace(const std::filesystem::path& target, const std::string& bytes, bool sync) {
  const std::string temp = target.string() + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
    std::abort();
  if (sync) ::fsync(fd);
  ::close(fd);
  std::rename(temp.c_str(), target.c_str());
}

void BareSyncFolder(const std::filesystem::path& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ::fsync(dir);
  ::close(dir);
}

std::string BareRead(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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
  return BareRead(folder_ / relative);
}
