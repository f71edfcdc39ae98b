#include "gui/statistics_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/numeric.h"
#include "gui/screen_fit.h"
#include "gui/view_helpers.h"
#include "gui/wheel_chart.h"
#include "stats/chance_tests.h"

namespace {

constexpr int PocketRowsPerBlock = 19;
constexpr int BetRowsPerBlock = 6;
constexpr int FigureWidth = 52;
// Wide enough for a p-value such as "<0.0001" or "0.0002893".
constexpr int PWidth = 72;
// The head of the window: the evidence, and the chi-square beside it.
constexpr int EvidenceWidth = 740;
constexpr int TestWidth = 500;
// Each of the two frames under the wheel chart.
constexpr int HalfPage = 640;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// Words that come and go: word-wrapped, with room kept for `lines` lines, so that the
// fixed-size window never clips them.
QLabel* Words(QLabel* l, int width, int lines) {
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setWordWrap(true);
  l->setFixedSize(width, lines * l->fontMetrics().lineSpacing() + 4);
  return l;
}

QGridLayout* Grid(QWidget* parent = nullptr) {
  auto* grid = new QGridLayout(parent);
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(1);
  return grid;
}

// A titled column of figures: the titles in row 0, the figures in row 1 from `column` on.
void Figures(QGridLayout* grid, int column,
             std::initializer_list<std::tuple<const char*, QWidget*, int>> figures) {
  for (auto [title, widget, width] : figures) {
    grid->addWidget(Caption(Text(title)), 0, column);
    grid->addWidget(Sized(widget, width), 1, column++);
  }
}

}  // namespace

StatisticsView::StatisticsView(FrontEnd& frontEnd, StatisticsForm& s)
    : FormView(frontEnd, s), stats_(s), chart_(new WheelChart) {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(6, 6, 6, 6);
  outer->setSpacing(6);

  auto* head = new QHBoxLayout;
  head->setSpacing(6);
  head->addWidget(evidenceFrame(s));
  head->addWidget(testFrame(s), 0, Qt::AlignTop);
  outer->addLayout(head);

  auto* tabs = new QTabWidget;
  tabs->addTab(pocketPage(s), Text("ポケットと外側の賭け"));
  tabs->addTab(wheelPage(s), Text("ホイール"));
  tabs->addTab(strategyPage(s), Text("予想"));
  outer->addWidget(tabs);

  window()->setCentralWidget(central);
  chart_->draw(s);
  // Fixed at its size, with no maximise button, where the screen has room for it.
  FitToScreen(window());
}

void StatisticsView::refreshed() {
  chart_->draw(stats_);
}

QGroupBox* StatisticsView::evidenceFrame(StatisticsForm& s) {
  QGroupBox* box = frame(s.Evidence_Frame);
  auto* inside = new QVBoxLayout(box);
  inside->setSpacing(2);
  auto* sources = new QHBoxLayout;
  sources->addWidget(checkBox(s.Source_Game));
  sources->addWidget(checkBox(s.Source_Wheel));
  sources->addStretch(1);
  inside->addLayout(sources);
  auto* figures = Grid();
  QLineEdit* evidence = textBox(s.Evidence);
  QFont bold = evidence->font();
  bold.setBold(true);
  evidence->setFont(bold);
  Figures(figures, 0, {{"スピン", textBox(s.Spins), 70}, {"証拠", evidence, 90}});
  figures->addWidget(Words(label(s.Evidence_Verdict), EvidenceWidth - 190, 3), 0, 2, 2, 1);
  inside->addLayout(figures);
  inside->addWidget(Words(label(s.Power_Note), EvidenceWidth - 20, 3));
  inside->addWidget(Words(label(s.Model_Note), EvidenceWidth - 20, 1));
  inside->addWidget(
      Words(Caption(QString::fromUtf8("証拠は公平なホイールに対する e 値。毎スピン見続けても、"
                                      "公平なホイールがいつか %1 に届く確率は %2 以下です。")
                        .arg(QString::fromStdString(Str(EvidenceAlarm)),
                             QString::fromStdString(Str(100 / EvidenceAlarm) + "%"))),
            EvidenceWidth - 20, 1));
  return box;
}

QGroupBox* StatisticsView::testFrame(StatisticsForm& s) {
  QGroupBox* box = frame(s.Test_Frame);
  auto* inside = new QVBoxLayout(box);
  inside->setSpacing(2);
  auto* chi = Grid();
  Figures(chi, 0,
          {{"χ²", textBox(s.Chi_Square), FigureWidth},
           {"自由度", textBox(s.Chi_DF), FigureWidth},
           {"p", textBox(s.Chi_P), PWidth}});
  chi->addWidget(Words(label(s.Chi_Verdict), TestWidth - 210, 2), 0, 3, 2, 1);
  inside->addLayout(chi);
  inside->addWidget(Words(label(s.Tests_Note), TestWidth - 20, 4));
  return box;
}

