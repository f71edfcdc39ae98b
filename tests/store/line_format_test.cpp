#include "store/line_format.h"

#include <gtest/gtest.h>

TEST(LineFormat, WritesQuotedTextsBareIntegersAndCrLf) {
  LayoutWriter out;
  for (long v : {38, -1, 0}) out.integer(v, -32768, 32767);
  out.endLine();
  for (const char* text : {"a,b", "", "5%"}) out.text(text);
  out.endLine();
  EXPECT_EQ(out.bytes, "38,-1,0\r\n\"a,b\",\"\",\"5%\"\r\n");
  EXPECT_EQ(FormatDataFile(*ParseDataFile(out.bytes)), out.bytes);
}

TEST(LineFormat, ReadsBackWhatItWrites) {
  LayoutWriter out;
  out.text("2026/12/07 10:00:00");
  out.text("赤が続く, 注意");
  out.endLine();
  out.integer(37, 0, 38);
  out.endLine();
  auto parsed = ParseDataFile(out.bytes);
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->size(), 2u);
  EXPECT_EQ((*parsed)[0][1].text, "赤が続く, 注意");
  EXPECT_TRUE((*parsed)[0][1].quoted);
  EXPECT_EQ(AsInteger((*parsed)[1][0]), 37);
}

TEST(LineFormat, JapaneseTextsAreCp932OnDisk) {
  // "予想" in CP932
  const std::string bytes = FormatDataFile({{Field{true, "予想"}}});
  EXPECT_EQ(bytes, "\"\x97\x5C\x91\x7A\"\r\n");
  auto parsed = ParseDataFile(bytes);
  ASSERT_TRUE(parsed);
  EXPECT_EQ((*parsed)[0][0].text, "予想");
}

TEST(LineFormat, TextsThatCannotBeStoredAreMended) {
  LayoutWriter out;
  out.text("say \"hi\"");
  out.text("a\r\nb");
  out.text("a😀b");
  out.text("予\"想");
  out.endLine();
  EXPECT_EQ(out.bytes, "\"say hi\",\"a  b\",\"a?b\",\"\x97\x5C\x91\x7A\"\r\n");
}

TEST(LineFormat, ReaderSkipsBlanksAndAcceptsBareLineFeeds) {
  auto parsed = ParseDataFile(" 1, \"x\" ,2\n3");
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->size(), 2u);
  ASSERT_EQ((*parsed)[0].size(), 3u);
  EXPECT_EQ(AsInteger((*parsed)[0][0]), 1);
  EXPECT_EQ((*parsed)[0][1].text, "x");
  EXPECT_EQ(AsInteger((*parsed)[0][2]), 2);
  EXPECT_EQ(AsInteger((*parsed)[1][0]), 3);
}

TEST(LineFormat, MalformedInputIsRefusedOrNotAnInteger) {
  EXPECT_FALSE(ParseDataFile("\"unclosed\r\n"));
  EXPECT_FALSE(ParseDataFile("\"\x81\"\r\n"));  // a lead byte with no trail byte
  auto parsed = ParseDataFile("1x,\"2\",,99999999999999999999\r\n");
  ASSERT_TRUE(parsed);
  for (const Field& f : (*parsed)[0]) EXPECT_FALSE(AsInteger(f)) << f.text;
}
