#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <functional>

// A label that reports clicks (area cells, log search toggles). A marked label wears a
// frame (the number of the last spin).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
  void setMarked(bool marked);
  bool marked() const { return marked_; }
 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  bool marked_ = false;
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

// A text box that shows the beginning of its text whenever it is not being edited: a
// figure longer than its box shows its leading digits, as a reader expects.
class TextBoxEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;
  // Replaces the text; unless the user is typing in the box it shows from the start.
  void showText(const QString& text);

 protected:
  void focusOutEvent(QFocusEvent* e) override;
};

// A top-level window whose close box asks the program instead of closing at once, and
// whose keys go to the program first.
class FormWindow : public QMainWindow {
  Q_OBJECT
 public:
  using QMainWindow::QMainWindow;
  // Returns true when the program used the key; Qt has the others.
  std::function<bool(const QKeyEvent&)> keyPressed;
 signals:
  void closeRequested();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  // No menu of the status panels: the program's check boxes alone show and hide them.
  QMenu* createPopupMenu() override { return nullptr; }
};