QWidget* StatisticsView::pocketPage(StatisticsForm& s) {
  auto* page = new QWidget;
  auto* columns = new QHBoxLayout(page);
  columns->setContentsMargins(4, 4, 4, 4);
  columns->addWidget(pocketFrame(s), 0, Qt::AlignTop);
  auto* right = new QVBoxLayout;
  right->addWidget(betFrame(s));
  right->addWidget(
      Words(Caption(Text("推定率は公平な率へ引き寄せた事後平均、区間は 95% の信用区間。"
                         "勝ち目はその賭けの期待値がプラスである確率 (ストレート"
                         "アップ 35 倍、ダースと列 2 倍、その他 1 倍)。")),
            620, 3));
  right->addStretch(1);
  columns->addLayout(right);
  columns->addStretch(1);
  return page;
}

QGroupBox* StatisticsView::pocketFrame(StatisticsForm& s) {
  QGroupBox* box = frame(s.Pocket_Frame);
  auto* inside = new QVBoxLayout(box);
  inside->setSpacing(4);
  auto* options = new QHBoxLayout;
  options->addWidget(checkBox(s.Sort_Rate));
  options->addStretch(1);
  options->addWidget(Caption(Text("公平なら各")));
  options->addWidget(Sized(textBox(s.Expected), FigureWidth));
  options->addWidget(Caption(Text("回")));
  inside->addLayout(options);

  // Rows 1..19 on the left, 20..38 on the right.
  auto* blocks = new QHBoxLayout;
  blocks->setSpacing(10);
  for (int block = 0; block < 2; ++block) {
    auto* grid = Grid();
    int column = 1;
    for (auto [title, width] : {std::pair{"回数", 44}, std::pair{"推定率", 50},
                                std::pair{"95%区間 (%)", 84}, std::pair{"勝ち目", 46}})
      grid->addWidget(Sized(Caption(Text(title)), width), 0, column++);
    for (int row = 1; row <= PocketRowsPerBlock; ++row) {
      const int r = block * PocketRowsPerBlock + row;
      grid->addWidget(KeepsPlace(Sized(label(s.Pocket(r)), 26)), row, 0);
      grid->addWidget(KeepsPlace(Sized(textBox(s.Count(r)), 44)), row, 1);
      grid->addWidget(KeepsPlace(Sized(textBox(s.Rate(r)), 50)), row, 2);
      grid->addWidget(KeepsPlace(Sized(textBox(s.Band(r)), 84)), row, 3);
      grid->addWidget(KeepsPlace(Sized(textBox(s.Winning(r)), 46)), row, 4);
    }
    blocks->addLayout(grid);
  }
  inside->addLayout(blocks);
  return box;
}

QGroupBox* StatisticsView::betFrame(StatisticsForm& s) {
  QGroupBox* box = frame(s.Bet_Frame);
  auto* blocks = new QHBoxLayout(box);
  blocks->setSpacing(16);
  for (int block = 0; block < 2; ++block) {
    auto* grid = Grid();
    int column = 1;
    for (auto [title, width] : {std::pair{"回数", 52}, std::pair{"公平な率", 60},
                                std::pair{"95%区間 (%)", 90}, std::pair{"勝ち目", 52}})
      grid->addWidget(Sized(Caption(Text(title)), width), 0, column++);
    for (int row = 1; row <= BetRowsPerBlock; ++row) {
      const int b = block * BetRowsPerBlock + row;
      grid->addWidget(Sized(label(s.Bet(b)), 44), row, 0);
      grid->addWidget(Sized(textBox(s.Bet_Count(b)), 52), row, 1);
      grid->addWidget(Sized(textBox(s.Bet_Chance(b)), 60), row, 2);
      grid->addWidget(Sized(textBox(s.Bet_Band(b)), 90), row, 3);
      grid->addWidget(Sized(textBox(s.Bet_Winning(b)), 52), row, 4);
    }
    blocks->addLayout(grid);
  }
  blocks->addStretch(1);
  return box;
}

QWidget* StatisticsView::wheelPage(StatisticsForm& s) {
  auto* page = new QWidget;
  auto* inside = new QVBoxLayout(page);
  inside->setContentsMargins(4, 4, 4, 4);
  chart_->setObjectName("Wheel_Count");
  chart_->setFixedHeight(230);
  inside->addWidget(chart_);
  auto* frames = new QHBoxLayout;
  frames->addWidget(sectorFrame(s), 0, Qt::AlignTop);
  frames->addWidget(holdoutFrame(s), 0, Qt::AlignTop);
  inside->addLayout(frames);
  inside->addStretch(1);
  return page;
}

