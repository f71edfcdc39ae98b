#include "core/utc_time.h"

#include <chrono>
#include <cstdio>

#include "core/services.h"

namespace {

using namespace std::chrono;

}  // namespace

std::int64_t Clock::utcSeconds() {
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

std::string UtcStamp(std::int64_t s) {
  const sys_seconds t{seconds{s}};
  const auto day = floor<days>(t);
  const year_month_day ymd{day};
  const hh_mm_ss hms{t - day};
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02ld:%02ld:%02ldZ", int(ymd.year()),
                unsigned(ymd.month()), unsigned(ymd.day()), long(hms.hours().count()),
                long(hms.minutes().count()), long(hms.seconds().count()));
  return text;
}

std::optional<std::int64_t> SecondsOfGeneralDate(std::string_view text) {
  int y, mo, d, h, mi, s, used = 0;
  const std::string copy(text);
  if (std::sscanf(copy.c_str(), "%4d/%2d/%2d %2d:%2d:%2d%n", &y, &mo, &d, &h, &mi, &s, &used) !=
          6 ||
      used != static_cast<int>(copy.size()))
    return std::nullopt;
  const year_month_day ymd{year{y}, month{unsigned(mo)}, day{unsigned(d)}};
  if (!ymd.ok() || h > 23 || mi > 59 || s > 59 || h < 0 || mi < 0 || s < 0) return std::nullopt;
  return (sys_days{ymd}.time_since_epoch() + hours{h} + minutes{mi} + seconds{s}).count();
}
