#include "store/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace {

// The length of the UTF-8 sequence that starts `s`, or 0 when its bytes are not one.
std::size_t sequenceLength(std::string_view s) {
  const auto lead = static_cast<unsigned char>(s.front());
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC0 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF8 ? 4
                                           : 0;
  if (length > s.size()) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0;
  return length;
}

// One conversion; `replace` puts "?" for an input character the target cannot hold.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   bool replace) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  char buf[1024];
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buf;
    std::size_t dstLeft = sizeof buf;
    const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf, static_cast<std::size_t>(dst - buf));
    if (r != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    if (errno == EILSEQ && replace) {
      // Skip one whole UTF-8 character.
      const std::size_t len = std::max<std::size_t>(sequenceLength({src, srcLeft}), 1);
      src += len;
      srcLeft -= len;
      out += '?';
      continue;
    }
    ok = false;
    break;
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

// Plain ASCII is the same in both encodings; most stored texts are figures.
bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

void AppendCp932(std::string& out, std::string_view utf8) {
  if (isAscii(utf8)) {
    out += utf8;
    return;
  }
  // Bytes that are no UTF-8 (a script can type any) become "?" too: a text written as it
  // stood might not be CP932, and the file could not be read back.
  std::string valid;
  while (!utf8.empty()) {
    const std::size_t length = sequenceLength(utf8);
    valid.append(length == 0 ? std::string_view("?") : utf8.substr(0, length));
    utf8.remove_prefix(std::max<std::size_t>(length, 1));
  }
  if (auto cp932 = convert("CP932", "UTF-8", valid, true)) out += *cp932;
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  if (isAscii(cp932)) return std::string(cp932);
  return convert("UTF-8", "CP932", cp932, false);
}

bool IsUtf8(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p < end) {
    const unsigned char lead = *p++;
    if (lead < 0x80) continue;
    int more;
    unsigned char low = 0x80, high = 0xBF;  // the range of the byte after the lead
    if (lead >= 0xC2 && lead <= 0xDF) {
      more = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      more = 2;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      more = 3;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (end - p < more || *p < low || *p > high) return false;
    ++p;
    for (int k = 1; k < more; ++k, ++p)
      if (*p < 0x80 || *p > 0xBF) return false;
  }
  return true;
}
