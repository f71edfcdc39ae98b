#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Times the program keeps in its own files: seconds since 1970-01-01 00:00 UTC, written
// in ISO 8601 ("2026-12-08T14:03:05Z") whatever the locale or time zone.
std::string UtcStamp(std::int64_t seconds);

// The seconds of "yyyy/MM/dd HH:mm:ss" read as UTC; nothing for any other text.
std::optional<std::int64_t> SecondsOfGeneralDate(std::string_view text);
