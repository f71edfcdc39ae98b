// The line codec, CP932 and the number texts, straight on the fuzzed bytes: the program
// must read back whatever it writes, and reading never fails in any other way than by
// saying so.
#include "core/figure_range.h"
#include "core/numeric.h"
#include "fuzz_program.h"
#include "store/cp932.h"
#include "store/line_format.h"

namespace {

// Every value of the bytes as a field and as a whole number.
void scan(std::string_view bytes) {
  FieldScanner in(bytes);
  RawField f;
  while (in.nextValue(f)) AsInteger(f);
}

// A text written into a file reads back, and the text read writes the same bytes again.
void textRoundTrip(std::string_view text) {
  LayoutWriter out;
  out.text(text);
  out.integer(-12, 0, 0);
  out.endLine();
  LayoutReader in(out.bytes);
  std::string back;
  int number = 0;
  in.text(back);
  in.integer(number, -100, 100);
  in.endLine();
  Require(in.complete() && number == -12, "a written text reads back");
  LayoutWriter again;
  again.text(back);
  again.integer(-12, 0, 0);
  again.endLine();
  Require(again.bytes == out.bytes, "a text read back writes the same bytes");
}

void cp932RoundTrip(std::string_view bytes) {
  const auto utf8 = Cp932ToUtf8(bytes);
  if (!utf8) return;
  std::string cp932;
  AppendCp932(cp932, *utf8);
  Require(Cp932ToUtf8(cp932) == utf8, "decoded CP932 encodes to the same text");
}

// A number written by Str reads back as the number Str wrote, whatever text it came from.
void numberRoundTrip(std::string_view text) {
  const std::string written = Str(Val(text));
  Require(Str(Val(written)) == written, "a written number reads back the same");
  FigureInRange(text, Figure::Count);
  CInt(Val(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = InputBytes(data, size);
  scan(bytes);
  textRoundTrip(bytes);
  cp932RoundTrip(bytes);
  numberRoundTrip(bytes.substr(0, 64));
  return 0;
}
