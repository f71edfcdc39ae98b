#include "gui/main_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/view_helpers.h"

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
  top->addWidget(checkBox(m.OR));
  top->addWidget(checkBox(m.Area));
  top->addWidget(checkBox(m.Point_C));
  top->addWidget(checkBox(m.Total_C));
  top->addStretch(1);
  top->addWidget(Sized(button(m.Log_B), 52, 24));
  top->addWidget(Sized(button(m.Expect), 84, 24));
  outer->addLayout(top);

  // The number grid and the strip beside it.
  auto* body = new QHBoxLayout;
  body->setSpacing(10);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(1);
  grid->addWidget(Sized(label(m.Label3), 24), 0, 0);
  grid->addWidget(Sized(label(m.Label2), 24), 0, 2);
  grid->addWidget(Sized(label(m.Label1), 44), 0, 3);
  grid->addWidget(Sized(label(m.Label4), 56), 0, 4);
  grid->addWidget(label(m.Label7), 0, 5, 1, 10);
  for (int i = 0; i <= 37; ++i) {
    const int row = i + 1;
    grid->addWidget(Sized(button(m.Count_M(i)), 24), row, 0);
    grid->addWidget(Sized(label(m.Deme(i)), 28), row, 1);
    grid->addWidget(Sized(button(m.Count_P(i)), 24), row, 2);
    grid->addWidget(Sized(textBox(m.Hit_Count(i)), 44), row, 3);
    grid->addWidget(Sized(textBox(m.Rate(i)), 56), row, 4);
    for (int k = 1; k <= 10; ++k)
      grid->addWidget(Sunken(picture(m.Hit_Level(k)(i), QSize(14, RowHeight - 2))), row, 4 + k);
  }
  body->addLayout(grid);

  auto* strip = new QVBoxLayout;
  strip->setSpacing(1);
  for (int j = 0; j <= 24; ++j) strip->addWidget(Sunken(Sized(label(m.Log(j)), 34, 26)));
  strip->addStretch(1);
  body->addLayout(strip);
  body->addStretch(1);
  outer->addLayout(body);

  // Holds the lamp picture the other windows copy; never shown.
  picture(m.Light_P, QSize(13, 13))->setParent(central);

  window()->setCentralWidget(central);
  buildMenu(m);
  window()->setFixedSize(window()->sizeHint());
}

void MainView::buildMenu(MainForm& m) {
  QMenuBar* bar = window()->menuBar();
  QMenu* file = bar->addMenu(QString::fromStdString(m.File.caption()));
  file->addAction(action(m.Save_Load));
  file->addAction(action(m.Clear));
  QMenu* setting = bar->addMenu(QString::fromStdString(m.Setting.caption()));
  setting->addAction(action(m.BGM_Check, true));
  setting->addSeparator();
  setting->addAction(action(m.Front_Check, true));
  setting->addAction(action(m.Free_Check, true));
  setting->addSeparator();
  setting->addAction(action(m.Expect_On, true));
  setting->addAction(action(m.Quick_Expect, true));
  setting->addAction(action(m.Zero_Check, true));
  bar->addAction(action(m.Stats));
  bar->addAction(action(m.Help));
  bar->addAction(action(m.Version));
  bar->addAction(action(m.Exit));
}
