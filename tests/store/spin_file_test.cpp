#include <gtest/gtest.h>

#include <fstream>

#include "../support/test_program.h"
#include "core/number_index.h"
#include "store/spin_file.h"

namespace {

std::vector<int> spinsOf(std::string_view bytes, int pockets = 38) {
  const SpinFileReading r = ParseSpinFile(bytes, pockets);
  EXPECT_FALSE(r.fault) << bytes << ": line " << r.fault->line << " " << r.fault->token;
  return r.spins;
}

// Kind, line and token of the fault, as one text for a readable failure.
std::string faultOf(std::string_view bytes, int pockets = 38) {
  const SpinFileReading r = ParseSpinFile(bytes, pockets);
  if (!r.fault) return "no fault";
  EXPECT_TRUE(r.spins.empty());
  static const char* const kinds[] = {"unreadable",   "too large",    "not text", "no spins",
                                      "not a number", "wrong colour", "00 off"};
  return std::string(kinds[r.fault->kind]) + " " + std::to_string(r.fault->line) + " " +
         r.fault->token;
}

const std::vector<int> Seventeen00Five = {16, 37, 4};

}  // namespace

TEST(SpinFile, NumberTextsReadBackOnlyAsWritten) {
  for (int i = 0; i <= 37; ++i) EXPECT_EQ(IndexOfNumberText(NumberText(i)), i) << i;
  for (const char* t : {"", "37", "07", "000", "-1", "+5", "1.0", "１７", "3a"})
    EXPECT_EQ(IndexOfNumberText(t), -1) << t;
}

TEST(SpinFile, ExportReadsBackInEveryEncodingAndLineEnd) {
  std::vector<int> all;
  for (int i = 0; i <= 37; ++i) all.push_back((i * 7) % 38);
  const std::string csv = SpinCsvBytes(all);
  EXPECT_TRUE(csv.starts_with("spin,number,colour\r\n1,1,red\r\n2,8,black\r\n"));
  EXPECT_NE(csv.find("\r\n17,0,green\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\n28,00,green\r\n"), std::string::npos);
  EXPECT_EQ(spinsOf(csv), all);

  std::string lf = csv;
  std::erase(lf, '\r');
  EXPECT_EQ(spinsOf(lf), all);
  EXPECT_EQ(spinsOf("\xEF\xBB\xBF" + csv), all);
  // A row without the header, the header in capitals, quoted values, no last line end.
  EXPECT_EQ(spinsOf("1,17,black\n2,00,green\n3,5,red"), Seventeen00Five);
  EXPECT_EQ(spinsOf("Spin, Number, Colour\r\n\"1\",\"17\",\"Black\"\r\n2,\"00\",green\r\n"
                    "\r\n3,5,RED\r\n"),
            Seventeen00Five);
}

TEST(SpinFile, PlainNumbersTakeEverySeparator) {
  for (const char* text : {"17,00,5", "17 00\t5", "17\r\n00\r\n5\r\n", "17\r00\r5\r",
                           "\xEF\xBB\xBF  17, 00 ,\n\n\t\"5\"  \n"})
    EXPECT_EQ(spinsOf(text), Seventeen00Five) << text;
}

TEST(SpinFile, Cp932AndUtf8TextReadTheSameAndNameTheirBadToken) {
  // "記録" in CP932 and in UTF-8, with and without a byte order mark.
  const std::string cp932 = "\x8B\x4C\x98\x5E", utf8 = "記録";
  EXPECT_EQ(faultOf("17\r\n" + cp932 + "\r\n"), "not a number 2 記録");
  EXPECT_EQ(faultOf("17\n" + utf8 + "\n"), "not a number 2 記録");
  EXPECT_EQ(faultOf("\xEF\xBB\xBF"
                    "17\n" +
                    utf8 + "\n"),
            "not a number 2 記録");
  // A long token is cut in the message, between characters.
  EXPECT_EQ(faultOf("5 " + std::string(30, 'x')), "not a number 1 " + std::string(20, 'x') + "…");
  std::string longJapanese;
  for (int k = 0; k < 12; ++k) longJapanese += utf8;
  const SpinFileReading r = ParseSpinFile(longJapanese, 38);
  ASSERT_TRUE(r.fault);
  EXPECT_EQ(r.fault->token, std::string(longJapanese, 0, 20 * 3) + "…");
}

