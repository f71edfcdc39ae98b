#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>

// A label that reports clicks (area cells, log search toggles).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
};

// A check box whose tick follows the window record only: a click asks the program, which
// decides the new value.
class ModelCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {}
};

// A top-level window whose close box asks the program instead of closing at once.
class FormWindow : public QMainWindow {
  Q_OBJECT
 public:
  using QMainWindow::QMainWindow;
 signals:
  void closeRequested();

 protected:
  void closeEvent(QCloseEvent* e) override;
};
