#pragma once

#include <deque>
#include <memory>
#include <ostream>
#include <string>

#include "core/clock_random.h"
#include "core/services.h"

// Services of the scripted front end: every event becomes a line of output, and answers,
// random values and the clock come from the script.
class ScriptServices {
 public:
  explicit ScriptServices(std::ostream& out);
  Services services();

  std::deque<BoxAnswer> answers;  // yes, no or cancel
  std::deque<float> randoms;      // then the program's own generator
  std::string clockText;          // empty: the real local time
  std::deque<std::string> files;  // paths for the next file dialogs
  int errors = 0;

  // Prints an "error:" line and counts it.
  void error(const std::string& message);

 private:
  struct Dialogs_;
  struct Sound_;
  struct Help_;
  struct Clock_;
  struct Random_;
  struct Files_;
  struct Progress_;

  std::ostream& out_;
  ClockRandom ownRandom_;
  std::unique_ptr<::Dialogs> dialogs_;
  std::unique_ptr<::Sound> sound_;
  std::unique_ptr<::Help> help_;
  std::unique_ptr<::Clock> clock_;
  std::unique_ptr<::Random> random_;
  std::unique_ptr<::FileDialogs> files_;
  std::unique_ptr<::Progress> progress_;
};

// "\" as "\\", line feed as "\n", carriage return as "\r"; with quotes, '"' as '\"'.
std::string EscapeText(const std::string& text, bool quotes = false);

// Local date and time as "yyyy/MM/dd HH:mm:ss".
std::string LocalGeneralDate();
