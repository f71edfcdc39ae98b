#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The line format of every data file: one record a line ended by CR LF, values separated
// by commas, texts in double quotes, integers bare. Texts are UTF-8 here, CP932 on disk.

struct Field {
  bool quoted = false;
  std::string text;
};
using Line = std::vector<Field>;

Field IntField(long value);
// Double quotes cannot be stored and are dropped; CR and LF become spaces.
Field TextField(const std::string& text);

// A bare (unquoted) whole number, blanks around it allowed.
std::optional<long> AsInteger(const Field& field);

// Empty when a text is not valid CP932 or a quote is not closed.
std::optional<std::vector<Line>> ParseDataFile(std::string_view bytes);

std::string FormatDataFile(const std::vector<Line>& lines);

// A file layout is written once, as a function template that walks its values in file
// order through `io.text(s)`, `io.integer(v, min, max)` and `io.endLine()`; the writer and
// the reader below both walk it, so the two can never disagree.

class LayoutWriter {
 public:
  void text(const std::string& s) { line_.push_back(TextField(s)); }
  void integer(int v, long, long) { line_.push_back(IntField(v)); }
  void endLine() {
    lines.push_back(std::move(line_));
    line_.clear();
  }

  std::vector<Line> lines;

 private:
  Line line_;
};

// Takes the values of a parsed file in sequence; commas and line ends both end a value,
// so values are read in file order whatever line they stand on. A value of the wrong
// kind, out of its range or missing fails the whole read, so a caller checks ok() before
// it applies any value.
class LayoutReader {
 public:
  explicit LayoutReader(const std::vector<Line>& lines) : lines_(lines) {}

  // A quoted or bare value, as text.
  void text(std::string& s);
  // A bare whole number within min..max.
  void integer(int& v, long min, long max);
  void endLine() {}
  bool ok() const { return ok_; }

 private:
  const Field* next();

  const std::vector<Line>& lines_;
  std::size_t line_ = 0;
  std::size_t field_ = 0;
  bool ok_ = true;
};
