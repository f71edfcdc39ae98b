#include "gui/key_router.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "gui/front_end.h"
#include "gui/key_names.h"
#include "windows/app.h"

namespace {

bool editing(const QWidget* w) {
  if (const auto* line = qobject_cast<const QLineEdit*>(w)) return !line->isReadOnly();
  if (const auto* text = qobject_cast<const QTextEdit*>(w)) return !text->isReadOnly();
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w)) return !plain->isReadOnly();
  return qobject_cast<const QAbstractSpinBox*>(w) != nullptr;
}

bool isDigit(const std::string& name) {
  return name.size() == 1 && name[0] >= '0' && name[0] <= '9';
}

}  // namespace

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* target = qobject_cast<QWidget*>(watched);
  // Only the first delivery, to the widget with the keyboard (or its window when none has
  // it), not the same key passed on to the parents.
  QWidget* focus = QApplication::focusWidget();
  if (!target || (focus ? target != focus : !target->isWindow())) return false;
  if (QApplication::activePopupWidget() || QApplication::activeModalWidget()) return false;
  const FormView* main = frontEnd_.view(FormId::Main_F);
  if (!main || editing(target)) return false;
  const bool menuBar = qobject_cast<QMenuBar*>(target) != nullptr;
  if (target->window() == main->window() && !menuBar) return false;

  const std::optional<std::string> name = KeyName(*static_cast<QKeyEvent*>(event));
  if (!name) return false;
  const bool waiting = !Main_F(frontEnd_.app()).Key_Entry.text().empty();
  if (!isDigit(*name) && !(waiting && (*name == "Enter" || *name == "Backspace"))) return false;
  // The menu bar gives the keyboard back as the player starts typing.
  if (menuBar) target->clearFocus();
  return frontEnd_.send({EventKind::Key, FormId::Main_F, nullptr, *name}) == DispatchResult::Done;
}
