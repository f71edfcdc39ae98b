#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "cli/script_services.h"
#include "windows/app.h"

// Runs the program from a script of user events, one command a line, printing what a
// user would see and hear.
class ScriptRunner {
 public:
  ScriptRunner(const std::filesystem::path& folder, std::ostream& out);

  // Starts the program as the desktop program does. False, with one error printed and no
  // file touched, while another program runs on the same folder.
  bool start();
  // One script line; blank lines and "#" comments do nothing.
  void runLine(const std::string& line);
  // Runs lines until the input ends or the program ends; returns the exit status. The
  // program starts, unless started already, before the first line that is not `answer`,
  // `random`, `now`, blank or a comment, so those lines can answer what the start asks;
  // a start refused ends the run. The output of each line is flushed when the line is
  // done, so whoever reads it knows how far the script has come.
  int run(std::istream& in);

  bool ended() const { return app_->ended; }
  int exitCode() const { return services_.errors == 0 ? 0 : 2; }
  App& app() { return *app_; }

 private:
  void click(const std::string& addr);
  void type(const std::string& addr, const std::string& text);
  void close(const std::string& formName);
  void tick(const std::string& count);
  void answer(const std::string& words);
  void random(const std::string& values);
  void key(const std::string& keys);
  void queueFile(const std::string& path);
  void get(const std::string& addrProp);
  void var(const std::string& name);
  void form(const std::string& formName);
  void dump(const std::string& formName);
  // Notes whether the start was refused (`refusal` not empty), saying why when it was.
  void refuse(const std::string& refusal);
  Control* resolve(const std::string& addr, FormId& form, bool mustBeShown);

  std::ostream& out_;
  ScriptServices services_;
  std::unique_ptr<App> app_;
  bool endPrinted_ = false;
  bool started_ = false;
  bool refused_ = false;
};
