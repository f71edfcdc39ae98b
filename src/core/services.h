#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the program needs from the platform. The desktop program implements these with Qt;
// the scripted front end and the tests implement them with scripts and queues.

enum class BoxIcon { Info, Question, Stop };
enum class BoxButtons {
  Ok,
  YesNo,
  // For a question that discards data: a stray Enter must not answer Yes.
  YesNoDefaultNo,
  // Cancel is the default and Esc's answer.
  YesNoCancel,
};
enum class BoxAnswer { Ok, Yes, No, Cancel };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box; returns the button chosen. Esc answers No, or Cancel where the
  // box has it.
  virtual BoxAnswer messageBox(const std::string& title, const std::string& text, BoxIcon icon,
                               BoxButtons buttons) = 0;
  virtual void beep() = 0;
};

class Sound {
 public:
  virtual ~Sound() = default;
  // Plays a wav file once, without waiting; the path is relative to the program folder.
  virtual void play(const std::string& relativePath) = 0;
};

class Help {
 public:
  virtual ~Help() = default;
  virtual void openContents() = 0;
  virtual void openTopic(int topic) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date and time in the "general date" form used for save dates.
  virtual std::string generalDate() = 0;
  // Seconds since 1970-01-01 00:00 UTC (core/utc_time.h): the system's clock unless a
  // script has set one.
  virtual std::int64_t utcSeconds();
};

class Random {
 public:
  virtual ~Random() = default;
  // Uniform in [0, 1), single precision.
  virtual float uniform() = 0;
};

enum class FileDialogKind { Open, Save };

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // A modal dialog that picks a file to read (Open) or to write (Save); a save dialog
  // offers `suggestedName`. The path chosen, or nothing when the user cancels.
  virtual std::optional<std::string> chooseFile(FileDialogKind kind, const std::string& title,
                                                const std::string& suggestedName) = 0;
};

// A modal box that shows how far a long piece of work has come and lets the user stop it.
// It may stay hidden while the work is short.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void begin(const std::string& text, long total) = 0;
  // `done` of `total` steps are finished; false once the user has asked to stop.
  virtual bool advance(long done) = 0;
  virtual void end() = 0;
};

struct Services {
  Dialogs* dialogs = nullptr;
  Sound* sound = nullptr;
  Help* help = nullptr;
  Clock* clock = nullptr;
  Random* random = nullptr;
  FileDialogs* files = nullptr;
  Progress* progress = nullptr;
  // Where this copy runs, as the Version window names it: "OS : ..." and the toolkit, one
  // a line.
  std::string environment;
};
