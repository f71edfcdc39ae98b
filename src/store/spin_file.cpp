#include "store/spin_file.h"

#include <cstdint>
#include <system_error>

#include "core/disk.h"
#include "core/number_index.h"
#include "store/cp932.h"

namespace {

// A million spins take a few megabytes; anything far larger is not a record of spins,
// and is not read into memory at all.
constexpr std::uintmax_t MaxBytes = 16u << 20;
// Longer tokens are cut in messages.
constexpr std::size_t MaxShownChars = 20;

const char* colourWord(int index) {
  switch (ColourClassOf(index)) {
    case RedClass:
      return "red";
    case BlackClass:
      return "black";
    default:
      return "green";
  }
}

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A spreadsheet may quote any value, "00" above all, to keep it text.
std::string_view unquote(std::string_view s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
  return s;
}

bool sameWord(std::string_view s, std::string_view lowerWord) {
  if (s.size() != lowerWord.size()) return false;
  for (std::size_t k = 0; k < s.size(); ++k) {
    char c = s[k];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerWord[k]) return false;
  }
  return true;
}

// The text of the file in UTF-8; nothing when it is neither UTF-8 nor CP932 text.
std::optional<std::string> decode(std::string_view bytes) {
  std::optional<std::string> text;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    bytes.remove_prefix(3);
    if (IsUtf8(bytes)) text = std::string(bytes);
  } else if (IsUtf8(bytes)) {
    text = std::string(bytes);
  } else {
    text = Cp932ToUtf8(bytes);
  }
  if (!text) return text;
  // A text file holds no control characters but tabs and line ends; anything else (a
  // NUL above all) is a picture, a program or UTF-16 text.
  for (char c : *text) {
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t' && c != '\n' && c != '\r') || u == 0x7F) return std::nullopt;
  }
  return text;
}

// The lines of a text with their numbers; CR LF, LF and a lone CR each end a line.
class Lines {
 public:
  explicit Lines(std::string_view text) : rest_(text) {}
  bool next(std::string_view& line) {
    if (rest_.empty()) return false;
    const auto end = rest_.find_first_of("\r\n");
    line = rest_.substr(0, end);
    ++number_;
    if (end == std::string_view::npos) {
      rest_ = {};
    } else {
      const bool crLf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
      rest_.remove_prefix(end + (crLf ? 2 : 1));
    }
    return true;
  }
  int number() const { return number_; }

 private:
  std::string_view rest_;
  int number_ = 0;
};

// The comma-separated values of a line, trimmed and unquoted; a quoted value may hold
// commas and doubled quotes ("Casino, ""B""").
std::vector<std::string> csvFields(std::string_view line) {
  std::vector<std::string> fields;
  while (true) {
    std::string_view rest = trim(line);
    std::string field;
    std::size_t end;
    if (rest.starts_with('"')) {
      std::size_t k = 1;
      for (; k < rest.size(); ++k) {
        if (rest[k] != '"') {
          field += rest[k];
        } else if (k + 1 < rest.size() && rest[k + 1] == '"') {
          field += '"';
          ++k;
        } else {
          break;
        }
      }
      end = rest.find(',', k);
    } else {
      end = rest.find(',');
      field = trim(rest.substr(0, end));
    }
    fields.push_back(std::move(field));
    if (end == std::string_view::npos) return fields;
    line = rest.substr(end + 1);
  }
}

// Where a header names the number column, and the colour column if it has one.
struct NamedColumns {
  std::size_t number;
  std::optional<std::size_t> colour;
};

std::optional<NamedColumns> namedColumns(const std::vector<std::string>& f) {
  std::optional<std::size_t> number, colour;
  for (std::size_t k = 0; k < f.size(); ++k) {
    const std::string_view s = f[k];
    if (!number && (sameWord(s, "number") || sameWord(s, "result") ||
                    sameWord(s, "winning number") || s == "出目" || s == "番号"))
      number = k;
    else if (!colour && (sameWord(s, "colour") || sameWord(s, "color") || s == "色"))
      colour = k;
  }
  if (!number) return std::nullopt;
  return NamedColumns{*number, colour};
}

bool isHeader(const std::vector<std::string>& f) {
  return f.size() == 3 && sameWord(f[0], "spin") && sameWord(f[1], "number") &&
         sameWord(f[2], "colour");
}

bool isColourWord(std::string_view s) {
  return sameWord(s, "red") || sameWord(s, "black") || sameWord(s, "green");
}

// The colour of a number in English or Japanese ("red", "Red", "赤").
bool isColourOf(std::string_view s, int index) {
  const int c = ColourClassOf(index);
  return sameWord(s, colourWord(index)) || s == (c == RedClass     ? "赤"
                                                 : c == BlackClass ? "黒"
                                                                   : "緑");
}

