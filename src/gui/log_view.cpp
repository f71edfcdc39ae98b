#include "gui/log_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/screen_fit.h"
#include "gui/view_helpers.h"

namespace {

// Entries, page figures and search toggles stand in rows this high.
constexpr int LogRowHeight = 20;

}  // namespace

LogView::LogView(FrontEnd& frontEnd, LogForm& f) : FormView(frontEnd, f) {
  auto* central = new QWidget;
  auto* outer = new QHBoxLayout(central);
  outer->setContentsMargins(8, 8, 8, 8);
  outer->setSpacing(14);

  // Column c holds rows 20c + 1 .. 20c + 20, top to bottom.
  auto* entries = new QGridLayout;
  entries->setHorizontalSpacing(2);
  entries->setVerticalSpacing(1);
  for (int i = 1; i <= 100; ++i) {
    const int column = (i - 1) / 20;
    const int row = (i - 1) % 20;
    ClickLabel* number = Sized(label(f.Log_No(i)), 36, LogRowHeight);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number->setContentsMargins(0, 0, 4, 0);
    QLabel* entry = Sunken(Sized(label(f.Log(i)), 30, LogRowHeight));
    entries->addWidget(number, row, column * 3);
    entries->addWidget(entry, row, column * 3 + 1);
    if (column < 4) entries->setColumnMinimumWidth(column * 3 + 2, 8);
  }
  outer->addLayout(entries);

  auto* side = new QVBoxLayout;
  side->setSpacing(8);
  auto* pages = new QHBoxLayout;
  pages->setSpacing(4);
  ClickLabel* page = Sized(label(f.Page), 30, LogRowHeight);
  page->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  pages->addWidget(page);
  pages->addWidget(Sized(label(f.Label1), 34, LogRowHeight));
  pages->addStretch(1);
  pages->addWidget(Sized(button(f.Page_Back_B), 32, 24));
  pages->addWidget(Sized(button(f.Page_Next_B), 32, 24));
  side->addLayout(pages);

  // 1..36 three to a line in table order, then "0" and "00", then "Red", then "Black".
  QGroupBox* search = frame(f.Frame1);
  auto* toggles = new QGridLayout(search);
  toggles->setHorizontalSpacing(3);
  toggles->setVerticalSpacing(3);
  for (int k = 1; k <= 36; ++k)
    toggles->addWidget(Sized(label(f.Search(k)), 36, LogRowHeight), (k - 1) / 3, (k - 1) % 3);
  toggles->addWidget(Sized(label(f.Search(37)), 36, LogRowHeight), 12, 0);
  toggles->addWidget(Sized(label(f.Search(38)), 36, LogRowHeight), 12, 1);
  for (int k = 39; k <= 40; ++k) {
    ClickLabel* colour = label(f.Search(k));
    colour->setFixedHeight(LogRowHeight);
    toggles->addWidget(colour, k - 26, 0, 1, 3);
  }
  side->addWidget(search);
  side->addStretch(1);
  side->addWidget(Sized(button(f.Clear_B), 120, 26), 0, Qt::AlignHCenter);
  outer->addLayout(side);

  window()->setCentralWidget(central);
  FitToScreen(window());
}