QGroupBox* StatisticsView::sectorFrame(StatisticsForm& s) {
  QGroupBox* box = frame(s.Sector_Frame);
  auto* inside = Grid(box);
  Figures(inside, 0,
          {{"回数", textBox(s.Sector_Count), FigureWidth},
           {"期待回数", textBox(s.Sector_Expected), 60},
           {"補正後 p", textBox(s.Sector_P), PWidth},
           {"推定率", textBox(s.Sector_Rate), 56},
           {"95%区間", textBox(s.Sector_Band), 110},
           {"勝ち目", textBox(s.Sector_Winning), 56}});
  inside->addWidget(Caption(Text("ポケット"), Left), 2, 0);
  inside->addWidget(Words(label(s.Sector_Pockets), HalfPage - 100, 1), 2, 1, 1, 5);
  inside->addWidget(Words(label(s.Sector_Verdict), HalfPage - 20, 1), 3, 0, 1, 6);
  inside->addWidget(Words(Caption(Text("補正後 p は 1 度見たときに、どれかのセクターがここまで"
                                       "偏る確率。勝ち目は 5 つのストレートアップとして。")),
                          HalfPage - 20, 2),
                    4, 0, 1, 6);
  return box;
}

QGroupBox* StatisticsView::holdoutFrame(StatisticsForm& s) {
  QGroupBox* box = frame(s.Holdout_Frame);
  auto* inside = new QVBoxLayout(box);
  inside->setSpacing(2);
  inside->addWidget(Words(label(s.Holdout_Note), HalfPage - 20, 1));
  auto* grid = Grid();
  int column = 1;
  for (const char* title : {"名指し", "後半の回数", "期待回数", "p"})
    grid->addWidget(Caption(Text(title)), 0, column++);
  for (int row = 1; row <= 2; ++row) {
    const int line = 2 * row - 1;
    grid->addWidget(Sized(Caption(Text(row == PocketHoldout ? "ポケット" : "セクター")), 60), line,
                    0);
    grid->addWidget(Words(label(s.Holdout_Named(row)), 250, 1), line, 1);
    grid->addWidget(Sized(textBox(s.Holdout_Later(row)), 70), line, 2);
    grid->addWidget(Sized(textBox(s.Holdout_Expected(row)), 70), line, 3);
    grid->addWidget(Sized(textBox(s.Holdout_P(row)), PWidth), line, 4);
    grid->addWidget(Words(label(s.Holdout_Verdict(row)), HalfPage - 90, 1), line + 1, 1, 1, 4);
  }
  inside->addLayout(grid);
  return box;
}

QWidget* StatisticsView::strategyPage(StatisticsForm& s) {
  auto* page = new QWidget;
  auto* inside = new QVBoxLayout(page);
  QGroupBox* box = frame(s.Strategy_Frame);
  auto* grid = Grid(box);
  grid->setHorizontalSpacing(4);
  int column = 1;
  for (const char* title : {"判定数", "的中", "的中率", "偶然の率", "損益分岐", "期待値",
                            "期待値 90%区間", "証拠: 偶然", "証拠: 損益分岐"})
    grid->addWidget(Caption(Text(title)), 0, column++);
  grid->addWidget(Caption(Text("判定"), Left), 0, column);
  for (int row = 1; row <= 4; ++row) {
    grid->addWidget(Sized(label(s.Strategy(row)), 90), row, 0);
    column = 1;
    for (TextBox* figure : {&s.Judged(row), &s.Hits(row), &s.Hit_Rate(row), &s.Chance(row),
                            &s.Break_Even(row), &s.Value(row)})
      grid->addWidget(Sized(textBox(*figure), 60), row, column++);
    grid->addWidget(Sized(textBox(s.Value_Band(row)), 110), row, column++);
    grid->addWidget(Sized(textBox(s.Evidence_Chance(row)), 80), row, column++);
    grid->addWidget(Sized(textBox(s.Evidence_Even(row)), 90), row, column++);
    grid->addWidget(Words(label(s.Strategy_Verdict(row)), 480, 1), row, column);
  }
  grid->addWidget(Words(label(s.Strategy_Note), 1180, 2), 5, 0, 1, column + 1);
  grid->addWidget(Words(label(s.Record_Note), 1180, 2), 6, 0, 1, column + 1);
  inside->addWidget(box);
  inside->addStretch(1);
  return page;
}
