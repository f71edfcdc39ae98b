#include "gui/form_view.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "game/keyboard.h"
#include "gui/front_end.h"
#include "gui/key_names.h"
#include "gui/pictures.h"
#include "gui/screen_fit.h"
#include "gui/stacking.h"
#include "windows/dispatch.h"

namespace {

QColor toQColor(Colour c) {
  if (c == ButtonFace) return QApplication::palette().color(QPalette::Button);
  if (c == ButtonText) return QApplication::palette().color(QPalette::ButtonText);
  return QColor::fromRgb(static_cast<QRgb>(c.value));
}

void setColours(QWidget* w, QPalette::ColorRole backRole, Colour back, QPalette::ColorRole foreRole,
                Colour fore) {
  QPalette p = w->palette();
  p.setColor(backRole, toQColor(back));
  p.setColor(foreRole, toQColor(fore));
  w->setPalette(p);
}

// A widget not yet placed in its window is never shown: it would open as a window of its
// own. Unless hidden it shows with its window.
void showIf(QWidget* w, bool visible) {
  if (!visible) {
    w->hide();
  } else if (w->parentWidget()) {
    w->show();
  }
}

// The keys that also run a control of the main window, shown beside it.
std::string shortcutOf(const Control& c) {
  const Form* f = c.owner();
  if (!f || f->id() != FormId::Main_F) return {};
  return ShortcutOf(static_cast<const MainForm&>(*f), c);
}

void apply(const Control& c, QObject* w) {
  const QString none;
  switch (c.kind()) {
    case Kind::Label: {
      const auto& l = static_cast<const Label&>(c);
      auto* q = static_cast<QLabel*>(w);
      q->setText(QString::fromStdString(l.caption()));
      setColours(q, QPalette::Window, l.back(), QPalette::WindowText, l.fore());
      showIf(q, l.visible());
      break;
    }
    case Kind::TextBox: {
      const auto& t = static_cast<const TextBox&>(c);
      auto* q = static_cast<TextBoxEdit*>(w);
      q->showText(QString::fromStdString(t.text()));
      setColours(q, QPalette::Base, t.back(), QPalette::Text, t.fore());
      showIf(q, t.visible());
      break;
    }
    case Kind::PictureBox: {
      const auto& p = static_cast<const PictureBox&>(c);
      auto* q = static_cast<QLabel*>(w);
      if (!q->property("fixedPicture").toBool()) q->setPixmap(p.lit() ? LampPixmap() : QPixmap());
      setColours(q, QPalette::Window, p.back(), QPalette::WindowText, ButtonText);
      showIf(q, p.visible());
      break;
    }
    case Kind::CommandButton: {
      const auto& b = static_cast<const CommandButton&>(c);
      auto* q = static_cast<QPushButton*>(w);
      q->setText(QString::fromStdString(b.caption()));
      setColours(q, QPalette::Button, b.back(), QPalette::ButtonText, ButtonText);
      showIf(q, b.visible());
      break;
    }
    case Kind::CheckBox: {
      const auto& b = static_cast<const CheckBox&>(c);
      auto* q = static_cast<QCheckBox*>(w);
      q->setText(QString::fromStdString(b.caption()));
      q->setChecked(b.value() != 0);
      showIf(q, b.visible());
      break;
    }
    case Kind::MenuItem: {
      const auto& m = static_cast<const MenuItem&>(c);
      auto* q = static_cast<QAction*>(w);
      q->setText(MenuText(m.caption(), shortcutOf(m), !q->property("onMenuBar").toBool()));
      q->setChecked(m.checked());
      break;
    }
    case Kind::Frame: {
      const auto& f = static_cast<const Frame&>(c);
      auto* q = static_cast<QGroupBox*>(w);
      q->setTitle(QString::fromStdString(f.caption()));
      showIf(q, f.visible());
      break;
    }
    case Kind::Timer:
      break;
  }
}

}  // namespace

