#include <gtest/gtest.h>

#include "../support/predict_support.h"

namespace {

// Area 1 holds the numbers 1..18, area 2 every other pocket.
std::string eighteenNumberArea() {
  std::string s = "0,0,0,0,0,1,1,10\r\n";
  for (int i = 0; i < 38; ++i) s += i < 18 ? "1,0,0,0,0,0\r\n" : "0,1,0,0,0,0\r\n";
  return s;
}

// One round of every active pocket, then a prediction of area 1 and red (both first
// draws land on the lowest bound; the last spin was in area 2, so neither is redrawn).
void predictAreaOne(TestProgram& p, int pockets) {
  for (int i = 0; i < pockets; ++i) p.spin(i);
  p.run("random 0 0\nclick Main_F.Expect");
  ASSERT_EQ(Area_F(p.app()).Expect_H(1).text(), "1");
  ASSERT_EQ(Black_or_Red_F(p.app()).Hit_Hantei_Red.text(), "1");
}

}  // namespace

TEST(AreaScores, EighteenNumbersOfThirtyEight) {
  TestProgram hit{Silent(38), {"Data/Files/USER2.FIL", eighteenNumberArea()}};
  predictAreaOne(hit, 38);
  hit.spin(0);  // 1: in area 1, red
  EXPECT_EQ(Area_F(hit.app()).Expect_Hit(1).text(), "1.05");
  EXPECT_EQ(Area_F(hit.app()).Expect_Hit(7).text(), "1.05");
  EXPECT_EQ(Total_F(hit.app()).Expect_Hit.text(), "2.05");  // the area and the colour

  TestProgram miss{Silent(38), {"Data/Files/USER2.FIL", eighteenNumberArea()}};
  predictAreaOne(miss, 38);
  miss.spin(18);  // 19: in area 2, red
  EXPECT_EQ(Area_F(miss.app()).Expect_Out(1).text(), "0.95");
  EXPECT_EQ(Total_F(miss.app()).Expect_Out.text(), "0.95");
  EXPECT_EQ(Total_F(miss.app()).Expect_Hit.text(), "1");
}

TEST(AreaScores, EighteenNumbersOfThirtySeven) {
  TestProgram hit{Silent(37), {"Data/Files/USER2.FIL", eighteenNumberArea()}};
  predictAreaOne(hit, 37);
  hit.spin(2);
  EXPECT_EQ(Area_F(hit.app()).Expect_Hit(1).text(), "1.03");

  TestProgram miss{Silent(37), {"Data/Files/USER2.FIL", eighteenNumberArea()}};
  predictAreaOne(miss, 37);
  miss.spin(29);  // 30: in area 2, red
  EXPECT_EQ(Area_F(miss.app()).Expect_Out(1).text(), "0.97");
  EXPECT_EQ(Total_F(miss.app()).Expect_Out.text(), "0.97");
}
