#pragma once

#include "windows/form.h"

class QWidget;

// The status windows (Area, Point, Black or Red, Total) stay above the main window. Every
// other window the player opens, and every question, message, file dialog and progress box,
// comes up above them, whole and answerable.
bool IsStatusWindow(FormId id);

// Before a window is shown: it stays above the status windows, and it belongs to `owner`
// (where "stay on top" means nothing, a window manager still keeps it above its owner).
void KeepAboveStatusWindows(QWidget& window, QWidget* owner);

// Raises a window that has just been shown and gives it the keyboard.
void BringForward(QWidget& window);
