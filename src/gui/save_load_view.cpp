#include "gui/save_load_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/screen_fit.h"
#include "gui/view_helpers.h"

namespace {

constexpr int SlotRowHeight = 24;

}  // namespace

// Tab reaches the window's buttons, row by row after each comment, and Enter or Space
// presses the one it is on.
QPushButton* SaveLoadView::keyButton(CommandButton& c) {
  QPushButton* w = button(c);
  w->setFocusPolicy(Qt::StrongFocus);
  w->setAutoDefault(true);
  return w;
}

SaveLoadView::SaveLoadView(FrontEnd& frontEnd, SaveLoadForm& f) : FormView(frontEnd, f) {
  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(10, 10, 10, 10);
  outer->setSpacing(8);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);
  grid->addWidget(Sized(label(f.Label2), 150, SlotRowHeight), 0, 1);
  grid->addWidget(Sized(label(f.Label3), 240, SlotRowHeight), 0, 2);
  for (int n = 1; n <= 5; ++n) {
    QLabel* name = Sized(label(f.Label1(n)), 60, SlotRowHeight);
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(name, n, 0);
    grid->addWidget(Sunken(Sized(label(f.Date(n)), 150, SlotRowHeight)), n, 1);
    QLineEdit* comment = Sized(textBox(f.Comment(n), true), 240, SlotRowHeight);
    comment->setAlignment(Qt::AlignLeft);
    grid->addWidget(comment, n, 2);
    grid->addWidget(Sized(keyButton(f.Save(n)), 56, SlotRowHeight), n, 3);
    grid->addWidget(Sized(keyButton(f.Load(n)), 56, SlotRowHeight), n, 4);
  }
  outer->addLayout(grid);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  QPushButton* ok = keyButton(f.Command1);
  bottom->addWidget(Sized(ok, 80, SlotRowHeight));
  outer->addLayout(bottom);

  window()->setCentralWidget(central);
  // The window opens with the keyboard on OK, not in a comment: digits typed at once still
  // go to the main window's entry.
  ok->setFocus();
  FitToScreen(window());
}
