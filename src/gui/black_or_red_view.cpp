#include "gui/black_or_red_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/pictures.h"
#include "gui/screen_fit.h"
#include "gui/view_helpers.h"

namespace {

constexpr int CellWidth = 52;

// The row header of a colour: white on the colour of its results.
QLabel* colourHeader(const char* text, const char* colour) {
  QLabel* l = Sized(Caption(text), 24);
  l->setStyleSheet(QString("background:%1; color:white;").arg(colour));
  return l;
}

}  // namespace

BlackOrRedView::BlackOrRedView(FrontEnd& frontEnd, BlackOrRedForm& b) : FormView(frontEnd, b) {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(6, 6, 6, 6);
  outer->setSpacing(6);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(2);
  grid->addWidget(Caption(QString::fromUtf8("ﾋｯﾄ回数")), 0, 1);
  grid->addWidget(Caption(QString::fromUtf8("ﾋｯﾄ率")), 0, 2);
  grid->addWidget(Caption(QString::fromUtf8("予想 H")), 0, 5);
  grid->addWidget(Caption(QString::fromUtf8("予想 O")), 0, 6);
  grid->addWidget(Caption(QString::fromUtf8("勝率")), 0, 7);
  struct Row {
    const char* header;
    const char* colour;
    TextBox &hits, &share, &flag;
    PictureBox& light;
    TextBox &expectHit, &expectOut, &rate;
  };
  const Row rows[] = {
      {"R", "#C00000", b.Red_Hit, b.Red_Deme_Rate, b.Hit_Hantei_Red, b.Red_Light, b.Expect_Red_Hit,
       b.Expect_Red_Out, b.Red_Win_Rate},
      {"B", "#000000", b.Black_Hit, b.Black_Deme_Rate, b.Hit_Hantei_Black, b.Black_Light,
       b.Expect_Black_Hit, b.Expect_Black_Out, b.Black_Win_Rate},
  };
  int line = 1;
  for (const Row& r : rows) {
    grid->addWidget(colourHeader(r.header, r.colour), line, 0);
    grid->addWidget(Sized(textBox(r.hits), CellWidth), line, 1);
    grid->addWidget(Sized(textBox(r.share), CellWidth), line, 2);
    grid->addWidget(Sized(textBox(r.flag), 24), line, 3);
    grid->addWidget(Sunken(picture(r.light, QSize(RowHeight, RowHeight))), line, 4);
    grid->addWidget(Sized(textBox(r.expectHit), CellWidth), line, 5);
    grid->addWidget(Sized(textBox(r.expectOut), CellWidth), line, 6);
    grid->addWidget(Sized(textBox(r.rate), CellWidth + 8), line, 7);
    ++line;
  }
  outer->addLayout(grid);

  auto* totals = new QHBoxLayout;
  totals->setSpacing(4);
  totals->addWidget(Caption(QString::fromUtf8("予想ﾋｯﾄ")));
  totals->addWidget(Sized(textBox(b.Hit_T), CellWidth));
  totals->addWidget(Caption(QString::fromUtf8("予想ｱｳﾄ")));
  totals->addWidget(Sized(textBox(b.Out_T), CellWidth));
  totals->addWidget(Caption(QString::fromUtf8("勝  率")));
  totals->addWidget(Sized(textBox(b.Win_Rate), CellWidth + 8));
  totals->addStretch(1);
  outer->addLayout(totals);

  QGroupBox* status = frame(b.Frame1);
  auto* inside = new QHBoxLayout(status);
  inside->addWidget(Sunken(Sized(label(b.B_OR_R_L), 190, 24)));
  inside->addWidget(KeepsPlace(picture(b.Image1, HitPixmap().size(), &HitPixmap())));
  inside->addStretch(1);
  outer->addWidget(status);

  window()->setCentralWidget(central);
  FitToScreen(window());
}
