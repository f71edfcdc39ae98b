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
