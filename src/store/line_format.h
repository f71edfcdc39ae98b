#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/figure_range.h"

// The line format of every data file: one record a line ended by CR LF, values separated
// by commas, texts in double quotes, integers bare. Texts are UTF-8 here, CP932 on disk.

// One value as it stands in the file, still in CP932. A quoted value runs to its closing
// quote; one left open (`closed` false) runs to the end of its line.
struct RawField {
  bool quoted = false;
  bool closed = true;
  std::string_view bytes;
};

// A bare (unquoted) whole number, blanks around it allowed.
std::optional<long> AsInteger(const RawField& field);

// Walks the values of a file where they stand, line by line, without copying them.
// Blanks before a value are skipped; after a closing quote, anything up to the next comma
// is not part of the value. An empty line has no values.
class FieldScanner {
 public:
  // Starts on the first line.
  explicit FieldScanner(std::string_view bytes);
  // The next value of the current line; false when the line has no more.
  bool nextField(RawField& f);
  // Moves to the next line; false when the file has no more.
  bool nextLine();
  // The next value in file order, across line ends; false at the end of the file.
  bool nextValue(RawField& f);

 private:
  std::string_view rest_;  // the lines after the current one
  std::string_view line_;  // the part of the current line not yet taken
  bool lineDone_ = true;
};

// A file layout is written once, as a function template that walks its values in file
// order through `io.text(s)`, `io.figure(s, kind)`, `io.integer(v, min, max)` and
// `io.endLine()`; the writer and the reader below both walk it, so the two can never
// disagree.

// Writes the values straight into the bytes of the file.
class LayoutWriter {
 public:
  // In double quotes and CP932. Double quotes cannot be stored and are dropped; CR and LF
  // become spaces.
  void text(std::string_view s);
  // A window figure, written as a text.
  void figure(std::string_view s, Figure) { text(s); }
  void integer(long v, long min, long max);
  // A value as it stands, unquoted.
  void bare(std::string_view s);
  void endLine();

  std::string bytes;

 private:
  void separate();

  bool lineStarted_ = false;
};

// Takes the values of a file line by line as the layout walks them. A value of the wrong
// kind, out of its range (a figure as FigureInRange judges it) or not valid CP932, a line
// with fewer or more values than the layout gives it, and values left over after the
// layout's last line all make the file malformed, so a caller checks complete() before
// it applies any value.
class LayoutReader {
 public:
  explicit LayoutReader(std::string_view bytes) : in_(bytes) {}

  // A quoted or bare value, as text.
  void text(std::string& s);
  // A quoted or bare value that the windows read back as a figure of `kind`.
  void figure(std::string& s, Figure kind);
  // A bare whole number within min..max.
  void integer(int& v, long min, long max);
  // The line must have no values left.
  void endLine();
  // Every value read so far was as the layout says.
  bool ok() const { return ok_; }
  // Every value was read as the layout says, and only blank lines follow.
  bool complete();

 private:
  const RawField* next();

  FieldScanner in_;
  RawField field_;
  bool ok_ = true;
};
