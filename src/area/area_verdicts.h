#pragma once

#include <vector>

class App;

// The Area strategy's verdicts of this game, each with the chance a blind guess of the
// same size had: the predicted area's share of the pockets. The Area window keeps only
// weighted scores, from which neither can be told apart afterwards, so they are kept here
// as the verdicts happen.
//
// The record also keeps the all-areas scores as the Area window adds them up. While the
// window shows the same scores, the record holds every verdict behind them; when it shows
// others (a loaded game brought scores of its own), it does not.
class AreaVerdicts {
 public:
  struct Verdict {
    bool hit = false;
    double chance = 0;
  };

  const std::vector<Verdict>& verdicts() const { return verdicts_; }
  // Whether the record holds every verdict behind the given all-areas scores.
  bool complete(double hitScore, double outScore) const;

  // A verdict and the score the Area window adds for it.
  void add(bool hit, double chance, double score);
  // Called as each spin is judged; takeBackSpin removes that spin's verdicts again.
  void beginSpin();
  void takeBackSpin();
  // A new game with the given scores: 0 and 0 after a clear. Scores brought by a loaded
  // game belong to verdicts the record cannot know.
  void restart(double hitScore, double outScore);

 private:
  struct Tally {
    std::size_t verdicts = 0;
    double hitScore = 0;
    double outScore = 0;
  };
  std::vector<Verdict> verdicts_;
  Tally now_;
  Tally beforeSpin_;
  bool carried_ = false;
};

// The record of this game, kept in the program.
AreaVerdicts& AreaVerdictsOf(App& app);

// A new game starts the record again: empty after a clear; after a slot load the loaded
// Area scores stand for verdicts that cannot be rebuilt.
void RestartAreaVerdicts(App& app);

// Whether the record holds every verdict behind the scores the Area window shows.
bool AreaVerdictsComplete(App& app);
