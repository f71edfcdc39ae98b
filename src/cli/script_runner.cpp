#include "cli/script_runner.h"

#include <charconv>
#include <optional>
#include <sstream>
#include <vector>

#include "cli/var_lookup.h"
#include "game/recovery.h"
#include "game/startup.h"
#include "windows/dispatch.h"
#include "windows/properties.h"

namespace {

std::optional<int> parseInt(std::string_view s) {
  int v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
  return v;
}

// "Count_P(6)" -> {"Count_P", 6}; "Expect" -> {"Expect", none}. False when malformed.
bool splitIndex(const std::string& s, std::string& name, std::optional<int>& index) {
  const auto open = s.find('(');
  if (open == std::string::npos) {
    name = s;
    index.reset();
    return !s.empty();
  }
  if (s.back() != ')') return false;
  name = s.substr(0, open);
  index = parseInt(std::string_view(s).substr(open + 1, s.size() - open - 2));
  return index.has_value() && !name.empty();
}

// Splits "word rest of line" at the first space.
std::pair<std::string, std::string> firstWord(const std::string& line) {
  const auto space = line.find(' ');
  if (space == std::string::npos) return {line, ""};
  return {line.substr(0, space), line.substr(space + 1)};
}

// Lines that only queue what later boxes, draws and the clock give: a script may put them
// before the start, to answer the question a start can ask.
bool queuesOnly(const std::string& line) {
  if (line.empty() || line[0] == '#') return true;
  const std::string command = firstWord(line).first;
  return command == "answer" || command == "random" || command == "now";
}

}  // namespace

ScriptRunner::ScriptRunner(const std::filesystem::path& folder, std::ostream& out)
    : out_(out), services_(out), app_(std::make_unique<App>(folder, services_.services())) {}

bool ScriptRunner::start() {
  const std::string refusal = StartProgram(*app_);
  started_ = refusal.empty();
  refuse(refusal);
  return started_;
}

void ScriptRunner::refuse(const std::string& refusal) {
  refused_ = !refusal.empty();
  if (refused_) services_.error(refusal);
}

int ScriptRunner::run(std::istream& in) {
  // The folder is taken before the first line is awaited, so that a second program is
  // kept out while this one waits for its input.
  if (!started_) refuse(TakeProgramFolder(*app_));
  if (refused_) return exitCode();
  std::string line;
  while (!ended() && std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!started_ && !queuesOnly(line) && !start()) break;
    runLine(line);
    out_.flush();
  }
  if (!started_ && !refused_) start();
  out_.flush();
  if (started_) SettleFiles(*app_);
  return exitCode();
}

void ScriptRunner::runLine(const std::string& line) {
  if (line.empty() || line[0] == '#') return;
  const auto [command, rest] = firstWord(line);
  if (command == "click")
    click(rest);
  else if (command == "type") {
    const auto [addr, text] = firstWord(rest);
    type(addr, text);
  } else if (command == "close")
    close(rest);
  else if (command == "tick")
    tick(rest);
  else if (command == "answer")
    answer(rest);
  else if (command == "random")
    random(rest);
  else if (command == "now")
    services_.clockText = rest;
  else if (command == "key")
    key(rest);
  else if (command == "file")
    queueFile(rest);
  else if (command == "get")
    get(rest);
  else if (command == "var")
    var(rest);
  else if (command == "form")
    form(rest);
  else if (command == "dump")
    dump(rest);
  else
    services_.error("unknown command: " + command);

  if (app_->ended && !endPrinted_) {
    out_ << "end\n";
    endPrinted_ = true;
  }
}

Control* ScriptRunner::resolve(const std::string& addr, FormId& form, bool mustBeShown) {
  const auto dot = addr.find('.');
  const auto id = FormByName(addr.substr(0, dot));
  std::string name;
  std::optional<int> index;
  if (!id || dot == std::string::npos || !splitIndex(addr.substr(dot + 1), name, index)) {
    services_.error("unknown address: " + addr);
    return nullptr;
  }
  form = *id;
  const Form* record = app_->forms.host(form).record();
  if (!record) {
    services_.error(mustBeShown ? addr + " is not shown"
                                : std::string(FormName(form)) + " is not loaded");
    return nullptr;
  }
  const ControlEntry* entry = record->find(name);
  Control* c = nullptr;
  if (entry && entry->isArray == index.has_value()) c = entry->at(index.value_or(0));
  if (!c) services_.error("unknown control: " + addr);
  return c;
}

void ScriptRunner::click(const std::string& addr) {
  FormId form{};
  Control* c = resolve(addr, form, true);
  if (!c) return;
  if (Dispatch(*app_, {EventKind::Click, form, c, {}}) == DispatchResult::NotShown)
    services_.error(addr + " is not shown");
}

