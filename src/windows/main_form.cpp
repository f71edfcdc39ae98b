#include "windows/main_form.h"

#include "core/number_index.h"
#include "windows/forms.h"

MainForm::MainForm() : Form(FormId::Main_F, MainTitle) {
  for (int i = 0; i <= 37; ++i) {
    Deme(i).setCaption(NumberText(i));
    Deme(i).setBack(DarkColour(ColourClassOf(i)));
    Deme(i).setFore(White);
    Count_P(i).setCaption("＞");
    Count_M(i).setCaption("＜");
    Hit_Count(i).setText("0");
    Hit_Count(i).setBack(Colour::rgb(0xFFE0C0));
    Rate(i).setText("0");
    Rate(i).setBack(Colour::rgb(0xC0C0FF));
  }
  Total.setText("0");
  Total.setBack(Colour::rgb(0xC0FFC0));
  Round_T.setText("0");
  Round_T.setBack(Colour::rgb(0xFFFFC0));
  Red.setText("0");
  Red.setBack(Colour::rgb(0xC00000));
  Red.setFore(White);
  Black.setText("0");
  Black.setBack(Colour::rgb(0x000000));
  Black.setFore(Colour::rgb(0xE0E0E0));
  for (auto& l : Log) l.setFore(White);
  Light_P.setLit(true);
  Light_P.setVisible(false);
  Expect.setCaption("Expect !");
  OR.setCaption("OR");
  Area.setCaption("Area");
  Point_C.setCaption("Point");
  Total_C.setCaption("Total");
  Log_B.setCaption("Log");
  Label1.setCaption("HC");
  Label2.setCaption("(+)");
  Label3.setCaption("(-)");
  Label4.setCaption("Rate");
  Label5.setCaption("Total");
  Label6.setCaption("Round");
  Label7.setCaption("No Hit Level");
  Label34.setCaption("R");
  Label35.setCaption("B");

  File.setCaption("File");
  Save_Load.setCaption("Save_Load");
  Clear.setCaption("Clear");
  Export_Spins.setCaption("エクスポート…");
  Import_Spins.setCaption("インポート…");
  Book.setCaption("ホイール帳…");
  Setting.setCaption("Setting");
  BGM_Check.setCaption("BGM");
  separator.setCaption("-");
  Front_Check.setCaption("Main Front");
  Free_Check.setCaption("All Free");
  separator2.setCaption("-");
  Expect_On.setCaption("Expect Check");
  Quick_Expect.setCaption("Quick Expect");
  Zero_Check.setCaption("\"00\"");
  Help.setCaption("Help");
  Version.setCaption("Version");
  Exit.setCaption("Exit");
  Stats.setCaption("統計");

  add("Deme", Deme);
  for (int k = 1; k <= 10; ++k) add("Hit_Level_" + std::to_string(k), Hit_Level(k));
  add("Count_P", Count_P);
  add("Count_M", Count_M);
  add("Hit_Count", Hit_Count);
  add("Rate", Rate);
  add("Total", Total);
  add("Round_T", Round_T);
  add("Red", Red);
  add("Black", Black);
  add("Log", Log);
  add("Light_P", Light_P);
  add("Play", Play);
  add("Expect", Expect);
  add("OR", OR);
  add("Area", Area);
  add("Point_C", Point_C);
  add("Total_C", Total_C);
  add("Log_B", Log_B);
  add("Label1", Label1);
  add("Label2", Label2);
  add("Label3", Label3);
  add("Label4", Label4);
  add("Label5", Label5);
  add("Label6", Label6);
  add("Label7", Label7);
  add("Label34", Label34);
  add("Label35", Label35);
  add("File", File);
  add("Save_Load", Save_Load);
  add("Clear", Clear);
  add("Export_Spins", Export_Spins);
  add("Import_Spins", Import_Spins);
  add("Book", Book);
  add("Setting", Setting);
  add("BGM_Check", BGM_Check);
  add("separator", separator);
  add("Front_Check", Front_Check);
  add("Free_Check", Free_Check);
  add("separator2", separator2);
  add("Expect_On", Expect_On);
  add("Quick_Expect", Quick_Expect);
  add("Zero_Check", Zero_Check);
  add("Help", Help);
  add("Version", Version);
  add("Exit", Exit);
  add("Stats", Stats);
  add("Key_Entry", Key_Entry);
  add("Last_Spin", Last_Spin);
}
