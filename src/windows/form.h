#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/indexed_array.h"
#include "windows/controls.h"

// The windows of the program; each one's id is its registry name (the table is in
// windows/forms.h, with the records).
enum class FormId : int;

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
