#include "gui/statistics_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/numeric.h"
#include "gui/view_helpers.h"
#include "gui/wheel_chart.h"
#include "stats/chance_tests.h"

namespace {

constexpr int PocketRowsPerBlock = 19;
constexpr int BetRowsPerBlock = 6;
constexpr int FigureWidth = 52;
// Wide enough for a p-value such as "<0.0001" or "0.0002893".
constexpr int PWidth = 72;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;

// A verdict in plain words: as wide as it needs, on as many lines as it takes.
QLabel* Verdict(QLabel* l, int width) {
  l->setAlignment(Left);
  l->setWordWrap(true);
  l->setFixedWidth(width);
  l->setMinimumHeight(2 * RowHeight);
  return l;
}

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

}  // namespace

StatisticsView::StatisticsView(FrontEnd& frontEnd, StatisticsForm& s)
    : FormView(frontEnd, s), stats_(s), chart_(new WheelChart) {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(6, 6, 6, 6);
  outer->setSpacing(6);

  auto* top = new QHBoxLayout;
  top->setSpacing(6);
  top->addWidget(biasFrame(s));
  auto* right = new QVBoxLayout;
  right->setSpacing(6);
  chart_->setObjectName("Wheel_Count");
  chart_->setFixedHeight(270);
  chart_->setMinimumWidth(640);
  right->addWidget(chart_);
  right->addWidget(sectorFrame(s));
  right->addWidget(betFrame(s));
  right->addStretch(1);
  top->addLayout(right);
  outer->addLayout(top);
  outer->addWidget(strategyFrame(s));

  window()->setCentralWidget(central);
  chart_->draw(s);
  window()->setFixedSize(window()->sizeHint());
}

void StatisticsView::refreshed() {
  chart_->draw(stats_);
}

QGroupBox* StatisticsView::biasFrame(StatisticsForm& s) {
  QGroupBox* box = frame(s.Bias_Frame);
  auto* inside = new QVBoxLayout(box);
  inside->setSpacing(4);

  auto* test = new QGridLayout;
  test->setHorizontalSpacing(4);
  test->setVerticalSpacing(2);
  int column = 0;
  for (auto [title, figure] :
       {std::pair{"スピン", &s.Spins}, std::pair{"χ²", &s.Chi_Square},
        std::pair{"自由度", &s.Chi_DF}, std::pair{"p", &s.Chi_P}, std::pair{"目安", &s.Need}}) {
    test->addWidget(Caption(Text(title)), 0, column);
    test->addWidget(Sized(textBox(*figure), figure == &s.Chi_P ? PWidth : FigureWidth), 1,
                    column++);
  }
  inside->addLayout(test);
  inside->addWidget(Verdict(label(s.Bias_Verdict), 380));
  inside->addWidget(
      Verdict(Caption(QString::fromUtf8("p はホイールが公平なときにこれ以上の偏りが出る確率。"
                                        "p < %1 で強い証拠、p < %2 で弱い証拠。"
                                        "目安は各ポケットの期待回数が 5 回になる回数。")
                          .arg(QString::fromStdString(Str(StrongBelow)),
                               QString::fromStdString(Str(WeakBelow)))),
              380));

  auto* options = new QHBoxLayout;
  options->addWidget(checkBox(s.Sort_Z));
  options->addStretch(1);
  options->addWidget(Caption(Text("期待回数")));
  options->addWidget(Sized(textBox(s.Expected), FigureWidth));
  inside->addLayout(options);

  // Rows 1..19 on the left, 20..38 on the right.
  auto* blocks = new QHBoxLayout;
  blocks->setSpacing(12);
  for (int block = 0; block < 2; ++block) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    grid->addWidget(Sized(Caption(Text("回数")), FigureWidth), 0, 1);
    grid->addWidget(Sized(Caption(Text("z")), FigureWidth), 0, 2);
    for (int row = 1; row <= PocketRowsPerBlock; ++row) {
      const int r = block * PocketRowsPerBlock + row;
      grid->addWidget(KeepsPlace(Sized(label(s.Pocket(r)), 28)), row, 0);
      grid->addWidget(KeepsPlace(Sized(textBox(s.Count(r)), FigureWidth)), row, 1);
      grid->addWidget(KeepsPlace(Sized(textBox(s.Z(r)), FigureWidth)), row, 2);
    }
    blocks->addLayout(grid);
  }
  blocks->addStretch(1);
  inside->addLayout(blocks);
  inside->addStretch(1);
  return box;
}