bool isWholeNumber(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string shown(std::string_view token) {
  std::size_t chars = 0, cut = 0;
  for (; cut < token.size(); ++cut) {
    // Count characters, not bytes: a UTF-8 continuation byte starts none.
    if ((static_cast<unsigned char>(token[cut]) & 0xC0) == 0x80) continue;
    if (chars++ == MaxShownChars) return std::string(token.substr(0, cut)) + "…";
  }
  return std::string(token);
}

class Parser {
 public:
  explicit Parser(int pocketCount) : pocketCount_(pocketCount) {}

  SpinFileReading parse(std::string_view text) {
    Lines lines(text);
    std::string_view line;
    bool csv = false, first = true;
    while (!fault_ && lines.next(line)) {
      if (trim(line).empty()) continue;
      const int n = lines.number();
      if (first) {
        first = false;
        const auto fields = csvFields(line);
        if (isHeader(fields)) {
          csv = true;
          continue;
        }
        if ((named_ = namedColumns(fields))) continue;
        csv = fields.size() == 3 && isColourWord(fields[2]);
      }
      if (named_)
        takeNamed(n, line);
      else if (csv)
        takeRow(n, line);
      else
        takeNumbers(n, line);
    }
    SpinFileReading r;
    if (!fault_ && spins_.empty()) fault_ = SpinFileFault{SpinFileFault::NoSpins, 0, {}};
    r.fault = std::move(fault_);
    if (!r.fault) r.spins = std::move(spins_);
    return r;
  }

 private:
  void fail(SpinFileFault::Kind kind, int line, std::string_view token) {
    fault_ = SpinFileFault{kind, line, shown(token)};
  }

  // A number of the file; false after a fault.
  bool take(int line, std::string_view token) {
    const int index = IndexOfNumberText(token);
    if (index < 0) {
      fail(SpinFileFault::NotANumber, line, token);
      return false;
    }
    if (index == DoubleZeroIndex && pocketCount_ != 38) {
      fail(SpinFileFault::DoubleZeroOff, line, token);
      return false;
    }
    spins_.push_back(index);
    return true;
  }

  // "spin,number,colour": the spin's place, its number and the colour of that number.
  void takeRow(int line, std::string_view text) {
    const auto f = csvFields(text);
    if (f.size() != 3) return fail(SpinFileFault::NotANumber, line, trim(text));
    if (!isWholeNumber(f[0])) return fail(SpinFileFault::NotANumber, line, f[0]);
    if (!take(line, f[1])) return;
    if (!sameWord(f[2], colourWord(spins_.back()))) fail(SpinFileFault::WrongColour, line, f[2]);
  }

  // A row of a file whose header names its columns: the number, and its colour when the
  // file has a colour column; the other columns are the file's own business.
  void takeNamed(int line, std::string_view text) {
    const auto f = csvFields(text);
    if (named_->number >= f.size()) return fail(SpinFileFault::NotANumber, line, trim(text));
    if (!take(line, f[named_->number])) return;
    if (named_->colour && *named_->colour < f.size() &&
        !isColourOf(f[*named_->colour], spins_.back()))
      fail(SpinFileFault::WrongColour, line, f[*named_->colour]);
  }

  void takeNumbers(int line, std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
      const auto end = text.find_first_of(", \t", start);
      const auto token = unquote(text.substr(start, end - start));
      if (!token.empty() && !take(line, token)) return;
      if (end == std::string_view::npos) return;
      start = end + 1;
    }
  }

  int pocketCount_;
  std::optional<NamedColumns> named_;
  std::vector<int> spins_;
  std::optional<SpinFileFault> fault_;
};

SpinFileReading refused(SpinFileFault::Kind kind) {
  return {{}, SpinFileFault{kind, 0, {}}};
}

}  // namespace

std::string SpinCsvBytes(const std::vector<int>& spins) {
  std::string out = "spin,number,colour\r\n";
  out.reserve(out.size() + spins.size() * 16);
  for (std::size_t k = 0; k < spins.size(); ++k) {
    out += std::to_string(k + 1);
    out += ',';
    out += NumberText(spins[k]);
    out += ',';
    out += colourWord(spins[k]);
    out += "\r\n";
  }
  return out;
}

std::string BookCsvBytes(const std::vector<BookSpinRow>& rows) {
  std::string out = "wheel,session,spin,number,colour,recorded_at\r\n";
  out.reserve(out.size() + rows.size() * 48);
  long spin = 0;
  for (const BookSpinRow& r : rows) {
    if (r.wheel.find_first_of(",\"\r\n") == std::string::npos) {
      out += r.wheel;
    } else {
      out += '"';
      for (char c : r.wheel) out.append(c == '"' ? 2 : 1, c);
      out += '"';
    }
    out += ',' + std::to_string(r.session) + ',' + std::to_string(++spin) + ',' +
           NumberText(r.index) + ',' + colourWord(r.index) + ',' + r.recordedAt + "\r\n";
  }
  return out;
}

SpinFileReading ParseSpinFile(std::string_view bytes, int pocketCount) {
  const auto text = decode(bytes);
  if (!text) return refused(SpinFileFault::NotText);
  return Parser(pocketCount).parse(*text);
}

SpinFileReading ReadSpinFile(const std::filesystem::path& file, int pocketCount) {
  // Only a plain file: a device or a pipe may never end.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return refused(SpinFileFault::Unreadable);
  const auto size = std::filesystem::file_size(file, ec);
  if (ec) return refused(SpinFileFault::Unreadable);
  if (size > MaxBytes) return refused(SpinFileFault::TooLarge);
  const auto bytes = ReadWholeFile(file);
  if (!bytes) return refused(SpinFileFault::Unreadable);
  return ParseSpinFile(*bytes, pocketCount);
}
