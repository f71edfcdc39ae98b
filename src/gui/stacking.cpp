#include "gui/stacking.h"

#include <QWidget>
#include <QWindow>

#include "windows/forms.h"

bool IsStatusWindow(FormId id) {
  return id == FormId::Area_F || id == FormId::Point_F || id == FormId::Black_or_Red_F ||
         id == FormId::Total_F;
}

void KeepAboveStatusWindows(QWidget& window, QWidget* owner) {
  // New flags make the window again; one that was given a place keeps it.
  const QPoint at = window.pos();
  const bool placed = window.testAttribute(Qt::WA_Moved);
  window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  if (placed) window.move(at);
  if (!owner || owner == &window) return;
  // A widget with a parent widget (a dialog) already names it as its owner.
  if (window.parentWidget()) return;
  window.winId();
  owner->winId();
  if (QWindow* handle = window.windowHandle()) handle->setTransientParent(owner->windowHandle());
}

void BringForward(QWidget& window) {
  window.raise();
  window.activateWindow();
}
