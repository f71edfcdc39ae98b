#pragma once

#include "gui/form_view.h"
#include "windows/statistics_form.h"

class QGroupBox;
class WheelChart;

// The statistics window: the bias test with its pocket table on the left, the wheel chart
// with the hottest sector and the outside bets on the right, the strategies below.
class StatisticsView : public FormView {
 public:
  StatisticsView(FrontEnd& frontEnd, StatisticsForm& form);

 protected:
  void refreshed() override;

 private:
  QGroupBox* biasFrame(StatisticsForm& s);
  QGroupBox* sectorFrame(StatisticsForm& s);
  QGroupBox* betFrame(StatisticsForm& s);
  QGroupBox* strategyFrame(StatisticsForm& s);

  StatisticsForm& stats_;
  WheelChart* chart_;
};
