#include "windows/verdict_style.h"

#include "windows/controls.h"

namespace {

struct Style {
  const char* caption;
  Colour fore;
  Colour back;
  bool picture;
};

Style styleOf(Verdict v) {
  const Colour hitFore = Colour::rgb(0xFF0000), hitBack = Colour::rgb(0xFFFF00);
  const Colour green = Colour::rgb(0x008000), blue = Colour::rgb(0x0000C0);
  switch (v) {
    case Verdict::Cleared:
      return {"", ButtonText, ButtonFace, false};
    case Verdict::Predicted:
      return {"予想済み", Colour::rgb(0x00C0C0), ButtonFace, false};
    case Verdict::Hit:
      return {"予想的中 !", hitFore, hitBack, true};
    case Verdict::Miss:
      return {"予想アウト", ButtonText, ButtonFace, false};
    case Verdict::NoPrediction:
      return {"予想結果なし", ButtonText, ButtonFace, false};
    case Verdict::ZeroColour:
      return {"0 ﾋｯﾄ 予想結果なし", green, ButtonFace, false};
    case Verdict::DoubleZeroColour:
      return {"00 ﾋｯﾄ 予想結果なし", blue, ButtonFace, false};
    case Verdict::ZeroPoint:
      return {"0 ﾋｯﾄ", green, ButtonFace, false};
    case Verdict::DoubleZeroPoint:
      return {"00 ﾋｯﾄ", blue, ButtonFace, false};
    case Verdict::OverallWin:
      return {"Com Win Good!", hitFore, hitBack, true};
    case Verdict::OverallLoss:
      return {"Com Loss Sorry", ButtonText, ButtonFace, false};
  }
  return {"", ButtonText, ButtonFace, false};
}

}  // namespace

void ShowVerdict(Label& status, PictureBox& hitPicture, Verdict verdict) {
  const Style s = styleOf(verdict);
  status.setCaption(s.caption);
  status.setFore(s.fore);
  status.setBack(s.back);
  hitPicture.setVisible(s.picture);
}
