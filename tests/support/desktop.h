#pragma once

#include <QMainWindow>
#include <filesystem>
#include <string>

#include "gui/front_end.h"

// The desktop program in a fresh folder of its own that holds what ships beside the
// program, started as a user starts it.
class Desktop {
 public:
  // `windowSettings`, when given, is the first line of USER2.FIL (status windows and
  // options, no areas); sound is then off.
  explicit Desktop(const std::string& windowSettings = "");
  ~Desktop();

  App& app() { return frontEnd.app(); }
  QMainWindow* window(FormId id) const;
  QMainWindow* main() const { return window(FormId::Main_F); }
  // The widget of a control, or null when its window has no view.
  template <class W>
  W* find(FormId id, const QString& name) const {
    QMainWindow* w = window(id);
    return w ? w->findChild<W*>(name) : nullptr;
  }
  // Clicks the record button of number index i.
  void spin(int index);
  // Queues the answer to the next message box.
  void answer(BoxAnswer a) { frontEnd.services().scriptedAnswers.push_back(a); }

  const std::filesystem::path folder;
  FrontEnd frontEnd;
};