TEST(SpinFile, TheFirstFaultRefusesTheWholeFile) {
  EXPECT_EQ(faultOf("17\n5 3\n36 37 1\n"), "not a number 3 37");
  EXPECT_EQ(faultOf("17,07"), "not a number 1 07");
  EXPECT_EQ(faultOf("17;5"), "not a number 1 17;5");
  EXPECT_EQ(faultOf("17\r\n00\r\n"), "no fault");
  EXPECT_EQ(faultOf("17\r\n00\r\n", 37), "00 off 2 00");
  EXPECT_EQ(faultOf("17\r\n0\r\n", 37), "no fault");
  // The CSV: a row short of a value, a spin that is no count, a colour that does not fit.
  EXPECT_EQ(faultOf("spin,number,colour\n1,17,black\n2,5\n"), "not a number 3 2,5");
  EXPECT_EQ(faultOf("spin,number,colour\nx,17,black\n"), "not a number 2 x");
  EXPECT_EQ(faultOf("1,17,black\n2,5,black\n"), "wrong colour 2 black");
  EXPECT_EQ(faultOf("1,0,red\n"), "wrong colour 1 red");
  EXPECT_EQ(faultOf("spin,number,colour\n1,00,green\n", 37), "00 off 2 00");
  // Nothing to record.
  for (const char* empty : {"", "\r\n \t\r\n", "\xEF\xBB\xBF", "spin,number,colour\r\n", ",,"})
    EXPECT_EQ(faultOf(empty), "no spins 0 ") << empty;
  // Not text: NUL bytes (UTF-16, pictures), other control bytes, bytes of no code page.
  EXPECT_EQ(faultOf(std::string("\xFF\xFE"
                                "1\0"
                                "7\0",
                                6)),
            "not text 0 ");
  EXPECT_EQ(faultOf(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)), "not text 0 ");
  EXPECT_EQ(faultOf("17\x01"), "not text 0 ");
  EXPECT_EQ(faultOf("17 \x80"), "not text 0 ");
  EXPECT_EQ(faultOf("\xEF\xBB\xBF"
                    "17 \x8B\x4C"),
            "not text 0 ");  // CP932 after a UTF-8 mark
}

TEST(SpinFile, FilesThatCannotBeReadAreRefused) {
  EXPECT_EQ(ReadSpinFile("/nonexistent/spins.csv", 38).fault->kind, SpinFileFault::Unreadable);
  EXPECT_EQ(ReadSpinFile(std::filesystem::temp_directory_path(), 38).fault->kind,
            SpinFileFault::Unreadable);
  // A device that never ends is not read at all.
  EXPECT_EQ(ReadSpinFile("/dev/zero", 38).fault->kind, SpinFileFault::Unreadable);
  // Nor is a file far larger than any record of spins.
  const auto folder = MakeProgramFolder();
  const auto large = folder / "large.txt";
  std::ofstream(large) << "17\n";
  std::filesystem::resize_file(large, 17u << 20);  // sparse: nothing more is written
  EXPECT_EQ(ReadSpinFile(large, 38).fault->kind, SpinFileFault::TooLarge);
  std::filesystem::remove_all(folder);
}

TEST(SpinFile, ForeignCsvIsReadByTheColumnItsHeaderNames) {
  // Any case, in English or Japanese; other columns are ignored, quoted commas and all.
  EXPECT_EQ(spinsOf("Date,Table,Winning Number,Dealer\r\n2026-12-08,\"A, east\",17,Ann\r\n"
                    "2026-12-08,B,00,Bob\r\n"),
            (std::vector<int>{16, 37}));
  EXPECT_EQ(spinsOf("回,出目\n1,0\n2,36\n"), (std::vector<int>{36, 35}));
  EXPECT_EQ(spinsOf("RESULT\n5\n"), (std::vector<int>{4}));
  // The book's own export reads back.
  EXPECT_EQ(spinsOf("wheel,session,spin,number,colour,recorded_at\r\n"
                    "\"Casino, \"\"B\"\"\",3,1,1,red,2026-12-08T12:00:00Z\r\n"
                    "x,3,2,0,green,2026-12-08T12:00:00Z\r\n"),
            (std::vector<int>{0, 36}));
  // A colour column is checked, in either language; a missing number is refused.
  EXPECT_EQ(spinsOf("番号,色\n1,赤\n2,黒\n"), (std::vector<int>{0, 1}));
  EXPECT_EQ(faultOf("number,color\n1,red\n2,red\n"), "wrong colour 3 red");
  EXPECT_EQ(faultOf("time,number\n12:00\n"), "not a number 2 12:00");
  EXPECT_EQ(faultOf("number\n37\n"), "not a number 2 37");
}
