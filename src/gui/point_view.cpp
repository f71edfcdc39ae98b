#include "gui/point_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/key_names.h"
#include "gui/pictures.h"
#include "gui/screen_fit.h"
#include "gui/view_helpers.h"

namespace {

constexpr int RowsPerBlock = 18;
constexpr int CellWidth = 40;

}  // namespace

PointView::PointView(FrontEnd& frontEnd, PointForm& p) : FormView(frontEnd, p) {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(6, 6, 6, 6);
  outer->setSpacing(6);

  // Numbers 1..18 on the left, 19..36 on the right.
  auto* blocks = new QHBoxLayout;
  blocks->setSpacing(12);
  for (int block = 0; block < 2; ++block) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    int column = 1;
    for (const char* title : {"HC", "前回H", "P", "P_T", "EX"})
      grid->addWidget(Sized(Caption(QString::fromUtf8(title)), CellWidth), 0, column++);
    for (int row = 1; row <= RowsPerBlock; ++row) {
      const int n = block * RowsPerBlock + row;
      grid->addWidget(Sized(label(p.Deme(n)), 28), row, 0);
      grid->addWidget(Sized(textBox(p.Hit_Count(n)), CellWidth), row, 1);
      grid->addWidget(Sized(textBox(p.Zenkai_H(n)), CellWidth), row, 2);
      grid->addWidget(Sized(textBox(p.Point_One(n)), CellWidth), row, 3);
      grid->addWidget(Sized(textBox(p.Point_Total(n)), CellWidth), row, 4);
      grid->addWidget(Sized(textBox(p.Expect_H(n)), CellWidth), row, 5);
      grid->addWidget(Sunken(picture(p.Expect_Light(n), QSize(RowHeight, RowHeight))), row, 6);
    }
    blocks->addLayout(grid);
  }
  outer->addLayout(blocks);

  // The limit: the chosen limit between its buttons, and the spins left of the hold.
  auto* limit = new QHBoxLayout;
  limit->setSpacing(4);
  limit->addWidget(Caption("Limit"));
  limit->addWidget(Sized(button(p.Down_1), 24, 22));
  limit->addWidget(Sunken(Sized(label(p.Limit_C), 32, 22)));
  limit->addWidget(Sized(button(p.UP_1), 24, 22));
  limit->addSpacing(16);
  limit->addWidget(Caption("Ex"));
  limit->addWidget(Sunken(Sized(label(p.Ex_Limit), 32, 22)));
  limit->addStretch(1);
  outer->addLayout(limit);

  // The status frame: the verdict and the hit picture, then the tallies and the rate.
  QGroupBox* status = frame(p.Frame1);
  auto* inside = new QHBoxLayout(status);
  inside->setSpacing(8);
  inside->addWidget(Sunken(Sized(label(p.Status_L), 150, 24)));
  inside->addWidget(KeepsPlace(picture(p.Image1, HitPixmap().size(), &HitPixmap())));
  auto* tallies = new QGridLayout;
  tallies->setHorizontalSpacing(4);
  tallies->addWidget(Caption("Ex"), 0, 0);
  tallies->addWidget(Caption("H/O"), 1, 0);
  tallies->addWidget(Sized(textBox(p.Hit_T), 44), 0, 1);
  tallies->addWidget(Sized(textBox(p.Out_T), 44), 1, 1);
  tallies->addWidget(Caption(QString::fromUtf8("勝  率")), 0, 2);
  tallies->addWidget(Sized(textBox(p.Win_Rate), 60), 1, 2);
  inside->addLayout(tallies);
  inside->addStretch(1);
  outer->addWidget(status);

  window()->setCentralWidget(central);
  QMenu* mode = window()->menuBar()->addMenu(MenuText(p.Mode.caption()));
  mode->addAction(action(p.Mode1, true));
  mode->addAction(action(p.Mode2, true));
  FitToScreen(window());
}
