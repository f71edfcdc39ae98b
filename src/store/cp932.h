#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts are CP932 on disk and UTF-8 in memory.

// A character CP932 cannot hold becomes "?".
std::string Utf8ToCp932(std::string_view utf8);

// Empty when the bytes are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