FormView::FormView(FrontEnd& frontEnd, Form& form)
    : frontEnd_(frontEnd),
      form_(form),
      window_(new FormWindow),
      opensOnTop_(form.id() != FormId::Main_F && !IsStatusWindow(form.id())) {
  window_->setObjectName(FormName(form.id()));
  window_->setWindowTitle(QString::fromStdString(form.caption()));
  QObject::connect(window_, &FormWindow::closeRequested, window_, [this] {
    frontEnd_.send({EventKind::Close, form_.id(), nullptr, {}});
  });
  window_->keyPressed = [this](const QKeyEvent& e) {
    const std::optional<std::string> name = KeyName(e);
    return name &&
           frontEnd_.send({EventKind::Key, form_.id(), nullptr, *name}) == DispatchResult::Done;
  };
}

FormView::~FormView() {
  if (window_->isVisible()) handBackKeyboard();
  // The window may be inside its own event handler; Qt deletes it when that returns.
  window_->hide();
  window_->deleteLater();
}

void FormView::refresh() {
  if (form_.version() == formSeen_) return;
  formSeen_ = form_.version();
  for (Binding& b : bindings_) {
    if (b.control->version() == b.seen) continue;
    b.seen = b.control->version();
    if (b.changed)
      b.changed();
    else
      apply(*b.control, b.widget);
  }
  refreshed();
  if (window_->windowTitle().toStdString() != form_.caption()) {
    window_->setWindowTitle(QString::fromStdString(form_.caption()));
    if (dock_) dock_->setWindowTitle(window_->windowTitle());
  }
  if (dock_) {
    // A panel stands in the main window, above nothing; shown, it comes forward in its tabs.
    if (dock_->isHidden() != form_.visible()) return;
    dock_->setVisible(form_.visible());
    if (form_.visible()) dock_->raise();
    return;
  }
  if (form_.topmost() != topmost_) {
    topmost_ = form_.topmost();
    // The window is made again: put back its frame where it stood (the inside put there
    // would move the frame up by its title bar at every start) and its size.
    const QPoint frame = window_->pos();
    const QSize size = window_->size();
    const bool resized = window_->testAttribute(Qt::WA_Resized);
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, topmost_);
    if (resized) window_->resize(size);
    window_->move(frame);
  }
  if (window_->isVisible() == form_.visible()) return;
  if (!form_.visible()) handBackKeyboard();
  // Its last flags are set once its view is built (a view may set its own).
  if (form_.visible() && opensOnTop_ && !(window_->windowFlags() & Qt::WindowStaysOnTopHint)) {
    const FormView* main = frontEnd_.view(FormId::Main_F);
    KeepAboveStatusWindows(*window_, main ? main->window() : nullptr);
  }
  window_->setVisible(form_.visible());
  if (form_.visible() && opensOnTop_) BringForward(*window_);
}

void FormView::dockInto(QDockWidget* dock) {
  if (!dock_) ownFlags_ = window_->windowFlags();
  window_->hide();
  window_->setWindowFlags(Qt::Widget);
  // The panel of a window made again (its record was loaded anew) still holds the last.
  if (QWidget* last = dock->widget()) last->deleteLater();
  dock->setWidget(new FullScrollArea(window_));
  dock->setWindowTitle(window_->windowTitle());
  window_->show();
  dock_ = dock;
  formSeen_ = ~0ull;
}

void FormView::undock() {
  if (!dock_) return;
  window_->hide();
  static_cast<QScrollArea*>(dock_->widget())->takeWidget();
  window_->setParent(nullptr);
  // Stacking is put back by the next refresh, as the record has it now.
  window_->setWindowFlags(ownFlags_);
  topmost_ = ownFlags_.testFlag(Qt::WindowStaysOnTopHint);
  dock_ = nullptr;
  formSeen_ = ~0ull;
}

