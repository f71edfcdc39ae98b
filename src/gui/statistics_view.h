#pragma once

#include "gui/form_view.h"
#include "windows/statistics_form.h"

class QGroupBox;
class QWidget;
class WheelChart;

// The statistics window: the evidence against a fair wheel and the chi-square on top;
// below, three tabs: the pockets and the outside bets, the wheel (its chart, the hottest
// sector, the holdout tests), the strategies.
class StatisticsView : public FormView {
 public:
  StatisticsView(FrontEnd& frontEnd, StatisticsForm& form);

 protected:
  void refreshed() override;

 private:
  QGroupBox* evidenceFrame(StatisticsForm& s);
  QGroupBox* testFrame(StatisticsForm& s);
  QWidget* pocketPage(StatisticsForm& s);
  QGroupBox* pocketFrame(StatisticsForm& s);
  QGroupBox* betFrame(StatisticsForm& s);
  QWidget* wheelPage(StatisticsForm& s);
  QGroupBox* sectorFrame(StatisticsForm& s);
  QGroupBox* holdoutFrame(StatisticsForm& s);
  QWidget* strategyPage(StatisticsForm& s);

  StatisticsForm& stats_;
  WheelChart* chart_;
};
