#include "gui/area_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/pictures.h"
#include "gui/screen_fit.h"
#include "gui/view_helpers.h"

namespace {

constexpr int CellWidth = 22;
constexpr int CellHeight = 18;
// Cells stand in rows of twelve, as the numbers run on the table; 0 and 00 below.
constexpr int CellsPerRow = 12;
// Figures and status labels are a little higher than the cells.
constexpr int FieldHeight = CellHeight + 2;
constexpr Qt::Alignment CaptionAlignment = Qt::AlignLeft | Qt::AlignVCenter;

}  // namespace

AreaView::AreaView(FrontEnd& frontEnd, AreaForm& a) : FormView(frontEnd, a) {
  auto* central = new QWidget;
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->setSpacing(6);
  for (int k = 1; k <= 6; ++k) grid->addWidget(areaFrame(central, a, k), (k - 1) / 3, (k - 1) % 3);
  // The all-areas status and the pool share one place: the status frame is hidden while
  // the areas are edited, and the pool shows only then.
  grid->addWidget(statusFrame(central, a), 2, 0, 1, 3);
  grid->addWidget(pool(central, a), 2, 0, 1, 3);

  // Hidden figures of the prediction: the marks and the draw bounds.
  auto* hidden = new QWidget(central);
  hidden->hide();
  for (int k = 1; k <= 6; ++k) {
    textBox(a.Expect_H(k))->setParent(hidden);
    textBox(a.Expect_Hit_P(k))->setParent(hidden);
  }

  window()->setCentralWidget(central);
  window()->menuBar()->addAction(barAction(a.Area_Set));
  FitToScreen(window());
}

QWidget* AreaView::areaFrame(QWidget* parent, AreaForm& a, int k) {
  QGroupBox* box = frame(a.Frame1(k));
  box->setParent(parent);
  auto* outer = new QVBoxLayout(box);
  outer->setContentsMargins(6, 4, 6, 6);
  outer->setSpacing(4);

  auto* cells = new QGridLayout;
  cells->setSpacing(1);
  for (int i = 1; i <= 38; ++i)
    cells->addWidget(Sized(label(a.AreaDeme(k)(i)), CellWidth, CellHeight), (i - 1) / CellsPerRow,
                     (i - 1) % CellsPerRow);
  outer->addLayout(cells);

  auto* counts = new QHBoxLayout;
  counts->setSpacing(4);
  counts->addWidget(Sunken(Sized(label(a.Deme_C_L(k)), 26, FieldHeight)));
  counts->addWidget(KeepsPlace(Sized(label(a.Hit_Area_L(k)), 30, FieldHeight)));
  counts->addWidget(Caption("ﾋｯﾄ数", CaptionAlignment));
  counts->addWidget(Sized(textBox(a.Hit_C(k)), 40, FieldHeight));
  counts->addWidget(Caption("ﾋｯﾄ Lev", CaptionAlignment));
  counts->addWidget(Sized(textBox(a.Hit_Rate(k)), 78, FieldHeight));
  counts->addStretch(1);
  counts->addWidget(Sunken(picture(a.Expect_Light(k), QSize(17, 17))));
  outer->addLayout(counts);

  auto* verdict = new QGridLayout;
  verdict->setHorizontalSpacing(4);
  verdict->setVerticalSpacing(2);
  verdict->addWidget(Sunken(Sized(label(a.Status_L(k)), 170, FieldHeight)), 0, 0, 1, 2);
  verdict->addWidget(Caption("予想H", CaptionAlignment), 1, 0);
  verdict->addWidget(Sized(textBox(a.Expect_Hit(k)), 70, FieldHeight), 1, 1);
  verdict->addWidget(Caption("予想O", CaptionAlignment), 2, 0);
  verdict->addWidget(Sized(textBox(a.Expect_Out(k)), 70, FieldHeight), 2, 1);
  verdict->addWidget(Caption("勝  率", CaptionAlignment), 3, 0);
  verdict->addWidget(Sized(textBox(a.Win_Rate(k)), 70, FieldHeight), 3, 1);
  verdict->addWidget(KeepsPlace(picture(a.Image1(k), QSize(62, 71), &HitPixmap())), 0, 2, 4, 1,
                     Qt::AlignRight | Qt::AlignVCenter);
  verdict->setColumnStretch(2, 1);
  outer->addLayout(verdict);
  return box;
}

QWidget* AreaView::statusFrame(QWidget* parent, AreaForm& a) {
  QGroupBox* box = KeepsPlace(frame(a.Area_Frame));
  box->setParent(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(8, 4, 8, 6);
  row->setSpacing(6);
  row->addWidget(Sunken(Sized(label(a.Status_L(7)), 170, FieldHeight)));
  row->addSpacing(10);
  row->addWidget(Caption("予想ﾋｯﾄ", CaptionAlignment));
  row->addWidget(Sized(textBox(a.Expect_Hit(7)), 80, FieldHeight));
  row->addWidget(Caption("予想ｱｳﾄ", CaptionAlignment));
  row->addWidget(Sized(textBox(a.Expect_Out(7)), 80, FieldHeight));
  row->addWidget(Caption("勝  率", CaptionAlignment));
  row->addWidget(Sized(textBox(a.Win_Rate(7)), 70, FieldHeight));
  row->addStretch(1);
  row->addWidget(KeepsPlace(picture(a.Image1(7), QSize(62, 71), &HitPixmap())));
  return box;
}

QWidget* AreaView::pool(QWidget* parent, AreaForm& a) {
  auto* panel = new QWidget(parent);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(8, 4, 8, 4);
  auto* cells = new QGridLayout;
  cells->setSpacing(2);
  for (int i = 1; i <= 38; ++i)
    cells->addWidget(KeepsPlace(Sized(label(a.Deme(i)), CellWidth + 4, CellHeight + 4)),
                     (i - 1) / 19, (i - 1) % 19);
  row->addLayout(cells);
  row->addStretch(1);
  row->addWidget(KeepsPlace(Sized(button(a.Set_B), 170, 32)));
  return panel;
}