QGroupBox* StatisticsView::sectorFrame(StatisticsForm& s) {
  QGroupBox* box = frame(s.Sector_Frame);
  auto* inside = new QGridLayout(box);
  inside->setHorizontalSpacing(4);
  inside->setVerticalSpacing(2);
  inside->addWidget(Caption(Text("ポケット")), 0, 0);
  inside->addWidget(Sunken(Sized(label(s.Sector_Pockets), 130)), 1, 0);
  int column = 1;
  for (auto [title, figure] :
       {std::pair{"回数", &s.Sector_Count}, std::pair{"期待回数", &s.Sector_Expected},
        std::pair{"補正後 p", &s.Sector_P}}) {
    inside->addWidget(Caption(Text(title)), 0, column);
    inside->addWidget(Sized(textBox(*figure), PWidth), 1, column++);
  }
  inside->addWidget(Verdict(label(s.Sector_Verdict), 300), 0, column, 2, 1);
  return box;
}

QGroupBox* StatisticsView::betFrame(StatisticsForm& s) {
  QGroupBox* box = frame(s.Bet_Frame);
  auto* blocks = new QHBoxLayout(box);
  blocks->setSpacing(16);
  for (int block = 0; block < 2; ++block) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    int column = 1;
    for (const char* title : {"回数", "出現率", "確率", "z"})
      grid->addWidget(Sized(Caption(Text(title)), FigureWidth), 0, column++);
    for (int row = 1; row <= BetRowsPerBlock; ++row) {
      const int b = block * BetRowsPerBlock + row;
      grid->addWidget(Sized(label(s.Bet(b)), 48), row, 0);
      grid->addWidget(Sized(textBox(s.Bet_Count(b)), FigureWidth), row, 1);
      grid->addWidget(Sized(textBox(s.Bet_Rate(b)), FigureWidth), row, 2);
      grid->addWidget(Sized(textBox(s.Bet_Chance(b)), FigureWidth), row, 3);
      grid->addWidget(Sized(textBox(s.Bet_Z(b)), FigureWidth), row, 4);
    }
    blocks->addLayout(grid);
  }
  blocks->addStretch(1);
  return box;
}

QGroupBox* StatisticsView::strategyFrame(StatisticsForm& s) {
  QGroupBox* box = frame(s.Strategy_Frame);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  int column = 1;
  for (const char* title : {"判定数", "的中", "的中率", "偶然の率", "p (片側)", "真の率 95%区間"})
    grid->addWidget(Caption(Text(title)), 0, column++);
  grid->addWidget(Caption(Text("判定"), Left), 0, column);
  for (int row = 1; row <= 4; ++row) {
    grid->addWidget(Sized(label(s.Strategy(row)), 90), row, 0);
    grid->addWidget(Sized(textBox(s.Judged(row)), FigureWidth), row, 1);
    grid->addWidget(Sized(textBox(s.Hits(row)), FigureWidth), row, 2);
    grid->addWidget(Sized(textBox(s.Hit_Rate(row)), FigureWidth), row, 3);
    grid->addWidget(Sized(textBox(s.Chance(row)), FigureWidth), row, 4);
    grid->addWidget(Sized(textBox(s.Strategy_P(row)), PWidth), row, 5);
    grid->addWidget(Sized(textBox(s.Interval(row)), 110), row, 6);
    QLabel* verdict = label(s.Strategy_Verdict(row));
    verdict->setAlignment(Left);
    grid->addWidget(Sized(verdict, 520), row, 7);
  }
  QLabel* note = label(s.Record_Note);
  note->setAlignment(Left);
  note->setWordWrap(true);
  grid->addWidget(note, 5, 0, 1, 8);
  grid->setColumnStretch(8, 1);
  return box;
}
