#pragma once

class Label;
class PictureBox;

// How a status label shows a prediction or its verdict; the hit picture shows only with
// a hit or an overall win.
enum class Verdict {
  Cleared,           // empty caption, button colours
  Predicted,         // "予想済み"
  Hit,               // "予想的中 !"
  Miss,              // "予想アウト"
  NoPrediction,      // "予想結果なし"
  ZeroColour,        // "0 ﾋｯﾄ 予想結果なし" (Black-or-Red)
  DoubleZeroColour,  // "00 ﾋｯﾄ 予想結果なし" (Black-or-Red)
  ZeroPoint,         // "0 ﾋｯﾄ" (Point)
  DoubleZeroPoint,   // "00 ﾋｯﾄ" (Point)
  OverallWin,        // "Com Win Good!"
  OverallLoss,       // "Com Loss Sorry"
};

void ShowVerdict(Label& status, PictureBox& hitPicture, Verdict verdict);
