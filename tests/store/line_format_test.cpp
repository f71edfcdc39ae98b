#include "store/line_format.h"

#include <gtest/gtest.h>

#include <tuple>

#include "store/cp932.h"

namespace {

// A small layout: a line of a text and an integer within 0..38, then a line of one text.
struct Record {
  std::string name, note;
  int number = 0;
};

template <class Io>
void walkRecord(Io& io, Record& r) {
  io.text(r.name);
  io.integer(r.number, 0, 38);
  io.endLine();
  io.text(r.note);
  io.endLine();
}

std::optional<Record> readRecord(std::string_view bytes) {
  Record r;
  LayoutReader in(bytes);
  walkRecord(in, r);
  if (!in.complete()) return std::nullopt;
  return r;
}

}  // namespace

TEST(LineFormat, WritesQuotedTextsBareIntegersAndCrLf) {
  LayoutWriter out;
  for (long v : {38, -1, 0}) out.integer(v, -32768, 32767);
  out.endLine();
  for (const char* text : {"a,b", "", "5%"}) out.text(text);
  out.endLine();
  EXPECT_EQ(out.bytes, "38,-1,0\r\n\"a,b\",\"\",\"5%\"\r\n");
}

TEST(LineFormat, ReadsBackWhatItWritesWithJapaneseTextsInCp932) {
  Record r{"2026/12/07 10:00:00", "赤が続く, 注意", 37};
  LayoutWriter out;
  walkRecord(out, r);
  const std::string& bytes = out.bytes;
  // "赤" in CP932 is 90 D4
  EXPECT_NE(bytes.find("\"\x90\xD4"), std::string::npos);
  const auto back = readRecord(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(std::tie(back->name, back->number, back->note), std::tie(r.name, r.number, r.note));
}

TEST(LineFormat, TextsThatCannotBeStoredAreMended) {
  LayoutWriter out;
  out.text("say \"hi\"");
  out.text("a\r\nb");
  out.text("a😀b");
  out.text("予\"想");
  // Bytes that are not UTF-8, as a script may type them: a cut-off sequence inside and at
  // the end, and a stray continuation byte.
  out.text(
      "\xE2"
      "1\xDD\xDD");
  out.text("予\xE6\x83");
  out.text("\x80");
  out.endLine();
  EXPECT_EQ(out.bytes,
            "\"say hi\",\"a  b\",\"a?b\",\"\x97\x5C\x91\x7A\",\"?1??\",\"\x97\x5C??\",\"?\"\r\n");
  // Whatever went in, the file reads back.
  LayoutReader in(out.bytes);
  std::string text;
  for (int i = 0; i < 7; ++i) in.text(text);
  EXPECT_TRUE(in.complete());
}

TEST(LineFormat, ReaderTakesBlanksBareLineFeedsAndTrailingBlankLines) {
  for (const char* bytes :
       {" \"x\" , 5\n \"y\"", "x,+5\r\n\"y\"\r\n\r\n", "\"x\"junk,5\r\ny\r\n"}) {
    const auto r = readRecord(bytes);
    ASSERT_TRUE(r) << bytes;
    EXPECT_EQ(r->name + std::to_string(r->number) + r->note, "x5y") << bytes;
  }
}

TEST(LineFormat, AFileThatDoesNotMatchItsLayoutIsRefused) {
  const char* const bad[] = {
      "",                            // empty
      "\"x\",5\r\n",                 // a line short
      "\"x\"\r\n5\r\n\"y\"\r\n",     // a value moved to the next line
      "\"x\",5,6\r\n\"y\"\r\n",      // a value too many at the end of a line
      "\"x\",5,\r\n\"y\"\r\n",       // a comma too many
      "\"x\",5\r\n\"y\",\"z\"\r\n",  // one value too many on the last line
      "\"x\",5\r\n\"y\"\r\n7\r\n",   // values left over after the layout
      "\"x\",5\r\n\r\n\"y\"\r\n",    // a blank line within
      "\"x\",39\r\n\"y\"\r\n",       // out of range
      "\"x\",5x\r\n\"y\"\r\n",       // not a whole number
      "\"x\",\"5\"\r\n\"y\"\r\n",    // a number in quotes
      "\"x\",99999999999999999999\r\n\"y\"\r\n",
      "\"x,5\r\n\"y\"\r\n",       // a quote left open
      "\"\x81\",5\r\n\"y\"\r\n",  // a lead byte with no trail byte
      // A bare text with a quote in it: written back without the quote, it would read as
      // another value (-"840" reads as 0, then is written as "-840").
      "\"x\",5\r\n-\"840\"\r\n",
      // A carriage return inside a text: it would be written back as a space.
      "\"x\",5\r\n\"\r2\"\n",
  };
  for (const char* bytes : bad) EXPECT_FALSE(readRecord(bytes)) << bytes;
}
