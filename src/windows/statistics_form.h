#pragma once

#include "windows/form.h"

// Statistics of this game: whether the wheel looks biased and whether any strategy hits
// more often than chance. It only shows figures; nothing in it changes the game.
class StatisticsForm : public Form {
 public:
  StatisticsForm();

  // Is the wheel biased?
  Frame Bias_Frame;
  TextBox Spins;
  TextBox Chi_Square;
  TextBox Chi_DF;
  TextBox Chi_P;
  // Spins needed before every pocket expects 5 results, when the test starts to mean much.
  TextBox Need;
  Label Bias_Verdict;

  // Per pocket: rows in number order, or by z from the highest when Sort_Z is ticked.
  CheckBox Sort_Z;
  TextBox Expected;
  IndexedArray<Label, 1, 38> Pocket;
  IndexedArray<TextBox, 1, 38> Count;
  IndexedArray<TextBox, 1, 38> Z;

  // The wheel, from zero round: each pocket's count and that of the sector of five
  // pockets centred on it.
  IndexedArray<Label, 1, 38> Wheel_Pocket;
  IndexedArray<TextBox, 1, 38> Wheel_Count;
  IndexedArray<TextBox, 1, 38> Wheel_Sector;
  Frame Sector_Frame;
  Label Sector_Pockets;
  TextBox Sector_Count;
  TextBox Sector_Expected;
  // The hottest sector's p, corrected for having looked at every sector.
  TextBox Sector_P;
  Label Sector_Verdict;

  // Dozens, columns, red/black, odd/even, low/high.
  Frame Bet_Frame;
  IndexedArray<Label, 1, 12> Bet;
  IndexedArray<TextBox, 1, 12> Bet_Count;
  IndexedArray<TextBox, 1, 12> Bet_Rate;
  IndexedArray<TextBox, 1, 12> Bet_Chance;
  IndexedArray<TextBox, 1, 12> Bet_Z;

  // Does a strategy beat chance? Rows: Point, Black or Red, Area, Total.
  Frame Strategy_Frame;
  IndexedArray<Label, 1, 4> Strategy;
  IndexedArray<TextBox, 1, 4> Judged;
  IndexedArray<TextBox, 1, 4> Hits;
  IndexedArray<TextBox, 1, 4> Hit_Rate;
  IndexedArray<TextBox, 1, 4> Chance;
  IndexedArray<TextBox, 1, 4> Strategy_P;
  IndexedArray<TextBox, 1, 4> Interval;
  IndexedArray<Label, 1, 4> Strategy_Verdict;
  // Says what the Area and Total rows leave out after a game was loaded.
  Label Record_Note;
};

// Rows of the strategy table.
enum StrategyRow { PointRow = 1, BlackOrRedRow = 2, AreaRow = 3, TotalRow = 4 };
