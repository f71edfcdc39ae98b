#include "store/line_format.h"

#include <algorithm>
#include <charconv>

#include "store/cp932.h"

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

std::optional<long> AsInteger(const RawField& field) {
  if (field.quoted) return std::nullopt;
  std::string_view t = field.bytes;
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  long v = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end != t.data() + t.size() || t.empty()) return std::nullopt;
  return v;
}

FieldScanner::FieldScanner(std::string_view bytes) : rest_(bytes) {
  nextLine();
}

bool FieldScanner::nextLine() {
  line_ = {};
  lineDone_ = true;
  if (rest_.empty()) return false;
  const auto end = rest_.find('\n');
  line_ = rest_.substr(0, end);
  rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
  if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
  lineDone_ = line_.empty();
  return true;
}

bool FieldScanner::nextField(RawField& f) {
  if (lineDone_) return false;
  std::size_t i = line_.find_first_not_of(' ');
  if (i == std::string_view::npos) i = line_.size();
  if (i < line_.size() && line_[i] == '"') {
    const auto close = line_.find('"', i + 1);
    f.quoted = true;
    f.closed = close != std::string_view::npos;
    f.bytes = line_.substr(i + 1, (f.closed ? close : line_.size()) - i - 1);
    i = f.closed ? close + 1 : line_.size();
  } else {
    f.quoted = false;
    f.closed = true;
    f.bytes = line_.substr(i, line_.find(',', i) - i);
  }
  i = std::min(line_.find(',', i), line_.size());
  if (i == line_.size())
    lineDone_ = true;
  else
    line_.remove_prefix(i + 1);
  return true;
}

bool FieldScanner::nextValue(RawField& f) {
  while (!nextField(f))
    if (!nextLine()) return false;
  return true;
}

const RawField* LayoutReader::next() {
  if (ok_ && in_.nextField(field_) && field_.closed) return &field_;
  ok_ = false;
  return nullptr;
}

void LayoutReader::text(std::string& s) {
  const RawField* f = next();
  if (!f) return;
  // No text the program writes holds a quote or a carriage return (a quote in a bare
  // value, a CR before the closing quote): either is damage, and the text would not be
  // written back as it was read.
  if (f->bytes.find_first_of("\"\r") != std::string_view::npos) {
    ok_ = false;
    return;
  }
  if (auto text = Cp932ToUtf8(f->bytes))
    s = std::move(*text);
  else
    ok_ = false;
}

void LayoutReader::figure(std::string& s, Figure kind) {
  text(s);
  if (ok_ && !FigureInRange(s, kind)) ok_ = false;
}

void LayoutReader::integer(int& v, long min, long max) {
  const RawField* f = next();
  const auto value = f ? AsInteger(*f) : std::nullopt;
  if (value && *value >= min && *value <= max)
    v = static_cast<int>(*value);
  else
    ok_ = false;
}

void LayoutReader::endLine() {
  RawField extra;
  if (in_.nextField(extra)) ok_ = false;
  in_.nextLine();
}

bool LayoutReader::complete() {
  RawField extra;
  do {
    if (in_.nextField(extra)) return false;
  } while (in_.nextLine());
  return ok_;
}
