#include "test_program.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "core/disk.h"

std::filesystem::path MakeProgramFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "varnet-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  return pattern;
}

TestProgram::TestProgram(std::initializer_list<std::pair<std::string, std::string>> files,
                         const std::string& beforeStart)
    : folder_(MakeProgramFolder()) {
  for (const auto& [path, content] : files) writeFile(path, content);
  restart(beforeStart);
}

void TestProgram::restart(const std::string& beforeStart) {
  // A kill: what waits for the disk's worker is lost with the program.
  if (runner_) app().disk->abandon();
  runner_.reset();
  out_.str("");
  runner_ = std::make_unique<ScriptRunner>(folder_, out_);
  // Syncs are for a power cut, which no test of a program makes; the tests of the disk
  // put their own in place.
  app().disk = std::make_unique<Disk>(Disk::Syncs::Skip);
  std::istringstream in(beforeStart);
  for (std::string line; std::getline(in, line);) runner_->runLine(line);
  runner_->start();
  startOutput_ = out_.str();
  out_.str("");
}

TestProgram::~TestProgram() {
  runner_.reset();
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

std::string TestProgram::run(const std::string& lines) {
  std::istringstream in(lines);
  std::string line;
  while (!runner_->ended() && std::getline(in, line)) runner_->runLine(line);
  std::string printed = out_.str();
  out_.str("");
  return printed;
}

std::string TestProgram::spin(int index, int times) {
  std::string printed;
  for (int t = 0; t < times; ++t)
    printed += run("click Main_F.Count_P(" + std::to_string(index) + ")");
  return printed;
}

void TestProgram::writeFile(const std::string& relative, const std::string& content) const {
  const auto path = folder_ / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
}

std::string TestProgram::readFile(const std::string& relative) const {
  return ReadWholeFile(folder_ / relative).value_or("");
}

bool TestProgram::exists(const std::string& relative) const {
  return std::filesystem::exists(folder_ / relative);
}

std::vector<std::string> TestProgram::dataFiles() const {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(folder_ / "Data/Files", ec))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string GameDump(TestProgram& p, bool (*keep)(const std::string& line),
                     std::initializer_list<const char*> vars, bool withLog) {
  std::string out;
  for (const char* form : {"Main_F", "Black_or_Red_F", "Point_F", "Area_F", "Total_F", "Log_F"}) {
    if (std::string(form) == "Log_F" && !withLog) break;
    std::istringstream dump(p.run("dump " + std::string(form)));
    for (std::string line; std::getline(dump, line);)
      if (!keep || keep(line)) out += line + "\n";
  }
  const GameVars& v = p.app().vars;
  for (int k = 1; k <= 5000; ++k) out += std::to_string(v.SpinLog(k)) + (k % 50 ? "," : "\n");
  for (int j = 0; j <= 24; ++j) out += v.LogText(j) + ":" + std::to_string(v.LogColour(j)) + "\n";
  for (int k = 1; k <= 6; ++k)
    for (int i = 0; i <= 37; ++i) out += std::to_string(v.AreaMember(k)(i));
  out += "\n";
  for (const char* var : vars) out += p.run("var " + std::string(var));
  return out;
}

std::string Shown(TestProgram& p, const std::string& form, const std::string& names) {
  std::istringstream in(names);
  std::string out;
  for (std::string name; in >> name;) {
    std::string got = p.run((form == "var" ? "var " : "get " + form + ".") + name);
    if (got.ends_with('\n')) got.pop_back();
    const auto at = got.find('=');
    out += (at == std::string::npos ? got : got.substr(at + 1)) + "|";
  }
  if (!out.empty()) out.pop_back();
  return out;
}

std::string LineChanges(const std::string& was, const std::string& now) {
  std::istringstream a(was), b(now);
  std::string out, x, y;
  for (int shown = 0; shown < 5;) {
    x.clear();
    y.clear();
    const bool more = static_cast<bool>(std::getline(a, x));
    if (!std::getline(b, y) && !more) break;
    if (x != y) {
      out += "- " + x.substr(0, 200) + "\n+ " + y.substr(0, 200) + "\n";
      ++shown;
    }
  }
  return out;
}

std::string SqlRows(const std::filesystem::path& db, const std::string& sql) {
  sqlite3* connection = nullptr;
  sqlite3_open_v2(db.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* s = nullptr;
  std::string out;
  if (sqlite3_prepare_v2(connection, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) out = "(error)";
  while (s && sqlite3_step(s) == SQLITE_ROW) {
    const unsigned char* t = sqlite3_column_text(s, 0);
    out += std::string(out.empty() ? "" : " ") + (t ? reinterpret_cast<const char*>(t) : "-");
  }
  sqlite3_finalize(s);
  sqlite3_close(connection);
  return out;
}
