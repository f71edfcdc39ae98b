#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts are CP932 on disk and UTF-8 in memory.

// Appends the text in CP932; a character CP932 cannot hold becomes "?".
void AppendCp932(std::string& out, std::string_view utf8);

// Empty when the bytes are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

// The bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsUtf8(std::string_view bytes);