void ScriptRunner::type(const std::string& addr, const std::string& text) {
  FormId form{};
  Control* c = resolve(addr, form, true);
  if (!c) return;
  if (c->kind() != Kind::TextBox) {
    services_.error(addr + " is not a text box");
    return;
  }
  if (Dispatch(*app_, {EventKind::Type, form, c, text}) == DispatchResult::NotShown)
    services_.error(addr + " is not shown");
}

void ScriptRunner::close(const std::string& formName) {
  const auto id = FormByName(formName);
  if (!id) return services_.error("unknown form: " + formName);
  Dispatch(*app_, {EventKind::Close, *id, nullptr, {}});
}

void ScriptRunner::tick(const std::string& count) {
  const auto n = count.empty() ? std::optional<int>(1) : parseInt(count);
  if (!n || *n < 0) return services_.error("bad tick count: " + count);
  for (int i = 0; i < *n && !app_->ended; ++i) {
    const Form* main = app_->forms.main.record();
    if (!main) break;
    Timer& play = app_->forms.main.record()->Play;
    if (!play.enabled()) break;
    Dispatch(*app_, {EventKind::Tick, FormId::Main_F, &play, {}});
  }
}

void ScriptRunner::answer(const std::string& words) {
  std::istringstream in(words);
  std::string w;
  while (in >> w) {
    if (w == "yes")
      services_.answers.push_back(BoxAnswer::Yes);
    else if (w == "no")
      services_.answers.push_back(BoxAnswer::No);
    else if (w == "cancel")
      services_.answers.push_back(BoxAnswer::Cancel);
    else
      services_.error("bad answer: " + w);
  }
}

void ScriptRunner::random(const std::string& values) {
  std::istringstream in(values);
  std::string w;
  while (in >> w) {
    float u = 0;
    auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), u);
    if (ec != std::errc() || end != w.data() + w.size() || u < 0 || u >= 1)
      services_.error("bad random value: " + w);
    else
      services_.randoms.push_back(u);
  }
}

void ScriptRunner::key(const std::string& keys) {
  // The whole line is read first: a key that cannot be read presses none of them.
  std::vector<std::string> names;
  std::string_view rest = keys;
  while (true) {
    const auto space = rest.find(' ');
    names.emplace_back(rest.substr(0, space));
    if (!ParseKey(names.back())) return services_.error("unknown key: " + names.back());
    if (space == std::string_view::npos) break;
    rest.remove_prefix(space + 1);
  }
  for (const std::string& name : names) {
    if (app_->ended) return;
    if (Dispatch(*app_, {EventKind::Key, FormId::Main_F, nullptr, name}) ==
        DispatchResult::NotShown)
      return services_.error("Main_F is not shown");
  }
}

void ScriptRunner::queueFile(const std::string& path) {
  if (path.empty()) return services_.error("missing file path");
  services_.files.push_back(path);
}

void ScriptRunner::get(const std::string& addrProp) {
  const auto dot = addrProp.rfind('.');
  if (dot == std::string::npos || addrProp.find('.') == dot)
    return services_.error("unknown address: " + addrProp);
  FormId form{};
  Control* c = resolve(addrProp.substr(0, dot), form, false);
  if (!c) return;
  const std::string prop = addrProp.substr(dot + 1);
  for (const auto& [name, value] : Properties(*c)) {
    if (prop == name) {
      out_ << addrProp << '=' << EscapeText(value) << '\n';
      return;
    }
  }
  services_.error("unknown property: " + addrProp);
}

void ScriptRunner::var(const std::string& request) {
  std::string name;
  std::optional<int> index;
  std::optional<std::string> value;
  if (splitIndex(request, name, index)) value = ReadVar(app_->vars, name, index);
  if (!value) return services_.error("unknown variable: " + request);
  out_ << request << '=' << EscapeText(*value) << '\n';
}

void ScriptRunner::form(const std::string& formName) {
  const auto id = FormByName(formName);
  if (!id) return services_.error("unknown form: " + formName);
  const Form* f = app_->forms.host(*id).record();
  out_ << formName << " loaded=" << (f ? 1 : 0) << " visible=" << (f && f->visible() ? 1 : 0)
       << " topmost=" << (f && f->topmost() ? 1 : 0) << '\n';
}

void ScriptRunner::dump(const std::string& formName) {
  const auto id = FormByName(formName);
  if (!id) return services_.error("unknown form: " + formName);
  const Form* f = app_->forms.host(*id).record();
  if (!f) return services_.error(formName + " is not loaded");
  for (const ControlEntry& e : f->entries())
    for (const Control* c : e.items)
      for (const auto& [prop, value] : Properties(*c))
        out_ << formName << '.' << c->address() << '.' << prop << '=' << EscapeText(value) << '\n';
}
