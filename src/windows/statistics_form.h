#pragma once

#include "windows/form.h"

// Statistics of the spins: whether the wheel looks biased and whether any strategy beats
// chance and the house. It only shows figures; nothing in it changes the game.
class StatisticsForm : public Form {
 public:
  StatisticsForm();

  // Is the wheel fair? The evidence that may be looked at after every spin, in words,
  // with what the spins counted could find and what the window's single tests mean.
  Frame Evidence_Frame;
  // The spins judged, one of the two: this game, or every spin of the current wheel in
  // the wheel book.
  CheckBox Source_Game;
  CheckBox Source_Wheel;
  TextBox Spins;
  TextBox Evidence;
  Label Evidence_Verdict;
  Label Power_Note;
  Label Tests_Note;
  // Says when the spins are judged on another wheel than the game's (00 spins, 00 off).
  Label Model_Note;

  // Per pocket: its count and its chance after the spins, in number order or by count
  // from the highest when Sort_Rate is ticked.
  Frame Pocket_Frame;
  CheckBox Sort_Rate;
  // The count every pocket of a fair wheel expects.
  TextBox Expected;
  IndexedArray<Label, 1, 38> Pocket;
  IndexedArray<TextBox, 1, 38> Count;
  // Posterior mean and 95 % credible interval of the chance, and the probability that a
  // straight up on it has a positive expected value.
  IndexedArray<TextBox, 1, 38> Rate;
  IndexedArray<TextBox, 1, 38> Band;
  IndexedArray<TextBox, 1, 38> Winning;

  // The wheel, from zero round: each pocket's count and that of the sector of five
  // pockets centred on it.
  IndexedArray<Label, 1, 38> Wheel_Pocket;
  IndexedArray<TextBox, 1, 38> Wheel_Count;
  IndexedArray<TextBox, 1, 38> Wheel_Sector;

  // The hottest sector (all of them when several tie), its p allowing for every sector
  // having been looked at, and its posterior played as five straight-ups.
  Frame Sector_Frame;
  Label Sector_Pockets;
  TextBox Sector_Count;
  TextBox Sector_Expected;
  TextBox Sector_P;
  Label Sector_Verdict;
  TextBox Sector_Rate;
  TextBox Sector_Band;
  TextBox Sector_Winning;

  // Tests for a single look: the chi-square of every pocket, and the hot pocket and the
  // hot sector of the earlier spins tested again on the later ones (row 1 pocket, row 2
  // sector).
  Frame Test_Frame;
  TextBox Chi_Square;
  TextBox Chi_DF;
  TextBox Chi_P;
  Label Chi_Verdict;
  Frame Holdout_Frame;
  Label Holdout_Note;
  IndexedArray<Label, 1, 2> Holdout_Named;
  IndexedArray<TextBox, 1, 2> Holdout_Later;
  IndexedArray<TextBox, 1, 2> Holdout_Expected;
  IndexedArray<TextBox, 1, 2> Holdout_P;
  IndexedArray<Label, 1, 2> Holdout_Verdict;

  // Dozens, columns, red/black, odd/even, low/high: counts, the fair chance, and the
  // posterior of the chance with the probability that the bet gains at its payout.
  Frame Bet_Frame;
  IndexedArray<Label, 1, 12> Bet;
  IndexedArray<TextBox, 1, 12> Bet_Count;
  IndexedArray<TextBox, 1, 12> Bet_Chance;
  IndexedArray<TextBox, 1, 12> Bet_Band;
  IndexedArray<TextBox, 1, 12> Bet_Winning;

  // Does a strategy beat a blind guess, and the house? Rows: Point, Black or Red, Area,
  // Total.
  Frame Strategy_Frame;
  IndexedArray<Label, 1, 4> Strategy;
  IndexedArray<TextBox, 1, 4> Judged;
  IndexedArray<TextBox, 1, 4> Hits;
  IndexedArray<TextBox, 1, 4> Hit_Rate;
  // The rate a blind guess of the same size hits, and the rate that breaks even at the
  // house's payouts.
  IndexedArray<TextBox, 1, 4> Chance;
  IndexedArray<TextBox, 1, 4> Break_Even;
  // Expected gain per unit staked, with its interval.
  IndexedArray<TextBox, 1, 4> Value;
  IndexedArray<TextBox, 1, 4> Value_Band;
  // The evidence against the blind guess and against breaking even.
  IndexedArray<TextBox, 1, 4> Evidence_Chance;
  IndexedArray<TextBox, 1, 4> Evidence_Even;
  IndexedArray<Label, 1, 4> Strategy_Verdict;
  // What no strategy can do, and what the figures rest on.
  Label Strategy_Note;
  // Says what the Area and Total rows leave out after a game was loaded.
  Label Record_Note;
};

// Rows of the strategy table.
enum StrategyRow { PointRow = 1, BlackOrRedRow = 2, AreaRow = 3, TotalRow = 4 };

// Rows of the holdout table.
enum HoldoutRow { PocketHoldout = 1, SectorHoldout = 2 };
