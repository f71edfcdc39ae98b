#include "gui/main_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/number_index.h"
#include "game/keyboard.h"
#include "gui/front_end.h"
#include "gui/key_names.h"
#include "gui/screen_fit.h"
#include "gui/view_helpers.h"

namespace {

// Rows give way down to this height before they scroll: all 38 fit a 1366 x 768 screen.
constexpr int MinRowHeight = 14;
// Strip cells are taller than rows while there is room.
constexpr int StripHeight = 26;
constexpr int MinStripHeight = 18;

// The check boxes that show the status windows, in the order of their Ctrl+1..4.
std::array<CheckBox*, 4> statusBoxes(MainForm& m) {
  return {&m.OR, &m.Area, &m.Point_C, &m.Total_C};
}

}  // namespace

MainView::MainView(FrontEnd& frontEnd, MainForm& m) : FormView(frontEnd, m) {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(6, 6, 6, 6);
  outer->setSpacing(6);

  // Totals and commands.
  auto* top = new QHBoxLayout;
  top->setSpacing(4);
  top->addWidget(Sized(label(m.Label5), 34));
  top->addWidget(Sized(textBox(m.Total), 52));
  top->addWidget(Sized(label(m.Label6), 40));
  top->addWidget(Sized(textBox(m.Round_T), 52));
  top->addWidget(Sized(label(m.Label34), 14));
  top->addWidget(Sized(textBox(m.Red), 44));
  top->addWidget(Sized(label(m.Label35), 14));
  top->addWidget(Sized(textBox(m.Black), 44));
  top->addSpacing(10);
  for (CheckBox* box : statusBoxes(m)) {
    QCheckBox* w = checkBox(*box);
    w->setToolTip(QString::fromStdString(ShortcutOf(m, *box)));
    top->addWidget(w);
  }
  top->addStretch(1);
  QLineEdit* entry = Sized(textBox(m.Key_Entry), 40, 24);
  entry->setAlignment(Qt::AlignCenter);
  entry->setToolTip(QString::fromUtf8("数字キーで入力: Enter で記録、Esc で取消"));
  top->addWidget(entry);
  for (auto [button, width] : {std::pair{&m.Log_B, 52}, std::pair{&m.Expect, 84}}) {
    QPushButton* w = Sized(this->button(*button), width, 24);
    w->setToolTip(QString::fromStdString(ShortcutOf(m, *button)));
    top->addWidget(w);
  }
  outer->addLayout(top);

  scroll_ = new FullScrollArea(rows(m));
  outer->addWidget(scroll_, 1);

  // Holds the lamp picture the other windows copy; never shown.
  picture(m.Light_P, QSize(13, 13))->setParent(central);

  window()->setCentralWidget(central);
  buildMenu(m);
  OpenResizable(window());
  watch(m.Last_Spin, [this, &m] { markLastSpin(m.Last_Spin.caption()); });
  watch(m.Key_Entry,
        [this] { refusal_->setText(QString::fromStdString(RefusalText(frontEnd_.app()))); });
}

