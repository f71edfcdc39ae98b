#pragma once

#include "gui/form_view.h"
#include "windows/stats_form.h"

class QGroupBox;
class WheelChart;

// The statistics window: the bias test with its pocket table on the left, the wheel chart
// with the hottest sector and the outside bets on the right, the strategies below.
class StatsView : public FormView {
 public:
  StatsView(FrontEnd& frontEnd, StatsForm& form);

 protected:
  void refreshed() override;

 private:
  QGroupBox* biasFrame(StatsForm& s);
  QGroupBox* sectorFrame(StatsForm& s);
  QGroupBox* betFrame(StatsForm& s);
  QGroupBox* strategyFrame(StatsForm& s);

  StatsForm& stats_;
  WheelChart* chart_;
};
