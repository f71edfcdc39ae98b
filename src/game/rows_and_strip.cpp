#include "game/rows_and_strip.h"

#include "core/number_index.h"
#include "core/numeric.h"
#include "windows/main_form.h"

namespace {

Colour levelColour(int k) {
  static constexpr std::uint32_t colours[5] = {0xC0FFFF, 0x80FFFF, 0x00FFFF, 0x00C0C0, 0x008080};
  return Colour::rgb(colours[(k - 1) / 2]);
}

}  // namespace

void PaintHitLevels(MainForm& m, const LevelThresholds& thresholds, int pocketCount) {
  const double round = Val(m.Round_T.text());
  for (int j = 0; j < pocketCount; ++j) {
    const double lag = round - Val(m.Hit_Count(j).text());
    for (int k = 1; k <= 10; ++k)
      m.Hit_Level(k)(j).setBack(lag > thresholds[static_cast<std::size_t>(k - 1)] ? levelColour(k)
                                                                                  : ButtonFace);
  }
}

void WriteRates(MainForm& m, int pocketCount) {
  const double total = Val(m.Total.text());
  for (int j = 0; j < pocketCount; ++j) {
    const double rate = Val(m.Hit_Count(j).text()) / total * pocketCount * 100;
    m.Rate(j).setText(Str(Int(rate)) + "%");
  }
}

void PaintStripCell(MainForm& m, int j, int colourClass) {
  m.Log(j).setBack(DarkColour(colourClass));
}

void MarkLastSpin(MainForm& m) {
  m.Last_Spin.setCaption(m.Log(0).caption());
}
