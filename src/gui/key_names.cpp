#include "gui/key_names.h"

#include <QKeyEvent>

std::optional<std::string> KeyName(const QKeyEvent& e) {
  std::string key;
  const int k = e.key();
  switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      key = "Enter";
      break;
    case Qt::Key_Escape:
      key = "Esc";
      break;
    case Qt::Key_Backspace:
      key = "Backspace";
      break;
    case Qt::Key_Space:
      key = "Space";
      break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      key = "Tab";
      break;
    case Qt::Key_PageUp:
      key = "PgUp";
      break;
    case Qt::Key_PageDown:
      key = "PgDn";
      break;
    case Qt::Key_Home:
      key = "Home";
      break;
    case Qt::Key_End:
      key = "End";
      break;
    default:
      if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        key = "F" + std::to_string(k - Qt::Key_F1 + 1);
      else if (k > Qt::Key_Space && k <= Qt::Key_AsciiTilde)
        key = std::string(1, static_cast<char>(k));  // Qt names a letter by its capital
      else
        return std::nullopt;
  }
  const Qt::KeyboardModifiers mods = e.modifiers();
  std::string name;
  if (mods & Qt::ControlModifier) name += "Ctrl+";
  if (mods & Qt::AltModifier) name += "Alt+";
  if (mods & Qt::ShiftModifier || k == Qt::Key_Backtab) name += "Shift+";
  return name + key;
}

QString MenuText(const std::string& caption, const std::string& shortcut, bool showShortcut) {
  QString text = QString::fromStdString(caption);
  text.replace('&', "&&");
  bool underlined = false;
  for (qsizetype i = 0; i < text.size() && !underlined; ++i) {
    const char16_t c = text[i].unicode();
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
      text.insert(i, '&');
      underlined = true;
    }
  }
  // A caption without a letter of its own ("統計") takes its Ctrl shortcut's letter.
  const std::string ctrl = "Ctrl+";
  if (!underlined && shortcut.size() == ctrl.size() + 1 && shortcut.starts_with(ctrl))
    text += QString("(&%1)").arg(QChar(shortcut.back()));
  if (showShortcut && !shortcut.empty()) text += '\t' + QString::fromStdString(shortcut);
  return text;
}
