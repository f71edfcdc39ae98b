#include "store/line_format.h"

#include <algorithm>
#include <charconv>

#include "store/cp932.h"

Field IntField(long value) {
  return Field{false, std::to_string(value)};
}

std::optional<long> AsInteger(const Field& field) {
  if (field.quoted) return std::nullopt;
  std::string_view t = field.text;
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  long v = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end != t.data() + t.size() || t.empty()) return std::nullopt;
  return v;
}

namespace {

// Splits one line (without its line end) into fields.
std::optional<Line> parseLine(std::string_view s) {
  Line line;
  if (s.empty()) return line;
  std::size_t i = 0;
  while (true) {
    while (i < s.size() && s[i] == ' ') ++i;
    Field f;
    if (i < s.size() && s[i] == '"') {
      const auto close = s.find('"', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      auto text = Cp932ToUtf8(s.substr(i + 1, close - i - 1));
      if (!text) return std::nullopt;
      f.quoted = true;
      f.text = std::move(*text);
      i = close + 1;
      // Anything between the closing quote and the next comma is not part of the value.
      while (i < s.size() && s[i] != ',') ++i;
    } else {
      const auto comma = s.find(',', i);
      const auto end = comma == std::string_view::npos ? s.size() : comma;
      auto text = Cp932ToUtf8(s.substr(i, end - i));
      if (!text) return std::nullopt;
      f.text = std::move(*text);
      i = end;
    }
    line.push_back(std::move(f));
    if (i >= s.size()) break;
    ++i;  // the comma
  }
  return line;
}

}  // namespace

std::optional<std::vector<Line>> ParseDataFile(std::string_view bytes) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    auto end = bytes.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = bytes.size();
    auto text = bytes.substr(start, end - start);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    auto line = parseLine(text);
    if (!line) return std::nullopt;
    lines.push_back(std::move(*line));
    start = end + 1;
  }
  return lines;
}

std::string FormatDataFile(const std::vector<Line>& lines) {
  LayoutWriter out;
  for (const Line& line : lines) {
    for (const Field& f : line) {
      if (f.quoted)
        out.text(f.text);
      else
        out.bare(f.text);
    }
    out.endLine();
  }
  return std::move(out.bytes);
}

void LayoutWriter::separate() {
  if (lineStarted_) bytes += ',';
  lineStarted_ = true;
}

void LayoutWriter::text(std::string_view s) {
  separate();
  bytes += '"';
  // Most texts are figures: printable ASCII without a quote goes in as it stands.
  if (std::all_of(s.begin(), s.end(), [](char c) { return c >= ' ' && c <= '~' && c != '"'; })) {
    bytes += s;
  } else {
    std::string mended;
    for (char c : s)
      if (c != '"') mended += (c == '\r' || c == '\n') ? ' ' : c;
    AppendCp932(bytes, mended);
  }
  bytes += '"';
}

void LayoutWriter::integer(long v, long, long) {
  char digits[24];
  bare(std::string_view(digits, std::to_chars(digits, digits + sizeof digits, v).ptr));
}

void LayoutWriter::bare(std::string_view s) {
  separate();
  bytes += s;
}

void LayoutWriter::endLine() {
  bytes += "\r\n";
  lineStarted_ = false;
}

const Field* LayoutReader::next() {
  while (ok_ && line_ < lines_.size()) {
    if (field_ < lines_[line_].size()) return &lines_[line_][field_++];
    ++line_;
    field_ = 0;
  }
  ok_ = false;
  return nullptr;
}

void LayoutReader::text(std::string& s) {
  if (const Field* f = next()) s = f->text;
}

void LayoutReader::integer(int& v, long min, long max) {
  const Field* f = next();
  const auto value = f ? AsInteger(*f) : std::nullopt;
  if (value && *value >= min && *value <= max)
    v = static_cast<int>(*value);
  else
    ok_ = false;
}