// A window the player closes gives the keyboard back to the main window and its entry.
void FormView::handBackKeyboard() {
  const FormView* main = frontEnd_.view(FormId::Main_F);
  if (!opensOnTop_ || !main || !window_->isActiveWindow()) return;
  // Once this window is gone, as the window manager may hand the keyboard to a status
  // window; but not away from a window the player has opened since.
  QTimer::singleShot(0, main->window(), [w = main->window()] {
    const QWidget* active = QApplication::activeWindow();
    const auto id = active ? FormByName(active->objectName().toStdString()) : std::nullopt;
    if (!active || (id && IsStatusWindow(*id))) w->activateWindow();
  });
}

void FormView::bind(Control& c, QObject* w) {
  w->setObjectName(QString::fromStdString(c.address()));
  apply(c, w);
  bindings_.push_back({&c, w, c.version(), {}});
}

void FormView::watch(Control& c, std::function<void()> changed) {
  changed();
  bindings_.push_back({&c, nullptr, c.version(), std::move(changed)});
}

void FormView::click(Control& c) {
  frontEnd_.send({EventKind::Click, form_.id(), &c, {}});
}

ClickLabel* FormView::label(Label& c) {
  auto* w = new ClickLabel;
  w->setAutoFillBackground(true);
  w->setAlignment(Qt::AlignCenter);
  QObject::connect(w, &ClickLabel::clicked, w, [this, &c] { click(c); });
  bind(c, w);
  return w;
}

QLineEdit* FormView::textBox(TextBox& c, bool editable) {
  auto* w = new TextBoxEdit;
  w->setReadOnly(!editable);
  // Tab and the keys go past a box that cannot be edited.
  if (!editable) w->setFocusPolicy(Qt::NoFocus);
  w->setAlignment(Qt::AlignRight);
  if (editable) {
    QObject::connect(w, &QLineEdit::textEdited, w, [this, &c](const QString& text) {
      frontEnd_.send({EventKind::Type, form_.id(), &c, text.toStdString()});
    });
  }
  bind(c, w);
  return w;
}

ClickLabel* FormView::picture(PictureBox& c, QSize size, const QPixmap* fixed) {
  auto* w = new ClickLabel;
  w->setAutoFillBackground(true);
  w->setAlignment(Qt::AlignCenter);
  w->setFixedSize(size);
  if (fixed) {
    w->setProperty("fixedPicture", true);
    w->setPixmap(*fixed);
  }
  QObject::connect(w, &ClickLabel::clicked, w, [this, &c] { click(c); });
  bind(c, w);
  return w;
}

QPushButton* FormView::button(CommandButton& c) {
  auto* w = new QPushButton;
  w->setAutoFillBackground(true);
  w->setFocusPolicy(Qt::NoFocus);
  QObject::connect(w, &QPushButton::clicked, w, [this, &c] { click(c); });
  bind(c, w);
  return w;
}

ModelCheckBox* FormView::checkBox(CheckBox& c) {
  auto* w = new ModelCheckBox;
  // Keys belong to the window: Space asks for a prediction, it does not tick a box.
  w->setFocusPolicy(Qt::NoFocus);
  QObject::connect(w, &QCheckBox::clicked, w, [this, &c] { click(c); });
  bind(c, w);
  return w;
}

QAction* FormView::action(MenuItem& c, bool checkable) {
  return makeAction(c, checkable, false);
}

QAction* FormView::barAction(MenuItem& c) {
  return makeAction(c, false, true);
}

QAction* FormView::makeAction(MenuItem& c, bool checkable, bool onMenuBar) {
  auto* a = new QAction(window_);
  a->setCheckable(checkable);
  a->setProperty("onMenuBar", onMenuBar);
  QObject::connect(a, &QAction::triggered, a, [this, a, &c](bool checked) {
    // The program decides the mark; undo Qt's own toggle first.
    if (a->isCheckable()) a->setChecked(!checked);
    click(c);
  });
  bind(c, a);
  return a;
}

QGroupBox* FormView::frame(Frame& c) {
  auto* w = new QGroupBox;
  bind(c, w);
  return w;
}
