#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/indexed_array.h"
#include "windows/controls.h"

// The window table: every window of the program, once. A line gives the window's registry
// name (which is also its FormId and its accessor, `Main_F(app)`), its record class and the
// member of Forms that holds it; the ids, names, hosts, accessors and every switch over the
// windows are made from it. A new window also needs its record's #include in
// windows/forms.h, its view in gui/views.cpp and its handlers in game/window_handlers.cpp
// (the compiler asks for the last two).
// clang-format off
#define VARNET_WINDOWS(X)                        \
  X(Main_F,         MainForm,       main)        \
  X(Area_F,         AreaForm,       area)        \
  X(Point_F,        PointForm,      point)       \
  X(Black_or_Red_F, BlackOrRedForm, blackOrRed)  \
  X(Total_F,        TotalForm,      total)       \
  X(Log_F,          LogForm,        log)         \
  X(Save_Load_F,    SaveLoadForm,   saveLoad)    \
  X(Version_F,      VersionForm,    version)     \
  X(Stats_F,        StatisticsForm, stats)       \
  X(Book_F,         BookForm,       book)
// clang-format on

#define VARNET_FORM_ID(name, Record, member) name,
enum class FormId { VARNET_WINDOWS(VARNET_FORM_ID) };
#undef VARNET_FORM_ID

#define VARNET_COUNT_ONE(name, Record, member) +1
inline constexpr int FormCount = 0 VARNET_WINDOWS(VARNET_COUNT_ONE);
#undef VARNET_COUNT_ONE

// The registry name ("Main_F"), as scripts and the window places file write it.
const char* FormName(FormId id);
std::optional<FormId> FormByName(std::string_view name);

// One registry entry: a single control or a control array with its index range.
struct ControlEntry {
  std::string name;
  Kind kind;
  bool isArray = false;
  int first = 0;
  int last = 0;
  std::vector<Control*> items;  // items[i - first]

  Control* at(int index) const;
};

// A window record: named controls in design order, plus the window's own state.
class Form {
 public:
  Form(FormId id, std::string caption);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form() = default;

  FormId id() const { return id_; }
  const std::string& caption() const { return caption_; }
  // The title shows what the window is working on (the main window: the current wheel).
  void setCaption(std::string caption);
  bool visible() const { return visible_; }
  bool topmost() const { return topmost_; }
  void setVisible(bool v);
  void setTopmost(bool t);

  // Bumped by every change of the window or any of its controls.
  std::uint64_t version() const { return version_; }
  void bump() { ++version_; }

  const std::vector<ControlEntry>& entries() const { return entries_; }
  const ControlEntry* find(const std::string& name) const;

 protected:
  template <class T>
  T& add(const std::string& name, T& control) {
    adopt(newEntry(name, control.kind(), false, 0, 0), control, 0, false);
    return control;
  }
  template <class T, int First, int Last>
  IndexedArray<T, First, Last>& add(const std::string& name, IndexedArray<T, First, Last>& arr) {
    ControlEntry& e = newEntry(name, arr(First).kind(), true, First, Last);
    for (int i = First; i <= Last; ++i) adopt(e, arr(i), i, true);
    return arr;
  }

 private:
  ControlEntry& newEntry(const std::string& name, Kind kind, bool isArray, int first, int last);
  void adopt(ControlEntry& entry, Control& c, int index, bool arrayItem);

  FormId id_;
  std::string caption_;
  bool visible_ = false;
  bool topmost_ = false;
  std::uint64_t version_ = 0;
  std::vector<ControlEntry> entries_;
};

// Every control of an array gets the same handler.
template <class T, int First, int Last>
void OnClick(IndexedArray<T, First, Last>& arr, const Handler& h) {
  for (auto& c : arr) c.onClick = h;
}
