#include "store/line_format.h"

#include <gtest/gtest.h>

#include "store/cp932.h"

TEST(LineFormat, WritesQuotedTextsBareIntegersAndCrLf) {
  const std::vector<Line> lines = {{IntField(38), IntField(-1), IntField(0)},
                                   {TextField("a,b"), TextField(""), TextField("5%")}};
  EXPECT_EQ(FormatDataFile(lines), "38,-1,0\r\n\"a,b\",\"\",\"5%\"\r\n");
}

TEST(LineFormat, ReadsBackWhatItWrites) {
  const std::vector<Line> lines = {{TextField("2026/12/07 10:00:00"), TextField("赤が続く, 注意")},
                                   {IntField(37)}};
  auto parsed = ParseDataFile(FormatDataFile(lines));
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->size(), 2u);
  EXPECT_EQ((*parsed)[0][1].text, "赤が続く, 注意");
  EXPECT_TRUE((*parsed)[0][1].quoted);
  EXPECT_EQ(AsInteger((*parsed)[1][0]), 37);
}

TEST(LineFormat, JapaneseTextsAreCp932OnDisk) {
  // "予想" in CP932
  const std::string bytes = FormatDataFile({{TextField("予想")}});
  EXPECT_EQ(bytes, "\"\x97\x5C\x91\x7A\"\r\n");
  auto parsed = ParseDataFile(bytes);
  ASSERT_TRUE(parsed);
  EXPECT_EQ((*parsed)[0][0].text, "予想");
}

TEST(LineFormat, TextsThatCannotBeStoredAreMended) {
  EXPECT_EQ(TextField("say \"hi\"").text, "say hi");
  EXPECT_EQ(TextField("a\r\nb").text, "a  b");
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b");
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