// The number grid and the strip beside it, in one piece so that they scroll together.
QWidget* MainView::rows(MainForm& m) {
  auto* rows = new QWidget;
  auto* body = new QHBoxLayout(rows);
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(10);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(1);
  grid->addWidget(Shrinks(label(m.Label3), 24, MinRowHeight), 0, 0);
  grid->addWidget(Shrinks(label(m.Label2), 24, MinRowHeight), 0, 2);
  grid->addWidget(Shrinks(label(m.Label1), 44, MinRowHeight), 0, 3);
  grid->addWidget(Shrinks(label(m.Label4), 56, MinRowHeight), 0, 4);
  grid->addWidget(label(m.Label7), 0, 5, 1, 10);
  for (int i = 0; i <= 37; ++i) {
    const int row = i + 1;
    numbers_[static_cast<std::size_t>(i)] = label(m.Deme(i));
    grid->addWidget(Shrinks(button(m.Count_M(i)), 24, MinRowHeight), row, 0);
    grid->addWidget(Shrinks(numbers_[static_cast<std::size_t>(i)], 28, MinRowHeight), row, 1);
    grid->addWidget(Shrinks(button(m.Count_P(i)), 24, MinRowHeight), row, 2);
    grid->addWidget(Shrinks(textBox(m.Hit_Count(i)), 44, MinRowHeight), row, 3);
    grid->addWidget(Shrinks(textBox(m.Rate(i)), 56, MinRowHeight), row, 4);
    for (int k = 1; k <= 10; ++k) {
      QLabel* light = Sunken(picture(m.Hit_Level(k)(i), QSize(14, RowHeight - 2)));
      grid->addWidget(Shrinks(light, 14, MinRowHeight - 2, RowHeight - 2), row, 4 + k);
    }
  }
  grid->setAlignment(Qt::AlignTop);
  body->addLayout(grid);

  auto* strip = new QVBoxLayout;
  strip->setSpacing(1);
  for (int j = 0; j <= 24; ++j) {
    QLabel* cell = Sunken(Shrinks(label(m.Log(j)), 34, MinStripHeight, StripHeight));
    if (j == 0) newest_ = cell;
    strip->addWidget(cell);
  }
  strip->addStretch(1);
  body->addLayout(strip);
  // Beside the strip, where the rows leave room: why a typed number was refused.
  refusal_ = new QLabel;
  refusal_->setObjectName("Refusal");
  refusal_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  refusal_->setStyleSheet("color: #C00000; font-weight: bold;");
  // It takes the room left and never asks for more: the rows must not start to scroll.
  refusal_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  body->addWidget(refusal_, 1);
  return rows;
}

void MainView::markLastSpin(const std::string& numberText) {
  if (marked_) marked_->setMarked(false);
  const int i = IndexOfNumberText(numberText);
  marked_ = i < 0 ? nullptr : numbers_[static_cast<std::size_t>(i)];
  if (!marked_) return;
  marked_->setMarked(true);
  // The newest result at the top of the strip stays in view unless the row is too far down.
  scroll_->ensureWidgetVisible(newest_, 0, 0);
  scroll_->ensureWidgetVisible(marked_, 0, RowHeight);
}

void MainView::buildMenu(MainForm& m) {
  QMenuBar* bar = window()->menuBar();
  QMenu* file = bar->addMenu(MenuText(m.File.caption()));
  file->addAction(action(m.Save_Load));
  file->addAction(action(m.Clear));
  file->addSeparator();
  file->addAction(action(m.Book));
  file->addAction(action(m.Export_Spins));
  file->addAction(action(m.Import_Spins));
  QMenu* setting = bar->addMenu(MenuText(m.Setting.caption()));
  setting->addAction(action(m.BGM_Check, true));
  setting->addSeparator();
  setting->addAction(action(m.Front_Check, true));
  setting->addAction(action(m.Free_Check, true));
  setting->addSeparator();
  setting->addAction(action(m.Expect_On, true));
  setting->addAction(action(m.Quick_Expect, true));
  setting->addAction(action(m.Zero_Check, true));
  setting->addSeparator();
  setting->addAction(action(m.One_Window, true));
  setting->addAction(action(m.Separate_Windows, true));
  // The status windows' check boxes, with their keys, for the player who looks for them here.
  QMenu* windows = bar->addMenu(MenuText("Window"));
  for (CheckBox* box : statusBoxes(m)) {
    QAction* a = windows->addAction(MenuText(box->caption(), ShortcutOf(m, *box)));
    a->setObjectName(QString::fromStdString(box->address()) + "_Menu");
    a->setCheckable(true);
    QObject::connect(a, &QAction::triggered, a, [this, a, box](bool checked) {
      a->setChecked(!checked);
      frontEnd_.send({EventKind::Click, FormId::Main_F, box, {}});
    });
    watch(*box, [a, box] { a->setChecked(box->value() != 0); });
  }
  bar->addAction(barAction(m.Stats));
  bar->addAction(barAction(m.Help));
  bar->addAction(barAction(m.Version));
  bar->addAction(barAction(m.Exit));
}
