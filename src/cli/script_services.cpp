#include "cli/script_services.h"

#include <sys/utsname.h>

#include <ctime>
#include <memory>

#include "core/utc_time.h"

std::string EscapeText(const std::string& text, bool quotes) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '"':
        out += quotes ? "\\\"" : "\"";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string LocalGeneralDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y/%m/%d %H:%M:%S", &local);
  return buf;
}

struct ScriptServices::Dialogs_ : ::Dialogs {
  explicit Dialogs_(ScriptServices& s) : s(s) {}
  BoxAnswer messageBox(const std::string& title, const std::string& text, BoxIcon icon,
                       BoxButtons buttons) override {
    const char* iconName = icon == BoxIcon::Info       ? "info"
                           : icon == BoxIcon::Question ? "question"
                                                       : "stop";
    const bool cancel = buttons == BoxButtons::YesNoCancel;
    const char* buttonNames = buttons == BoxButtons::Ok ? " ok "
                              : cancel                  ? " yesnocancel "
                                                        : " yesno ";
    s.out_ << "msgbox " << iconName << buttonNames << '"' << EscapeText(title, true) << "\" \""
           << EscapeText(text, true) << "\"\n";
    if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    // Unanswered, a box gives the answer that changes least: Cancel where it has it (which
    // a script may rely on), else No (an error).
    BoxAnswer answer = cancel ? BoxAnswer::Cancel : BoxAnswer::No;
    if (s.answers.empty()) {
      if (!cancel) s.error("no answer queued");
    } else if (s.answers.front() == BoxAnswer::Cancel && !cancel) {
      s.answers.pop_front();
      s.error("cancel answers only a box with Cancel");
    } else {
      answer = s.answers.front();
      s.answers.pop_front();
    }
    s.out_ << (answer == BoxAnswer::Yes  ? "answer yes\n"
               : answer == BoxAnswer::No ? "answer no\n"
                                         : "answer cancel\n");
    return answer;
  }
  void beep() override { s.out_ << "beep\n"; }
  ScriptServices& s;
};

struct ScriptServices::Sound_ : ::Sound {
  explicit Sound_(std::ostream& out) : out(out) {}
  void play(const std::string& path) override { out << "sound " << path << '\n'; }
  std::ostream& out;
};

struct ScriptServices::Help_ : ::Help {
  explicit Help_(std::ostream& out) : out(out) {}
  void openContents() override { out << "help contents\n"; }
  void openTopic(int topic) override { out << "help topic " << topic << '\n'; }
  std::ostream& out;
};

struct ScriptServices::Clock_ : ::Clock {
  explicit Clock_(ScriptServices& s) : s(s) {}
  std::string generalDate() override {
    return s.clockText.empty() ? LocalGeneralDate() : s.clockText;
  }
  // A script's clock is read as UTC, so that what the program records does not depend on
  // the time zone it runs in.
  std::int64_t utcSeconds() override {
    return SecondsOfGeneralDate(s.clockText).value_or(::Clock::utcSeconds());
  }
  ScriptServices& s;
};

struct ScriptServices::Random_ : ::Random {
  explicit Random_(ScriptServices& s) : s(s) {}
  float uniform() override {
    if (s.randoms.empty()) return s.ownRandom_.uniform();
    const float u = s.randoms.front();
    s.randoms.pop_front();
    return u;
  }
  ScriptServices& s;
};

struct ScriptServices::Files_ : ::FileDialogs {
  explicit Files_(ScriptServices& s) : s(s) {}
  std::optional<std::string> chooseFile(FileDialogKind kind, const std::string& title,
                                        const std::string&) override {
    s.out_ << "filedialog " << (kind == FileDialogKind::Open ? "open" : "save") << " \""
           << EscapeText(title, true) << "\"\n";
    if (s.files.empty()) {
      s.error("no file queued");
      s.out_ << "file cancel\n";
      return std::nullopt;
    }
    std::string path = std::move(s.files.front());
    s.files.pop_front();
    s.out_ << "file " << EscapeText(path) << '\n';
    return path;
  }
  ScriptServices& s;
};

// A script runs to its end: the work is never stopped, and shows nothing on the way.
struct ScriptServices::Progress_ : ::Progress {
  void begin(const std::string&, long) override {}
  bool advance(long) override { return true; }
  void end() override {}
};

ScriptServices::ScriptServices(std::ostream& out)
    : out_(out),
      dialogs_(std::make_unique<Dialogs_>(*this)),
      sound_(std::make_unique<Sound_>(out)),
      help_(std::make_unique<Help_>(out)),
      clock_(std::make_unique<Clock_>(*this)),
      random_(std::make_unique<Random_>(*this)),
      files_(std::make_unique<Files_>(*this)),
      progress_(std::make_unique<Progress_>()) {}

Services ScriptServices::services() {
  utsname system{};
  const std::string os =
      uname(&system) == 0 ? std::string(system.sysname) + " " + system.release : "?";
  return Services{dialogs_.get(), sound_.get(), help_.get(),     clock_.get(),
                  random_.get(),  files_.get(), progress_.get(), "OS : " + os + "\n"};
}

void ScriptServices::error(const std::string& message) {
  out_ << "error: " << message << '\n';
  ++errors;
}
