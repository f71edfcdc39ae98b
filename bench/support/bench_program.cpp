#include "bench_program.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "core/number_index.h"
#include "store/wheel_book.h"

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

BareBook::BareBook(const std::filesystem::path& file) {
  {
    WheelBook made;
    made.open(file, file.filename().string(), 38, 0);
    made.startSession(made.currentWheel(), 0);
  }
  if (sqlite3_open(file.c_str(), &db_) != SQLITE_OK ||
      sqlite3_exec(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=OFF", nullptr, nullptr,
                   nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(db_,
                         "INSERT INTO spins(session_id, number, recorded_at, source)"
                         " VALUES ((SELECT max(id) FROM sessions), ?, ?, 'entry')",
                         -1, &insert_, nullptr) != SQLITE_OK)
    std::abort();
}

BareBook::~BareBook() {
  sqlite3_finalize(insert_);
  sqlite3_close(db_);
}

void BareBook::append(int index) {
  const std::string number = NumberText(index);
  sqlite3_bind_text(insert_, 1, number.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(insert_, 2, "2026-12-08T12:00:00Z", -1, SQLITE_STATIC);
  if (sqlite3_step(insert_) != SQLITE_DONE) std::abort();
  sqlite3_reset(insert_);
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
